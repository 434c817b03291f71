#pragma once

#include "AAX_IEffectGUI.h"
#include "CACFUnknown.h"

#include <memory>

class AAX_IEffectParameters;
class AAX_IViewContainer;
class AAX_VController;
class AAX_VTransport;
class AAX_VViewContainer;

// Base of the plug-in's editor object: its face first, then the CACFUnknown
// part. It keeps the host proxies and the effect-parameters interface of
// the instance it edits, and turns the host's calls into four hooks for a
// derived class: make the view's contents, open the view in the container,
// close it, and show one parameter's change. No slot throws into the host.
//
// The view-container proxy of the container the host gave last is owned
// here. It is deleted when another replaces it (after the view opened in
// the new one), when the view closed for a null container, in
// UninitializeGui (which closes the view first) and on destruction. Before
// anything else happens to it, the derived class is told through
// ForgetViewContainer; only not on destruction, when the derived class is
// gone: one whose view must be closed then calls CloseView in its own
// destructor.
class AAX_CEffectGUI : public AAX_IEffectGUI, public CACFUnknown
{
public:
  AAX_CEffectGUI();
  AAX_CEffectGUI(const AAX_CEffectGUI&) = delete;
  AAX_CEffectGUI& operator=(const AAX_CEffectGUI&) = delete;

  int32_t ACF_CALL QueryInterface(const ACFUID* iid, void** out) override;
  int32_t ACF_CALL AddRef() override;
  int32_t ACF_CALL Release() override;
  // Takes the controller and transport proxies and the effect-parameters
  // interface from the host object, then makes the view's contents;
  // kAAXNoController, with nothing taken, for a null host object. A second
  // initialisation first does what UninitializeGui does.
  int32_t ACF_CALL InitializeGui(IACFUnknown* host) override;
  // Closes the view if a container is set, then gives up the interface and
  // the proxies.
  int32_t ACF_CALL UninitializeGui() override;
  int32_t ACF_CALL GuiStubCall5(AAX_Value first, AAX_Value second, AAX_Value third) override;
  // A container opens the view in it (and shows every parameter); null
  // closes it.
  int32_t ACF_CALL SetViewContainer(IACFUnknown* container) override;
  // Writes nothing here.
  int32_t ACF_CALL GetViewSize(AAX_Point* size) override;
  int32_t ACF_CALL GuiStubCall8(AAX_Value value) override;
  int32_t ACF_CALL GuiStubCall9() override;
  int32_t ACF_CALL ParameterUpdated(const char* identifier) override;
  int32_t ACF_CALL GuiUnsupportedCall11(AAX_Value first, AAX_Value second) override;
  int32_t ACF_CALL GuiStubCall12(AAX_Value first, AAX_Value second, AAX_Value third) override;

  // The hooks, declared first after the face so that they directly follow
  // the host's slots. Called at the end of InitializeGui.
  virtual void CreateViewContents() = 0;
  // Called with the new container's proxy in place.
  virtual void CreateViewContainer() = 0;
  // Called when the container goes, with no container in place.
  virtual void DeleteViewContainer() = 0;
  // ParameterUpdated with each parameter's identifier in parameter order;
  // nothing without an effect-parameters interface.
  virtual void UpdateAllParameters();

  ~AAX_CEffectGUI() override;
  int32_t QueryInterfaceInner(const ACFUID* iid, void** out) override;

protected:
  // The instance's effect-parameters interface (a reference held here);
  // null before InitializeGui or when the host object did not answer it.
  AAX_IEffectParameters* EffectParameters() const { return mEffectParameters; }
  // The current container's proxy and native window; null without one.
  AAX_IViewContainer* ViewContainer() const;
  void* NativeViewOfContainer() const;
  // Tells that this container proxy, no longer the current one, is to be
  // deleted (it still answers until then), so that nothing keeps pointing
  // at it.
  virtual void ForgetViewContainer(AAX_IViewContainer* /*container*/) {}
  // With a container set: gives it up and calls DeleteViewContainer.
  void CloseView();

private:
  // The current container's proxy, out of its place, the derived class
  // told.
  std::unique_ptr<AAX_VViewContainer> TakeViewContainer();

  std::unique_ptr<AAX_VController> mController;
  AAX_IEffectParameters* mEffectParameters = nullptr;
  std::unique_ptr<AAX_VViewContainer> mViewContainer;
  std::unique_ptr<AAX_VTransport> mTransport;
};
