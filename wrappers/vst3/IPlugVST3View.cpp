#include "IPlugVST3View.h"

#include "IGraphics.h"
#include "IPlugVST3.h"

#include <cstring>

using namespace Steinberg;

namespace
{
bool IsHwnd(FIDString type) { return type && std::strcmp(type, kPlatformTypeHWND) == 0; }
}

IPlugVST3View::IPlugVST3View(IPlugVST3* plug) : mPlug(plug) { mPlug->addRef(); }

IPlugVST3View::~IPlugVST3View()
{
  mPlug->ForgetView(this);
  mPlug->release();
}

tresult PLUGIN_API IPlugVST3View::isPlatformTypeSupported(FIDString type)
{
  return mPlug->GetGUI() && IsHwnd(type) ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API IPlugVST3View::attached(void* parent, FIDString type)
{
  IGraphics* editor = mPlug->GetGUI();
  if (!editor || !type)
    return kResultFalse;
  if (IsHwnd(type))
  {
    // The editor's one window moves here, out of any other view's window.
    mPlug->mWindowView = editor->OpenEditorWindow(parent) ? this : nullptr;
    // The plug is not told of an editor that is not there to be seen.
    if (!mPlug->mWindowView)
      return kResultFalse;
  }
  CPluginView::attached(parent, type);
  mPlug->EditorOpened();
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3View::removed()
{
  if (IGraphics* editor = mPlug->GetGUI())
  {
    mPlug->EditorClosing();
    // A view attached since shows the window now: it stays open for that
    // view, which closes it when it is removed in turn.
    if (mPlug->mWindowView == this)
    {
      mPlug->mWindowView = nullptr;
      editor->CloseEditorWindow();
    }
  }
  return CPluginView::removed();
}

tresult PLUGIN_API IPlugVST3View::getSize(ViewRect* size)
{
  IGraphics* editor = mPlug->GetGUI();
  if (!size || !editor)
    return kResultFalse;
  *size = {0, 0, editor->Width(), editor->Height()};
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3View::onSize(ViewRect* newSize)
{
  if (!newSize)
    return kResultOk;
  CPluginView::onSize(newSize);
  if (mExpectingResize)
  {
    mExpectingResize = false;
    mPlug->EditorResized();
  }
  return kResultOk;
}

void IPlugVST3View::ResizeHostFrame(int width, int height)
{
  if (!plugFrame)
    return;
  ViewRect size = {0, 0, width, height};
  // Set first: a host may call onSize before resizeView returns.
  mExpectingResize = true;
  // A refused size brings no onSize; a later one from the host is its own.
  if (plugFrame->resizeView(this, &size) != kResultTrue)
    mExpectingResize = false;
}
