#include "AskingGraphics.h"
#include "EditorFixture.h"
#include "FontCache.h"
#include "IMenu.h"
#include "LICE_SysBitmap.h"
#include "RasterModel.h"
#include "TestBitmap.h"

#include <string>
#include <vector>

namespace
{
using GraphicsTest = EditorFixture;

// A control that counts its renders.
class CountingControl : public IControl
{
public:
  CountingControl(IPlugBase* plug, IBounds bounds) : IControl(plug, bounds) {}
  bool Render(IGraphics*) override
  {
    ++renders;
    return true;
  }
  int renders = 0;
};

TEST(IGraphics, InitialValues)
{
  TestPlug plug;
  IGraphicsHeadless graphics(&plug);
  EXPECT_EQ(graphics.Width(), 500);
  EXPECT_EQ(graphics.Height(), 230);
  EXPECT_EQ(graphics.FramesPerSecond(), 25);
  EXPECT_TRUE(graphics.StrictDrawing());
  EXPECT_FALSE(graphics.HandleMouseOver());
  EXPECT_FALSE(graphics.TooltipsEnabled());
  EXPECT_FALSE(graphics.ShowControlBounds());
  EXPECT_EQ(graphics.CaptureIndex(), -1);
  EXPECT_EQ(graphics.DrawSurface(), nullptr);
  EXPECT_TRUE(graphics.RenderDirty(IBounds(0, 0, 10, 10))) << "no controls: nothing drawn";
  EXPECT_EQ(graphics.PresentCount(), 0);
}

TEST(IGraphics, StrictDrawingRendersWhatMeetsTheRectangle)
{
  TestPlug plug;
  IGraphicsHeadless graphics(&plug);
  CountingControl* left = new CountingControl(&plug, IBounds(0, 0, 10, 10));
  CountingControl* right = new CountingControl(&plug, IBounds(20, 0, 30, 10));
  CountingControl* hidden = new CountingControl(&plug, IBounds(0, 0, 30, 10));
  graphics.AddControl(left);
  graphics.AddControl(right);
  graphics.AddControl(hidden);
  hidden->SetHidden(true);
  graphics.RenderDirty(IBounds(10, 0, 20, 10));  // left edge = left's right edge; right edge = right's left edge
  EXPECT_EQ(left->renders, 0);
  EXPECT_EQ(right->renders, 1);
  EXPECT_EQ(hidden->renders, 0);
  EXPECT_TRUE(hidden->NeedsRedraw()) << "redrawn once more after SetHidden";
  graphics.RenderDirty(IBounds(10, 0, 20, 10));
  EXPECT_FALSE(hidden->NeedsRedraw()) << "hidden controls are marked clean";
  EXPECT_TRUE(left->NeedsRedraw()) << "a visible dirty control outside keeps its mark";
  EXPECT_EQ(graphics.LastPresented(), IBounds(10, 0, 20, 10));

  IBounds dirty;
  hidden->MarkDirty(false);
  left->MarkClean();
  left->MarkClean();
  right->MarkClean();
  ASSERT_TRUE(graphics.CollectDirtyBounds(&dirty));
  EXPECT_EQ(dirty, IBounds(0, 0, 30, 10)) << "a dirty hidden control widens the rectangle";
}

TEST(IGraphics, RelaxedDrawingRedrawsAroundEachDirtyControl)
{
  TestPlug plug;
  IGraphicsHeadless graphics(&plug);
  CountingControl* back = new CountingControl(&plug, IBounds(0, 0, 100, 100));
  CountingControl* a = new CountingControl(&plug, IBounds(0, 0, 10, 10));
  CountingControl* b = new CountingControl(&plug, IBounds(50, 50, 60, 60));
  for (IControl* c : {static_cast<IControl*>(back), static_cast<IControl*>(a), static_cast<IControl*>(b)})
    graphics.AddControl(c);
  graphics.SetStrictDrawing(false);
  graphics.RenderDirty(IBounds(0, 0, 1, 1));
  EXPECT_EQ(back->renders + a->renders + b->renders, 3) << "the backdrop was dirty: everything";
  for (int i = 0; i < 3; ++i)
    graphics.GetControl(i)->MarkClean();
  a->MarkDirty(false);
  graphics.RenderDirty(IBounds(0, 0, 1, 1));
  EXPECT_EQ(back->renders, 2);
  EXPECT_EQ(a->renders, 2);
  EXPECT_EQ(b->renders, 1);
}

// The surface after a full redraw, pixel for pixel, against the plain
// compose of the same images at the same places.
TEST_F(GraphicsTest, FullRedrawMatchesThePlainCompose)
{
  plug.GetParam(0)->Set(37.0);
  plug.RefreshParamControls();
  Control(lights[2])->TakeValueFromPlug(1.0);
  graphics->RenderDirty(IBounds(0, 0, 500, 230));
  TestBitmap expected(500, 230);
  const int knobRect[4] = {0, 96 * 37, 96, 96 * 38};  // frame 38 of 101 at 0.37
  model::Compose(&expected, BitmapCacheFind(100), 0, 0, nullptr, 1.0f, 0);
  model::Compose(&expected, BitmapCacheFind(101), 24, 53, knobRect, 1.0f, 0x10000);
  const int fullRect[4] = {0, 9600, 96, 9696};
  model::Compose(&expected, BitmapCacheFind(101), 379, 53, fullRect, 1.0f, 0x10000);
  const int lightOff[4] = {0, 0, 20, 20}, lightOn[4] = {0, 20, 20, 40};
  for (int i = 0; i < 8; ++i)
  {
    model::Compose(&expected, BitmapCacheFind(102), 135 + 30 * i, 84, i == 2 ? lightOn : lightOff, 1.0f, 0x10000);
    const bool on = i >= 1 && i <= 6;
    model::Compose(&expected, BitmapCacheFind(103), 135 + 30 * i, 112, on ? lightOn : lightOff, 1.0f, 0x10000);
  }
  LICE_SysBitmap* surface = graphics->DrawSurface();
  int mismatches = 0;
  for (int y = 0; y < 230; ++y)
    for (int x = 0; x < 500; ++x)
      mismatches += surface->PixelData()[y * surface->RowSpan() + x] != expected.At(x, y);
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(graphics->PresentCount(), 1);
}

TEST(IGraphics, FrameOffsets)
{
  TestPlug plug;
  IGraphicsHeadless graphics(&plug);
  EditorImages::Seed();
  graphics.PrepareSurfaces();
  IImageStrip strip = EditorImages::Strip(101, 101);
  graphics.RenderDirty(IBounds());
  // Draw frame 2 with the clip set by a render of the whole editor.
  CountingControl* any = new CountingControl(&plug, IBounds(0, 0, 500, 230));
  graphics.AddControl(any);
  graphics.RenderDirty(IBounds(0, 0, 500, 230));
  const IBounds where(0, 0, 96, 96);
  graphics.BlitImageFrame(&strip, &where, 2, nullptr);
  LICE_SysBitmap* surface = graphics.DrawSurface();
  EXPECT_EQ(surface->PixelData()[0], BitmapCacheFind(101)->PixelData()[96 * 96]) << "row 96 of the strip";
  IImageStrip single = strip;
  single.frames = 1;
  graphics.BlitImageFrame(&single, &where, 5, nullptr);
  EXPECT_EQ(surface->PixelData()[0], BitmapCacheFind(101)->PixelData()[0]);
}

TEST_F(GraphicsTest, AttachPushesNormalisedValuesAsDefaults)
{
  EXPECT_EQ(Control(knob)->Value(), 0.5);
  EXPECT_EQ(Control(knob)->DefaultValue(), 0.5);
  EXPECT_EQ(Control(switches[0])->Value(), 0.0);
  EXPECT_EQ(Control(switches[1])->Value(), 1.0);
  EXPECT_NE(graphics->DrawSurface(), nullptr);
  EXPECT_EQ(plug.GetGUI(), graphics);
  plug.AttachEditor(nullptr);
  EXPECT_EQ(plug.GetGUI(), graphics);

  plug.GetParam(1)->Set(25.0);
  plug.RefreshParamControls();
  EXPECT_EQ(Control(knob + 1)->Value(), 0.25);
  plug.SetParameterFromHost(0, 0.75);
  EXPECT_EQ(Control(knob)->Value(), 0.75) << "a host's value reaches the knob";
}

TEST_F(GraphicsTest, ResizeRebuildsUnderTheLock)
{
  graphics->ResizeEditor(600, 300);
  EXPECT_EQ(graphics->NControls(), 0);
  EXPECT_EQ(graphics->DrawSurface()->Width(), 600);
  ASSERT_EQ(plug.events.size(), 1u);
  EXPECT_EQ(plug.events[0].what, "resize");
  graphics->PushParamToControls(0, 0.5, true);  // nothing left to push into
}

TEST(BitmapCache, KeepsOnlyRealBitmapsAndFindsTheFirst)
{
  BitmapCacheReset();
  BitmapCacheAdd(nullptr, 7);
  EXPECT_EQ(BitmapCacheFind(7), nullptr);
  LICE_MemBitmap* first = new LICE_MemBitmap(1, 1);
  LICE_MemBitmap* second = new LICE_MemBitmap(2, 2);
  BitmapCacheAdd(first, 7);
  BitmapCacheAdd(second, 7);
  EXPECT_EQ(BitmapCacheFind(7), first);
  BitmapCacheReset();
  EXPECT_EQ(BitmapCacheFind(7), nullptr);
}

TEST(IGraphics, AskUserForValueOffersTextsOrAnEntry)
{
  TestPlug plug;
  plug.GetParam(3)->SetupDouble("mode", 3.0, 0.0, 3.0, 1.0);
  plug.GetParam(3)->AppendDisplayText(0, "a");
  plug.GetParam(3)->AppendDisplayText(1, "b");
  plug.GetParam(3)->AppendDisplayText(3, "d");
  AskingGraphics graphics(&plug);
  IKnobMultiControl control(&plug, 0, 0, 3, IImageStrip());
  IBounds bounds(0, 0, 10, 10);
  graphics.AskUserForValue(&control, plug.GetParam(3), &bounds);
  EXPECT_EQ(graphics.entry, "3") << "a Double parameter is typed";

  plug.GetParam(4)->SetupBool("switch", true);
  graphics.choose = 0;
  control.SetValue(1.0);
  graphics.AskUserForValue(&control, plug.GetParam(4), &bounds);
  EXPECT_EQ(graphics.shown, (std::vector<std::string>{"off", "on*"}));
  EXPECT_EQ(control.Value(), 0.0);
}
}

