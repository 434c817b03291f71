#include "LICE_Compose.h"

#include "LICE_Rows.h"

#include <cstring>

namespace
{
using lice::Channel;
using lice::MakePixel;

// One row loop per mode and variant: the mode is chosen once per call, and
// Op combines one source pixel into one destination pixel.
template <class Op>
void ComposeRows(const lice::Rows& destination, const lice::Rows& source, int width, int height, Op op)
{
  for (int row = 0; row < height; ++row)
  {
    PixelArgb* d = destination.Row(row);
    const PixelArgb* s = source.Row(row);
    for (int x = 0; x < width; ++x)
      op(d + x, s[x]);
  }
}

// The four bytes of s combined into d by one channel formula.
template <int (*Formula)(int, int, int)>
PixelArgb EachChannel(PixelArgb s, PixelArgb d, int weight)
{
  return MakePixel(Formula(Channel(s, 0), Channel(d, 0), weight), Formula(Channel(s, 1), Channel(d, 1), weight),
                   Formula(Channel(s, 2), Channel(d, 2), weight), Formula(Channel(s, 3), Channel(d, 3), weight));
}

int SourceAlphaWeight(int weight, PixelArgb s) { return weight * (Channel(s, 3) + 1) / 256; }

void ComposeWeighted(const lice::Rows& d, const lice::Rows& s, int w, int h, int weight, int mode)
{
  switch (mode)
  {
  case CombineCopy:
    if (weight == 256)
      ComposeRows(d, s, w, h, [](PixelArgb* dst, PixelArgb src) { *dst = src; });
    else if (weight > 0)
      ComposeRows(d, s, w, h, [weight](PixelArgb* dst, PixelArgb src) {
        *dst = EachChannel<lice::CopyChannel>(src, *dst, weight);
      });
    break;
  case CombineAdd:
    ComposeRows(d, s, w, h, [weight](PixelArgb* dst, PixelArgb src) {
      *dst = EachChannel<lice::AddChannel>(src, *dst, weight);
    });
    break;
  case CombineDodge:
    ComposeRows(d, s, w, h, [weight](PixelArgb* dst, PixelArgb src) {
      *dst = EachChannel<lice::DodgeChannel>(src, *dst, weight);
    });
    break;
  case CombineMultiply:
    ComposeRows(d, s, w, h, [weight](PixelArgb* dst, PixelArgb src) {
      *dst = EachChannel<lice::MultiplyChannel>(src, *dst, weight);
    });
    break;
  case CombineOverlay:
    ComposeRows(d, s, w, h, [weight](PixelArgb* dst, PixelArgb src) {
      *dst = EachChannel<lice::OverlayChannel>(src, *dst, weight);
    });
    break;
  case CombineHsvAdjust:
    ComposeRows(d, s, w, h, [weight](PixelArgb* dst, PixelArgb src) {
      CombineHsvPixel(dst, Channel(src, 2), Channel(src, 1), Channel(src, 0), Channel(src, 3), weight);
    });
    break;
  case CombineUseSourceAlpha | CombineCopy:
    if (weight == 256)
    {
      ComposeRows(d, s, w, h, [](PixelArgb* dst, PixelArgb src) {
        const int sa = Channel(src, 3);
        if (sa == 255)
        {
          *dst = src;
        }
        else if (sa)
        {
          const int alpha = Channel(*dst, 3) + sa;
          *dst = (EachChannel<lice::CopyChannel>(src, *dst, sa + 1) & 0xFFFFFF) |
                 static_cast<PixelArgb>(alpha < 255 ? alpha : 255) << 24;
        }
      });
    }
    else if (weight > 0)
    {
      ComposeRows(d, s, w, h, [weight](PixelArgb* dst, PixelArgb src) {
        if (!Channel(src, 3))
          return;
        const int w2 = SourceAlphaWeight(weight, src);
        const int alpha = Channel(*dst, 3) + w2;
        *dst = (EachChannel<lice::CopyChannel>(src, *dst, w2) & 0xFFFFFF) |
               static_cast<PixelArgb>(alpha < 255 ? alpha : 255) << 24;
      });
    }
    break;
  case CombineUseSourceAlpha | CombineAdd:
    ComposeRows(d, s, w, h, [weight](PixelArgb* dst, PixelArgb src) {
      if (Channel(src, 3))
        *dst = EachChannel<lice::AddChannel>(src, *dst, SourceAlphaWeight(weight, src));
    });
    break;
  case CombineUseSourceAlpha | CombineDodge:
    ComposeRows(d, s, w, h, [weight](PixelArgb* dst, PixelArgb src) {
      *dst = EachChannel<lice::DodgeChannel>(src, *dst, SourceAlphaWeight(weight, src));
    });
    break;
  case CombineUseSourceAlpha | CombineMultiply:
    ComposeRows(d, s, w, h, [weight](PixelArgb* dst, PixelArgb src) {
      if (Channel(src, 3))
        *dst = EachChannel<lice::MultiplyChannel>(src, *dst, SourceAlphaWeight(weight, src));
    });
    break;
  case CombineUseSourceAlpha | CombineOverlay:
    ComposeRows(d, s, w, h, [weight](PixelArgb* dst, PixelArgb src) {
      CombineOverlayPixel(dst, Channel(src, 2), Channel(src, 1), Channel(src, 0), Channel(src, 3),
                          SourceAlphaWeight(weight, src));
    });
    break;
  case CombineUseSourceAlpha | CombineHsvAdjust:
    ComposeRows(d, s, w, h, [weight](PixelArgb* dst, PixelArgb src) {
      CombineHsvPixel(dst, Channel(src, 2), Channel(src, 1), Channel(src, 0), Channel(src, 3),
                      SourceAlphaWeight(weight, src));
    });
    break;
  default:
    break;
  }
}
}

