#include "AAX_CEffectGUI.h"

#include "AAX_CString.h"
#include "AAX_IEffectParameters.h"
#include "AAX_VController.h"
#include "AAX_VTransport.h"
#include "AAX_VViewContainer.h"
#include "HostEntryGuard.h"

#include <new>
#include <utility>

AAX_CEffectGUI::AAX_CEffectGUI() = default;

// Nothing may call back into the derived class from here: the view was
// closed by its destructor, if it had one to close.
AAX_CEffectGUI::~AAX_CEffectGUI()
{
  mViewContainer.reset();
  if (mEffectParameters)
    mEffectParameters->Release();
}

int32_t AAX_CEffectGUI::QueryInterface(const ACFUID* iid, void** out)
{
  return GetOuterUnknown()->QueryInterface(iid, out);
}

int32_t AAX_CEffectGUI::AddRef() { return GetOuterUnknown()->AddRef(); }

int32_t AAX_CEffectGUI::Release() { return GetOuterUnknown()->Release(); }

int32_t AAX_CEffectGUI::QueryInterfaceInner(const ACFUID* iid, void** out)
{
  if (iid && out && *iid == IID_AAX_IACFEffectGUI)
  {
    *out = static_cast<AAX_IEffectGUI*>(this);
    AddRef();
    return kAAXSuccess;
  }
  return CACFUnknown::QueryInterfaceInner(iid, out);
}

int32_t AAX_CEffectGUI::InitializeGui(IACFUnknown* host)
{
  return GuardedEntry([&] {
    // Initialised again, the first controller proxy and the reference on the
    // first instance would otherwise be overwritten and never given up.
    UninitializeGui();
    if (!host)
      return static_cast<int32_t>(kAAXNoController);
    mController.reset(new (std::nothrow) AAX_VController(host));
    if (!mController)
      return static_cast<int32_t>(kAAXNoController);
    void* answer = nullptr;
    if (host->QueryInterface(&IID_AAX_IACFEffectParameters, &answer) == kAAXSuccess)
      mEffectParameters = static_cast<AAX_IEffectParameters*>(answer);
    mTransport.reset(new (std::nothrow) AAX_VTransport(host));
    CreateViewContents();
    return static_cast<int32_t>(kAAXSuccess);
  });
}

// The view closes before the instance's reference goes: that reference may
// be the last, and the view shows the instance's editor.
int32_t AAX_CEffectGUI::UninitializeGui()
{
  return GuardedEntry([&] {
    CloseView();
    if (AAX_IEffectParameters* effectParameters = std::exchange(mEffectParameters, nullptr))
      effectParameters->Release();
    mController.reset();
    mTransport.reset();
    return static_cast<int32_t>(kAAXSuccess);
  });
}

int32_t AAX_CEffectGUI::SetViewContainer(IACFUnknown* container)
{
  return GuardedEntry([&] {
    // Deleted on the way out, whichever way that is.
    const std::unique_ptr<AAX_VViewContainer> previous = TakeViewContainer();
    if (container)
    {
      mViewContainer.reset(new (std::nothrow) AAX_VViewContainer(container));
      CreateViewContainer();
      UpdateAllParameters();
    }
    else
    {
      DeleteViewContainer();
    }
    return static_cast<int32_t>(kAAXSuccess);
  });
}

void AAX_CEffectGUI::CloseView()
{
  if (const std::unique_ptr<AAX_VViewContainer> previous = TakeViewContainer())
    DeleteViewContainer();
}

std::unique_ptr<AAX_VViewContainer> AAX_CEffectGUI::TakeViewContainer()
{
  std::unique_ptr<AAX_VViewContainer> container = std::move(mViewContainer);
  if (container)
    ForgetViewContainer(container.get());
  return container;
}

AAX_IViewContainer* AAX_CEffectGUI::ViewContainer() const { return mViewContainer.get(); }

void* AAX_CEffectGUI::NativeViewOfContainer() const
{
  return mViewContainer ? mViewContainer->NativeView() : nullptr;
}

void AAX_CEffectGUI::UpdateAllParameters()
{
  if (!mEffectParameters)
    return;
  int32_t count = 0;
  if (mEffectParameters->CountParameters(&count) != kAAXSuccess)
    return;
  AAX_CString identifier;
  for (int32_t i = 0; i < count; ++i)
    if (mEffectParameters->ParameterIdAt(i, &identifier) == kAAXSuccess)
      ParameterUpdated(identifier.CString());
}

int32_t AAX_CEffectGUI::GuiStubCall5(AAX_Value, AAX_Value, AAX_Value) { return kAAXSuccess; }

int32_t AAX_CEffectGUI::GetViewSize(AAX_Point*) { return kAAXSuccess; }

int32_t AAX_CEffectGUI::GuiStubCall8(AAX_Value) { return kAAXSuccess; }

int32_t AAX_CEffectGUI::GuiStubCall9() { return kAAXSuccess; }

int32_t AAX_CEffectGUI::ParameterUpdated(const char*) { return kAAXSuccess; }

int32_t AAX_CEffectGUI::GuiUnsupportedCall11(AAX_Value, AAX_Value) { return kAAXRefused; }

int32_t AAX_CEffectGUI::GuiStubCall12(AAX_Value, AAX_Value, AAX_Value) { return kAAXSuccess; }
