#include "RasterModel.h"

#include <algorithm>
#include <cmath>

namespace model
{
namespace
{
PixelArgb& PixelAt(LICE_IBitmap* bitmap, long long x, long long y)
{
  const long long row = bitmap->IsFlipped() ? bitmap->Height() - 1 - y : y;
  return bitmap->PixelData()[row * bitmap->RowSpan() + x];
}

long long ByteOf(PixelArgb p, int i) { return p >> (8 * i) & 0xFF; }

PixelArgb Bytes(long long b, long long g, long long r, long long a)
{
  return static_cast<PixelArgb>((b & 0xFF) | (g & 0xFF) << 8 | (r & 0xFF) << 16 | (a & 0xFF) << 24);
}

long long Clamp(long long v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

long long Weight(double alpha)
{
  if (std::isnan(alpha))
    return 0;
  double w = std::trunc(alpha * 256.0);
  if (w > 16384)
    w = 16384;
  if (w < -16384)
    w = -16384;
  return static_cast<long long>(w);
}

// Division truncating toward zero and an arithmetic shift, as the formulas
// are written.
long long Div(long long a, long long b) { return a / b; }

long long Formula(int mode, long long s, long long d, long long w)
{
  switch (mode)
  {
  case 0:
    return (s + Div((d - s) * (256 - w), 256)) & 0xFF;
  case 1:
    return Clamp(d + Div(s * w, 256));
  case 2:
  {
    const long long t = Div(s * w, 256);
    return t > 254 ? Clamp(d * 256) : Clamp(Div(d * 256, 256 - t));
  }
  case 3:
    return (((s - 256) * w + 65536) * d >> 16) & 0xFF;
  case 4:
  {
    const long long m = (256 - w) * 128;
    const long long t = s * w + m;
    return Clamp((Div((32768 - t) * d, 256) + t) * d >> 15);
  }
  }
  return d;
}

PixelArgb HsvPixel(long long h, long long s, long long v, long long a)
{
  const long long low = Div((256 - s) * v, 256);
  auto up = [&](long long f) { return Div((16384 - (64 - f) * s) * v, 16384); };
  auto down = [&](long long f) { return Div((16384 - f * s) * v, 16384); };
  long long r, g, b;
  switch (h / 64)
  {
  case 0: r = v; g = up(h); b = low; break;
  case 1: r = down(h - 64); g = v; b = low; break;
  case 2: r = low; g = v; b = up(h - 128); break;
  case 3: r = low; g = down(h - 192); b = v; break;
  case 4: r = up(h - 256); g = low; b = v; break;
  default: r = v; g = low; b = down(h - 320); break;
  }
  return Bytes(b, g, r, a);
}

long long Reciprocal(long long i) { return i == 0 ? 0 : 65536 / i - 1; }
}

PixelArgb Hsv(PixelArgb destination, int red, int green, int blue, int alpha, long long w)
{
  const long long R = ByteOf(destination, 2), G = ByteOf(destination, 1), B = ByteOf(destination, 0);
  long long V, D, base, N;
  if (R < G && B < G)
  {
    V = G; D = G - std::min(R, B); base = 128; N = B - R;
  }
  else if (R < G && G <= B)
  {
    V = B; D = B - R; base = 256; N = R - G;
  }
  else if (G <= R && B < R)
  {
    V = R;
    if (G < B) { D = R - G; base = 383; N = G - B; }
    else { D = R - B; base = 0; N = G - B; }
  }
  else
  {
    V = B; D = B - std::min(R, G); base = 256; N = R - G;
  }
  long long hue = base + Div((Reciprocal(D) + 1) * N, 1024) + Div((red / 2 + red - 192) * w, 256);
  if (hue < 0)
    hue += 384;
  else if (hue > 383)
    hue -= 384;
  hue = ((hue % 384) + 384) % 384;
  const long long sat = Clamp(Div(D * Reciprocal(V), 256) + Div((green - 128) * w, 128));
  const long long val = Clamp(V + Div((blue - 128) * w, 128));
  return HsvPixel(hue, sat, val, alpha);
}

namespace
{
// One source pixel s onto d at weight w in mode (0 to 5), with source
// values for the four bytes.
PixelArgb Combine(int mode, PixelArgb d, const long long source[4], long long w, long long hsvAlpha)
{
  if (mode == 5)
    return Hsv(d, static_cast<int>(source[2]), static_cast<int>(source[1]), static_cast<int>(source[0]),
               static_cast<int>(hsvAlpha), w);
  long long out[4];
  for (int i = 0; i < 4; ++i)
    out[i] = Formula(mode, source[i], ByteOf(d, i), w);
  return Bytes(out[0], out[1], out[2], out[3]);
}
}

void Compose(LICE_IBitmap* dst, LICE_IBitmap* src, int x, int y, const int* rect, float alpha, int mode)
{
  if (!src || !dst || alpha == 0.0f || std::isnan(alpha) || !src->PixelData() || !dst->PixelData())
    return;
  const long long l = rect ? rect[0] : 0, t = rect ? rect[1] : 0;
  const long long r = rect ? rect[2] : src->Width(), b = rect ? rect[3] : src->Height();
  const int modeByte = mode & 0xFF;
  const int dispatch = mode & 0x100FF;
  const long long W = Weight(alpha);
  for (long long sy = std::max(t, 0LL); sy < std::min(b, static_cast<long long>(src->Height())); ++sy)
    for (long long sx = std::max(l, 0LL); sx < std::min(r, static_cast<long long>(src->Width())); ++sx)
    {
      const long long dx = x + (sx - l), dy = y + (sy - t);
      if (dx < 0 || dy < 0 || dx >= dst->Width() || dy >= dst->Height())
        continue;
      const PixelArgb s = PixelAt(src, sx, sy);
      PixelArgb& d = PixelAt(dst, dx, dy);
      if (modeByte >= 0xF0)
      {
        const int from = modeByte & 3, to = (modeByte >> 2) & 3;
        const long long value = ByteOf(s, from);
        long long bytes[4] = {ByteOf(d, 0), ByteOf(d, 1), ByteOf(d, 2), ByteOf(d, 3)};
        bytes[to] = value;
        d = Bytes(bytes[0], bytes[1], bytes[2], bytes[3]);
        continue;
      }
      if (dispatch == 0 && alpha == 1.0f)
      {
        d = s;
        continue;
      }
      if (dispatch == 0 && alpha == 0.5f)
      {
        d = ((s >> 1) & 0x7F7F7F7F) + ((d >> 1) & 0x7F7F7F7F);
        continue;
      }
      if (W == 0 || modeByte > 5 || (modeByte == 0 && W <= 0))
        continue;
      const long long values[4] = {ByteOf(s, 0), ByteOf(s, 1), ByteOf(s, 2), ByteOf(s, 3)};
      const long long sa = values[3];
      if (!(mode & 0x10000))
      {
        d = Combine(modeByte, d, values, W, sa);
        continue;
      }
      if (sa == 0 && (modeByte == 0 || modeByte == 1 || modeByte == 3))
        continue;
      const long long w2 = Div(W * (sa + 1), 256);
      if (modeByte == 0)
      {
        const PixelArgb colour = Combine(0, d, values, w2, sa);
        const long long newAlpha = W == 256 ? std::min(ByteOf(d, 3) + sa, 255LL) : std::min(ByteOf(d, 3) + w2, 255LL);
        d = (colour & 0xFFFFFF) | static_cast<PixelArgb>(newAlpha & 0xFF) << 24;
      }
      else
      {
        d = Combine(modeByte, d, values, w2, sa);
      }
    }
}

void FillBox(LICE_IBitmap* bitmap, int x, int y, int width, int height, PixelArgb colour, float alpha, int mode)
{
  if (!bitmap || !bitmap->PixelData())
    return;
  if (mode & 0x10000)
    alpha = alpha * (static_cast<float>(ByteOf(colour, 3)) / 255.0f);
  if (alpha == 0.0f || std::isnan(alpha))
    return;
  const int modeByte = mode & 0xFF;
  const long long W = Weight(alpha);
  for (long long py = std::max<long long>(y, 0); py < std::min<long long>(static_cast<long long>(y) + height, bitmap->Height()); ++py)
    for (long long px = std::max<long long>(x, 0); px < std::min<long long>(static_cast<long long>(x) + width, bitmap->Width()); ++px)
    {
      PixelArgb& d = PixelAt(bitmap, px, py);
      if (modeByte == 0 && (W == 256 || W == 128 || W == 64 || W == 192))
      {
        const PixelArgb h1 = 0x7F7F7F7F, h2 = 0x3F3F3F3F;
        if (W == 256)
          d = colour;
        else if (W == 128)
          d = ((d >> 1) & h1) + ((colour >> 1) & h1);
        else if (W == 64)
          d = ((d >> 1) & h1) + ((d >> 2) & h2) + ((colour >> 2) & h2);
        else
          d = ((d >> 2) & h2) + ((colour >> 2) & h2) + ((colour >> 1) & h1);
        continue;
      }
      if (W == 0 || modeByte > 5 || (modeByte == 0 && W <= 0))
        continue;
      const long long values[4] = {ByteOf(colour, 0), ByteOf(colour, 1), ByteOf(colour, 2), W};
      d = Combine(modeByte, d, values, W, std::min(W, 255LL));
    }
}
}
