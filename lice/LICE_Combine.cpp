#include "LICE_Combine.h"

PixelArgb HsvToPixel(int hue, int saturation, int value, int alpha)
{
  const int low = (256 - saturation) * value / 256;
  auto rising = [&](int f) { return (16384 - (64 - f) * saturation) * value / 16384; };
  auto falling = [&](int f) { return (16384 - f * saturation) * value / 16384; };
  int red, green, blue;
  if (hue < 64)
  {
    red = value, green = rising(hue), blue = low;
  }
  else if (hue < 128)
  {
    red = falling(hue - 64), green = value, blue = low;
  }
  else if (hue < 192)
  {
    red = low, green = value, blue = rising(hue - 128);
  }
  else if (hue < 256)
  {
    red = low, green = falling(hue - 192), blue = value;
  }
  else if (hue < 320)
  {
    red = rising(hue - 256), green = low, blue = value;
  }
  else
  {
    red = value, green = low, blue = falling(hue - 320);
  }
  return lice::MakePixel(blue, green, red, alpha);
}

void CombineHsvPixel(PixelArgb* pixel, int red, int green, int blue, int alpha, int weight)
{
  const int R = lice::Channel(*pixel, 2), G = lice::Channel(*pixel, 1), B = lice::Channel(*pixel, 0);
  int value, spread, base, numerator;
  if (R < G && B < G)
  {
    value = G, spread = G - (R < B ? R : B), base = 128, numerator = B - R;
  }
  else if (R < G)
  {
    value = B, spread = B - R, base = 256, numerator = R - G;
  }
  else if (B < R)
  {
    value = R;
    if (G < B)
      spread = R - G, base = 383, numerator = G - B;
    else
      spread = R - B, base = 0, numerator = G - B;
  }
  else
  {
    value = B, spread = B - (R < G ? R : G), base = 256, numerator = R - G;
  }
  const unsigned short* table = lice::kReciprocal.entry;
  int hue = base + (table[spread] + 1) * numerator / 1024 + (red / 2 + red - 192) * weight / 256;
  if (hue < 0)
    hue += 384;
  else if (hue > 383)
    hue -= 384;
  // A large weight can leave the hue outside after the one step.
  if (hue < 0 || hue > 383)
    hue = (hue % 384 + 384) % 384;
  const int saturation = lice::Clamp255(spread * table[value] / 256 + (green - 128) * weight / 128);
  const int newValue = lice::Clamp255(value + (blue - 128) * weight / 128);
  *pixel = HsvToPixel(hue, saturation, newValue, alpha);
}
