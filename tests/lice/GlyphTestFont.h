#pragma once

// A stand-in font of solid blocks for the layout and glyph tests, and what
// the plain model draws for glyphs of it at given places.

#include "LICE_CachedFont.h"
#include "RasterModel.h"
#include "StandInGlyphs.h"
#include "TestBitmap.h"

#include <vector>

struct Placement
{
  std::uint16_t code;
  int x, y;
};

struct GlyphTestFont
{
  static constexpr int kLineHeight = 8;

  LiceStandInFont standIn;
  LICE_CachedFont font;
  int flags = 0;
  PixelArgb text = 0xFF102030, effect = 0xFF00FF00, back = 0x80808080;
  int backMode = 1;
  int mode = CombineCopy;
  float alpha = 1.0f;

  // 'A', 'B', 'C' blocks of different sizes ('C' inks past its advance),
  // 'W' 40 x 10, a space, and 0xE9 a small block; soft coverage in 'B'.
  explicit GlyphTestFont(int fontFlags = 0) : flags(fontFlags)
  {
    standIn.lineHeight = kLineHeight;
    UseTable(standIn, {{'A', BlockGlyph(4, 8, 3, 5)},
                       {'B', BlockGlyph(5, 9, 5, 6, 200)},
                       {'C', BlockGlyph(2, 8, 4, 3)},
                       {'W', BlockGlyph(40, 10, 40, 10)},
                       {' ', StandInGlyph(3, 8, 0, {})},
                       {0xE9, BlockGlyph(6, 8, 2, 2)}});
    font.AdoptSystemFont(StandInFontHandle(&standIn), flags);
    Apply();
  }

  // The font takes the style fields.
  void Apply()
  {
    font.ExchangeTextColor(text);
    font.ExchangeEffectColor(effect);
    font.ExchangeBackColor(back);
    font.ExchangeBackMode(backMode);
    font.SetCompose(mode, alpha);
  }

  model::GlyphStyle Style(float drawAlpha) const
  {
    const int family = (flags & FontMono) ? model::kMono : (flags & (FontShadow | FontOutline)) ? model::kEffect
                                                                                                 : model::kPlain;
    return {family, text, effect, back, backMode, drawAlpha, mode};
  }

  // The glyphs drawn one by one by the model onto a copy of the pixels.
  std::vector<PixelArgb> Expected(TestBitmap& before, const std::vector<Placement>& placements, const int* clip,
                                  float drawAlpha)
  {
    TestBitmap expected(before.Width(), before.Height());
    for (int y = 0; y < before.Height(); ++y)
      for (int x = 0; x < before.Width(); ++x)
        expected.At(x, y) = before.At(x, y);
    for (const Placement& p : placements)
    {
      if (!font.FindGlyph(p.code) || !font.FindGlyph(p.code)->offset)
        font.RenderGlyph(p.code);
      const GlyphEntry* entry = font.FindGlyph(p.code);
      model::DrawGlyph(&expected, font.GlyphMask(entry), entry->width, entry->height, p.x, p.y, clip,
                       Style(drawAlpha));
    }
    return expected.Pixels();
  }
  std::vector<PixelArgb> Expected(TestBitmap& before, const std::vector<Placement>& placements, const int* clip)
  {
    return Expected(before, placements, clip, alpha);
  }
};
