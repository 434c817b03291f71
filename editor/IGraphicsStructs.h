#pragma once

// The editor's plain records: rectangles, colours, text styles, image
// strips, mouse keys and blends.

class LICE_IBitmap;
class LICE_CachedFont;

// A rectangle of editor pixels, right and bottom exclusive. All zero is the
// empty rectangle, which never intersects and never hits.
struct IBounds
{
  int left = 0, top = 0, right = 0, bottom = 0;

  IBounds() = default;
  IBounds(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}

  bool Empty() const { return !left && !top && !right && !bottom; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  // Closed on this rectangle's right and bottom edge, open on other's: a
  // right edge equal to other's left edge touches it.
  bool Intersects(const IBounds& other) const
  {
    return !Empty() && !other.Empty() && right >= other.left && left < other.right && bottom >= other.top &&
           top < other.bottom;
  }
  IBounds Union(const IBounds& other) const;
  IBounds Intersection(const IBounds& other) const;
  bool Hit(int x, int y) const { return !Empty() && left <= x && x < right && top <= y && y < bottom; }
  bool operator==(const IBounds& o) const
  {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

// A colour, each part 0 to 255.
struct IArgb
{
  int alpha = 255, red = 0, green = 0, blue = 0;

  IArgb() = default;
  IArgb(int a, int r, int g, int b) : alpha(a), red(r), green(g), blue(b) {}
  unsigned Packed() const
  {
    return static_cast<unsigned>(alpha & 0xFF) << 24 | static_cast<unsigned>(red & 0xFF) << 16 |
           static_cast<unsigned>(green & 0xFF) << 8 | static_cast<unsigned>(blue & 0xFF);
  }
};

constexpr int kFontNameLength = 32;

enum ITextAlignment
{
  kAlignNear = 0,
  kAlignCenter = 1,
  kAlignFar = 2,
};

struct ITextStyle
{
  ITextStyle() = default;
  ITextStyle(const char* fontName, int size, IArgb colour, int alignment = kAlignCenter);

  char font[kFontNameLength] = "Arial";
  int size = 12;
  IArgb colour{255, 0, 0, 0};
  IArgb entryBackground{255, 255, 255, 255};
  IArgb entryColour{255, 0, 0, 0};
  int style = 0;  // 0 normal, 1 bold, 2 italic
  int alignment = kAlignCenter;
  int orientation = 0;  // degrees
  int quality = 0;
  // The font obtained for this style, once asked (owned by the font cache).
  LICE_CachedFont* cachedFont = nullptr;
};

// A loaded image and how many frames it holds, stacked vertically or side
// by side. The bitmap belongs to the bitmap cache.
struct IImageStrip
{
  LICE_IBitmap* bitmap = nullptr;
  int width = 0, height = 0;
  int frames = 1;
  bool framesSideBySide = false;
};

struct IMouseKeys
{
  bool left = false, right = false, shift = false, control = false, alt = false;
};

enum IBlendKind
{
  BlendNormal = 0,
  BlendOpaque = 1,
  BlendAdd = 2,
  BlendDodge = 3,
};

struct ILayerBlend
{
  IBlendKind kind = BlendNormal;
  float weight = 1.0f;
};
