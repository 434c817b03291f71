#include "EffectFixture.h"
#include "IGainReductionMeter.h"
#include "IGraphics.h"
#include "LICE_SysBitmap.h"
#include "ReferenceDeEsser.h"
#include "TestSignals.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace
{
IGraphics* EditorOf(OfflineEffect& plug) { return plug.GetGUI(); }

TEST(DeEsserEditor, LayoutTable)
{
  OfflineEffect plug{IPlugOffline::InstanceInfo()};
  IGraphics* editor = EditorOf(plug);
  ASSERT_NE(editor, nullptr);
  ASSERT_EQ(editor->NControls(), 29);
  struct Row
  {
    int index;
    IBounds bounds;
    int param;
  };
  std::vector<Row> rows = {{0, IBounds(0, 0, 500, 200), -1}, {1, IBounds(24, 53, 120, 149), 0},
                           {2, IBounds(379, 53, 475, 149), 1}, {27, IBounds(245, 26, 361, 38), -1},
                           {28, IBounds(260, 177, 280, 189), -1}};
  for (int i = 0; i < 8; ++i)
  {
    rows.push_back({3 + i, IBounds(135 + 30 * i, 84, 155 + 30 * i, 104), 2 + i});
    rows.push_back({11 + i, IBounds(135 + 30 * i, 88, 155 + 30 * i, 104), -1});
    rows.push_back({19 + i, IBounds(135 + 30 * i, 112, 155 + 30 * i, 132), 10 + i});
  }
  for (const Row& row : rows)
  {
    IControl* control = editor->GetControl(row.index);
    EXPECT_EQ(control->DrawBounds(), row.bounds) << row.index;
    EXPECT_EQ(control->ParamIdx(), row.param) << row.index;
  }
  EXPECT_EQ(editor->GetControl(0)->Blend().kind, BlendOpaque);
  EXPECT_EQ(editor->GetControl(3)->Blend().kind, BlendNormal);
  const char* labels[8] = {"4K", "5K", "6K", "7K", "8K", "9K", "10K", "HF"};
  for (int i = 0; i < 8; ++i)
  {
    ITextControl* label = static_cast<ITextControl*>(editor->GetControl(11 + i));
    EXPECT_STREQ(label->Text(), labels[i]);
    EXPECT_EQ(label->TextStyle().colour.Packed(), 0xFFFFFFFFu);
    EXPECT_STREQ(label->TextStyle().font, "Arial");
    EXPECT_EQ(label->TextStyle().size, 12);
    EXPECT_EQ(plug.Editor().LightIndex(i), 3 + i);
  }
  ITextControl* version = static_cast<ITextControl*>(editor->GetControl(28));
  EXPECT_STREQ(version->Text(), "v1.3.1");
  EXPECT_EQ(version->TextStyle().colour.Packed(), 0xFFD2D2D2u);
  EXPECT_EQ(plug.Editor().MeterIndex(), 27);
  EXPECT_EQ(plug.Processing().EnabledCount(), 6);
  EXPECT_EQ(plug.GetPreset(0)->state.Size(), 144);

  OfflineEffect bare{IPlugOffline::InstanceInfo{kApiVst3, false}};
  EXPECT_EQ(bare.GetGUI(), nullptr);
}

TEST(DeEsserEditor, AttachedControlsShowTheDefaults)
{
  OfflineEffect plug{IPlugOffline::InstanceInfo()};
  IGraphics* editor = EditorOf(plug);
  EXPECT_EQ(FrameForValue(editor->GetControl(1)->Value(), 101), 51);
  EXPECT_EQ(FrameForValue(editor->GetControl(2)->Value(), 101), 101);
  const int switchFrames[8] = {1, 2, 2, 2, 2, 2, 2, 1};
  for (int i = 0; i < 8; ++i)
  {
    EXPECT_EQ(FrameForValue(editor->GetControl(19 + i)->Value(), 2), switchFrames[i]) << i;
    EXPECT_EQ(FrameForValue(editor->GetControl(3 + i)->Value(), 2), 1) << i;
  }
  editor->RenderDirty(IBounds(0, 0, 500, 230));
  LICE_SysBitmap* surface = editor->DrawSurface();
  // The knob at (24, 53) shows rows 4800 to 4895 of its strip where it is
  // opaque.
  LICE_IBitmap* knob = static_cast<IKnobMultiControl*>(editor->GetControl(1))->Strip().bitmap;
  const PixelArgb centre = knob->PixelData()[(4800 + 48) * knob->RowSpan() + 48];
  ASSERT_EQ(centre >> 24, 0xFFu);
  EXPECT_EQ(surface->PixelData()[(53 + 48) * surface->RowSpan() + 24 + 48], centre);
  for (int y = 200; y < 230; ++y)
    for (int x = 0; x < 500; ++x)
      ASSERT_EQ(surface->PixelData()[y * surface->RowSpan() + x], 0u) << x << "," << y;
}

// The lit boxes of the meter in the surface, counted from the right.
int LitBoxes(IGraphics* editor)
{
  LICE_SysBitmap* surface = editor->DrawSurface();
  int lit = 0;
  for (int k = 0; k < 13; ++k)
    lit += surface->PixelData()[30 * surface->RowSpan() + 245 + 9 * k + 3] == 0xff6464ffu;
  return lit;
}

TEST(DeEsserEditor, MeterBallistics)
{
  OfflineEffect plug{IPlugOffline::InstanceInfo()};
  IGraphics* editor = EditorOf(plug);
  IControl* meter = editor->GetControl(27);
  const IBounds box = meter->DrawBounds();
  std::vector<int> lit;
  meter->SetValue(1.0);
  for (int render = 0; render < 12; ++render)
  {
    editor->RenderDirty(box);
    lit.push_back(LitBoxes(editor));
  }
  EXPECT_EQ(lit, (std::vector<int>{13, 10, 7, 6, 5, 4, 3, 2, 2, 2, 2, 1}));
  meter->SetValue(0.5);
  editor->RenderDirty(box);
  EXPECT_EQ(LitBoxes(editor), 7) << "a growing reduction shows at once";
  meter->SetValue(1.0);
  int render = 0;
  while (LitBoxes(editor) > 1 && render < 20)
  {
    editor->RenderDirty(box);
    ++render;
  }
  EXPECT_EQ(render, 8) << "the r = 1 box goes out at render 8";
  meter->SetValue(std::numeric_limits<double>::quiet_NaN());
  const double smoothed = static_cast<IGainReductionMeter*>(meter)->SmoothedGain();
  editor->RenderDirty(box);
  EXPECT_EQ(static_cast<IGainReductionMeter*>(meter)->SmoothedGain(), smoothed);
}

// Frame by frame, as the effect's processing shows it: lights to 0, hit
// lights to 1, the meter to the frame's gain, every control marked.
void FeedFrames(IGraphics* editor, const ReferenceDeEsser& reference, const DeEsserEditor& layout)
{
  for (std::size_t f = 0; f < reference.frameHits.size(); ++f)
  {
    for (int b = 0; b < 8; ++b)
    {
      IControl* light = editor->GetControl(layout.LightIndex(b));
      light->TakeValueFromPlug(0.0);
      if (reference.frameHits[f] >> b & 1u)
        light->TakeValueFromPlug(1.0);
    }
    editor->GetControl(layout.MeterIndex())->TakeValueFromPlug(reference.frameGains[f]);
    for (int i = 0; i < editor->NControls(); ++i)
      editor->GetControl(i)->MarkDirty(false);
  }
}

// Block by block, the effect's one feed per block leaves the lights, the
// meter and their redraw marks as the per-frame feed of the model does.
TEST(DeEsserEditor, BlockFeedEqualsTheFrameFeed)
{
  const int n = 44100;
  const std::vector<double> in0 = SibilantSignal(n, 5), in1 = SibilantSignal(n, 6);
  EffectRun run;
  OfflineEffect shown{IPlugOffline::InstanceInfo()};
  ReferenceDeEsser reference(44100.0);
  IGraphics* effectEditor = run.plug.GetGUI();
  IGraphics* modelEditor = shown.GetGUI();
  const DeEsserEditor& layout = run.plug.Editor();
  std::vector<int> watched = {layout.MeterIndex()};
  for (int b = 0; b < 8; ++b)
    watched.push_back(layout.LightIndex(b));
  run.plug.SetInputChannelConnections(0, 2, true);
  std::vector<double> out0(n), out1(n), ref0(n), ref1(n);
  int litFrames = 0;
  // Blocks of one frame catch a light that goes out without a hit.
  const int sizes[] = {97, 1, 1, 2, 331, 1, 5, 1, 640, 3, 1};
  for (int start = 0, k = 0, block = 1; start < n; start += block, ++k)
  {
    block = start >= n / 2 ? 1 : sizes[k % 11];
    const int frames = start + block <= n ? block : n - start;
    double* inputs[2] = {const_cast<double*>(in0.data()) + start, const_cast<double*>(in1.data()) + start};
    double* outputs[2] = {out0.data() + start, out1.data() + start};
    run.plug.ProcessDouble(inputs, outputs, frames);
    reference.Process(in0.data() + start, in1.data() + start, true, ref0.data() + start, ref1.data() + start,
                      frames);
    FeedFrames(modelEditor, reference, shown.Editor());
    for (int index : watched)
    {
      IControl* a = effectEditor->GetControl(index);
      IControl* b = modelEditor->GetControl(index);
      ASSERT_EQ(a->Value(), b->Value()) << "control " << index << " at " << start;
      ASSERT_EQ(a->NeedsRedraw(), b->NeedsRedraw()) << index;
      a->MarkClean();
      b->MarkClean();
      ASSERT_EQ(a->NeedsRedraw(), b->NeedsRedraw()) << "redraw again of " << index << " at " << start;
      a->MarkClean();
      b->MarkClean();
      litFrames += a->Value() == 1.0 && index != layout.MeterIndex();
    }
  }
  EXPECT_GT(litFrames, 0) << "the signal lit bands";
}
}
