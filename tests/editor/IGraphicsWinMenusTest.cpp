// Popup menus and the text entry of the editor's window under Wine. Modal
// menu loops are driven from the same thread by a message-filter hook.

#include "IMenu.h"
#include "NestedMenu.h"
#include "WindowFixture.h"

#include <cstring>
#include <string>

namespace
{
std::string MenuLabel(HMENU menu, int position)
{
  char text[64] = {};
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

TEST(NativeMenu, ReadsBackItemByItem)
{
  IMenu submenu;
  submenu.AddItem("x");
  submenu.AddItem("y");
  IMenu menu(IMenu::kTwoDigits);
  menu.AddItem("alpha", IMenuEntry::kChecked);
  menu.AddItem("", IMenuEntry::kSeparator);
  menu.AddItem("gray", IMenuEntry::kGrayed);
  menu.AddItem("off", IMenuEntry::kDisabled);
  menu.AddItem("more")->SetSubmenu(&submenu);
  menu.AddItem("last");
  int runningId = 0;
  HMENU native = IGraphicsWin::BuildNativeMenu(&menu, &runningId);
  ASSERT_NE(native, nullptr);
  EXPECT_EQ(runningId, 8) << "six entries of its own, two of the submenu";
  ASSERT_EQ(GetMenuItemCount(native), 6);

  const struct
  {
    const char* label;
    int id;
    UINT state;
  } items[] = {
      {"01: alpha", 0, MF_CHECKED}, {"", 0, MF_SEPARATOR},   {"03: gray", 2, MF_GRAYED},
      {"04: off", 3, MF_DISABLED},  {"05: more", -1, MF_POPUP}, {"06: last", 5, 0},
  };
  for (int i = 0; i < 6; ++i)
  {
    const UINT state = GetMenuState(native, i, MF_BYPOSITION);
    EXPECT_EQ(MenuLabel(native, i), items[i].label) << i;
    EXPECT_EQ(static_cast<int>(GetMenuItemID(native, i)), items[i].id) << i;
    // A separator reads as grayed and disabled as well.
    const UINT all = MF_CHECKED | MF_SEPARATOR | MF_GRAYED | MF_DISABLED | MF_POPUP;
    const UINT mask = state & MF_SEPARATOR ? MF_SEPARATOR : all;
    EXPECT_EQ(state & mask, items[i].state) << i;
  }
  HMENU nativeSubmenu = GetSubMenu(native, 4);
  ASSERT_NE(nativeSubmenu, nullptr);
  EXPECT_EQ(MenuLabel(nativeSubmenu, 1), "y") << "numbering is the submenu's own";
  EXPECT_EQ(GetMenuItemID(nativeSubmenu, 0), 6u);
  EXPECT_EQ(GetMenuItemID(nativeSubmenu, 1), 7u);
  DestroyMenu(native);
}

// Keys for the menu loop, posted once the loop asks for its first message;
// a loop still running after many messages is ended.
class MenuDriver
{
public:
  explicit MenuDriver(std::vector<WPARAM> keys) : mKeys(std::move(keys))
  {
    sCurrent = this;
    mHook = SetWindowsHookExA(WH_MSGFILTER, Filter, nullptr, GetCurrentThreadId());
  }
  ~MenuDriver()
  {
    UnhookWindowsHookEx(mHook);
    sCurrent = nullptr;
  }
  bool endedByForce = false;

private:
  static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam)
  {
    MenuDriver* driver = sCurrent;
    if (driver && code == MSGF_MENU)
    {
      const MSG* msg = reinterpret_cast<const MSG*>(lParam);
      if (!driver->mPosted)
      {
        driver->mPosted = true;
        for (WPARAM key : driver->mKeys)
          PostMessageA(msg->hwnd, WM_KEYDOWN, key, 0);
      }
      else if (++driver->mMessages > 2000)
      {
        driver->endedByForce = true;
        EndMenu();
      }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  std::vector<WPARAM> mKeys;
  HHOOK mHook = nullptr;
  bool mPosted = false;
  int mMessages = 0;
  static MenuDriver* sCurrent;
};
MenuDriver* MenuDriver::sCurrent = nullptr;

TEST_F(EditorWindow, PopupMenuAnswersTheMenuHoldingTheChoice)
{
  Open();
  IBounds bounds(24, 53, 120, 149);
  const struct
  {
    std::vector<WPARAM> keys;
    int holder;  // 0 the menu, 1 the submenu, -1 none
    int chosen;
  } cases[] = {
      {{VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}, 1, 1},  // id 3
      {{VK_DOWN, VK_DOWN, VK_RETURN}, 0, 1},            // id 1
      {{VK_DOWN, VK_ESCAPE, VK_ESCAPE}, -1, -1},
  };
  for (const auto& c : cases)
  {
    NestedMenu nested;
    MenuDriver driver(c.keys);
    IMenu* result = graphics->RunPopupMenu(&nested.menu, &bounds);
    ASSERT_FALSE(driver.endedByForce);
    IMenu* expected = c.holder == 0 ? &nested.menu : c.holder == 1 ? &nested.submenu : nullptr;
    EXPECT_EQ(result, expected) << c.keys.size();
    if (expected)
    {
      EXPECT_EQ(expected->ChosenItemIndex(), c.chosen);
    }
    EXPECT_EQ(graphics->CaptureIndex(), -1);
  }
  IMenu empty;
  {
    MenuDriver driver({VK_ESCAPE});
    EXPECT_EQ(graphics->RunPopupMenu(&empty, &bounds), nullptr);
  }
}

// The text entry over the knob, whose parameter is "Effect Amount" (a
// Double of 0 to 100 in steps of 1).
class TextEntry : public EditorWindow
{
protected:
  void SetUp() override
  {
    EditorWindow::SetUp();
    window = Open();
    control = graphics->GetControl(knob);
  }

  HWND OpenEntry(const char* text, IPlugParameter* param, int alignment = kAlignNear)
  {
    ITextStyle style = control->TextStyle();
    style.alignment = alignment;
    graphics->OpenTextEntry(control, &style, &bounds, text, param);
    return GetDlgItem(window, 0x63);
  }
  void Type(HWND entry, const char* text)
  {
    for (const char* p = text; *p; ++p)
      SendMessageA(entry, WM_CHAR, static_cast<unsigned char>(*p), 0);
  }
  static std::string TextOf(HWND entry)
  {
    char text[64] = {};
    GetWindowTextA(entry, text, sizeof text);
    return text;
  }
  void Tick() { SendMessageA(window, WM_TIMER, 2, 0); }

  HWND window = nullptr;
  IControl* control = nullptr;
  IBounds bounds{10, 20, 60, 40};
};

TEST_F(TextEntry, OpensAnEditChildOverTheControl)
{
  const struct
  {
    int alignment;
    LONG style;
  } cases[] = {{kAlignNear, 0x50000084}, {kAlignCenter, 0x50000085}, {kAlignFar, 0x50000086}};
  for (const auto& c : cases)
  {
    HWND entry = OpenEntry("50", plug.GetParam(0), c.alignment);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry, graphics->EntryWindow());
    char name[16] = {};
    GetClassNameA(entry, name, sizeof name);
    EXPECT_STRCASEEQ(name, "Edit");
    EXPECT_EQ(GetWindowLongA(entry, GWL_STYLE) & 0xFFFF00FF, c.style) << c.alignment;
    RECT r;
    GetWindowRect(entry, &r);
    EXPECT_EQ(r.right - r.left, 51);
    EXPECT_EQ(r.bottom - r.top, 21);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(TextOf(entry), "50");
    EXPECT_EQ(GetFocus(), entry);
    EXPECT_EQ(graphics->EntryState(), 0) << "the focus came before the subclass";
    EXPECT_EQ(SendMessageA(entry, EM_GETLIMITTEXT, 0, 0), 7);
    graphics->CancelTextEntry();
    Tick();
    EXPECT_FALSE(IsWindow(entry));
  }
}

TEST_F(TextEntry, ASecondOpenIsIgnored)
{
  HWND entry = OpenEntry("50", plug.GetParam(0));
  EXPECT_EQ(OpenEntry("other", nullptr), entry);
  EXPECT_EQ(TextOf(entry), "50");
  int children = 0;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    ++children;
  EXPECT_EQ(children, 1);
}

TEST_F(TextEntry, TheLimitRefusesAnEighthCharacter)
{
  HWND entry = OpenEntry("", nullptr);
  Type(entry, "abcdefgh");
  EXPECT_EQ(TextOf(entry), "abcdefg");
}

TEST_F(TextEntry, CharactersReachTheEntryByTheParametersKind)
{
  IPlugParameter* integer = plug.GetParam(2);
  integer->SetKind(kParameterInt);
  integer->SetupDouble("count", 0.0, 0.0, 10.0, 1.0);
  const struct
  {
    IPlugParameter* param;
    const char* typed;
    const char* kept;
  } cases[] = {
      {plug.GetParam(0), "-1a.5", "-1.5"},  // Double
      {integer, "-1a.5", "-15"},
      {plug.GetParam(10), "+1x", "+1"},  // Bool
      {plug.GetParam(5), "a.b", "a.b"},  // None: not set up
      {nullptr, "a.b", "a.b"},
  };
  for (const auto& c : cases)
  {
    HWND entry = OpenEntry("", c.param);
    Type(entry, c.typed);
    EXPECT_EQ(TextOf(entry), c.kept) << c.typed;
    SendMessageA(entry, WM_CHAR, '\b', 0);
    EXPECT_EQ(TextOf(entry), std::string(c.kept).substr(0, std::strlen(c.kept) - 1)) << "backspace passes";
    graphics->CancelTextEntry();
    Tick();
  }
}

TEST_F(TextEntry, EveryStateTransitionByItsMessage)
{
  const struct
  {
    const char* what;
    bool editing;   // the entry has had the focus back first (state 1)
    bool toEditor;  // sent to the editor's window, else to the entry
    UINT message;
    WPARAM wParam;
    int state;
  } cases[] = {
      {"focus back", false, false, WM_SETFOCUS, 0, 1},
      {"focus lost", true, false, WM_KILLFOCUS, 0, 4},
      {"enter", true, false, WM_KEYDOWN, VK_RETURN, 4},
      {"escape", true, false, WM_KEYDOWN, VK_ESCAPE, 3},
      {"accelerator", false, false, WM_COMMAND, MAKEWPARAM(7, 1), 4},
      {"click while idle", false, true, WM_LBUTTONDOWN, MK_LBUTTON, 4},
      {"click while editing", true, true, WM_LBUTTONDOWN, MK_LBUTTON, 3},
      {"right click while editing", true, true, WM_RBUTTONDOWN, MK_RBUTTON, 3},
      {"wheel", false, true, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 3},
  };
  for (const auto& c : cases)
  {
    HWND entry = OpenEntry("50", plug.GetParam(0));
    if (c.editing)
      SendMessageA(entry, WM_SETFOCUS, 0, 0);
    ASSERT_EQ(graphics->EntryState(), c.editing ? 1 : 0) << c.what;
    SendMessageA(c.toEditor ? window : entry, c.message, c.wParam, MAKELPARAM(200, 200));
    EXPECT_EQ(graphics->EntryState(), c.state) << c.what;
    EXPECT_TRUE(IsWindow(entry)) << c.what << ": only the tick ends the entry";
    graphics->CancelTextEntry();
    Tick();
    EXPECT_EQ(graphics->EntryState(), 0);
  }
  EXPECT_EQ(plug.GetParam(0)->Value(), 50.0);
  EXPECT_TRUE(plug.events.empty()) << "a click on the entry's editor reaches no control";
}

TEST_F(TextEntry, IdleTicksAlternateBetweenARedrawAndAPause)
{
  HWND entry = OpenEntry("50", plug.GetParam(0));
  control->MarkDirty(false);
  Tick();
  EXPECT_EQ(graphics->EntryState(), 2);
  Tick();
  EXPECT_EQ(graphics->EntryState(), 0);
  Tick();  // nothing dirty: no redraw
  EXPECT_EQ(graphics->EntryState(), 0);
  EXPECT_TRUE(IsWindow(entry));
}

TEST_F(TextEntry, CommitAppliesOnTheNextTickAndCancelDropsTheText)
{
  HWND entry = OpenEntry("50", plug.GetParam(0));
  HFONT font = graphics->EntryFont();
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
  Type(entry, "37");
  SendMessageA(entry, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(plug.GetParam(0)->Value(), 50.0);
  Tick();
  EXPECT_EQ(plug.GetParam(0)->Value(), 37.0);
  EXPECT_FALSE(IsWindow(entry));
  EXPECT_EQ(graphics->EntryWindow(), nullptr);
  EXPECT_EQ(GetObjectType(font), 0u) << "the entry's font went with it";

  entry = OpenEntry("37", plug.GetParam(0));
  Type(entry, "99");
  SendMessageA(entry, WM_KEYDOWN, VK_ESCAPE, 0);
  Tick();
  EXPECT_EQ(plug.GetParam(0)->Value(), 37.0);
  EXPECT_FALSE(IsWindow(entry));

  // Pasted past the character filter.
  entry = OpenEntry("37", plug.GetParam(0));
  SetWindowTextA(entry, "nan");
  SendMessageA(entry, WM_KEYDOWN, VK_RETURN, 0);
  plug.events.clear();
  Tick();
  EXPECT_EQ(plug.GetParam(0)->Value(), 37.0);
  EXPECT_TRUE(plug.events.empty());
}

TEST_F(TextEntry, ClosingTheEditorEndsTheEntry)
{
  OpenEntry("50", plug.GetParam(0));
  HFONT font = graphics->EntryFont();
  graphics->CloseEditorWindow();
  EXPECT_EQ(graphics->EntryWindow(), nullptr);
  EXPECT_EQ(graphics->EntryState(), 0);
  EXPECT_EQ(GetObjectType(font), 0u);
  window = Open();
  HWND entry = OpenEntry("12", plug.GetParam(0));
  ASSERT_NE(entry, nullptr);
  SendMessageA(entry, WM_KEYDOWN, VK_RETURN, 0);
  Tick();
  EXPECT_EQ(plug.GetParam(0)->Value(), 12.0);
}

TEST_F(TextEntry, TheEntryPaintsInTheStylesColours)
{
  control->TextStyle().entryBackground = IArgb(255, 10, 20, 30);
  control->TextStyle().entryColour = IArgb(255, 200, 100, 50);
  HWND entry = OpenEntry("50", plug.GetParam(0));
  HDC dc = CreateCompatibleDC(nullptr);
  const LRESULT brush = SendMessageA(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(entry));
  EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH)));
  EXPECT_EQ(GetBkColor(dc), RGB(10, 20, 30));
  EXPECT_EQ(GetTextColor(dc), RGB(200, 100, 50));
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetDCBrushColor(dc), RGB(10, 20, 30)) << "the area beyond the text";
  DeleteDC(dc);
}

