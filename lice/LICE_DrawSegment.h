#pragma once

#include "LICE_Combine.h"

// Draws the segment from (x1, y1) to (x2, y2), both ends included, in one
// colour at the weight of alpha in the combine mode (its low byte only:
// CombineCopy to CombineHsvAdjust; anything else draws nothing),
// anti-aliased on diagonal and general segments when asked. The segment is
// clipped to the bitmap; nothing outside it is written.
void LICE_DrawSegment(LICE_IBitmap* bitmap, int x1, int y1, int x2, int y2, PixelArgb colour, float alpha,
                      LiceCombine mode, bool antiAlias);

// Cohen-Sutherland clipping to columns 0..width-1 and rows 0..height-1:
// true with the clipped end points written back when something is left.
bool ClipSegment(int& x1, int& y1, int& x2, int& y2, int width, int height);