namespace
{
TEST(FontCache, KeysAreSizeOrientationStyleAndExactName)
{
  FontCacheReset();
  TestPlug plug;
  IGraphicsHeadless graphics(&plug);
  ITextStyle white("Arial", 12, IArgb(255, 255, 255, 255)), grey("Arial", 12, IArgb(255, 200, 200, 200), kAlignNear);
  ITextStyle lower("arial", 12, IArgb()), bigger("Arial", 13, IArgb());
  LICE_CachedFont* font = graphics.ObtainFont(&white);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(white.cachedFont, font);
  EXPECT_EQ(graphics.ObtainFont(&grey), font) << "colour and alignment are not part of the key";
  EXPECT_NE(graphics.ObtainFont(&lower), font);
  EXPECT_NE(graphics.ObtainFont(&bigger), font);
  EXPECT_EQ(FontCacheFind(&white), font);
}

TEST(IGraphics, MeasuringAlignsTheBounds)
{
  TestPlug plug;
  IGraphicsHeadless graphics(&plug);
  graphics.PrepareSurfaces();
  ITextStyle near("Arial", 12, IArgb(255, 255, 255, 255), kAlignNear);
  IBounds measured(10, 0, 30, 0);
  ASSERT_TRUE(graphics.MeasureText(&near, "A", &measured));
  const int width = measured.right - measured.left;
  EXPECT_GT(width, 0);
  EXPECT_GT(measured.bottom, 0);
  ITextStyle style("Arial", 12, IArgb(255, 255, 255, 255));
  IBounds bounds(10, 0, 30, 0);
  ASSERT_TRUE(graphics.MeasureText(&style, "A", &bounds));
  EXPECT_EQ(bounds.left, 20 - width / 2);
  EXPECT_EQ(bounds.right, bounds.left + width);
#ifndef _WIN32
  EXPECT_EQ(width, 7) << "the stand-in font at size 12";
  EXPECT_EQ(bounds.left, 17);
  EXPECT_EQ(bounds.right, 24);
#endif
  EXPECT_TRUE(graphics.DrawTextInBounds(&style, "", &bounds, false));
  EXPECT_TRUE(graphics.DrawTextInBounds(&style, nullptr, &bounds, false));
}
}