TEST_F(TextEntry, EnterIsWantedByAnEntryWithoutAParameter)
{
  MSG enter = {};
  enter.message = WM_KEYDOWN;
  enter.wParam = VK_RETURN;
  HWND entry = OpenEntry("", nullptr);
  EXPECT_TRUE(SendMessageA(entry, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) & DLGC_WANTALLKEYS);
}

// A VST2 or AAX editor with prompting on: a right click asks for a value,
// through a text entry over the knob ("Effect Amount") and a menu of the
// texts over the switch ("4K on/off").
class PromptingEditor : public testing::Test
{
protected:
  void SetUp() override
  {
    plug.GetParam(0)->SetupDouble("Effect Amount", 50.0, 0.0, 100.0, 1.0, "%");
    plug.GetParam(10)->SetupBool("4K on/off", false);
    EditorImages::Seed();
    graphics = new IGraphicsWin(&plug);
    graphics->SetModule(GetModuleHandleA(nullptr));
    graphics->AttachBackdrop();
    IControl* knob = new IKnobMultiControl(&plug, 24, 53, 0, EditorImages::Strip(101, 101));
    band = new ISwitchControl(&plug, 300, 50, 10, EditorImages::Strip(103, 2));
    graphics->AddControl(knob);
    graphics->AddControl(band);
    knob->SetPromptDisabled(false);
    band->SetPromptDisabled(false);
    plug.AttachEditor(graphics);
    window = static_cast<HWND>(graphics->OpenEditorWindow(host.window));
    ASSERT_NE(window, nullptr);
  }

