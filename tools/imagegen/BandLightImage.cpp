// A band's activity lamp: a square amber lens, dark when the band is idle
// and glowing when it is cutting. The editor writes the band's name in white
// across it, so even lit the lens stays deep enough for white to read.

#include "Canvas.h"
#include "EditorLayout.h"
#include "Images.h"
#include "Palette.h"

namespace
{
const double kSize = layout::kBandSize;
const double kMiddle = kSize / 2;

Image RenderLamp(bool lit)
{
  Canvas canvas(layout::kBandSize, layout::kBandSize);
  canvas.Fill(RoundedRect({0, 0, kSize, kSize}, 3.5), Solid(lit ? Hex(0x4a1a03) : Hex(0x0a0807)));
  const RoundedRect lens({0.8, 0.8, kSize - 0.8, kSize - 0.8}, 2.8);
  if (lit)
    canvas.Fill(lens, RadialGradient({kMiddle, kMiddle}, 13, 13,
                                     {{0, palette::kAmberDeep}, {0.7, Hex(0xb23d07)}, {1, Hex(0xe2701c)}}));
  else
    canvas.Fill(lens, LinearGradient({0, 0}, {0, kSize}, {{0, palette::kAmberUnlit}, {1, Hex(0x1a1411)}}));
  // The glass catches the light along its top.
  canvas.Fill(RoundedRect({1.5, 1.3, kSize - 1.5, 7}, 2.3),
              LinearGradient({0, 1.3}, {0, 7}, {{0, Hex(0xffffff, lit ? 0.28 : 0.10)}, {1, Hex(0xffffff, 0)}}));
  return canvas.ToImage();
}
}  // namespace

Image RenderBandLight()
{
  return StackFrames({RenderLamp(false), RenderLamp(true)});
}
