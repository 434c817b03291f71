// The editor view of the VST3 wrapper against fake host objects. Natively
// the editor is headless and opens no window; in the Windows trees a window
// without a parent cannot open either, so both see "the window did not
// open" here (the module's real window is checked by vst3host). The Windows
// trees also open the editor's real window in windows of the test.

#include "IGraphics.h"
#include "PluginView.h"
#include "Vst3Effect.h"
#include "Vst3Fakes.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include "IGraphicsWin.h"
#include "LICE_SysBitmap.h"
#include "editor/HostWindow.h"
#endif

#include <algorithm>
#include <string>
#include <vector>

namespace
{
using namespace Steinberg;
using namespace Steinberg::Vst;
using Log = std::vector<std::string>;

// A plug-in that logs what its views tell it.
template <class Plug>
class Watched : public Plug
{
public:
  using Plug::Plug;
  void EditorOpened() override { log.push_back("opened"); }
  void EditorClosing() override { log.push_back("closing"); }
  void EditorResized() override { log.push_back("resized"); }
  Log log;
};

using WatchedEffect = Watched<Vst3Effect>;
// The wrapper alone has no editor.
using WatchedBare = Watched<IPlugVST3>;

WatchedBare* MakeBare()
{
  return new WatchedBare(IPlugVST3::InstanceInfo(), 1, "1-1", 1, "Bare", "", "Test", kPlugVersion, 1, 1, 0, false,
                         false, false);
}

// A plug-in and the views a host asked it for, all released at the end
// (the host objects they hold are made before it).
template <class Plug>
struct Host
{
  explicit Host(Plug* plug) : plug(plug) {}
  ~Host()
  {
    for (IPlugView* view : views)
      view->release();
    plug->release();
  }
  IPlugView* Open()
  {
    IPlugView* view = plug->createView(ViewType::kEditor);
    if (view)
      views.push_back(view);
    return view;
  }
  void Close(IPlugView* view)
  {
    views.erase(std::find(views.begin(), views.end(), view));
    view->release();
  }
  Plug* plug;
  std::vector<IPlugView*> views;
};

struct EffectHost : Host<WatchedEffect>
{
  EffectHost() : Host(new WatchedEffect(IPlugVST3::InstanceInfo())) {}
};

struct BareHost : Host<WatchedBare>
{
  BareHost() : Host(MakeBare()) {}
};

TEST(IPlugVST3View, OnlyTheEditorNameMakesAView)
{
  EffectHost host;
  const char* const refused[] = {nullptr, "", "Editor", "edit", "editor ", "editorx", "parameters"};
  for (const char* name : refused)
    EXPECT_EQ(host.plug->createView(name), nullptr) << (name ? name : "null");
  EXPECT_EQ(host.plug->RefCount(), 1u);

  IPlugView* view = host.Open();
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(host.plug->RefCount(), 2u) << "a view holds its plug";
  ViewRect rect = {1, 1, 1, 1};
  ASSERT_EQ(view->getSize(&rect), kResultOk);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right, 500);
  EXPECT_EQ(rect.bottom, 230);

  void* face = nullptr;
  ASSERT_EQ(view->queryInterface(IPlugView::iid.data, &face), kResultOk);
  EXPECT_EQ(face, view);
  view->release();
  host.Close(view);
  EXPECT_EQ(host.plug->RefCount(), 1u);
}

TEST(IPlugVST3View, PlatformTypesAndNullArguments)
{
  EffectHost host;
  IPlugView* view = host.Open();
  ASSERT_NE(view, nullptr);
  struct Case
  {
    const char* type;
    tresult supported;
  };
  const Case cases[] = {{"HWND", kResultTrue},   {"hwnd", kResultFalse},    {"HWND2", kResultFalse},
                        {"HWN", kResultFalse},   {"NSView", kResultFalse},  {"X11EmbedWindowID", kResultFalse},
                        {"", kResultFalse},      {nullptr, kResultFalse}};
  for (const Case& c : cases)
    EXPECT_EQ(view->isPlatformTypeSupported(c.type), c.supported) << (c.type ? c.type : "null");
  EXPECT_EQ(view->getSize(nullptr), kResultFalse);
  EXPECT_EQ(view->attached(nullptr, nullptr), kResultFalse);
  EXPECT_EQ(view->onSize(nullptr), kResultOk);
  EXPECT_TRUE(host.plug->log.empty());
}

