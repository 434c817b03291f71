// A band's on/off button: a raised cap with an indicator slot, which sits
// lower and shows an amber light when the band is on.

#include "Canvas.h"
#include "EditorLayout.h"
#include "Images.h"
#include "Palette.h"

namespace
{
const double kSize = layout::kBandSize;

Image RenderButton(bool on)
{
  Canvas canvas(layout::kBandSize, layout::kBandSize);
  canvas.Fill(RoundedRect({0, 0, kSize, kSize}, 3.5), Solid(Hex(0x08090a)));
  const Rgba top = on ? Hex(0x3c3e43) : Hex(0x575a61);
  const Rgba bottom = on ? Hex(0x2b2c30) : Hex(0x2f3135);
  canvas.Fill(RoundedRect({1, 1, kSize - 1, kSize - 1}, 2.8),
              LinearGradient({0, 1}, {0, kSize - 1}, {{0, top}, {1, bottom}}));
  // Raised, the cap's top edge catches the light; pressed, it is in shade.
  canvas.Fill(RoundedRect({1, 1, kSize - 1, 3}, 1.0), Solid(on ? Hex(0x000000, 0.25) : Hex(0xffffff, 0.16)));

  const Box slot = {5.5, 8.5, kSize - 5.5, 11.5};
  if (on)
  {
    canvas.Fill(RoundedRect({slot.left - 3, slot.top - 3, slot.right + 3, slot.bottom + 3}, 4),
                RadialGradient({kSize / 2, kSize / 2}, 8.5, 4.5,
                               {{0, WithAlpha(palette::kAmber, 0.45)}, {1, WithAlpha(palette::kAmber, 0)}}));
    canvas.Fill(RoundedRect(slot, 1.5), Solid(Hex(0xffb25a)));
  }
  else
  {
    canvas.Fill(RoundedRect({slot.left, slot.top + 0.6, slot.right, slot.bottom + 0.6}, 1.5),
                Solid(palette::kEdgeLight));
    canvas.Fill(RoundedRect(slot, 1.5), Solid(palette::kAmberUnlit));
  }
  return canvas.ToImage();
}
}  // namespace

Image RenderBandSwitch()
{
  return StackFrames({RenderButton(false), RenderButton(true)});
}
