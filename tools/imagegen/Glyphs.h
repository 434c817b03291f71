// The panel lettering: a small geometric sans-serif drawn as strokes.
// Glyph units: the cap line at y = 0, the x-height line at 3, the baseline
// at 10 and the descender at 13, y growing downwards; x starts at the left
// stroke centre and runs to `width` at the right one.

#pragma once

#include "Geometry.h"

#include <vector>

struct Glyph
{
  double width;
  std::vector<Polyline> strokes;
};

const double kCapHeightUnits = 10.0;

// Null for a character the lettering has no glyph for.
const Glyph* FindGlyph(char c);
