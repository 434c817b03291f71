#pragma once

#include "LICE_Combine.h"

#include <cstddef>

// The loops that compose a glyph's coverage mask into a bitmap: one per
// style family and combine mode, chosen once per call. The glyph colour's
// alpha counts as 255; pixels of coverage 0 are left alone.
namespace lice
{
enum class GlyphFamily
{
  Plain,   // weight by coverage c: c + 1 at a weight of exactly 256, else min(weight * c / 256, 256)
  Mono,    // every inked pixel at the weight
  Effect,  // every inked pixel at the weight, in the text colour at 255 and the effect colour elsewhere
};

struct GlyphColours
{
  int red, green, blue;
  int effectRed, effectGreen, effectBlue;
};

// width x height mask bytes, rows maskStride apart, onto target rows
// targetStep pixels apart, in mode byte 0 to 5 (copy at a positive weight
// only; other modes draw nothing).
void ComposeGlyphMask(GlyphFamily family, int modeByte, const unsigned char* mask, int maskStride, PixelArgb* target,
                      std::ptrdiff_t targetStep, int width, int height, const GlyphColours& colours, int weight);
}
