#include "EditorFixture.h"

#include <string>
#include <vector>

namespace
{
using Events = std::vector<TestPlug::Event>;

class DispatchTest : public EditorFixture
{
protected:
  // Only the host edits and menus, without the parameter notifications.
  Events HostLog()
  {
    Events log;
    for (const TestPlug::Event& e : plug.events)
      if (e.what != "changed")
        log.push_back(e);
    return log;
  }
  IMouseKeys left, right;

  void SetUp() override
  {
    EditorFixture::SetUp();
    left.left = true;
    right.right = true;
  }
};

TEST_F(DispatchTest, DragOnAKnobIsOneEdit)
{
  graphics->DispatchMouseDown(60, 100, &left);
  EXPECT_EQ(graphics->CaptureIndex(), knob);
  graphics->DispatchMouseDrag(60, 95, &left);
  graphics->DispatchMouseDrag(60, 95, &left);  // no movement: nothing
  graphics->DispatchMouseDrag(60, 90, &left);
  graphics->DispatchMouseUp(300, 10, &left);  // released elsewhere: still the knob's
  const double first = 0.5 + 5.0 / 384, second = first + 5.0 / 384;
  const Events expected = {{"begin", 0, 0.0}, {"value", 0, first}, {"value", 0, second}, {"end", 0, 0.0}};
  EXPECT_EQ(HostLog(), expected);
  EXPECT_EQ(graphics->CaptureIndex(), -1);
}

TEST_F(DispatchTest, RightPressDependsOnTheHostInterface)
{
  graphics->DispatchMouseDown(60, 100, &right);
  graphics->DispatchMouseUp(60, 100, &right);
  const Events vst3 = {{"menu", 0, 60 * 1000.0 + 100}, {"end", 0, 0.0}};
  EXPECT_EQ(HostLog(), vst3) << "the host's menu and no begin; the release still ends";
}

TEST(Dispatch, RightPressOutsideVst3BeginsAnEdit)
{
  TestPlug plug(18, "1-1 2-2", 1, kApiVst2);
  EditorImages::Seed();
  IGraphicsHeadless* graphics = new IGraphicsHeadless(&plug);
  graphics->AddControl(new IKnobMultiControl(&plug, 0, 0, 0, EditorImages::Strip(101, 101)));
  plug.AttachEditor(graphics);
  IMouseKeys right;
  right.right = true;
  graphics->DispatchMouseDown(5, 5, &right);
  graphics->DispatchMouseUp(5, 5, &right);
  const Events expected = {{"begin", 0, 0.0}, {"end", 0, 0.0}};
  EXPECT_EQ(plug.events, expected);
}

TEST_F(DispatchTest, DoubleClickRestoresTheDefaultWithoutABegin)
{
  Control(knob)->SetValue(0.9);
  EXPECT_FALSE(graphics->DispatchDoubleClick(60, 100, &left));
  const Events expected = {{"value", 0, 0.5}};
  EXPECT_EQ(HostLog(), expected);
}

TEST_F(DispatchTest, WheelGoesToTheCapturedControl)
{
  graphics->DispatchMouseDown(60, 100, &left);
  graphics->DispatchWheel(400, 100, &left, 2);  // over the other knob
  EXPECT_DOUBLE_EQ(Control(knob)->Value(), 0.52);
  EXPECT_EQ(Control(knob + 1)->Value(), 1.0);
  graphics->DispatchMouseUp(60, 100, &left);
  graphics->DispatchWheel(400, 100, nullptr, -1);
  EXPECT_DOUBLE_EQ(Control(knob + 1)->Value(), 0.99);
}

TEST_F(DispatchTest, TopmostVisibleControlIsHit)
{
  IControl* cover = new IKnobMultiControl(&plug, 24, 53, 1, EditorImages::Strip(101, 101));
  graphics->AddControl(cover);
  graphics->DispatchMouseDown(60, 100, &left);
  EXPECT_EQ(graphics->CaptureIndex(), graphics->NControls() - 1);
  graphics->DispatchMouseUp(60, 100, &left);
  cover->SetGreyed(true);
  graphics->DispatchMouseDown(60, 100, &left);
  EXPECT_EQ(graphics->CaptureIndex(), knob) << "a greyed control lets the click through";
  graphics->DispatchMouseUp(60, 100, &left);
  cover->SetGreyed(false);
  cover->SetHidden(true);
  graphics->DispatchMouseDown(60, 100, &left);
  EXPECT_EQ(graphics->CaptureIndex(), knob);
}

// A control that takes every key.
class KeyControl : public IControl
{
public:
  explicit KeyControl(IPlugBase* plug) : IControl(plug, IBounds(0, 0, 1, 1)) {}
  bool Render(IGraphics*) override { return true; }
  bool KeyDown(int, int, int key) override
  {
    keys.push_back(key);
    return true;
  }
  std::vector<int> keys;
};

TEST_F(DispatchTest, KeysOverTheBackdropGoToTheKeyCatcher)
{
  EXPECT_FALSE(graphics->DispatchKey(5, 5, 3)) << "no key catcher: unhandled";
  KeyControl* catcher = new KeyControl(&plug);
  graphics->SetKeyCatcher(catcher);
  EXPECT_TRUE(graphics->DispatchKey(5, 5, 3));
  EXPECT_TRUE(graphics->DispatchKey(499, 229, 4));
  EXPECT_FALSE(graphics->DispatchKey(60, 100, 5)) << "the knob takes no keys";
  EXPECT_EQ(catcher->keys, (std::vector<int>{3, 4}));
}

TEST_F(DispatchTest, ALostGestureEndsTheHostEditOnce)
{
  graphics->DispatchMouseDown(60, 100, &left);
  graphics->CancelMouseGesture();
  graphics->CancelMouseGesture();
  const Events expected = {{"begin", 0, 0.0}, {"end", 0, 0.0}};
  EXPECT_EQ(HostLog(), expected);
  plug.events.clear();
  graphics->DispatchMouseDown(60, 100, &left);
  graphics->DispatchMouseUp(60, 100, &left);
  graphics->CancelMouseGesture();
  EXPECT_EQ(HostLog(), expected) << "a normal gesture: one begin, one end";
}

// A switch whose press opens a menu that takes the mouse (the window then
// cancels the gesture) and gives the value "on".
class MenuSwitch : public ISwitchControl
{
public:
  using ISwitchControl::ISwitchControl;
  void MouseDown(int, int, IMouseKeys*) override
  {
    Plug()->GetGUI()->CancelMouseGesture();
    SetValue(1.0);
    MarkDirty(true);
  }
};

TEST_F(DispatchTest, APressThatGivesTheMouseAwayIsOneEditAroundItsValue)
{
  graphics->AddControl(new MenuSwitch(&plug, 0, 0, 12, EditorImages::Strip(103, 2)));
  const Events oneEdit = {{"begin", 12, 0.0}, {"value", 12, 1.0}, {"end", 12, 0.0}};
  for (const bool released : {true, false})
  {
    plug.events.clear();
    graphics->DispatchMouseDown(5, 5, &left);
    EXPECT_EQ(graphics->CaptureIndex(), -1);
    if (released)
      graphics->DispatchMouseUp(5, 5, &left);
    EXPECT_EQ(HostLog(), oneEdit) << (released ? "released over the editor" : "the release went elsewhere");
  }
  plug.events.clear();
  graphics->DispatchMouseDown(60, 100, &left);
  graphics->DispatchMouseUp(60, 100, &left);
  const Events knobEdit = {{"begin", 0, 0.0}, {"end", 0, 0.0}};
  EXPECT_EQ(HostLog(), knobEdit) << "the next gesture ends as usual";
}

TEST_F(DispatchTest, MouseOverOnlyWhenHandled)
{
  EXPECT_FALSE(graphics->DispatchMouseOver(60, 100, nullptr));
  graphics->SetHandleMouseOver(true);
  EXPECT_TRUE(graphics->DispatchMouseOver(60, 100, nullptr));
  EXPECT_EQ(graphics->HoverIndex(), knob);
  graphics->DispatchMouseOut();
  EXPECT_EQ(graphics->HoverIndex(), -1);
}
}
