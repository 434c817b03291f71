// The editor's window under Wine when memory cannot be had: no exception
// leaves its window procedures, and the window goes on working.

#include "WindowFixture.h"
#include "support/TestHeap.h"

#include <memory>

namespace
{
// A control whose every handler first needs memory, as one that fills a
// standard container would. It counts the calls that reached it and those
// that got their memory.
class HungryControl : public IControl
{
public:
  HungryControl(IPlugBase* plug, IBounds bounds) : IControl(plug, bounds) {}
  bool Render(IGraphics*) override
  {
    Eat();
    return true;
  }
  void MouseDown(int, int, IMouseKeys*) override { Eat(); }
  void MouseUp(int, int, IMouseKeys*) override { Eat(); }
  void MouseDrag(int, int, int, int, IMouseKeys*) override { Eat(); }
  void DoubleClick(int, int, IMouseKeys*) override { Eat(); }
  void Wheel(int, int, IMouseKeys*, int) override { Eat(); }
  bool KeyDown(int, int, int) override
  {
    Eat();
    return true;
  }
  void MouseOver(int, int, IMouseKeys*) override { Eat(); }
  void MouseOut() override { Eat(); }
  void TakeTextFromEntry(const char* text) override
  {
    Eat();
    entryText = text;
  }

  int reached = 0;
  int fed = 0;
  std::string entryText;

private:
  void Eat()
  {
    ++reached;
    meal.reset(new char[64]);
    ++fed;
  }
  std::unique_ptr<char[]> meal;
};

class EditorWindowHeap : public EditorWindow
{
protected:
  void SetUp() override
  {
    EditorWindow::SetUp();
    hungry = new HungryControl(&plug, IBounds(300, 100, 340, 140));
    graphics->AddControl(hungry);
    // Keys go to the control under the pointer, or to the catcher.
    catcher = new HungryControl(&plug, IBounds());
    graphics->SetKeyCatcher(catcher);
    graphics->SetHandleMouseOver(true);
    window = Open();
  }

  int Reached() const { return hungry->reached + catcher->reached; }

  // Sends the message with every allocation failing; true when an
  // exception came out of it.
  bool SendStarving(HWND to, UINT message, WPARAM wParam, LPARAM lParam)
  {
    TestHeap::NewFailure fail(0);
    try
    {
      SendMessageA(to, message, wParam, lParam);
      return false;
    }
    catch (...)
    {
      return true;
    }
  }

  void Tick() { SendMessageA(window, WM_TIMER, 2, 0); }

  HungryControl* hungry = nullptr;   // owned by the editor
  HungryControl* catcher = nullptr;  // owned by the editor
  HWND window = nullptr;
  const LPARAM on = At(320, 120);
};

TEST_F(EditorWindowHeap, NoExceptionLeavesTheWindowProcedure)
{
  ASSERT_NE(window, nullptr);
  POINT screen = {320, 120};
  ClientToScreen(window, &screen);
  SetCursorPos(screen.x, screen.y);
  struct Message
  {
    const char* what;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  const Message messages[] = {
      {"timer tick", WM_TIMER, 2, 0},
      {"paint", WM_PAINT, 0, 0},
      {"button down", WM_LBUTTONDOWN, MK_LBUTTON, on},
      {"drag", WM_MOUSEMOVE, MK_LBUTTON, At(322, 124)},
      {"button up", WM_LBUTTONUP, 0, on},
      {"double click", WM_LBUTTONDBLCLK, MK_LBUTTON, on},
      {"wheel", WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(screen.x, screen.y)},
      {"key", WM_KEYDOWN, VK_UP, 0},
      {"pointer over", WM_MOUSEMOVE, 0, on},
      {"pointer gone", WM_MOUSELEAVE, 0, 0},
  };
  for (const Message& m : messages)
  {
    SCOPED_TRACE(m.what);
    hungry->MarkDirty(false);
    InvalidateRect(window, nullptr, FALSE);
    const int reached = Reached();
    EXPECT_FALSE(SendStarving(window, m.message, m.wParam, m.lParam));
    EXPECT_GT(Reached(), reached) << "the message reached a control, which could not have its memory";
  }

  // The window goes on working: a tick draws the control, a click reaches
  // it.
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(graphics->WindowHandle(), window);
  const int fed = hungry->fed;
  hungry->MarkDirty(false);
  Tick();
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, on);
  SendMessageA(window, WM_LBUTTONUP, 0, on);
  EXPECT_EQ(hungry->fed, fed + 3);
  EXPECT_FALSE(hungry->NeedsRedraw());
}

// The tick that applies a committed entry fails: the entry stays open with
// its commit asked for, and a later tick applies it.
TEST_F(EditorWindowHeap, EntryCommitThatFailsIsAppliedOnALaterTick)
{
  ASSERT_NE(window, nullptr);
  IBounds bounds(300, 100, 340, 120);
  graphics->OpenTextEntry(hungry, &hungry->TextStyle(), &bounds, "text", nullptr);
  HWND entry = graphics->EntryWindow();
  ASSERT_NE(entry, nullptr);
  EXPECT_FALSE(SendStarving(entry, WM_CHAR, 'x', 0));
  EXPECT_FALSE(SendStarving(entry, WM_KEYDOWN, VK_RETURN, 0));
  EXPECT_EQ(graphics->EntryState(), 4);

  const int reached = hungry->reached;
  EXPECT_FALSE(SendStarving(window, WM_TIMER, 2, 0));
  EXPECT_EQ(hungry->reached, reached + 1);
  EXPECT_TRUE(IsWindow(entry));
  EXPECT_EQ(graphics->EntryState(), 4);

  Tick();
  EXPECT_EQ(hungry->entryText, "x") << "the typed character replaced the selected text";
  EXPECT_FALSE(IsWindow(entry));
  EXPECT_EQ(graphics->EntryWindow(), nullptr);
}
}
