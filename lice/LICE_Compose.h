#pragma once

#include "LICE_Combine.h"

// A source rectangle: right and bottom exclusive.
struct LiceRect
{
  int left, top, right, bottom;
};

// Blits a rectangle of source (all of it when sourceRect is null) onto
// destination at (x, y), clipped against both, at the weight of alpha in
// the combine mode. Null or empty bitmaps, empty rectangles and a zero
// weight draw nothing.
void LICE_Compose(LICE_IBitmap* destination, LICE_IBitmap* source, int x, int y, const LiceRect* sourceRect,
                  float alpha, LiceCombine mode);

// Fills a rectangle of bitmap with one colour at the weight of alpha in the
// combine mode (channel copy draws nothing).
void LICE_FillBox(LICE_IBitmap* bitmap, int x, int y, int width, int height, PixelArgb colour, float alpha,
                  LiceCombine mode);