  HostWindow host;
  TestPlug plug{18, "1-1 2-2", 1, kApiVst2};
  IGraphicsWin* graphics = nullptr;
  IControl* band = nullptr;
  HWND window = nullptr;
};

TEST_F(PromptingEditor, RightClicksAskForValues)
{
  SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(60, 100));
  SendMessageA(window, WM_RBUTTONUP, 0, MAKELPARAM(60, 100));
  HWND entry = graphics->EntryWindow();
  ASSERT_NE(entry, nullptr);
  char text[16] = {};
  GetWindowTextA(entry, text, sizeof text);
  EXPECT_STREQ(text, "50");
  SendMessageA(entry, WM_CHAR, '3', 0);
  SendMessageA(entry, WM_CHAR, '7', 0);
  SendMessageA(entry, WM_KEYDOWN, VK_RETURN, 0);
  SendMessageA(window, WM_TIMER, 2, 0);
  EXPECT_EQ(plug.GetParam(0)->Value(), 37.0);

  {
    MenuDriver driver({VK_DOWN, VK_DOWN, VK_RETURN});
    SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(305, 55));
    EXPECT_FALSE(driver.endedByForce);
  }
  SendMessageA(window, WM_RBUTTONUP, 0, MAKELPARAM(305, 55));
  EXPECT_EQ(plug.GetParam(10)->Value(), 1.0) << "the second entry, \"on\"";
}