void LICE_Compose(LICE_IBitmap* destination, LICE_IBitmap* source, int x, int y, const LiceRect* sourceRect,
                  float alpha, LiceCombine mode)
{
  if (!source || !destination || alpha == 0.0f || alpha != alpha)
    return;
  // Positions and rectangles anywhere in the int range clip without
  // wrapping: the clip runs in 64 bits.
  long long left = 0, top = 0, right = source->Width(), bottom = source->Height();
  long long dx = x, dy = y;
  if (sourceRect)
  {
    left = sourceRect->left;
    top = sourceRect->top;
    if (left < 0)
    {
      dx -= left;
      left = 0;
    }
    if (top < 0)
    {
      dy -= top;
      top = 0;
    }
    right = sourceRect->right < right ? sourceRect->right : right;
    bottom = sourceRect->bottom < bottom ? sourceRect->bottom : bottom;
  }
  if (dx < 0)
  {
    left -= dx;
    dx = 0;
  }
  if (dy < 0)
  {
    top -= dy;
    dy = 0;
  }
  if (right <= left || bottom <= top || dx >= destination->Width() || dy >= destination->Height())
    return;
  if (right > left + destination->Width() - dx)
    right = left + destination->Width() - dx;
  if (bottom > top + destination->Height() - dy)
    bottom = top + destination->Height() - dy;
  if (right <= left || bottom <= top)
    return;
  const int w = static_cast<int>(right - left), h = static_cast<int>(bottom - top);
  if (!source->PixelData() || !destination->PixelData() || !source->RowSpan() || !destination->RowSpan())
    return;
  const lice::Rows s(source, static_cast<int>(left), static_cast<int>(top));
  const lice::Rows d(destination, static_cast<int>(dx), static_cast<int>(dy));

  const int modeByte = mode & CombineModeMask;
  if (modeByte >= CombineChannelCopy)
  {
    const int from = 8 * (modeByte & 3), to = 8 * ((modeByte >> 2) & 3);
    ComposeRows(d, s, w, h, [from, to](PixelArgb* dst, PixelArgb src) {
      *dst = (*dst & ~(0xFFu << to)) | ((src >> from & 0xFF) << to);
    });
    return;
  }
  const int dispatch = mode & (CombineUseSourceAlpha | CombineModeMask);
  if (dispatch == CombineCopy && alpha == 1.0f)
  {
    for (int row = 0; row < h; ++row)
      std::memmove(d.Row(row), s.Row(row), w * sizeof(PixelArgb));
    return;
  }
  if (dispatch == CombineCopy && alpha == 0.5f)
  {
    ComposeRows(d, s, w, h, [](PixelArgb* dst, PixelArgb src) {
      *dst = ((src >> 1) & 0x7F7F7F7F) + ((*dst >> 1) & 0x7F7F7F7F);
    });
    return;
  }
  const int weight = LiceWeight(alpha);
  if (weight)
    ComposeWeighted(d, s, w, h, weight, dispatch);
}
