// The knob: a knurled skirt and a domed cap lit from above, with a pointer.
// Only the pointer and the knurling turn with the value; the light stays put.

#include "Canvas.h"
#include "EditorLayout.h"
#include "Images.h"
#include "Palette.h"

namespace
{
const double kSkirtRadius = 35;
const double kCapRadius = 27.5;
const Point kCentre = {layout::kKnobSize / 2.0, layout::kKnobSize / 2.0};

void DrawSkirt(Canvas& canvas, double degrees)
{
  const Circle skirt(kCentre, kSkirtRadius);
  canvas.Fill(skirt, LinearGradient({0, kCentre.y - kSkirtRadius}, {0, kCentre.y + kSkirtRadius},
                                    {{0, palette::kKnobTop}, {1, palette::kKnobBottom}}));
  const int kGrooves = 48;
  std::vector<Polyline> grooves;
  for (int i = 0; i < kGrooves; ++i)
  {
    const double at = degrees + 360.0 * i / kGrooves;
    grooves.push_back({AtDialAngle(kCentre, kCapRadius + 2.5, at), AtDialAngle(kCentre, kSkirtRadius + 1, at)});
  }
  canvas.Fill(Intersection(Strokes(grooves, 1.1), skirt), Solid(Hex(0x000000, 0.4)));
  canvas.Fill(Ring(kCentre, kSkirtRadius - 0.8, kSkirtRadius), Solid(Hex(0x000000, 0.5)));
}

void DrawCap(Canvas& canvas)
{
  canvas.Fill(Circle({kCentre.x, kCentre.y + 1.5}, kCapRadius + 1.5), Solid(Hex(0x000000, 0.35)));
  canvas.Fill(Circle(kCentre, kCapRadius), LinearGradient({0, kCentre.y - kCapRadius}, {0, kCentre.y + kCapRadius},
                                                          {{0, Hex(0x5a5d64)}, {1, Hex(0x2a2b2f)}}));
  canvas.Fill(Circle(kCentre, kCapRadius),
              RadialGradient({kCentre.x - 7, kCentre.y - 10}, 26, 22,
                             {{0, Hex(0xffffff, 0.10)}, {1, Hex(0xffffff, 0)}}));
  canvas.Fill(Ring(kCentre, kCapRadius - 1, kCapRadius),
              LinearGradient({0, kCentre.y - kCapRadius}, {0, kCentre.y + kCapRadius},
                             {{0, Hex(0xffffff, 0.28)}, {0.5, Hex(0xffffff, 0)}, {1, Hex(0x000000, 0.25)}}));
}

void DrawPointer(Canvas& canvas, double degrees)
{
  const Polyline line = {AtDialAngle(kCentre, 11, degrees), AtDialAngle(kCentre, kCapRadius - 4, degrees)};
  canvas.Fill(Strokes({line}, 4.2), Solid(Hex(0x000000, 0.35)));
  canvas.Fill(Strokes({line}, 2.8), Solid(palette::kPointer));
}

Image RenderFrame(double value)
{
  const double degrees = layout::KnobDegrees(value);
  Canvas canvas(layout::kKnobSize, layout::kKnobSize);
  DrawSkirt(canvas, degrees);
  DrawCap(canvas);
  DrawPointer(canvas, degrees);
  return canvas.ToImage();
}
}  // namespace

Image RenderKnobStrip()
{
  std::vector<Image> frames;
  for (int n = 1; n <= layout::kKnobFrames; ++n)
    frames.push_back(RenderFrame((n - 1) / double(layout::kKnobFrames - 1)));
  return StackFrames(frames);
}
