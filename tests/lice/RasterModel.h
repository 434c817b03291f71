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
}
