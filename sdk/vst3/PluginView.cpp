#include "PluginView.h"

namespace Steinberg
{
CPluginView::~CPluginView()
{
  if (plugFrame)
    plugFrame->release();
}

tresult PLUGIN_API CPluginView::queryInterface(const TUID iid, void** obj)
{
  if (!obj)
    return kInvalidArgument;
  if (SameUID(iid, FUnknown::iid.data) || SameUID(iid, IPlugView::iid.data))
    return GiveInterface(static_cast<IPlugView*>(this), this, obj);
  *obj = nullptr;
  return kNoInterface;
}

tresult PLUGIN_API CPluginView::isPlatformTypeSupported(FIDString) { return kNotImplemented; }

tresult PLUGIN_API CPluginView::attached(void* parent, FIDString)
{
  systemWindow = parent;
  return kResultOk;
}

tresult PLUGIN_API CPluginView::removed()
{
  systemWindow = nullptr;
  return kResultOk;
}

tresult PLUGIN_API CPluginView::onWheel(float) { return kResultFalse; }
tresult PLUGIN_API CPluginView::onKeyDown(char16, int16, int16) { return kResultFalse; }
tresult PLUGIN_API CPluginView::onKeyUp(char16, int16, int16) { return kResultFalse; }

tresult PLUGIN_API CPluginView::getSize(ViewRect* size)
{
  if (!size)
    return kInvalidArgument;
  *size = rect;
  return kResultOk;
}

tresult PLUGIN_API CPluginView::onSize(ViewRect* newSize)
{
  if (!newSize)
    return kInvalidArgument;
  rect = *newSize;
  return kResultOk;
}

tresult PLUGIN_API CPluginView::onFocus(TBool) { return kResultFalse; }

tresult PLUGIN_API CPluginView::setFrame(IPlugFrame* frame)
{
  // The new frame first: the host may hand the same one again.
  if (frame)
    frame->addRef();
  if (plugFrame)
    plugFrame->release();
  plugFrame = frame;
  return kResultOk;
}

tresult PLUGIN_API CPluginView::canResize() { return kResultFalse; }
tresult PLUGIN_API CPluginView::checkSizeConstraint(ViewRect*) { return kResultFalse; }
}
