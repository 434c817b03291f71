#include "RasterModel.h"

#include <algorithm>
#include <cmath>
#include <vector>

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

namespace
{
struct Line
{
  LICE_IBitmap* bitmap;
  PixelArgb colour;
  int mode;
  // Pixel (x, row) of the stored rows: the segment is drawn after its rows
  // are mirrored for a flipped bitmap.
  PixelArgb& At(long long x, long long row) const
  {
    return bitmap->PixelData()[row * bitmap->RowSpan() + x];
  }
  void Apply(long long x, long long row, long long k, int step) const
  {
    PixelArgb& p = At(x, row);
    const long long c[4] = {ByteOf(colour, 0), ByteOf(colour, 1), ByteOf(colour, 2), ByteOf(colour, 3)};
    if (step == 1)  // store
      p = colour;
    else if (step == 2)  // byte average
      p = Bytes((ByteOf(p, 0) + c[0]) >> 1, (ByteOf(p, 1) + c[1]) >> 1, (ByteOf(p, 2) + c[2]) >> 1,
                (ByteOf(p, 3) + c[3]) >> 1);
    else
      p = Combine(mode, p, c, k, c[3]);
  }
};

int OutcodeOf(long long x, long long y, long long w, long long h)
{
  return (x < 0 ? 1 : x >= w ? 2 : 0) | (y < 0 ? 4 : y >= h ? 8 : 0);
}

long long Lerp(long long base, double part)
{
  double t = std::trunc(part);
  t = std::max(-2147483648.0, std::min(2147483647.0, t));
  return base + static_cast<long long>(t);
}

bool Clip(long long& x1, long long& y1, long long& x2, long long& y2, long long w, long long h)
{
  for (int pass = 0; pass < 16; ++pass)
  {
    const int c1 = OutcodeOf(x1, y1, w, h), c2 = OutcodeOf(x2, y2, w, h);
    if (!(c1 | c2))
      return true;
    if (c1 & c2)
      return false;
    const int out = c1 ? c1 : c2;
    const double dx = static_cast<double>(x2 - x1), dy = static_cast<double>(y2 - y1);
    long long x, y;
    if (out & 8) { y = h - 1; x = Lerp(x1, dx * static_cast<double>(h - y1) / dy); }
    else if (out & 4) { y = 0; x = Lerp(x1, -(dx * static_cast<double>(y1) / dy)); }
    else if (out & 2) { x = w - 1; y = Lerp(y1, dy * static_cast<double>(w - x1) / dx); }
    else { x = 0; y = Lerp(y1, -(dy * static_cast<double>(x1) / dx)); }
    if (out == c1) { x1 = x; y1 = y; }
    else { x2 = x; y2 = y; }
  }
  return false;
}
}

