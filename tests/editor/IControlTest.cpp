#include "EditorFixture.h"

#include <cmath>
#include <limits>

namespace
{
TEST(IBounds, RectangleOperations)
{
  const IBounds a(0, 0, 10, 10), touching(10, 0, 20, 10), empty;
  EXPECT_TRUE(a.Intersects(touching)) << "closed on the right edge of the first";
  EXPECT_FALSE(touching.Intersects(a)) << "open on the left edge of the second";
  EXPECT_FALSE(a.Intersects(empty));
  EXPECT_FALSE(empty.Intersects(a));
  EXPECT_EQ(a.Union(empty), a);
  EXPECT_EQ(empty.Union(touching), touching);
  EXPECT_EQ(a.Union(IBounds(5, -2, 12, 3)), IBounds(0, -2, 12, 10));
  EXPECT_EQ(a.Intersection(IBounds(5, 5, 20, 20)), IBounds(5, 5, 10, 10));
  EXPECT_EQ(a.Intersection(IBounds(30, 30, 40, 40)), IBounds());
  EXPECT_TRUE(a.Hit(0, 0));
  EXPECT_FALSE(a.Hit(10, 5));
  EXPECT_FALSE(empty.Hit(0, 0));
}

TEST(IControl, FrameForValue)
{
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct
  {
    double value;
    int frames, frame;
  } cases[] = {{0.495, 2, 1}, {0.5, 2, 2}, {0.0, 101, 1}, {0.5, 101, 51}, {1.0, 101, 101}, {0.3, 1, 1},
               {nan, 101, 1}, {1e300, 101, 101}, {-1e300, 101, 1}, {0.7, 0, 1}, {0.7, -3, 1}};
  for (const auto& c : cases)
    EXPECT_EQ(FrameForValue(c.value, c.frames), c.frame) << c.value << " of " << c.frames;
}

using ControlTest = EditorFixture;

TEST_F(ControlTest, FirstValueFromThePlugBecomesTheDefault)
{
  TestPlug other;
  IKnobMultiControl knobControl(&other, 0, 0, 0, EditorImages::Strip(101, 101));
  Tick();
  knobControl.MarkClean();
  knobControl.MarkClean();
  EXPECT_FALSE(knobControl.NeedsRedraw());
  knobControl.TakeValueFromPlug(0.3);
  EXPECT_EQ(knobControl.DefaultValue(), 0.3);
  EXPECT_FALSE(knobControl.NeedsRedraw()) << "the first value marks nothing";
  knobControl.TakeValueFromPlug(0.3);
  EXPECT_FALSE(knobControl.NeedsRedraw());
  knobControl.TakeValueFromPlug(0.8);
  EXPECT_TRUE(knobControl.NeedsRedraw());
  EXPECT_TRUE(other.events.empty()) << "nothing goes back to the plug-in";
  knobControl.DoubleClick(0, 0, nullptr);
  EXPECT_EQ(knobControl.Value(), 0.3);
  ASSERT_FALSE(other.events.empty());
  EXPECT_EQ(other.events.back().what, "changed");
}

TEST_F(ControlTest, DoubleClickWithoutADefaultDoesNothing)
{
  IKnobMultiControl fresh(&plug, 0, 0, 0, EditorImages::Strip(101, 101));
  fresh.DoubleClick(0, 0, nullptr);
  EXPECT_TRUE(plug.events.empty());
}

TEST_F(ControlTest, MarkDirtyWithPushSendsEvenAnUnchangedValue)
{
  IControl* control = Control(knob);
  control->MarkDirty(true);
  control->MarkDirty(true);
  const std::vector<TestPlug::Event> expected = {
      {"value", 0, 0.5}, {"changed", 0, 50.0}, {"value", 0, 0.5}, {"changed", 0, 50.0}};
  EXPECT_EQ(plug.events, expected);
}

TEST_F(ControlTest, NonFiniteValuesNeverReachThePlugIn)
{
  IControl* control = Control(knob);
  for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), -1e300})
  {
    plug.events.clear();
    control->SetValue(bad);
    control->MarkDirty(true);
    ASSERT_FALSE(plug.events.empty());
    EXPECT_TRUE(std::isfinite(plug.events.front().value)) << bad;
    EXPECT_GE(control->Value(), 0.0);
    EXPECT_LE(control->Value(), 1.0);
  }
}

