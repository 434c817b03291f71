#pragma once

#include "LICE_SysBitmap.h"

// What every font of the module shares, used on one thread at a time: the
// count of live fonts, the bitmap glyphs are rendered on and the one native
// text is drawn on when its target has no device context. The scratches
// come into being on first need and go with the last font.
namespace lice
{
int FontCount();
void FontCreated();
void FontDestroyed();

// Null while there is none.
LICE_SysBitmap* GlyphScratch();
LICE_SysBitmap* TextScratch();
// Create the scratch (0 by 0) when missing; null only when not even the
// object can be had.
LICE_SysBitmap* MakeGlyphScratch();
LICE_SysBitmap* MakeTextScratch();

// BlurGlyphScratch's filter on any bitmap: each of the top-left width x
// height pixels becomes half itself and an eighth of each neighbour (a
// quarter of the opposite one at an edge), per byte. Inputs are the
// unsmoothed pixels, except that the last row, and every row when the row
// buffer of a width above 1024 cannot be had, reads the row above as
// already smoothed.
void SmoothTopLeft(LICE_IBitmap* bitmap, int width, int height);
}

// Smooths the top-left width x height pixels of the glyph scratch.
void BlurGlyphScratch(int width, int height);
