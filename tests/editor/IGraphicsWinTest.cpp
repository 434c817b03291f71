// The editor's window under Wine: opened in a parent window of the test,
// driven by the messages a user's input sends.

#include "LICE_SysBitmap.h"
#include "WindowFixture.h"

#include <memory>

namespace
{
TEST_F(EditorWindow, OpensAChildWindowOfTheRegisteredClass)
{
  HWND window = Open();
  ASSERT_NE(window, nullptr);
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  EXPECT_STREQ(name, "IPlugWndClass");
  GetWindowTextA(window, name, sizeof name);
  EXPECT_STREQ(name, "IPlug");
  EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
  EXPECT_EQ(GetParent(window), host.window);
  RECT r;
  GetClientRect(window, &r);
  EXPECT_EQ(r.right, 500);
  EXPECT_EQ(r.bottom, 230);
  WNDCLASSA found;
  EXPECT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "IPlugWndClass", &found));
  EXPECT_TRUE(found.style & CS_DBLCLKS);
  graphics->CloseEditorWindow();
  EXPECT_FALSE(graphics->HasWindow());
  EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), "IPlugWndClass", &found)) << "its last user unregisters";
}

TEST_F(EditorWindow, TwoEditorsShareTheClass)
{
  StatePlug other;
  IGraphicsWin* second = new IGraphicsWin(&other);
  second->SetModule(GetModuleHandleA(nullptr));
  other.AttachEditor(second);
  ASSERT_NE(Open(), nullptr);
  ASSERT_NE(second->OpenEditorWindow(host.window), nullptr);
  WNDCLASSA found;
  graphics->CloseEditorWindow();
  EXPECT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "IPlugWndClass", &found));
  second->CloseEditorWindow();
  EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), "IPlugWndClass", &found));
}

TEST_F(EditorWindow, TicksPaintTheSurfaceIntoTheWindow)
{
  HWND window = Open();
  SendMessageA(window, WM_TIMER, 2, 0);
  EXPECT_FALSE(graphics->GetControl(knob)->NeedsRedraw() && graphics->GetControl(0)->NeedsRedraw());
  // The window's pixels, read back through its device context, are the
  // surface's.
  HDC dc = GetDC(window);
  LICE_SysBitmap* surface = graphics->DrawSurface();
  int differences = 0;
  for (int y = 0; y < 230; y += 7)
    for (int x = 0; x < 500; x += 7)
    {
      const PixelArgb s = surface->PixelData()[y * surface->RowSpan() + x];
      const COLORREF w = GetPixel(dc, x, y);
      differences += RGB((s >> 16) & 0xFF, (s >> 8) & 0xFF, s & 0xFF) != w;
    }
  ReleaseDC(window, dc);
  EXPECT_EQ(differences, 0);
}

TEST_F(EditorWindow, PressDragReleaseIsOneEdit)
{
  HWND window = Open();
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(60, 100));
  EXPECT_EQ(GetCapture(), window);
  SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, At(60, 90));
  SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, At(60, 90));
  SendMessageA(window, WM_LBUTTONUP, 0, At(60, 90));
  ASSERT_EQ(plug.events.size(), 4u);
  EXPECT_EQ(plug.events[0].what, "begin");
  EXPECT_EQ(plug.events[1].what, "value");
  EXPECT_DOUBLE_EQ(plug.events[1].value, 0.5 + 10.0 / 384);
  EXPECT_EQ(plug.events[3].what, "end");
  EXPECT_NE(GetCapture(), window);
}

TEST_F(EditorWindow, DoubleClickAndWheel)
{
  HWND window = Open();
  graphics->GetControl(knob)->SetValue(0.9);
  SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, At(60, 100));
  EXPECT_EQ(graphics->GetControl(knob)->Value(), 0.5);
  RECT r;
  GetWindowRect(window, &r);
  SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), At(r.left + 60, r.top + 100));
  EXPECT_DOUBLE_EQ(graphics->GetControl(knob)->Value(), 0.51);
  SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), At(r.left + 60, r.top + 100));
  SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, 60), At(r.left + 60, r.top + 100));
  EXPECT_DOUBLE_EQ(graphics->GetControl(knob)->Value(), 0.5) << "a partial notch turns nothing";
}

TEST_F(EditorWindow, UnhandledKeysReachTheRootWindowOnce)
{
  HWND window = Open();
  host.echoKeys = true;
  SendMessageA(window, WM_KEYDOWN, VK_F12, 0);
  SendMessageA(window, WM_KEYUP, 'A', 0);
  EXPECT_GE(host.keys.size(), 2u);
  EXPECT_LE(host.keys.size(), 4u) << "a host that hands keys back does not start an endless loop";
  EXPECT_EQ(host.keys[0], VK_F12);
}

TEST_F(EditorWindow, LostCaptureEndsTheEditOnce)
{
  HWND window = Open();
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(60, 100));
  SetCapture(host.window);  // another window takes the mouse
  ReleaseCapture();
  SendMessageA(window, WM_LBUTTONUP, 0, At(400, 10));
  ASSERT_EQ(plug.events.size(), 2u);
  EXPECT_EQ(plug.events[0].what, "begin");
  EXPECT_EQ(plug.events[1].what, "end");

  plug.events.clear();
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(60, 100));
  graphics->CloseEditorWindow();  // closed mid-drag
  ASSERT_EQ(plug.events.size(), 2u);
  EXPECT_EQ(plug.events[1].what, "end");
}