TEST_F(ControlTest, SwitchesStepAndWrap)
{
  IControl* fiveK = Control(switches[1]);  // on by default
  EXPECT_EQ(fiveK->Value(), 1.0);
  fiveK->MouseDown(0, 0, nullptr);
  EXPECT_EQ(fiveK->Value(), 0.0) << "1 + 1 wraps to 0";
  EXPECT_EQ(plug.GetParam(11)->Value(), 0.0);
  fiveK->DoubleClick(0, 0, nullptr);
  EXPECT_EQ(fiveK->Value(), 1.0) << "a double click is a press";

  IImageStrip single = EditorImages::Strip(103, 1);
  ISwitchControl oneFrame(&plug, 0, 0, 12, single);
  oneFrame.MouseDown(0, 0, nullptr);
  EXPECT_EQ(oneFrame.Value(), 1.0);
  oneFrame.MouseDown(0, 0, nullptr);
  EXPECT_EQ(oneFrame.Value(), 0.0);
}

TEST_F(ControlTest, KnobDragAndWheel)
{
  IControl* amount = Control(knob);
  const double start = amount->Value();
  amount->MouseDrag(0, 0, 0, 10, nullptr);
  EXPECT_DOUBLE_EQ(amount->Value(), start - 10.0 / 96.0 / 4.0);
  IMouseKeys fine;
  fine.shift = true;
  amount->MouseDrag(0, 0, 0, -10, &fine);
  EXPECT_DOUBLE_EQ(amount->Value(), start - 10.0 / 384.0 + 10.0 / 3840.0);
  amount->Wheel(0, 0, nullptr, 3);
  EXPECT_DOUBLE_EQ(amount->Value(), start - 10.0 / 384.0 + 10.0 / 3840.0 + 0.03);
  amount->Wheel(0, 0, nullptr, 1000);
  EXPECT_EQ(amount->Value(), 1.0) << "clamped before it is sent";
  EXPECT_EQ(plug.GetParam(0)->Value(), 100.0);

  IImageStrip flat = EditorImages::Strip(101, 101);
  flat.height = 0;
  IKnobMultiControl noExtent(&plug, 0, 0, 0, flat, kVertical, 0.0);
  noExtent.SetValue(0.4);
  noExtent.MouseDrag(0, 0, 0, 10, nullptr);
  EXPECT_EQ(noExtent.Value(), 0.4) << "no extent or gearing: nothing to turn";
}

TEST_F(ControlTest, TextControlMarksOnlyChanges)
{
  ITextControl label(&plug, IBounds(0, 0, 10, 10), ITextStyle(), "4K");
  label.MarkClean();
  label.SetText("4K");
  EXPECT_FALSE(label.NeedsRedraw());
  label.SetText("5K");
  EXPECT_TRUE(label.NeedsRedraw());
  EXPECT_STREQ(label.Text(), "5K");
  label.SetText(nullptr);
  EXPECT_TRUE(label.Text() == nullptr || label.Text()[0] == 0);
}

TEST_F(ControlTest, MarkSetWhileDrawingSurvives)
{
  IControl* light = Control(lights[0]);
  while (Tick())
  {
  }
  // What the audio thread does while the surface is drawn: the mark arrives
  // after the control was taken for drawing.
  light->MarkClean();
  light->TakeValueFromPlug(1.0);
  EXPECT_TRUE(Tick());
  EXPECT_TRUE(Tick()) << "drawn once more";
  EXPECT_FALSE(Tick());
}
}
