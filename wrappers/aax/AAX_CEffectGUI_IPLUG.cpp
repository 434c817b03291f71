#include "AAX_CEffectGUI_IPLUG.h"

#include "AAX_IViewContainer.h"
#include "HostCallGuard.h"
#include "IGraphics.h"
#include "IPlugAAX.h"

#include <new>

AAX_CEffectGUI_IPLUG::~AAX_CEffectGUI_IPLUG() { CloseView(); }

// Without the instance's reference its editor may be gone: it is forgotten
// with it.
int32_t AAX_CEffectGUI_IPLUG::UninitializeGui()
{
  const int32_t result = AAX_CEffectGUI::UninitializeGui();
  mEditor = nullptr;
  return result;
}

int32_t AAX_CEffectGUI_IPLUG::GetViewSize(AAX_Point* size)
{
  if (!size)
    return kAAXRefused;
  if (mEditor)
  {
    size->vert = static_cast<float>(mEditor->Height());
    size->horz = static_cast<float>(mEditor->Width());
  }
  return kAAXSuccess;
}

void AAX_CEffectGUI_IPLUG::CreateViewContents()
{
  IPlugAAX* instance = LiveInstanceEntry::Find(EffectParameters());
  mEditor = instance ? instance->GetGUI() : nullptr;
}

void AAX_CEffectGUI_IPLUG::CreateViewContainer()
{
  void* window = NativeViewOfContainer();
  if (mEditor && window)
  {
    mEditor->SetViewContainer(ViewContainer());
    mEditor->OpenEditorWindow(window);
  }
  else
  {
    // The window's container is gone and this one cannot show it.
    DeleteViewContainer();
  }
  mContainerGoneHeldTheWindow = false;
}

void AAX_CEffectGUI_IPLUG::DeleteViewContainer()
{
  if (mEditor && mContainerGoneHeldTheWindow)
    mEditor->CloseEditorWindow();
  mContainerGoneHeldTheWindow = false;
}

void AAX_CEffectGUI_IPLUG::ForgetViewContainer(AAX_IViewContainer* container)
{
  mContainerGoneHeldTheWindow = mEditor && mEditor->ViewContainer() == container;
  if (mContainerGoneHeldTheWindow)
    mEditor->SetViewContainer(nullptr);
}

IACFUnknown* AAX_CALLBACK_CALL CreateEffectGUIInstance()
{
  return GuardHostCall<IACFUnknown*>(nullptr, nullptr, []() -> IACFUnknown* {
    AAX_CEffectGUI_IPLUG* editor = new (std::nothrow) AAX_CEffectGUI_IPLUG();
    return editor ? static_cast<AAX_IEffectGUI*>(editor) : nullptr;
  });
}
