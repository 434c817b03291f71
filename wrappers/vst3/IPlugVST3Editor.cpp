// The editor side of the VST3 wrapper: the views it creates for a host, the
// editor's resizes carried to the host, and the host's parameter menu.

#include "IPlugVST3.h"

#include "HostCallGuard.h"
#include "IPlugVST3View.h"

#include <algorithm>
#include <cstring>
#include <memory>

using namespace Steinberg;
using namespace Steinberg::Vst;

IPlugView* PLUGIN_API IPlugVST3::createView(FIDString name)
{
  if (!name || std::strcmp(name, ViewType::kEditor) != 0)
    return nullptr;
  return GuardHostCall<IPlugView*>(nullptr, nullptr, [this] {
    std::unique_ptr<IPlugVST3View> view(new IPlugVST3View(this));
    mViews.push_back(view.get());
    return static_cast<IPlugView*>(view.release());
  });
}

void IPlugVST3::ForgetView(IPlugVST3View* view)
{
  const auto found = std::find(mViews.begin(), mViews.end(), view);
  if (found != mViews.end())
    mViews.erase(found);
  if (mWindowView == view)
    mWindowView = nullptr;
}

IPlugVST3View* IPlugVST3::ViewOfTheEditor() const
{
  if (mWindowView)
    return mWindowView;
  return mViews.empty() ? nullptr : mViews.front();
}

void IPlugVST3::ResizeEditorWindow(int width, int height)
{
  IPlugVST3View* view = ViewOfTheEditor();
  if (GetGUI() && view)
    view->ResizeHostFrame(width, height);
}

void IPlugVST3::ShowHostParamMenu(int paramIdx, int x, int y)
{
  IPlugVST3View* view = ViewOfTheEditor();
  if (!componentHandler || !view)
    return;
  IComponentHandler3* handler = nullptr;
  if (componentHandler->queryInterface(IComponentHandler3::iid.data, reinterpret_cast<void**>(&handler)) !=
          kResultOk ||
      !handler)
    return;
  const ParamID id = static_cast<ParamID>(paramIdx);
  if (IContextMenu* menu = handler->createContextMenu(view, &id))
  {
    menu->popup(x, y);
    menu->release();
  }
  handler->release();
}
