#pragma once

#include "LICE_IFont.h"

// The system's text renderer as the glyph cache uses it: GDI on Windows,
// a stand-in description elsewhere (LICE_StandInFont.h).
namespace lice
{
// Sets up a freshly sized scratch's drawing context: white text on an
// opaque black background.
void PrepareGlyphScratch(LICE_IBitmap* scratch);

// The font's metric height, read with the font selected into the scratch;
// false (height untouched) when it cannot be read.
bool ReadLineHeight(LICE_IBitmap* scratch, LiceFontHandle font, int* height);

void DeleteFontHandle(LiceFontHandle font);

// What measuring one character alone gives: its right and its bottom.
struct GlyphCell
{
  int advance;
  int height;
};

// The font selected into the scratch for as long as this lives (a null
// font leaves the scratch's own).
class GlyphRaster
{
public:
  GlyphRaster(LICE_IBitmap* scratch, LiceFontHandle font);
  ~GlyphRaster();
  GlyphRaster(const GlyphRaster&) = delete;
  GlyphRaster& operator=(const GlyphRaster&) = delete;

  GlyphCell Measure(std::uint16_t code) const;
  // Draws the character white on black at the scratch's top left, placed
  // in a width x height cell but not clipped to it.
  void Draw(std::uint16_t code, int width, int height) const;

private:
  LICE_IBitmap* mScratch;
  LiceFontHandle mFont;
  [[maybe_unused]] void* mPrevious = nullptr;  // the object the font replaced
};
}
