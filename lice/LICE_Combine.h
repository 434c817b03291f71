#pragma once

// How pixels are combined everywhere in the raster library: the combine-mode
// word, the integer weight of a float alpha, the per-channel formula of each
// mode and the per-pixel helpers that the compose, fill, glyph and line
// loops share. All arithmetic is integer; a / b truncates toward zero.

#include "LICE_IBitmap.h"

#include <cmath>
#include <cstdint>

// The low byte is the mode; bit 0x10000 weights by the source's own alpha
// (compose) or scales the alpha by the colour's alpha (fill). Modes 0xF0 to
// 0xFF copy one channel (compose only): source channel mode & 3, destination
// channel (mode >> 2) & 3, numbered by byte (0 blue, 1 green, 2 red,
// 3 alpha). Modes 6 to 0xEF draw nothing. Other bits are ignored.
using LiceCombine = int;

constexpr LiceCombine CombineCopy = 0;
constexpr LiceCombine CombineAdd = 1;
constexpr LiceCombine CombineDodge = 2;
constexpr LiceCombine CombineMultiply = 3;
constexpr LiceCombine CombineOverlay = 4;
constexpr LiceCombine CombineHsvAdjust = 5;
constexpr LiceCombine CombineChannelCopy = 0xF0;
constexpr LiceCombine CombineModeMask = 0xFF;
constexpr LiceCombine CombineUseSourceAlpha = 0x10000;

// The weight of a float alpha: trunc(alpha * 256) in double, 256 being full
// strength. It is not clamped to 0..256; a NaN gives 0 (nothing drawn), and
// the weight is limited to +-16384 (alphas up to 64 either way unchanged) so
// that no formula overflows.
inline int LiceWeight(double alpha)
{
  if (!(alpha == alpha))
    return 0;
  const double weight = std::trunc(alpha * 256.0);
  return weight > 16384.0 ? 16384 : (weight < -16384.0 ? -16384 : static_cast<int>(weight));
}

namespace lice
{
constexpr int Clamp255(int x) { return x < 0 ? 0 : (x > 255 ? 255 : x); }

// Byte c of a pixel (0 blue, 1 green, 2 red, 3 alpha).
constexpr int Channel(PixelArgb pixel, int c) { return static_cast<int>(pixel >> (8 * c) & 0xFF); }

constexpr PixelArgb MakePixel(int blue, int green, int red, int alpha)
{
  return static_cast<PixelArgb>(blue & 0xFF) | static_cast<PixelArgb>(green & 0xFF) << 8 |
         static_cast<PixelArgb>(red & 0xFF) << 16 | static_cast<PixelArgb>(alpha & 0xFF) << 24;
}

// Entry i is floor(65536 / i) - 1 (entry 0 is 0): the hue and saturation
// divisions of CombineHsvAdjust.
struct ReciprocalTable
{
  unsigned short entry[256];
  constexpr ReciprocalTable() : entry()
  {
    for (int i = 1; i < 256; ++i)
      entry[i] = static_cast<unsigned short>(65536 / i - 1);
  }
};
constexpr ReciprocalTable kReciprocal;

// One channel s combined into d at weight w, per mode. Copy and multiply
// are stored as a byte (their low 8 bits); the others are clamped. The
// sources of a fill reach 16384 (the weight as fourth value): multiply and
// overlay compute in 64 bits, which changes nothing inside the int range.
constexpr int CopyChannel(int s, int d, int w) { return (s + (d - s) * (256 - w) / 256) & 0xFF; }
constexpr int AddChannel(int s, int d, int w) { return Clamp255(d + s * w / 256); }
constexpr int DodgeChannel(int s, int d, int w)
{
  return s * w / 256 > 254 ? Clamp255(d * 256) : Clamp255(d * 256 / (256 - s * w / 256));
}
constexpr int MultiplyChannel(int s, int d, int w)
{
  return static_cast<int>(((static_cast<long long>(s) - 256) * w + 65536) * d >> 16) & 0xFF;
}
constexpr int OverlayChannel(int s, int d, int w)
{
  return Clamp255(static_cast<int>(
      ((32768 - (static_cast<long long>(s) * w + (256LL - w) * 128)) * d / 256 +
       (static_cast<long long>(s) * w + (256LL - w) * 128)) *
          d >>
      15));
}
}

// The per-pixel helpers; each writes the destination pixel in place.
inline void StoreClampedPixel(PixelArgb* pixel, int red, int green, int blue, int alpha)
{
  *pixel = lice::MakePixel(lice::Clamp255(blue), lice::Clamp255(green), lice::Clamp255(red), lice::Clamp255(alpha));
}

inline void CombineAddPixel(PixelArgb* pixel, int red, int green, int blue, int alpha, int weight)
{
  const PixelArgb d = *pixel;
  *pixel = lice::MakePixel(lice::AddChannel(blue, lice::Channel(d, 0), weight),
                           lice::AddChannel(green, lice::Channel(d, 1), weight),
                           lice::AddChannel(red, lice::Channel(d, 2), weight),
                           lice::AddChannel(alpha, lice::Channel(d, 3), weight));
}

inline void CombineDodgePixel(PixelArgb* pixel, int red, int green, int blue, int alpha, int weight)
{
  const PixelArgb d = *pixel;
  *pixel = lice::MakePixel(lice::DodgeChannel(blue, lice::Channel(d, 0), weight),
                           lice::DodgeChannel(green, lice::Channel(d, 1), weight),
                           lice::DodgeChannel(red, lice::Channel(d, 2), weight),
                           lice::DodgeChannel(alpha, lice::Channel(d, 3), weight));
}

inline void CombineOverlayPixel(PixelArgb* pixel, int red, int green, int blue, int alpha, int weight)
{
  const PixelArgb d = *pixel;
  *pixel = lice::MakePixel(lice::OverlayChannel(blue, lice::Channel(d, 0), weight),
                           lice::OverlayChannel(green, lice::Channel(d, 1), weight),
                           lice::OverlayChannel(red, lice::Channel(d, 2), weight),
                           lice::OverlayChannel(alpha, lice::Channel(d, 3), weight));
}

// Hue 0..383 in six sectors of 64 (red 0, yellow 64, green 128, cyan 192,
// blue 256, magenta 320); saturation and value 0..255.
PixelArgb HsvToPixel(int hue, int saturation, int value, int alpha);

// The destination's hue, saturation and value shifted by the source red,
// green and blue (128 shifts nothing) at the weight; the result takes the
// alpha argument.
void CombineHsvPixel(PixelArgb* pixel, int red, int green, int blue, int alpha, int weight);
