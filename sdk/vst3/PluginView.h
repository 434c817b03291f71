#pragma once

#include "FObject.h"
#include "vst3_interfaces.h"

namespace Steinberg
{
// The plug-in side of an editor view: its rectangle, the host's frame (held
// with a reference) and the system window it is attached to, with the
// default answers of every IPlugView call. A plug-in derives and overrides.
class CPluginView : public FObject, public IPlugView
{
public:
  CPluginView() = default;
  ~CPluginView() override;

  tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
  ZL_FOBJECT_FACE_REFCOUNT

  tresult PLUGIN_API isPlatformTypeSupported(FIDString type) override;
  tresult PLUGIN_API attached(void* parent, FIDString type) override;
  tresult PLUGIN_API removed() override;
  tresult PLUGIN_API onWheel(float distance) override;
  tresult PLUGIN_API onKeyDown(char16 key, int16 keyCode, int16 modifiers) override;
  tresult PLUGIN_API onKeyUp(char16 key, int16 keyCode, int16 modifiers) override;
  tresult PLUGIN_API getSize(ViewRect* size) override;
  tresult PLUGIN_API onSize(ViewRect* newSize) override;
  tresult PLUGIN_API onFocus(TBool state) override;
  tresult PLUGIN_API setFrame(IPlugFrame* frame) override;
  tresult PLUGIN_API canResize() override;
  tresult PLUGIN_API checkSizeConstraint(ViewRect* rect) override;

  const ViewRect& getRect() const { return rect; }
  void* getSystemWindow() const { return systemWindow; }

protected:
  FObject* AsFObject() { return this; }

  ViewRect rect = {0, 0, 0, 0};
  IPlugFrame* plugFrame = nullptr;
  void* systemWindow = nullptr;
};
}