TEST(IPlugVST3View, WithoutAnEditorNothingOpens)
{
  BareHost host;
  IPlugView* view = host.Open();
  ASSERT_NE(view, nullptr) << "a view is made even without an editor";
  ViewRect rect = {};
  int window = 0;
  EXPECT_EQ(view->isPlatformTypeSupported(kPlatformTypeHWND), kResultFalse);
  EXPECT_EQ(view->attached(&window, kPlatformTypeHWND), kResultFalse);
  EXPECT_EQ(view->getSize(&rect), kResultFalse);
  EXPECT_EQ(view->removed(), kResultOk);
  EXPECT_TRUE(host.plug->log.empty());
}

TEST(IPlugVST3View, AttachOpensTheEditorOnlyWhenItsWindowOpens)
{
  EffectHost host;
  auto* view = static_cast<CPluginView*>(host.Open());
  ASSERT_NE(view, nullptr);
  // No window can open without a parent window.
  EXPECT_EQ(view->attached(nullptr, kPlatformTypeHWND), kResultFalse);
  EXPECT_TRUE(host.plug->log.empty());
  EXPECT_EQ(view->getSystemWindow(), nullptr);

  // Another platform's view opens no window and is told all the same.
  int parent = 0;
  EXPECT_EQ(view->attached(&parent, "NSView"), kResultOk);
  EXPECT_EQ(host.plug->log, (Log{"opened"}));
  EXPECT_EQ(view->getSystemWindow(), &parent);
  EXPECT_EQ(view->removed(), kResultOk);
  EXPECT_EQ(host.plug->log, (Log{"opened", "closing"}));
  EXPECT_EQ(view->getSystemWindow(), nullptr);
}

TEST(IPlugVST3View, EditorResizesGoToTheFirstViewsFrame)
{
  fakes::PlugFrame firstFrame, secondFrame;
  EffectHost host;
  IPlugView* first = host.Open();
  IPlugView* second = host.Open();
  ASSERT_TRUE(first && second);
  first->setFrame(&firstFrame);
  second->setFrame(&secondFrame);

  host.plug->ResizeEditorWindow(600, 300);
  EXPECT_EQ(firstFrame.log, (Log{"resize 0 0 600 300"}));
  EXPECT_EQ(firstFrame.lastView, first);
  EXPECT_TRUE(secondFrame.log.empty());
  EXPECT_TRUE(host.plug->log.empty()) << "nothing until the host's onSize";

  ViewRect size = {0, 0, 600, 300};
  ViewRect other = {0, 0, 640, 320};
  EXPECT_EQ(second->onSize(&size), kResultOk);
  EXPECT_TRUE(host.plug->log.empty()) << "the second view asked for nothing";
  EXPECT_EQ(first->onSize(&size), kResultOk);
  EXPECT_EQ(first->onSize(&other), kResultOk);
  EXPECT_EQ(host.plug->log, (Log{"resized"})) << "once per request";
  EXPECT_EQ(static_cast<CPluginView*>(first)->getRect().right, 640) << "the host's size is kept";
}

TEST(IPlugVST3View, HowTheHostAnswersAResize)
{
  struct Case
  {
    const char* name;
    tresult answer;
    bool sizesAtOnce;
    Log afterRequest;
    Log afterHostSize;
  };
  const Case cases[] = {
      {"accepted, sized later", kResultTrue, false, {}, {"resized"}},
      {"accepted, sized at once", kResultTrue, true, {"resized"}, {"resized"}},
      {"refused", kResultFalse, false, {}, {}},
      {"not implemented", kNotImplemented, false, {}, {}},
  };
  for (const Case& c : cases)
  {
    fakes::PlugFrame frame;
    EffectHost host;
    IPlugView* view = host.Open();
    ASSERT_NE(view, nullptr);
    frame.answer = c.answer;
    frame.sizesAtOnce = c.sizesAtOnce;
    view->setFrame(&frame);
    host.plug->ResizeEditorWindow(520, 240);
    EXPECT_EQ(host.plug->log, c.afterRequest) << c.name;
    ViewRect size = {0, 0, 520, 240};
    view->onSize(&size);
    EXPECT_EQ(host.plug->log, c.afterHostSize) << c.name;
  }
}

TEST(IPlugVST3View, ResizesWithoutAFrameViewOrEditorAskNothing)
{
  {
    fakes::PlugFrame frame;
    EffectHost host;
    host.plug->ResizeEditorWindow(600, 300);  // no view
    IPlugView* view = host.Open();
    host.plug->ResizeEditorWindow(600, 300);  // no frame yet
    view->setFrame(&frame);
    ViewRect size = {0, 0, 600, 300};
    view->onSize(&size);
    EXPECT_TRUE(host.plug->log.empty()) << "no request was pending";
    EXPECT_TRUE(frame.log.empty());
  }
  {
    fakes::PlugFrame frame;
    BareHost host;
    IPlugView* view = host.Open();
    view->setFrame(&frame);
    host.plug->ResizeEditorWindow(600, 300);
    EXPECT_TRUE(frame.log.empty());
  }
}

