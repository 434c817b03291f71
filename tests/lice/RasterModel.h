#pragma once

#include "LICE_IBitmap.h"

// The compose and fill of the raster library written the plain way, one
// pixel at a time through (x, y) and every formula spelled out, for the
// tests to check the library against and for the benchmark to measure the
// library's fast paths against. It shares no code with the library.
namespace model
{
void Compose(LICE_IBitmap* destination, LICE_IBitmap* source, int x, int y, const int* sourceRect, float alpha,
             int mode);
void FillBox(LICE_IBitmap* bitmap, int x, int y, int width, int height, PixelArgb colour, float alpha, int mode);
// Segments: the shapes sorted as the library does, every pixel and weight
// of a general segment from its closed form rather than by stepping.
void DrawSegment(LICE_IBitmap* bitmap, int x1, int y1, int x2, int y2, PixelArgb colour, float alpha, int mode,
                 bool antiAlias);
// The hue, saturation and value adjustment of one pixel.
PixelArgb Hsv(PixelArgb destination, int red, int green, int blue, int alpha, long long weight);

// Glyphs. Family 0 plain (weight by coverage), 1 mono, 2 effect.
enum GlyphFamily
{
  kPlain,
  kMono,
  kEffect
};
// A coverage mask (rows stride bytes apart) composed with its top left at
// (x, y) in the glyph colour (alpha 255) at the weight as given.
void GlyphMask(LICE_IBitmap* bitmap, const unsigned char* mask, int stride, int x, int y, int width, int height,
               int family, int mode, long long weight, PixelArgb text, PixelArgb effect);
struct GlyphStyle
{
  int family;
  PixelArgb text, effect, back;
  int backMode;
  float alpha;
  int mode;
};
// One cached glyph drawn by a font: cut to the clip (left, top, right,
// bottom; null: the whole bitmap) and the bitmap, the background box, the
// whole-word path and the weight limit. False when nothing is inside.
bool DrawGlyph(LICE_IBitmap* bitmap, const unsigned char* mask, int width, int height, int x, int y, const int* clip,
               const GlyphStyle& style);
// The smoothing of the glyph scratch over the top-left width x height
// pixels; without the row buffer every row reads the one above smoothed.
void Blur(LICE_IBitmap* bitmap, int width, int height, bool rowBuffer);
}
