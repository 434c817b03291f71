#pragma once

#include "LICE_IFont.h"

#include <cstdint>
#include <functional>
#include <vector>

// Off Windows a font handle points to one of these, and the glyph cache
// renders from it what GDI would give: per character the measured advance
// and cell height and an intensity image drawn white on black at the cell's
// top left. The tests, the fuzz target and the benchmark make them.
struct LiceStandInGlyph
{
  int advance = 0;
  int cellHeight = 0;
  int width = 0;                     // of the image
  std::vector<unsigned char> image;  // rows of width intensities
};

struct LiceStandInFont
{
  int lineHeight = 0;  // the metric height
  std::function<LiceStandInGlyph(std::uint16_t code)> glyph;
  int deletions = 0;  // how often the handle was deleted
};

inline LiceFontHandle StandInFontHandle(LiceStandInFont* font) { return reinterpret_cast<LiceFontHandle>(font); }