// The menu takes the mouse from the press that opened it, and a real menu
// keeps the release for itself. The host still hears one edit around the
// value: its begin, the value(s), one end. (The switch sends its value once
// more after the menu's.)
TEST_F(PromptingEditor, AMenuOverASwitchIsOneEdit)
{
  using Heard = std::vector<std::string>;
  const struct
  {
    const char* what;
    std::vector<WPARAM> keys;
    bool released;  // the release reaches the editor after the menu
    Heard heard;
  } cases[] = {
      {"\"on\" chosen", {VK_DOWN, VK_DOWN, VK_RETURN}, true, {"begin 10", "value 10 1", "value 10 1", "end 10"}},
      {"\"on\" chosen, release kept by the menu",
       {VK_DOWN, VK_DOWN, VK_RETURN},
       false,
       {"begin 10", "value 10 1", "value 10 1", "end 10"}},
      {"dismissed", {VK_ESCAPE}, true, {"begin 10", "value 10 0", "end 10"}},
      {"dismissed, release kept by the menu", {VK_ESCAPE}, false, {"begin 10", "value 10 0", "end 10"}},
  };
  for (const auto& c : cases)
  {
    plug.GetParam(10)->Set(0.0);
    band->SetValue(0.0);
    plug.events.clear();
    {
      MenuDriver driver(c.keys);
      SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(305, 55));
      ASSERT_FALSE(driver.endedByForce) << c.what;
    }
    if (c.released)
      SendMessageA(window, WM_RBUTTONUP, 0, MAKELPARAM(305, 55));
    Heard heard;
    for (const TestPlug::Event& e : plug.events)
      if (e.what == "value")
        heard.push_back("value " + std::to_string(e.index) + " " + std::to_string(static_cast<int>(e.value)));
      else if (e.what != "changed")
        heard.push_back(e.what + " " + std::to_string(e.index));
    EXPECT_EQ(heard, c.heard) << c.what;
  }
}
}
