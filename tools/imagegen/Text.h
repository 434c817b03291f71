// Single lines of panel lettering set in the glyphs of Glyphs.h.

#pragma once

#include "Canvas.h"

#include <string>

struct TextStyle
{
  double capHeight;    // pixels
  double strokeWidth;  // pixels
  double tracking = 0; // extra pixels between letters
};

enum class Align
{
  Left,
  Centre
};

// Inked width, stroke ends included.
double TextWidth(const std::string& text, const TextStyle& style);

// The anchor's x is the text's left end or its middle by `align`; its y is
// the baseline. Characters without a glyph are skipped.
void DrawText(Canvas& canvas, const std::string& text, Point anchor, Align align, const TextStyle& style,
              const Paint& paint);
