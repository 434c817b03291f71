#include "Text.h"

#include "Glyphs.h"

#include <cmath>

namespace
{
// Gap between two letters' strokes, in glyph units, before tracking.
const double kLetterGapUnits = 1.7;

double Scale(const TextStyle& style)
{
  return style.capHeight / kCapHeightUnits;
}

double Gap(const TextStyle& style)
{
  return kLetterGapUnits * Scale(style) + style.tracking;
}

double Advance(const Glyph& glyph, const TextStyle& style)
{
  return glyph.width * Scale(style) + style.strokeWidth + Gap(style);
}
}  // namespace

double TextWidth(const std::string& text, const TextStyle& style)
{
  double width = 0;
  for (char c : text)
    if (const Glyph* glyph = FindGlyph(c))
      width += Advance(*glyph, style);
  return width > 0 ? width - Gap(style) : 0;
}

void DrawText(Canvas& canvas, const std::string& text, Point anchor, Align align, const TextStyle& style,
              const Paint& paint)
{
  const double width = TextWidth(text, style);
  const double halfStroke = style.strokeWidth / 2;
  // Each glyph's first stem and the baseline stroke land on pixel centres,
  // which keeps small lettering crisp.
  double pen = align == Align::Centre ? anchor.x - width / 2 : anchor.x;
  const double baseline = std::floor(anchor.y) + 0.5;
  const double scale = Scale(style);
  const double capLine = baseline - kCapHeightUnits * scale;
  std::vector<Polyline> lines;
  for (char c : text)
  {
    const Glyph* glyph = FindGlyph(c);
    if (!glyph)
      continue;
    const double left = std::floor(pen + halfStroke) + 0.5;
    for (const Polyline& stroke : glyph->strokes)
    {
      Polyline placed;
      for (const Point& p : stroke)
        placed.push_back({left + p.x * scale, capLine + p.y * scale});
      lines.push_back(placed);
    }
    pen += Advance(*glyph, style);
  }
  // One shape for the whole line: crossing strokes must not be inked twice.
  if (!lines.empty())
    canvas.Fill(Strokes(lines, style.strokeWidth), paint);
}
