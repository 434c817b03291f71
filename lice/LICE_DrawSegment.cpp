// Segments: clipped, sorted into horizontal, vertical, 45-degree and general
// ones, and drawn by one pixel loop per shape and mode chosen once per
// segment. General segments step in 16.16 fixed point from both ends
// towards the middle.

#include "LICE_DrawSegment.h"

#include <climits>
#include <cmath>

namespace
{
using lice::Channel;

int Outcode(long long x, long long y, int width, int height)
{
  int code = x < 0 ? 1 : (x >= width ? 2 : 0);
  code |= y < 0 ? 4 : (y >= height ? 8 : 0);
  return code;
}

// Row y of a bitmap stored bottom-up, held in the int range.
int MirrorRow(int y, int height)
{
  const long long row = height - 1LL - y;
  return static_cast<int>(row > INT_MAX ? INT_MAX : (row < INT_MIN ? INT_MIN : row));
}

// An interpolated coordinate, truncated and held in the int range.
long long Interpolate(long long from, long long delta, long long along, long long over)
{
  const double value = std::trunc(static_cast<double>(delta) * static_cast<double>(along) / static_cast<double>(over));
  const double limited = value > INT_MAX ? INT_MAX : (value < INT_MIN ? INT_MIN : value);
  return from + static_cast<long long>(limited);
}

// The per-pixel operations at weight k, with the colour's four bytes.
struct Colour
{
  explicit Colour(PixelArgb c) : word(c), b(Channel(c, 0)), g(Channel(c, 1)), r(Channel(c, 2)), a(Channel(c, 3)) {}
  PixelArgb word;
  int b, g, r, a;
};

struct StoreOp
{
  Colour c;
  void operator()(PixelArgb* p, int) const { *p = c.word; }
};

struct AverageOp
{
  Colour c;
  void operator()(PixelArgb* p, int) const
  {
    const PixelArgb d = *p;
    *p = lice::MakePixel((Channel(d, 0) + c.b) >> 1, (Channel(d, 1) + c.g) >> 1, (Channel(d, 2) + c.r) >> 1,
                         (Channel(d, 3) + c.a) >> 1);
  }
};

struct CopyOp
{
  Colour c;
  void operator()(PixelArgb* p, int k) const
  {
    const PixelArgb d = *p;
    *p = lice::MakePixel(lice::CopyChannel(c.b, Channel(d, 0), k), lice::CopyChannel(c.g, Channel(d, 1), k),
                         lice::CopyChannel(c.r, Channel(d, 2), k), lice::CopyChannel(c.a, Channel(d, 3), k));
  }
};

struct AddOp
{
  Colour c;
  void operator()(PixelArgb* p, int k) const { CombineAddPixel(p, c.r, c.g, c.b, c.a, k); }
};

struct DodgeOp
{
  Colour c;
  void operator()(PixelArgb* p, int k) const { CombineDodgePixel(p, c.r, c.g, c.b, c.a, k); }
};

struct MultiplyOp
{
  Colour c;
  void operator()(PixelArgb* p, int k) const
  {
    const PixelArgb d = *p;
    *p = lice::MakePixel(lice::MultiplyChannel(c.b, Channel(d, 0), k), lice::MultiplyChannel(c.g, Channel(d, 1), k),
                         lice::MultiplyChannel(c.r, Channel(d, 2), k), lice::MultiplyChannel(c.a, Channel(d, 3), k));
  }
};

struct OverlayOp
{
  Colour c;
  void operator()(PixelArgb* p, int k) const { CombineOverlayPixel(p, c.r, c.g, c.b, c.a, k); }
};

struct HsvOp
{
  Colour c;
  void operator()(PixelArgb* p, int k) const { CombineHsvPixel(p, c.r, c.g, c.b, c.a, k); }
};

// A run of n pixels from first, step pixels apart.
template <class Op>
void Run(PixelArgb* first, int n, std::ptrdiff_t step, int w, Op op)
{
  for (int i = 0; i < n; ++i, first += step)
    op(first, w);
}

// A 45-degree segment of n steps (n + 1 points); anti-aliased, each of the
// first n points shares the square to the next with its two corners.
template <class Op>
void Diagonal(PixelArgb* p, int n, std::ptrdiff_t xStep, std::ptrdiff_t yStep, int w, bool antiAlias, Op op)
{
  if (!antiAlias)
  {
    Run(p, n + 1, xStep + yStep, w, op);
    return;
  }
  const int point = w * 3 / 4, corner = w / 4;
  for (int i = 0; i < n; ++i, p += xStep + yStep)
  {
    op(p, point);
    op(p + xStep, corner);
    op(p + yStep, corner);
  }
  op(p, point);
}

// A general segment, from both ends towards the middle.
template <class Op>
void General(PixelArgb* p1, PixelArgb* p2, int major, std::ptrdiff_t majorStep, std::ptrdiff_t minorStep, int slope,
             int w, bool antiAlias, Op op)
{
  const int halves = (major + 1) / 2;
  if (!antiAlias)
  {
    int acc = 0;
    for (int i = 0; i < halves; ++i)
    {
      op(p1, w);
      op(p2, w);
      acc += slope;
      if (acc >= 32768)
      {
        p1 += minorStep;
        p2 -= minorStep;
        acc -= 65536;
      }
      p1 += majorStep;
      p2 -= majorStep;
    }
    if (major % 2 == 0)
      op(p1, w);
    return;
  }
  auto shares = [w](int g, int* a, int* b) {
    const int f = g >> 8;
    if (w == 256)
    {
      *a = 255 - f;
      *b = f;
    }
    else
    {
      *a = ((255 - f) * w) >> 8;
      *b = (f * w) >> 8;
    }
  };
  op(p1, w);
  op(p2, w);
  p1 += majorStep;
  p2 -= majorStep;
  int g = slope, a, b;
  for (int i = 1; i < halves; ++i)
  {
    shares(g, &a, &b);
    op(p1, a);
    op(p1 + minorStep, b);
    op(p2, a);
    op(p2 - minorStep, b);
    g += slope;
    if (g >= 65536)
    {
      p1 += minorStep;
      p2 -= minorStep;
      g -= 65536;
    }
    p1 += majorStep;
    p2 -= majorStep;
  }
  if (major % 2 == 0)
  {
    shares(g, &a, &b);
    op(p1, a);
    op(p1 + minorStep, b);
  }
}

// The clipped segment, sorted by shape.
struct Segment
{
  PixelArgb* pixels;
  std::ptrdiff_t span;
  int x1, y1, x2, y2;
  PixelArgb* At(int x, int y) const { return pixels + y * span + x; }
};

template <class Op>
void DrawShape(const Segment& s, int w, bool antiAlias, Op op)
{
  if (s.y1 == s.y2)
  {
    const int left = s.x1 < s.x2 ? s.x1 : s.x2;
    Run(s.At(left, s.y1), (s.x1 < s.x2 ? s.x2 - s.x1 : s.x1 - s.x2) + 1, 1, w, op);
    return;
  }
  if (s.x1 == s.x2)
  {
    const int top = s.y1 < s.y2 ? s.y1 : s.y2;
    Run(s.At(s.x1, top), (s.y1 < s.y2 ? s.y2 - s.y1 : s.y1 - s.y2) + 1, s.span, w, op);
    return;
  }
  int dx = s.x2 - s.x1, dy = s.y2 - s.y1;
  const int adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  if (adx == ady)
  {
    Diagonal(s.At(s.x1, s.y1), adx, dx > 0 ? 1 : -1, dy > 0 ? s.span : -s.span, w, antiAlias, op);
    return;
  }
  PixelArgb* p1 = s.At(s.x1, s.y1);
  PixelArgb* p2 = s.At(s.x2, s.y2);
  int major = dx, minor = dy;
  std::ptrdiff_t majorStep = 1, minorStep = s.span;
  if (adx <= ady)
  {
    major = dy;
    minor = dx;
    majorStep = s.span;
    minorStep = 1;
  }
  if (major < 0)
  {
    PixelArgb* swap = p1;
    p1 = p2;
    p2 = swap;
    major = -major;
    minor = -minor;
  }
  if (minor < 0)
  {
    minor = -minor;
    minorStep = -minorStep;
  }
  const int slope = static_cast<int>(std::trunc(static_cast<double>(minor) / major * 65536.0));
  General(p1, p2, major, majorStep, minorStep, slope, w, antiAlias, op);
}

template <class Op>
void DrawMode(const Segment& s, int w, bool antiAlias, Op op)
{
  if (w)
    DrawShape(s, w, antiAlias, op);
}

bool IsHorizontalOrVertical(const Segment& s) { return s.y1 == s.y2 || s.x1 == s.x2; }

bool IsDiagonal(const Segment& s)
{
  const int dx = s.x2 - s.x1, dy = s.y2 - s.y1;
  return (dx < 0 ? -dx : dx) == (dy < 0 ? -dy : dy);
}

// CombineCopy at the alphas with whole-word formulas: 1.0, 0.5, 0.25 and
// 0.75 on horizontal and vertical segments, 1.0 on 45-degree ones.
bool DrawCopyShiftPaths(const Segment& s, PixelArgb c, float alpha, bool antiAlias)
{
  const PixelArgb h1 = 0x7F7F7F7F, h2 = 0x3F3F3F3F;
  auto threeQuarters = [=](PixelArgb* p, int) { *p = ((*p >> 2) & h2) + ((c >> 1) & h1) + ((c >> 2) & h2); };
  if (IsHorizontalOrVertical(s))
  {
    if (alpha == 1.0f)
      DrawShape(s, 256, false, [c](PixelArgb* p, int) { *p = c; });
    else if (alpha == 0.5f)
      DrawShape(s, 128, false, [=](PixelArgb* p, int) { *p = ((*p >> 1) & h1) + ((c >> 1) & h1); });
    else if (alpha == 0.25f)
      DrawShape(s, 64, false, [=](PixelArgb* p, int) { *p = ((*p >> 1) & h1) + ((*p >> 2) & h2) + ((c >> 2) & h2); });
    else if (alpha == 0.75f)
      DrawShape(s, 192, false, threeQuarters);
    else
      return false;
    return true;
  }
  if (!IsDiagonal(s) || alpha != 1.0f)
    return false;
  // StraightSegmentRun: the points full, or three quarters with a quarter
  // on the two corners between each point and the next.
  const int dx = s.x2 - s.x1, dy = s.y2 - s.y1;
  const std::ptrdiff_t xStep = dx > 0 ? 1 : -1, yStep = dy > 0 ? s.span : -s.span;
  const int n = dx < 0 ? -dx : dx;
  PixelArgb* p = s.At(s.x1, s.y1);
  if (!antiAlias)
  {
    Run(p, n + 1, xStep + yStep, 0, [c](PixelArgb* q, int) { *q = c; });
    return true;
  }
  auto quarter = [=](PixelArgb* q) { *q = ((*q >> 1) & h1) + ((*q >> 2) & h2) + ((c >> 2) & h2); };
  for (int i = 0; i < n; ++i, p += xStep + yStep)
  {
    threeQuarters(p, 0);
    quarter(p + xStep);
    quarter(p + yStep);
  }
  threeQuarters(p, 0);
  return true;
}
}

