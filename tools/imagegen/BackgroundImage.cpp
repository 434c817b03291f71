// The panel: graphite face, title, knob scales and captions, the meter
// housing with its dB scale, the band section, and a dark base with a tab
// for the version text.

#include "EditorLayout.h"
#include "Images.h"
#include "Palette.h"
#include "Text.h"

#include <cmath>
#include <string>

namespace
{
const int kWidth = layout::kEditorWidth;
const int kHeight = layout::kBackgroundHeight;
const int kBaseTop = 192;
const double kTabHalfWidth = 28;
const double kCaptionBaseline = 166;

const TextStyle kTitleStyle = {15, 2.3, 0.7};
const TextStyle kCaptionStyle = {8, 1.35, 0.35};
const TextStyle kScaleStyle = {6, 1.05, 0.4};

// Light lettering with a dark shadow a pixel below reads as engraved.
void DrawEngraved(Canvas& canvas, const std::string& text, Point anchor, Align align, const TextStyle& style,
                  const Paint& paint)
{
  DrawText(canvas, text, {anchor.x, anchor.y + 1}, align, style, Solid(Hex(0x000000, 0.45)));
  DrawText(canvas, text, anchor, align, style, paint);
}

// A box sunk into the face: a light lip along its lower edge, a shadow along its upper one.
void DrawRecess(Canvas& canvas, Box box, double radius, Rgba fill)
{
  canvas.Fill(RoundedRect({box.left, box.top, box.right, box.bottom + 1}, radius), Solid(palette::kEdgeLight));
  canvas.Fill(RoundedRect(box, radius), Solid(fill));
  canvas.Fill(RoundedRect(box, radius), LinearGradient({0, box.top}, {0, box.top + 3},
                                                       {{0, palette::kEdgeShadow}, {1, Hex(0x000000, 0)}}));
}

void DrawFace(Canvas& canvas)
{
  canvas.Fill(RoundedRect({0, 0, kWidth, kHeight}, 0),
              LinearGradient({0, 0}, {0, kBaseTop}, {{0, palette::kPanelTop}, {1, palette::kPanelBottom}}));
  canvas.Fill(RoundedRect({0, 0, kWidth, 1}, 0), Solid(Hex(0xffffff, 0.12)));
  canvas.Fill(RoundedRect({0, 0, 1, kHeight}, 0), Solid(Hex(0xffffff, 0.05)));
  canvas.Fill(RoundedRect({kWidth - 1, 0, kWidth, kHeight}, 0), Solid(Hex(0x000000, 0.3)));
}

// The face stands on a dark base that sinks into the black strip the editor
// leaves under the image; a tab of the base rises to hold the version text.
void DrawBase(Canvas& canvas)
{
  const Box text = layout::kVersionText;
  const double middle = (text.left + text.right) / 2;
  const Box tab = {middle - kTabHalfWidth, text.top - 2, middle + kTabHalfWidth, kHeight + 4};
  const Box strip = {-4, kBaseTop, kWidth + 4, kHeight + 4};
  const Paint shade = LinearGradient({0, tab.top}, {0, kHeight},
                                     {{0, palette::kBaseTop}, {0.55, Hex(0x111214)}, {1, Hex(0x000000)}});
  // The face's edge above the base is in shade.
  for (const Box& part : {tab, strip})
    canvas.Fill(RoundedRect({part.left - 1, part.top - 1, part.right + 1, part.bottom}, 5), Solid(Hex(0x000000, 0.5)));
  for (const Box& part : {tab, strip})
    canvas.Fill(RoundedRect(part, 4), shade);
}

void DrawScrew(Canvas& canvas, Point centre, double slotDegrees)
{
  const double kRadius = 4.6;
  canvas.Fill(Circle({centre.x, centre.y + 0.8}, kRadius + 0.6), Solid(Hex(0x000000, 0.45)));
  canvas.Fill(Circle(centre, kRadius), LinearGradient({centre.x, centre.y - kRadius}, {centre.x, centre.y + kRadius},
                                                      {{0, Hex(0x6a6d74)}, {1, Hex(0x2c2d31)}}));
  const Point a = AtDialAngle(centre, kRadius - 1.2, slotDegrees);
  const Point b = AtDialAngle(centre, kRadius - 1.2, slotDegrees + 180);
  canvas.Fill(Strokes({{a, b}}, 1.3), Solid(Hex(0x141517)));
}

void DrawTitle(Canvas& canvas)
{
  const std::string first = "Zelvar";
  const Point anchor = {22, 34};
  // "Lispera" in the lamp colour: the split falls in the gap after "Zelvar".
  const double split = anchor.x + TextWidth(first, kTitleStyle) + 1;
  DrawEngraved(canvas, first + "Lispera", anchor, Align::Left, kTitleStyle,
               [split](Point p) { return p.x < split ? palette::kTitle : palette::kAmber; });
}

void DrawKnobScale(Canvas& canvas, int knob, const std::string& caption)
{
  const double kMajorTickEnd = 45;
  const Point centre = layout::KnobCentre(knob);
  // The knob sits in a dark collar that casts its shadow downwards.
  canvas.Fill(Circle({centre.x, centre.y + 2.5}, 42),
              RadialGradient({centre.x, centre.y + 2.5}, 42, 42,
                             {{0.78, Hex(0x000000, 0.6)}, {1, Hex(0x000000, 0)}}));
  canvas.Fill(Circle(centre, 36.5), Solid(Hex(0x111214)));

  std::vector<Polyline> minor, major;
  for (int step = 0; step <= 20; ++step)
  {
    const double degrees = layout::KnobDegrees(step / 20.0);
    const bool isMajor = step % 5 == 0;
    const double end = isMajor ? kMajorTickEnd : 42.5;
    (isMajor ? major : minor).push_back({AtDialAngle(centre, 40, degrees), AtDialAngle(centre, end, degrees)});
  }
  canvas.Fill(Strokes(minor, 1.0), Solid(palette::kEngravingDim));
  canvas.Fill(Strokes(major, 1.4), Solid(palette::kEngraving));

  for (int percent : {0, 50, 100})
  {
    const std::string number = std::to_string(percent);
    const double degrees = layout::KnobDegrees(percent / 100.0);
    // Clear of the tick end by the same gap whichever way the number lies.
    const Point direction = AtDialAngle({0, 0}, 1, degrees);
    const double reach = std::fabs(direction.x) * TextWidth(number, kScaleStyle) / 2 +
                         std::fabs(direction.y) * kScaleStyle.capHeight / 2;
    const Point at = AtDialAngle(centre, kMajorTickEnd + 3.5 + reach, degrees);
    DrawEngraved(canvas, number, {at.x, at.y + kScaleStyle.capHeight / 2}, Align::Centre, kScaleStyle,
                 Solid(palette::kEngravingDim));
  }
  DrawEngraved(canvas, caption, {centre.x, kCaptionBaseline}, Align::Centre, kCaptionStyle, Solid(palette::kEngraving));
}

void DrawMeterHousing(Canvas& canvas)
{
  const Box meter = layout::kMeter;
  DrawRecess(canvas, {meter.left - 5, meter.top - 5, meter.right + 5, meter.bottom + 5}, 3.5, palette::kWell);
  for (int db = 0; db <= 12; db += 3)
  {
    const double x = layout::MeterBoxCentre(12 - db);
    DrawEngraved(canvas, std::to_string(db), {x, meter.bottom + 15}, Align::Centre, kScaleStyle,
                 Solid(palette::kEngravingDim));
  }
  DrawEngraved(canvas, "dB", {meter.right + 9, (meter.top + meter.bottom) / 2 + kScaleStyle.capHeight / 2}, Align::Left,
               kScaleStyle, Solid(palette::kEngravingDim));
}

void DrawBandSection(Canvas& canvas)
{
  const double left = layout::BandLeft(0) - 8;
  const double right = layout::BandLeft(layout::kBandCount - 1) + layout::kBandSize + 8;
  DrawRecess(canvas, {left, layout::kLightTop - 10, right, layout::kSwitchTop + layout::kBandSize + 10}, 6,
             palette::kRecess);
  for (int band = 0; band < layout::kBandCount; ++band)
    for (int top : {layout::kLightTop, layout::kSwitchTop})
    {
      const double x = layout::BandLeft(band);
      DrawRecess(canvas, {x - 2, top - 2.0, x + layout::kBandSize + 2, top + layout::kBandSize + 2.0}, 4,
                 palette::kWell);
    }
}
}  // namespace

Image RenderBackground()
{
  Canvas canvas(kWidth, kHeight);
  DrawFace(canvas);
  DrawBase(canvas);
  DrawScrew(canvas, {11, 11}, 30);
  DrawScrew(canvas, {kWidth - 11, 11}, 75);
  DrawScrew(canvas, {11, kBaseTop - 11}, 110);
  DrawScrew(canvas, {kWidth - 11, kBaseTop - 11}, 160);
  DrawTitle(canvas);
  DrawKnobScale(canvas, 0, "Effect Amount");
  DrawKnobScale(canvas, 1, "DryWet");
  DrawMeterHousing(canvas);
  DrawBandSection(canvas);
  return canvas.ToImage();
}