TEST_F(EditorWindow, ReopenStartsAtTheCornerAndAHostsDestroyedWindowIsForgotten)
{
  HWND window = Open();
  SetWindowPos(window, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  HWND again = Open();
  RECT parent, r;
  GetWindowRect(host.window, &parent);
  GetWindowRect(again, &r);
  EXPECT_EQ(r.left - parent.left, 0);
  EXPECT_EQ(r.top - parent.top, 0);
  EXPECT_EQ(r.right - r.left, 500);
  EXPECT_EQ(r.bottom - r.top, 230);
  DestroyWindow(host.window);  // the host destroys its window with the editor's in it
  host.window = nullptr;
  EXPECT_FALSE(graphics->HasWindow());
  HostWindow second;
  HWND fresh = static_cast<HWND>(graphics->OpenEditorWindow(second.window));
  ASSERT_NE(fresh, nullptr);
  GetWindowRect(second.window, &parent);
  GetWindowRect(fresh, &r);
  EXPECT_EQ(r.left - parent.left, 0) << "a reopen after the loss starts at the corner";
  graphics->CloseEditorWindow();
  WNDCLASSA found;
  EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), "IPlugWndClass", &found))
      << "the lost window gave up its use of the class once";
}

TEST(EditorWindowAlone, PaintWithoutControlsIsValidated)
{
  HostWindow host;
  TestPlug plug;
  IGraphicsWin* graphics = new IGraphicsWin(&plug);
  graphics->SetModule(GetModuleHandleA(nullptr));
  plug.AttachEditor(graphics);
  HWND window = static_cast<HWND>(graphics->OpenEditorWindow(host.window));
  ASSERT_NE(window, nullptr);
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
  RECT update;
  EXPECT_FALSE(GetUpdateRect(window, &update, FALSE));
}

TEST_F(EditorWindow, SameSizeResizeDoesNothing)
{
  Open();
  const int controls = graphics->NControls();
  graphics->ResizeEditor(500, 230);
  EXPECT_EQ(graphics->NControls(), controls);
  EXPECT_TRUE(plug.events.empty());
}

TEST_F(EditorWindow, LoadsPngResourcesByTheNamesExtension)
{
  std::unique_ptr<LICE_IBitmap> image(graphics->LoadResourceImage(101, "resources/img/knob.PnG"));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->Width(), 96);
  EXPECT_EQ(image->Height(), 9696);
  EXPECT_EQ(graphics->LoadResourceImage(101, "knob.bmp"), nullptr);
  EXPECT_EQ(graphics->LoadResourceImage(101, "png"), nullptr);
  EXPECT_EQ(graphics->LoadResourceImage(999, "missing.png"), nullptr);
}

TEST_F(EditorWindow, PressOutsideEveryControlTakesFocusAndCapture)
{
  graphics->ResizeEditor(500, 230);  // same size: nothing
  HWND window = Open();
  SetFocus(host.window);
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(499, 229));
  EXPECT_EQ(GetFocus(), window);
  EXPECT_EQ(GetCapture(), window);
  SendMessageA(window, WM_LBUTTONUP, 0, At(499, 229));
  EXPECT_TRUE(plug.events.empty()) << "the backdrop has no parameter";
}

TEST(EditorWindowAlone, ResizeGrowsTheHostsWindowOutsideVst3)
{
  HostWindow host;
  TestPlug plug(18, "1-1 2-2", 1, kApiVst2);
  IGraphicsWin* graphics = new IGraphicsWin(&plug);
  graphics->SetModule(GetModuleHandleA(nullptr));
  plug.AttachEditor(graphics);
  HWND window = static_cast<HWND>(graphics->OpenEditorWindow(host.window));
  ASSERT_NE(window, nullptr);
  graphics->ResizeEditor(520, 240);
  RECT r;
  GetClientRect(window, &r);
  EXPECT_EQ(r.right, 520);
  EXPECT_EQ(r.bottom, 240);
  GetWindowRect(host.window, &r);
  EXPECT_EQ(r.right - r.left, 720) << "outside VST3 the host's window grows with the editor";
  ASSERT_EQ(plug.events.size(), 1u);
  EXPECT_EQ(plug.events[0].what, "resize");
}

// A control that takes every key.
class KeyCatcher : public IControl
{
public:
  explicit KeyCatcher(IPlugBase* plug) : IControl(plug, IBounds(0, 0, 1, 1)) {}
  bool Render(IGraphics*) override { return true; }
  bool KeyDown(int, int, int key) override
  {
    keys.push_back(key);
    return true;
  }
  std::vector<int> keys;
};

TEST_F(EditorWindow, MappedKeysReachTheControlsAndAreNotForwarded)
{
  HWND window = Open();
  KeyCatcher* catcher = new KeyCatcher(&plug);
  graphics->SetKeyCatcher(catcher);
  SetCursorPos(-100, -100);  // over no control: the key catcher takes it
  for (WPARAM key : {WPARAM(VK_SPACE), WPARAM(VK_UP), WPARAM(VK_DOWN), WPARAM(VK_LEFT), WPARAM(VK_RIGHT),
                     WPARAM('0'), WPARAM('9'), WPARAM('A'), WPARAM('Z'), WPARAM(0x61)})
    SendMessageA(window, WM_KEYDOWN, key, 0);
  EXPECT_EQ(catcher->keys, (std::vector<int>{0, 1, 2, 3, 4, 5, 14, 15, 40, 15}));
  EXPECT_TRUE(host.keys.empty());
}
}