TEST(IPlugVST3View, ADestroyedViewLeavesTheListAndReleasesThePlug)
{
  fakes::PlugFrame firstFrame, secondFrame;
  EffectHost host;
  IPlugView* first = host.Open();
  IPlugView* second = host.Open();
  first->setFrame(&firstFrame);
  second->setFrame(&secondFrame);
  EXPECT_EQ(host.plug->RefCount(), 3u);
  host.Close(first);
  EXPECT_EQ(host.plug->RefCount(), 2u);
  EXPECT_EQ(firstFrame.refs, 1) << "the frame is released with its view";
  host.plug->ResizeEditorWindow(600, 300);
  EXPECT_TRUE(firstFrame.log.empty());
  EXPECT_EQ(secondFrame.log, (Log{"resize 0 0 600 300"}));
}

TEST(IPlugVST3View, TerminateForgetsTheViewsWithoutReleasingThem)
{
  fakes::PlugFrame frame;
  EffectHost host;
  host.plug->initialize(nullptr);
  IPlugView* view = host.Open();
  view->setFrame(&frame);
  host.plug->terminate();
  EXPECT_EQ(host.plug->RefCount(), 2u);
  host.plug->ResizeEditorWindow(600, 300);
  EXPECT_TRUE(frame.log.empty());
  ViewRect rect = {};
  EXPECT_EQ(view->getSize(&rect), kResultOk) << "the view itself still works";
}

TEST(IPlugVST3View, HostParamMenuNeedsAHandlerWithMenusAndAView)
{
  struct Case
  {
    const char* name;
    bool handler;
    bool menus;
    bool view;
    Log handlerLog;
    Log menuLog;
  };
  const Case cases[] = {
      {"menu shown", true, true, true, {"menu 5"}, {"popup 72 101"}},
      {"host makes no menu", true, false, true, {"menu 5"}, {}},
      {"no view", true, true, false, {}, {}},
      {"no handler", false, true, true, {}, {}},
  };
  for (const Case& c : cases)
  {
    fakes::MenuComponentHandler handler;
    EffectHost host;
    handler.menus = c.menus;
    if (c.handler)
      host.plug->setComponentHandler(&handler);
    IPlugView* view = c.view ? host.Open() : nullptr;
    host.plug->ShowHostParamMenu(5, 72, 101);
    EXPECT_EQ(handler.log, c.handlerLog) << c.name;
    EXPECT_EQ(handler.menu.log, c.menuLog) << c.name;
    EXPECT_EQ(handler.menuView, c.handlerLog.empty() ? nullptr : view) << c.name;
    EXPECT_EQ(handler.menu.refs, 1) << c.name << ": the menu is released";
    EXPECT_EQ(handler.refs, c.handler ? 2 : 1) << c.name << ": only the plug's own reference stays";
  }

  // A handler without menus is not asked.
  fakes::ComponentHandler plain;
  EffectHost host;
  host.plug->setComponentHandler(&plain);
  host.Open();
  host.plug->ShowHostParamMenu(5, 72, 101);
  EXPECT_TRUE(plain.log.empty());
  EXPECT_EQ(plain.refs, 2);
}

// A right press on the "Effect Amount" knob asks the host's menu instead of
// beginning an edit; its release ends the edit all the same.
TEST(IPlugVST3View, RightPressOnAKnobPopsTheHostMenu)
{
  fakes::MenuComponentHandler handler;
  EffectHost host;
  host.plug->setComponentHandler(&handler);
  IPlugView* first = host.Open();
  host.Open();
  IMouseKeys keys;
  keys.right = true;
  host.plug->GetGUI()->DispatchMouseDown(72, 101, &keys);
  EXPECT_EQ(handler.log, (Log{"menu 0"}));
  EXPECT_EQ(handler.menuView, first);
  EXPECT_EQ(handler.menu.log, (Log{"popup 72 101"}));
  host.plug->GetGUI()->DispatchMouseUp(72, 101, &keys);
  EXPECT_EQ(handler.log, (Log{"menu 0", "end 0"}));
}

