#include "LICE_GlyphLoops.h"

namespace
{
using lice::Channel;
using lice::MakePixel;

struct Colour
{
  int red, green, blue;
};

// Per-pixel weights of the families, from the coverage byte.
struct FullCoverageWeight  // plain family at weight 256: no multiplication
{
  int operator()(int c) const { return c + 1; }
};
struct CoverageWeight
{
  int weight;
  int operator()(int c) const
  {
    const int w = weight * c / 256;
    return w < 256 ? w : 256;
  }
};
struct FlatWeight
{
  int weight;
  int operator()(int) const { return weight; }
};

// Which colour an inked pixel takes.
struct TextColour
{
  Colour text;
  const Colour& operator()(int) const { return text; }
};
struct TextOrEffectColour
{
  Colour text, effect;
  const Colour& operator()(int c) const { return c == 255 ? text : effect; }
};

// The modes: colour x combined into p at weight w, with alpha 255.
struct CopyMode
{
  static void Apply(PixelArgb* p, const Colour& x, int w)
  {
    const PixelArgb d = *p;
    *p = MakePixel(lice::CopyChannel(x.blue, Channel(d, 0), w), lice::CopyChannel(x.green, Channel(d, 1), w),
                   lice::CopyChannel(x.red, Channel(d, 2), w), lice::CopyChannel(255, Channel(d, 3), w));
  }
};
struct AddMode
{
  static void Apply(PixelArgb* p, const Colour& x, int w) { CombineAddPixel(p, x.red, x.green, x.blue, 255, w); }
};
struct DodgeMode
{
  static void Apply(PixelArgb* p, const Colour& x, int w) { CombineDodgePixel(p, x.red, x.green, x.blue, 255, w); }
};
struct MultiplyMode
{
  static void Apply(PixelArgb* p, const Colour& x, int w)
  {
    const PixelArgb d = *p;
    *p = MakePixel(lice::MultiplyChannel(x.blue, Channel(d, 0), w), lice::MultiplyChannel(x.green, Channel(d, 1), w),
                   lice::MultiplyChannel(x.red, Channel(d, 2), w), lice::MultiplyChannel(255, Channel(d, 3), w));
  }
};
struct OverlayMode
{
  static void Apply(PixelArgb* p, const Colour& x, int w) { CombineOverlayPixel(p, x.red, x.green, x.blue, 255, w); }
};
struct HsvMode
{
  static void Apply(PixelArgb* p, const Colour& x, int w) { CombineHsvPixel(p, x.red, x.green, x.blue, 255, w); }
};

struct Mask
{
  const unsigned char* bytes;
  int stride;
  PixelArgb* target;
  std::ptrdiff_t step;
  int width, height;
};

template <class Mode, class Weight, class Pick>
void MaskRows(const Mask& m, Weight weight, Pick pick)
{
  for (int row = 0; row < m.height; ++row)
  {
    const unsigned char* coverage = m.bytes + static_cast<std::ptrdiff_t>(row) * m.stride;
    PixelArgb* p = m.target + row * m.step;
    for (int x = 0; x < m.width; ++x)
      if (const int c = coverage[x])
        Mode::Apply(p + x, pick(c), weight(c));
  }
}

template <class Mode>
void FamilyRows(lice::GlyphFamily family, const Mask& m, const lice::GlyphColours& c, int weight)
{
  const Colour text = {c.red, c.green, c.blue}, effect = {c.effectRed, c.effectGreen, c.effectBlue};
  switch (family)
  {
  case lice::GlyphFamily::Plain:
    if (weight == 256)
      MaskRows<Mode>(m, FullCoverageWeight{}, TextColour{text});
    else
      MaskRows<Mode>(m, CoverageWeight{weight}, TextColour{text});
    break;
  case lice::GlyphFamily::Mono:
    MaskRows<Mode>(m, FlatWeight{weight}, TextColour{text});
    break;
  case lice::GlyphFamily::Effect:
    MaskRows<Mode>(m, FlatWeight{weight}, TextOrEffectColour{text, effect});
    break;
  }
}
}

void lice::ComposeGlyphMask(GlyphFamily family, int modeByte, const unsigned char* mask, int maskStride,
                            PixelArgb* target, std::ptrdiff_t targetStep, int width, int height,
                            const GlyphColours& colours, int weight)
{
  const Mask m = {mask, maskStride, target, targetStep, width, height};
  switch (modeByte)
  {
  case CombineCopy:
    if (weight > 0)
      FamilyRows<CopyMode>(family, m, colours, weight);
    break;
  case CombineAdd:
    FamilyRows<AddMode>(family, m, colours, weight);
    break;
  case CombineDodge:
    FamilyRows<DodgeMode>(family, m, colours, weight);
    break;
  case CombineMultiply:
    FamilyRows<MultiplyMode>(family, m, colours, weight);
    break;
  case CombineOverlay:
    FamilyRows<OverlayMode>(family, m, colours, weight);
    break;
  case CombineHsvAdjust:
    FamilyRows<HsvMode>(family, m, colours, weight);
    break;
  default:
    break;
  }
}