bool ClipSegment(int& x1, int& y1, int& x2, int& y2, int width, int height)
{
  long long ax = x1, ay = y1, bx = x2, by = y2;
  int code1 = Outcode(ax, ay, width, height), code2 = Outcode(bx, by, width, height);
  // Each pass puts one end on an edge; four per end suffice, the bound only
  // guards against coordinates that rounding keeps from settling.
  for (int pass = 0; pass < 16; ++pass)
  {
    if (!(code1 | code2))
    {
      x1 = static_cast<int>(ax);
      y1 = static_cast<int>(ay);
      x2 = static_cast<int>(bx);
      y2 = static_cast<int>(by);
      return true;
    }
    if (code1 & code2)
      return false;
    const int out = code1 ? code1 : code2;
    long long x, y;
    if (out & 8)
    {
      y = height - 1;
      x = Interpolate(ax, bx - ax, height - ay, by - ay);
    }
    else if (out & 4)
    {
      y = 0;
      x = Interpolate(ax, -(bx - ax), ay, by - ay);
    }
    else if (out & 2)
    {
      x = width - 1;
      y = Interpolate(ay, by - ay, width - ax, bx - ax);
    }
    else
    {
      x = 0;
      y = Interpolate(ay, -(by - ay), ax, bx - ax);
    }
    if (out == code1)
    {
      ax = x;
      ay = y;
      code1 = Outcode(ax, ay, width, height);
    }
    else
    {
      bx = x;
      by = y;
      code2 = Outcode(bx, by, width, height);
    }
  }
  return false;
}