#ifdef _WIN32
// How many sampled pixels of the host's window differ from the editor's
// surface, drawn from the window's top-left corner.
int PixelsUnlikeTheEditor(HWND host, IGraphicsWin* editor)
{
  HDC dc = GetDC(host);
  LICE_SysBitmap* surface = editor->DrawSurface();
  int differences = 0;
  for (int y = 0; y < editor->Height(); y += 7)
    for (int x = 0; x < editor->Width(); x += 7)
    {
      const PixelArgb s = surface->PixelData()[y * surface->RowSpan() + x];
      differences += RGB((s >> 16) & 0xFF, (s >> 8) & 0xFF, s & 0xFF) != GetPixel(dc, x, y);
    }
  ReleaseDC(host, dc);
  return differences;
}

// A host that attaches a second view of the instance before it removes the
// first one, in a window of its own elsewhere on the screen. The editor's
// one window then shows in the second view, and only that view closes it;
// either view may be removed first.
TEST(IPlugVST3View, ASecondViewShowsTheEditorUntilItIsRemoved)
{
  for (const bool firstRemovedFirst : {true, false})
  {
    HostWindow firstParent, secondParent;
    SetWindowPos(secondParent.window, nullptr, 36, 277, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EffectHost host;
    IPlugView* first = host.Open();
    IPlugView* second = host.Open();
    ASSERT_TRUE(first && second);
    ASSERT_EQ(first->attached(firstParent.window, kPlatformTypeHWND), kResultOk);
    ASSERT_EQ(second->attached(secondParent.window, kPlatformTypeHWND), kResultOk);
    auto* editor = static_cast<IGraphicsWin*>(host.plug->GetGUI());
    HWND window = static_cast<HWND>(editor->WindowHandle());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetParent(window), secondParent.window);
    POINT corner = {0, 0};
    MapWindowPoints(window, secondParent.window, &corner, 1);
    EXPECT_EQ(corner.x, 0);
    EXPECT_EQ(corner.y, 0);

    EXPECT_EQ((firstRemovedFirst ? first : second)->removed(), kResultOk);
    if (firstRemovedFirst)
    {
      ASSERT_EQ(editor->WindowHandle(), window) << "the second view still shows the editor";
      SendMessageA(window, WM_TIMER, 2, 0);
      EXPECT_EQ(PixelsUnlikeTheEditor(secondParent.window, editor), 0);
    }
    else
    {
      EXPECT_FALSE(editor->HasWindow());
    }
    EXPECT_EQ((firstRemovedFirst ? second : first)->removed(), kResultOk);
    EXPECT_FALSE(editor->HasWindow());
    EXPECT_EQ(GetWindow(firstParent.window, GW_CHILD), nullptr);
    EXPECT_EQ(GetWindow(secondParent.window, GW_CHILD), nullptr);
    WNDCLASSA found;
    EXPECT_FALSE(GetClassInfoA(editor->Module(), "IPlugWndClass", &found)) << "unregistered after the last view";
    EXPECT_EQ(host.plug->log, (Log{"opened", "opened", "closing", "closing"}));
  }
}

// With the first view removed but not yet released, the editor shows in the
// second: the host's parameter menu and the editor's resizes are asked of
// that view, not of the first one created.
TEST(IPlugVST3View, MenusAndResizesGoToTheViewThatShowsTheEditor)
{
  HostWindow firstParent, secondParent;
  fakes::MenuComponentHandler handler;
  fakes::PlugFrame firstFrame, secondFrame;
  EffectHost host;
  host.plug->setComponentHandler(&handler);
  IPlugView* first = host.Open();
  IPlugView* second = host.Open();
  ASSERT_TRUE(first && second);
  first->setFrame(&firstFrame);
  second->setFrame(&secondFrame);
  ASSERT_EQ(first->attached(firstParent.window, kPlatformTypeHWND), kResultOk);
  ASSERT_EQ(second->attached(secondParent.window, kPlatformTypeHWND), kResultOk);
  ASSERT_EQ(first->removed(), kResultOk);
  HWND window = static_cast<HWND>(static_cast<IGraphicsWin*>(host.plug->GetGUI())->WindowHandle());
  ASSERT_NE(window, nullptr);

  SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(72, 101));
  SendMessageA(window, WM_RBUTTONUP, 0, MAKELPARAM(72, 101));
  EXPECT_EQ(handler.log, (Log{"menu 0", "end 0"}));
  EXPECT_EQ(handler.menuView, second);
  EXPECT_EQ(handler.menu.log, (Log{"popup 72 101"}));

  host.plug->ResizeEditorWindow(600, 300);
  EXPECT_TRUE(firstFrame.log.empty());
  EXPECT_EQ(secondFrame.log, (Log{"resize 0 0 600 300"}));
  EXPECT_EQ(secondFrame.lastView, second);
  EXPECT_EQ(second->removed(), kResultOk);
}
#endif
}
