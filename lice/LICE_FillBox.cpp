#include "LICE_Compose.h"

#include "LICE_Rows.h"

namespace
{
using lice::Channel;
using lice::MakePixel;

template <class Op>
void FillRows(const lice::Rows& rows, int width, int height, Op op)
{
  for (int row = 0; row < height; ++row)
  {
    PixelArgb* p = rows.Row(row);
    for (int x = 0; x < width; ++x)
      op(p + x);
  }
}

// The colour's red, green and blue and, as the fourth source value, the
// weight itself, combined by one channel formula.
template <int (*Formula)(int, int, int)>
PixelArgb EachChannel(PixelArgb colour, PixelArgb d, int weight)
{
  return MakePixel(Formula(Channel(colour, 0), Channel(d, 0), weight),
                   Formula(Channel(colour, 1), Channel(d, 1), weight),
                   Formula(Channel(colour, 2), Channel(d, 2), weight), Formula(weight, Channel(d, 3), weight));
}

// Mode byte 0 at four weights, on whole words: each term is halved or
// quartered per byte by shift and mask, so that no carry crosses a byte.
bool FillWords(const lice::Rows& rows, int w, int h, PixelArgb c, int weight)
{
  switch (weight)
  {
  case 256:
    FillRows(rows, w, h, [c](PixelArgb* p) { *p = c; });
    return true;
  case 128:
    FillRows(rows, w, h, [c](PixelArgb* p) { *p = ((*p >> 1) & 0x7F7F7F7F) + ((c >> 1) & 0x7F7F7F7F); });
    return true;
  case 64:
    FillRows(rows, w, h, [c](PixelArgb* p) {
      *p = ((*p >> 1) & 0x7F7F7F7F) + ((*p >> 2) & 0x3F3F3F3F) + ((c >> 2) & 0x3F3F3F3F);
    });
    return true;
  case 192:
    FillRows(rows, w, h, [c](PixelArgb* p) {
      *p = ((*p >> 2) & 0x3F3F3F3F) + ((c >> 2) & 0x3F3F3F3F) + ((c >> 1) & 0x7F7F7F7F);
    });
    return true;
  default:
    return false;
  }
}
}

void LICE_FillBox(LICE_IBitmap* bitmap, int x, int y, int width, int height, PixelArgb colour, float alpha,
                  LiceCombine mode)
{
  if (!bitmap)
    return;
  if (mode & CombineUseSourceAlpha)
    alpha = alpha * (static_cast<float>(Channel(colour, 3)) / 255.0f);
  long long left = x, top = y, w = width, h = height;
  if (left < 0)
  {
    w += left;
    left = 0;
  }
  if (top < 0)
  {
    h += top;
    top = 0;
  }
  if (alpha == 0.0f || alpha != alpha || !bitmap->PixelData() || !bitmap->RowSpan() || w <= 0 || h <= 0 ||
      left >= bitmap->Width() || top >= bitmap->Height())
    return;
  if (w > bitmap->Width() - left)
    w = bitmap->Width() - left;
  if (h > bitmap->Height() - top)
    h = bitmap->Height() - top;
  const lice::Rows rows(bitmap, static_cast<int>(left), static_cast<int>(top));
  const int cw = static_cast<int>(w), ch = static_cast<int>(h);
  const int weight = LiceWeight(alpha);
  const int modeByte = mode & CombineModeMask;
  if (modeByte == CombineCopy && FillWords(rows, cw, ch, colour, weight))
    return;
  if (weight == 0)
    return;
  const int red = Channel(colour, 2), green = Channel(colour, 1), blue = Channel(colour, 0);
  switch (modeByte)
  {
  case CombineCopy:
    if (weight > 0)
      FillRows(rows, cw, ch, [=](PixelArgb* p) { *p = EachChannel<lice::CopyChannel>(colour, *p, weight); });
    break;
  case CombineAdd:
    FillRows(rows, cw, ch, [=](PixelArgb* p) { CombineAddPixel(p, red, green, blue, weight, weight); });
    break;
  case CombineDodge:
    FillRows(rows, cw, ch, [=](PixelArgb* p) { CombineDodgePixel(p, red, green, blue, weight, weight); });
    break;
  case CombineMultiply:
    FillRows(rows, cw, ch, [=](PixelArgb* p) { *p = EachChannel<lice::MultiplyChannel>(colour, *p, weight); });
    break;
  case CombineOverlay:
    FillRows(rows, cw, ch, [=](PixelArgb* p) { CombineOverlayPixel(p, red, green, blue, weight, weight); });
    break;
  case CombineHsvAdjust:
  {
    const int alphaByte = (weight < 255 ? weight : 255) & 0xFF;
    FillRows(rows, cw, ch, [=](PixelArgb* p) { CombineHsvPixel(p, red, green, blue, alphaByte, weight); });
    break;
  }
  default:
    break;
  }
}
