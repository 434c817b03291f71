// Off Windows glyphs come from the stand-in description a handle points to.

#include "LICE_GlyphRaster.h"
#include "LICE_Rows.h"
#include "LICE_StandInFont.h"

namespace
{
LiceStandInFont* StandIn(LiceFontHandle font) { return reinterpret_cast<LiceStandInFont*>(font); }
}

void lice::PrepareGlyphScratch(LICE_IBitmap*) {}

bool lice::ReadLineHeight(LICE_IBitmap*, LiceFontHandle font, int* height)
{
  if (!font)
    return false;
  *height = StandIn(font)->lineHeight;
  return true;
}

void lice::DeleteFontHandle(LiceFontHandle font)
{
  if (font)
    ++StandIn(font)->deletions;
}

lice::GlyphRaster::GlyphRaster(LICE_IBitmap* scratch, LiceFontHandle font) : mScratch(scratch), mFont(font) {}

lice::GlyphRaster::~GlyphRaster() {}

lice::GlyphCell lice::GlyphRaster::Measure(std::uint16_t code) const
{
  if (!mFont || !StandIn(mFont)->glyph)
    return {0, 0};
  const LiceStandInGlyph glyph = StandIn(mFont)->glyph(code);
  return {glyph.advance, glyph.cellHeight};
}

void lice::GlyphRaster::Draw(std::uint16_t code, int, int) const
{
  if (!mFont || !StandIn(mFont)->glyph || !mScratch || !mScratch->PixelData())
    return;
  const LiceStandInGlyph glyph = StandIn(mFont)->glyph(code);
  if (glyph.width < 1)
    return;
  const int rowsOfImage = static_cast<int>(glyph.image.size() / glyph.width);
  const int width = glyph.width < mScratch->Width() ? glyph.width : mScratch->Width();
  const int height = rowsOfImage < mScratch->Height() ? rowsOfImage : mScratch->Height();
  const Rows rows(mScratch, 0, 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
    {
      const PixelArgb i = glyph.image[static_cast<std::size_t>(y) * glyph.width + x];
      rows.Row(y)[x] = i << 16 | i << 8 | i;
    }
}