void DrawSegment(LICE_IBitmap* bitmap, int ix1, int iy1, int ix2, int iy2, PixelArgb colour, float alpha, int mode,
                 bool antiAlias)
{
  if (!bitmap || !bitmap->PixelData())
    return;
  const long long w = bitmap->Width(), h = bitmap->Height();
  long long x1 = ix1, y1 = iy1, x2 = ix2, y2 = iy2;
  if (bitmap->IsFlipped())
  {
    y1 = std::max(-2147483648LL, std::min(2147483647LL, h - 1 - y1));
    y2 = std::max(-2147483648LL, std::min(2147483647LL, h - 1 - y2));
  }
  if (!Clip(x1, y1, x2, y2, w, h))
    return;
  const int modeByte = mode & 0xFF;
  const Line line{bitmap, colour, modeByte};
  const long long adx = std::llabs(x2 - x1), ady = std::llabs(y2 - y1);
  const bool straight = x1 == x2 || y1 == y2;
  const bool diagonal = !straight && adx == ady;
  const PixelArgb c = colour, h1 = 0x7F7F7F7F, h2 = 0x3F3F3F3F;

  // The word formulas of CombineCopy.
  if (modeByte == 0 && (straight ? (alpha == 1.0f || alpha == 0.5f || alpha == 0.25f || alpha == 0.75f)
                                 : diagonal && alpha == 1.0f))
  {
    auto word = [&](long long x, long long row, float a) {
      PixelArgb& p = line.At(x, row);
      if (a == 1.0f)
        p = c;
      else if (a == 0.5f)
        p = ((p >> 1) & h1) + ((c >> 1) & h1);
      else if (a == 0.25f)
        p = ((p >> 1) & h1) + ((p >> 2) & h2) + ((c >> 2) & h2);
      else
        p = ((p >> 2) & h2) + ((c >> 1) & h1) + ((c >> 2) & h2);
    };
    if (straight)
    {
      for (long long x = std::min(x1, x2); x <= std::max(x1, x2); ++x)
        for (long long y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
          word(x, y, alpha);
      return;
    }
    const long long sx = x2 > x1 ? 1 : -1, sy = y2 > y1 ? 1 : -1;
    for (long long i = 0; i <= adx; ++i)
    {
      word(x1 + i * sx, y1 + i * sy, antiAlias ? 0.75f : 1.0f);
      if (antiAlias && i < adx)
      {
        word(x1 + i * sx + sx, y1 + i * sy, 0.25f);
        word(x1 + i * sx, y1 + i * sy + sy, 0.25f);
      }
    }
    return;
  }

  const long long W = Weight(alpha);
  if (W == 0 || modeByte > 5 || (modeByte == 0 && W < 0))
    return;
  const bool smooth = antiAlias && !straight;
  // How a full-weight point is combined: stored, averaged or by formula.
  const int full = modeByte == 0 && !smooth ? (W == 256 ? 1 : W == 128 ? 2 : 0) : 0;

  if (straight)
  {
    for (long long x = std::min(x1, x2); x <= std::max(x1, x2); ++x)
      for (long long y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
        line.Apply(x, y, W, full);
    return;
  }
  if (diagonal)
  {
    const long long sx = x2 > x1 ? 1 : -1, sy = y2 > y1 ? 1 : -1;
    for (long long i = 0; i <= adx; ++i)
    {
      line.Apply(x1 + i * sx, y1 + i * sy, smooth ? W * 3 / 4 : W, full);
      if (smooth && i < adx)
      {
        line.Apply(x1 + i * sx + sx, y1 + i * sy, W / 4, 0);
        line.Apply(x1 + i * sx, y1 + i * sy + sy, W / 4, 0);
      }
    }
    return;
  }

  // General: the major axis, walked from the end with the smaller major
  // coordinate; pixel k lies k * s / 65536 minor steps off that end.
  const bool xMajor = adx > ady;
  long long ax = x1, ay = y1, bx = x2, by = y2;
  if ((xMajor ? bx - ax : by - ay) < 0)
  {
    std::swap(ax, bx);
    std::swap(ay, by);
  }
  const long long major = xMajor ? bx - ax : by - ay;
  const long long minorSign = (xMajor ? by - ay : bx - ax) < 0 ? -1 : 1;
  const long long minor = xMajor ? std::llabs(by - ay) : std::llabs(bx - ax);
  const long long s = static_cast<long long>(std::trunc(static_cast<double>(minor) / static_cast<double>(major) * 65536.0));
  const long long halves = (major + 1) / 2;
  // Point k from end a (forward) or end b (backward), minor offset m,
  // partner one more minor step away from the end.
  auto point = [&](bool fromA, long long k, long long m, long long k2, long long extra) {
    const long long along = fromA ? k : -k, across = (fromA ? m + extra : -(m + extra)) * minorSign;
    const long long x = (fromA ? ax : bx) + (xMajor ? along : across);
    const long long y = (fromA ? ay : by) + (xMajor ? across : along);
    line.Apply(x, y, k2, k2 == W ? full : 0);
  };
  if (!smooth)
  {
    for (long long k = 0; k < halves; ++k)
    {
      const long long m = (k * s + 32768) / 65536;
      point(true, k, m, W, 0);
      point(false, k, m, W, 0);
    }
    if (major % 2 == 0)
      point(true, halves, (halves * s + 32768) / 65536, W, 0);
    return;
  }
  auto shares = [&](long long k, long long* a, long long* b) {
    const long long f = (k * s % 65536) >> 8;
    *a = W == 256 ? 255 - f : ((255 - f) * W) >> 8;
    *b = W == 256 ? f : (f * W) >> 8;
  };
  line.Apply(ax, ay, W, 0);
  line.Apply(bx, by, W, 0);
  for (long long k = 1; k <= (major % 2 == 0 ? halves : halves - 1); ++k)
  {
    long long a, b;
    shares(k, &a, &b);
    const long long m = k * s / 65536;
    point(true, k, m, a, 0);
    point(true, k, m, b, 1);
    if (k < halves)
    {
      point(false, k, m, a, 0);
      point(false, k, m, b, 1);
    }
  }
}

void GlyphMask(LICE_IBitmap* bitmap, const unsigned char* mask, int stride, int x, int y, int width, int height,
               int family, int mode, long long W, PixelArgb text, PixelArgb effect)
{
  if ((mode == 0 && W <= 0) || mode > 5)
    return;
  for (int j = 0; j < height; ++j)
    for (int i = 0; i < width; ++i)
    {
      const long long c = mask[static_cast<long long>(j) * stride + i];
      if (!c)
        continue;
      long long w = W;
      if (family == kPlain)
        w = W == 256 ? c + 1 : std::min(Div(W * c, 256), 256LL);
      const PixelArgb colour = family == kEffect && c != 255 ? effect : text;
      const long long values[4] = {ByteOf(colour, 0), ByteOf(colour, 1), ByteOf(colour, 2), 255};
      PixelArgb& d = PixelAt(bitmap, x + i, y + j);
      d = Combine(mode, d, values, w, 255);
    }
}

bool DrawGlyph(LICE_IBitmap* bitmap, const unsigned char* mask, int width, int height, int x, int y, const int* clip,
               const GlyphStyle& style)
{
  long long l = 0, t = 0, r = bitmap->Width(), b = bitmap->Height();
  if (clip)
  {
    l = std::max<long long>(l, clip[0]);
    t = std::max<long long>(t, clip[1]);
    r = std::min<long long>(r, clip[2]);
    b = std::min<long long>(b, clip[3]);
  }
  // The visible part of the mask.
  const long long vl = std::max<long long>(x, l), vt = std::max<long long>(y, t);
  const long long vr = std::min<long long>(static_cast<long long>(x) + width, r);
  const long long vb = std::min<long long>(static_cast<long long>(y) + height, b);
  if (vr <= vl || vb <= vt)
    return false;
  if (style.backMode == 2)
    FillBox(bitmap, static_cast<int>(vl), static_cast<int>(vt), static_cast<int>(vr - vl), static_cast<int>(vb - vt),
            style.back, style.alpha, style.mode & ~0x10000);
  const int mode = style.mode & 0xFF;
  long long W = Weight(style.alpha);
  if (style.family != kPlain)
    W = std::min(W, 256LL);
  for (long long py = vt; py < vb; ++py)
    for (long long px = vl; px < vr; ++px)
    {
      const unsigned char* c = mask + (py - y) * width + (px - x);
      if (style.family != kPlain && style.alpha == 1.0f && mode == 0)
      {
        if (*c)
          PixelAt(bitmap, px, py) = style.family == kMono || *c == 255 ? style.text : style.effect;
        continue;
      }
      if (W != 0)
        GlyphMask(bitmap, c, width, static_cast<int>(px), static_cast<int>(py), 1, 1, style.family, mode, W,
                  style.text, style.effect);
    }
  return true;
}

void Blur(LICE_IBitmap* bitmap, int width, int height, bool rowBuffer)
{
  if (!bitmap || !bitmap->PixelData())
    return;
  width = std::min(width, bitmap->Width());
  height = std::min(height, bitmap->Height());
  if (width < 2 || height < 2)
    return;
  std::vector<std::vector<PixelArgb>> input(height, std::vector<PixelArgb>(width));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      input[y][x] = PixelAt(bitmap, x, y);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
    {
      // The row above as it is now: smoothed already.
      const bool aboveSmoothed = y == height - 1 || !rowBuffer;
      long long out[4];
      for (int i = 0; i < 4; ++i)
      {
        const long long self = ByteOf(input[y][x], i);
        long long sum = self >> 1;
        const long long above = y > 0 ? ByteOf(aboveSmoothed ? PixelAt(bitmap, x, y - 1) : input[y - 1][x], i) : -1;
        const long long below = y + 1 < height ? ByteOf(input[y + 1][x], i) : -1;
        const long long left = x > 0 ? ByteOf(input[y][x - 1], i) : -1;
        const long long right = x + 1 < width ? ByteOf(input[y][x + 1], i) : -1;
        sum += above < 0 ? below >> 2 : below < 0 ? above >> 2 : (above >> 3) + (below >> 3);
        sum += left < 0 ? right >> 2 : right < 0 ? left >> 2 : (left >> 3) + (right >> 3);
        out[i] = sum;
      }
      PixelAt(bitmap, x, y) = Bytes(out[0], out[1], out[2], out[3]);
    }
}
}
