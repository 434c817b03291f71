// Tooltips, the file and colour dialogs, folders and the clipboard of the
// editor's window under Wine. Modal dialogs are driven from the same thread
// by a hook that acts when a dialog is activated; a thread timer ends any
// dialog the hook missed.

#include "Assert.h"
#include "StringBuffer.h"
#include "WindowFixture.h"
#include "support/Threads.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstring>
#include <functional>
#include <string>

namespace
{
std::vector<std::string> gReports;
void RecordReport(const char* text, const char*, int) { gReports.push_back(text); }

class Tooltips : public EditorWindow
{
protected:
  void SetUp() override
  {
    EditorWindow::SetUp();
    other = graphics->AddControl(new IKnobMultiControl(&plug, 200, 53, 1, EditorImages::Strip(101, 101)));
    graphics->SetTooltipsEnabled(true);
    graphics->SetHandleMouseOver(true);
    window = Open();
  }

  // Moves over a control and lets the pointer rest there.
  void Hover(int x, int y)
  {
    SendMessageA(window, WM_MOUSEMOVE, 0, At(x, y));
    SendMessageA(window, WM_MOUSEHOVER, 0, At(x, y));
  }
  std::string ToolText()
  {
    char text[256] = {};
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    tool.lpszText = text;
    SendMessageA(graphics->TooltipWindow(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
  }

  HWND window = nullptr;
  int other = -1;
};

TEST_F(Tooltips, OneToolForTheEditorWindow)
{
  HWND tooltip = graphics->TooltipWindow();
  ASSERT_NE(tooltip, nullptr);
  char name[32] = {};
  GetClassNameA(tooltip, name, sizeof name);
  EXPECT_STREQ(name, "tooltips_class32");
  EXPECT_EQ(GetWindowLongA(tooltip, GWL_STYLE) & 0x80000003, 0x80000003);
  EXPECT_EQ(GetWindow(tooltip, GW_OWNER), host.window) << "the editor's top-level window";
  EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
  graphics->CloseEditorWindow();
  EXPECT_EQ(graphics->TooltipWindow(), nullptr);
  EXPECT_FALSE(IsWindow(tooltip));
}

TEST_F(Tooltips, TheHoveredControlsTextIsShown)
{
  const std::string text(79, 't');
  graphics->GetControl(knob)->SetTooltip(text.c_str());
  Hover(60, 100);
  EXPECT_TRUE(graphics->TooltipShown());
  EXPECT_EQ(ToolText(), text);
}

TEST_F(Tooltips, ALongTextIsReportedAndTheEditorGoesOn)
{
  const std::string text(80, 'u');
  graphics->GetControl(knob)->SetTooltip(text.c_str());
  gReports.clear();
  const AssertionListener previous = SetAssertionListener(RecordReport);
  Hover(60, 100);
  SetAssertionListener(previous);
  EXPECT_EQ(gReports, std::vector<std::string>{"strlen(tooltip) < 80"});
  EXPECT_TRUE(graphics->TooltipShown());
}

TEST_F(Tooltips, HiddenByAPressALeaveAnotherControlOrTheEntry)
{
  graphics->GetControl(knob)->SetTooltip("knob");
  graphics->GetControl(other)->SetTooltip("other");
  for (const char* what : {"press", "leave", "other control", "entry"})
  {
    SendMessageA(window, WM_MOUSEMOVE, 0, At(450, 200));  // over the backdrop only
    SendMessageA(window, WM_LBUTTONUP, 0, At(450, 200));
    Hover(60, 100);
    ASSERT_TRUE(graphics->TooltipShown()) << what;
    ASSERT_EQ(ToolText(), "knob");
    const std::string act = what;
    if (act == "press")
      SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(300, 200));
    else if (act == "leave")
      SendMessageA(window, WM_MOUSELEAVE, 0, 0);
    else if (act == "other control")
      SendMessageA(window, WM_MOUSEMOVE, 0, At(250, 100));
    else
    {
      IBounds bounds(300, 10, 350, 30);
      graphics->OpenTextEntry(graphics->GetControl(knob), nullptr, &bounds, "1", nullptr);
      SendMessageA(graphics->EntryWindow(), WM_NULL, 0, 0);
      graphics->CancelTextEntry();
      SendMessageA(window, WM_TIMER, 2, 0);
    }
    EXPECT_FALSE(graphics->TooltipShown()) << what;
    EXPECT_EQ(ToolText(), "") << what;
  }
  Hover(250, 100);
  EXPECT_EQ(ToolText(), "other");
}

TEST_F(EditorWindow, WithoutTheFlagThereIsNoTooltipWindow)
{
  Open();
  EXPECT_EQ(graphics->TooltipWindow(), nullptr);
  SendMessageA(static_cast<HWND>(graphics->WindowHandle()), WM_MOUSEHOVER, 0, 0);
  EXPECT_FALSE(graphics->TooltipShown());
}

// Acts on each dialog this thread activates; a dialog still open after
// five seconds is cancelled and counted.
class DialogDriver
{
public:
  explicit DialogDriver(std::function<void(HWND)> act) : mAct(std::move(act))
  {
    sCurrent = this;
    mHook = SetWindowsHookExA(WH_CBT, Cbt, nullptr, GetCurrentThreadId());
    mTimer = SetTimer(nullptr, 0, 5000, Expire);
  }
  ~DialogDriver()
  {
    KillTimer(nullptr, mTimer);
    UnhookWindowsHookEx(mHook);
    sCurrent = nullptr;
  }
  int activated = 0;
  int expired = 0;

private:
  static bool IsDialog(HWND window)
  {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, "#32770") == 0;
  }
  static LRESULT CALLBACK Cbt(int code, WPARAM wParam, LPARAM lParam)
  {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (sCurrent && code == HCBT_ACTIVATE && IsDialog(window))
    {
      ++sCurrent->activated;
      sCurrent->mAct(window);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static void CALLBACK Expire(HWND, UINT, UINT_PTR, DWORD)
  {
    HWND dialog = GetActiveWindow();
    if (sCurrent && dialog && IsDialog(dialog))
    {
      ++sCurrent->expired;
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
  }

  std::function<void(HWND)> mAct;
  HHOOK mHook = nullptr;
  UINT_PTR mTimer = 0;
  static DialogDriver* sCurrent;
};
DialogDriver* DialogDriver::sCurrent = nullptr;

void Press(HWND dialog, int button) { PostMessageA(dialog, WM_COMMAND, button, 0); }

// The file dialog's name box.
constexpr int kFileNameBox = 0x47c;

std::string Desktop()
{
  char folder[MAX_PATH] = {};
  SHGetSpecialFolderPathA(nullptr, folder, CSIDL_DESKTOP, FALSE);
  return folder;
}

// The file dialog starts threads of its own, which a 32-bit Wine process
// cannot run where it runs under qemu-user.
class FileDialog : public EditorWindow
{
protected:
  void SetUp() override
  {
    if (ThreadsUnavailable())
      GTEST_SKIP() << "the file dialog needs threads";
    EditorWindow::SetUp();
  }
};

TEST_F(FileDialog, CancelledLeavesTheDesktopFolder)
{
  Open();
  StringBuffer file("preset.fxp"), folder;
  DialogDriver driver([](HWND dialog) { Press(dialog, IDCANCEL); });
  graphics->AskForFile(&file, 0, &folder, "fxp txt");
  EXPECT_EQ(driver.activated, 1);
  EXPECT_EQ(driver.expired, 0);
  EXPECT_STREQ(file.Get(), "");
  ASSERT_FALSE(Desktop().empty());
  EXPECT_EQ(std::string(folder.Get()), Desktop());
}

TEST_F(FileDialog, ConfirmedGivesFolderAndFile)
{
  Open();
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  static std::string typed;
  typed = std::string(temp) + "zl-preset.fxp";
  StringBuffer file, folder(temp);
  DialogDriver driver([](HWND dialog) {
    SetDlgItemTextA(dialog, kFileNameBox, typed.c_str());
    Press(dialog, IDOK);
  });
  graphics->AskForFile(&file, 1, &folder, "fxp");
  EXPECT_EQ(driver.expired, 0);
  EXPECT_STRCASEEQ(file.Get(), typed.c_str());
  EXPECT_STRCASEEQ(folder.Get(), temp);
}

TEST_F(FileDialog, RefusesWhatDoesNotFit)
{
  Open();
  const struct
  {
    std::string file;
    const char* extensions;
    int dialogs;
  } cases[] = {
      {"a.fxp", "abcdefghijklmnop", 0},  // first extension of 16 characters
      {std::string(300, 'n'), "fxp", 1},  // the name does not fit: the dialog starts empty
  };
  for (const auto& c : cases)
  {
    StringBuffer file(c.file.c_str()), folder("C:\\");
    static std::string seen;
    seen = "?";
    DialogDriver driver([](HWND dialog) {
      char name[300] = {};
      GetDlgItemTextA(dialog, kFileNameBox, name, sizeof name);
      seen = name;
      Press(dialog, IDCANCEL);
    });
    graphics->AskForFile(&file, 0, &folder, c.extensions);
    EXPECT_EQ(driver.activated, c.dialogs);
    EXPECT_STREQ(file.Get(), "");
    if (c.dialogs)
    {
      EXPECT_EQ(seen, "") << "the long name is left out";
    }
  }
  StringBuffer file("x");
  graphics->CloseEditorWindow();
  graphics->AskForFile(&file, 0, nullptr, "fxp");
  EXPECT_STREQ(file.Get(), "") << "no window, no dialog";
}

TEST_F(EditorWindow, ColourDialogTitleResultAndCustomColours)
{
  Open();
  static std::string title;
  IArgb colour(0x40, 1, 2, 3);
  {
    DialogDriver driver([](HWND dialog) {
      char text[64] = {};
      GetWindowTextA(dialog, text, sizeof text);
      title = text;
      SetDlgItemInt(dialog, 706, 200, FALSE);
      SetDlgItemInt(dialog, 707, 100, FALSE);
      SetDlgItemInt(dialog, 708, 50, FALSE);
      SendDlgItemMessageA(dialog, 712, BM_CLICK, 0, 0);  // add to the custom colours
      Press(dialog, IDOK);
    });
    EXPECT_TRUE(graphics->AskForColor(&colour, "Pick the meter colour"));
    EXPECT_EQ(driver.expired, 0);
  }
  EXPECT_EQ(title, "Pick the meter colour");
  EXPECT_EQ(colour.alpha, 0x40);
  EXPECT_EQ(colour.red, 200);
  EXPECT_EQ(colour.green, 100);
  EXPECT_EQ(colour.blue, 50);
  const COLORREF* custom = graphics->CustomColours();
  ASSERT_NE(custom, nullptr);
  EXPECT_EQ(custom[0], RGB(200, 100, 50));

  DialogDriver driver([](HWND dialog) { Press(dialog, IDCANCEL); });
  EXPECT_FALSE(graphics->AskForColor(&colour, nullptr));
  EXPECT_EQ(colour.red, 200) << "cancelled: unchanged";
  EXPECT_EQ(graphics->CustomColours(), custom);
  EXPECT_EQ(custom[0], RGB(200, 100, 50)) << "kept for the next call";
}

std::string FolderOf(const char* path)
{
  std::string text(path);
  return text.substr(0, text.rfind('\\') + 1);
}

TEST_F(EditorWindow, ModuleAndSystemFolders)
{
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, sizeof exe);
  StringBuffer path;
  graphics->PluginModulePath(&path);
  EXPECT_EQ(std::string(path.Get()), FolderOf(exe));
  EXPECT_EQ(path.Get()[std::strlen(path.Get()) - 1], '\\');
  graphics->HostModulePath(&path);
  EXPECT_EQ(std::string(path.Get()), FolderOf(exe));
  graphics->DesktopFolderPath(&path);
  EXPECT_GT(std::strlen(path.Get()), 3u);
  graphics->AppDataFolderPath(&path, true);
  EXPECT_GT(std::strlen(path.Get()), 3u);
  const std::string common = path.Get();
  graphics->UserAppDataFolderPath(&path);
  EXPECT_GT(std::strlen(path.Get()), 3u);
  EXPECT_NE(path.Get(), common);
  EXPECT_NE(path.Get()[std::strlen(path.Get()) - 1], '\\') << "no separator appended";
  IGraphicsWin::ModuleFolder(reinterpret_cast<HMODULE>(0x10), &path);
  EXPECT_STREQ(path.Get() ? path.Get() : "", "");
}

// The probe module copied to a folder of the temporary folder whose name
// brings the module's path to the given length.
class ProbeAtLength
{
public:
  explicit ProbeAtLength(size_t length)
  {
    char exe[MAX_PATH] = {}, temp[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    GetTempPathA(sizeof temp, temp);
    const std::string file = "\\p.dll";
    folder = std::string(temp) + "zl-";
    folder += std::string(length - folder.size() - file.size(), 'f');
    path = folder + file;
    CreateDirectoryA(folder.c_str(), nullptr);
    CopyFileA((FolderOf(exe) + "libzl_probe_module.dll").c_str(), path.c_str(), FALSE);
    module = LoadLibraryA(path.c_str());
  }
  ~ProbeAtLength()
  {
    if (module)
      FreeLibrary(module);
    DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
  }
  std::string folder, path;
  HMODULE module = nullptr;
};

TEST(ModuleFolder, APathThatFillsTheBufferIsNoFolder)
{
  StringBuffer folder;
  {
    ProbeAtLength probe(255);
    ASSERT_EQ(probe.path.size(), 255u);
    ASSERT_NE(probe.module, nullptr);
    IGraphicsWin::ModuleFolder(probe.module, &folder);
    EXPECT_EQ(std::string(folder.Get()), probe.folder + "\\");
  }
  {
    ProbeAtLength probe(256);
    ASSERT_NE(probe.module, nullptr);
    IGraphicsWin::ModuleFolder(probe.module, &folder);
    EXPECT_STREQ(folder.Get() ? folder.Get() : "", "") << "cut, not a wrong folder";
  }
}

void PutOnClipboard(HWND owner, const void* data, size_t bytes)
{
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  if (data)
  {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(block), data, bytes);
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
  }
  CloseClipboard();
}

TEST_F(EditorWindow, ClipboardTextArrivesAsUtf8)
{
  Open();
  StringBuffer text;
  const wchar_t accented[] = L"caf\u00e9";
  PutOnClipboard(host.window, accented, sizeof accented);
  ASSERT_TRUE(graphics->ClipboardText(&text));
  EXPECT_STREQ(text.Get(), "caf\xC3\xA9");

  // Data without a terminator (which the system may write over the last
  // character) is read no further than its block.
  const wchar_t unterminated[] = {L'a', L'b'};
  PutOnClipboard(host.window, unterminated, sizeof unterminated);
  ASSERT_TRUE(graphics->ClipboardText(&text));
  EXPECT_TRUE(std::string(text.Get()) == "ab" || std::string(text.Get()) == "a") << text.Get();

  PutOnClipboard(host.window, nullptr, 0);
  EXPECT_FALSE(graphics->ClipboardText(&text));
  EXPECT_STREQ(text.Get() ? text.Get() : "", "");
}
}
