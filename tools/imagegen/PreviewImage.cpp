// The editor as a user sees it, for judging the images together: knobs at
// 50 % and 100 %, three bands lit, the band switches at their defaults, the
// meter showing 5 dB of reduction, and the editor's own text.

#include "EditorLayout.h"
#include "Images.h"
#include "Text.h"

#include <string>

namespace
{
// Close to the editor's 12-pixel Arial.
const TextStyle kEditorTextStyle = {8.6, 1.2, 0.2};
const double kReductionDb = 5;

void DrawEditorText(Canvas& canvas, const std::string& text, Box box, Rgba color)
{
  const Point anchor = {(box.left + box.right) / 2, (box.top + box.bottom) / 2 + kEditorTextStyle.capHeight / 2};
  DrawText(canvas, text, anchor, Align::Centre, kEditorTextStyle, Solid(color));
}

void DrawMeter(Canvas& canvas)
{
  const Box meter = layout::kMeter;
  for (int box = 0; box < layout::kMeterBoxes; ++box)
  {
    const double left = meter.left + layout::kMeterPitch * box;
    const bool lit = layout::kMeterBoxes - 1 - box < kReductionDb;
    canvas.Fill(RoundedRect({left, meter.top, left + layout::kMeterBoxWidth, meter.bottom}, 0),
                Solid(lit ? Hex(0x6464ff) : Hex(0xc6c6c6)));
  }
}
}  // namespace

Image RenderPreview(const Image& background, const Image& knobStrip, const Image& bandLight, const Image& bandSwitch)
{
  Canvas canvas(layout::kEditorWidth, layout::kEditorHeight);
  canvas.Fill(RoundedRect({0, 0, layout::kEditorWidth, layout::kEditorHeight}, 0), Solid(Hex(0x000000)));
  canvas.ComposeFrame(background, background.height, 0, 0, 0);
  const int knobFrames[] = {50, 100};
  for (int knob = 0; knob < 2; ++knob)
    canvas.ComposeFrame(knobStrip, layout::kKnobSize, knobFrames[knob], static_cast<int>(layout::kKnobOrigins[knob].x),
                        static_cast<int>(layout::kKnobOrigins[knob].y));

  const char* const names[] = {"4K", "5K", "6K", "7K", "8K", "9K", "10K", "HF"};
  for (int band = 0; band < layout::kBandCount; ++band)
  {
    const int left = layout::BandLeft(band);
    const bool active = band >= 2 && band <= 4;
    const bool enabled = band != 0 && band != layout::kBandCount - 1;
    canvas.ComposeFrame(bandLight, layout::kBandSize, active ? 1 : 0, left, layout::kLightTop);
    canvas.ComposeFrame(bandSwitch, layout::kBandSize, enabled ? 1 : 0, left, layout::kSwitchTop);
    DrawEditorText(canvas, names[band],
                   {double(left), double(layout::kBandLabelTop), double(left + layout::kBandSize),
                    double(layout::kLightTop + layout::kBandSize)},
                   Hex(0xffffff));
  }
  DrawMeter(canvas);
  DrawEditorText(canvas, "v1.3.1", layout::kVersionText, Hex(0xd2d2d2));
  return canvas.ToImage();
}