void LICE_DrawSegment(LICE_IBitmap* bitmap, int x1, int y1, int x2, int y2, PixelArgb colour, float alpha,
                      LiceCombine mode, bool antiAlias)
{
  if (!bitmap || !bitmap->PixelData() || !bitmap->RowSpan())
    return;
  const int width = bitmap->Width(), height = bitmap->Height();
  if (bitmap->IsFlipped())
  {
    y1 = MirrorRow(y1, height);
    y2 = MirrorRow(y2, height);
  }
  if (!ClipSegment(x1, y1, x2, y2, width, height))
    return;
  const Segment s = {bitmap->PixelData(), bitmap->RowSpan(), x1, y1, x2, y2};
  const int modeByte = mode & CombineModeMask;
  if (modeByte == CombineCopy && DrawCopyShiftPaths(s, colour, alpha, antiAlias))
    return;
  const int w = LiceWeight(alpha);
  const Colour c(colour);
  const bool copyAntiAliased = antiAlias && !IsHorizontalOrVertical(s);
  switch (modeByte)
  {
  case CombineCopy:
    if (w <= 0)
      break;
    if (copyAntiAliased || (w != 256 && w != 128))
      DrawShape(s, w, antiAlias, CopyOp{c});
    else if (w == 256)
      DrawShape(s, w, antiAlias, StoreOp{c});
    else
      DrawShape(s, w, antiAlias, AverageOp{c});
    break;
  case CombineAdd: DrawMode(s, w, antiAlias, AddOp{c}); break;
  case CombineDodge: DrawMode(s, w, antiAlias, DodgeOp{c}); break;
  case CombineMultiply: DrawMode(s, w, antiAlias, MultiplyOp{c}); break;
  case CombineOverlay: DrawMode(s, w, antiAlias, OverlayOp{c}); break;
  case CombineHsvAdjust: DrawMode(s, w, antiAlias, HsvOp{c}); break;
  default: break;
  }
}
