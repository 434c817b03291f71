#pragma once

// Stand-in fonts for the tests, the fuzz target and the benchmark (off
// Windows): glyphs from a table of images, or drawn by a rule for any code.

#include "LICE_StandInFont.h"

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

inline LiceStandInGlyph StandInGlyph(int advance, int cellHeight, int width, std::vector<unsigned char> image)
{
  LiceStandInGlyph glyph;
  glyph.advance = advance;
  glyph.cellHeight = cellHeight;
  glyph.width = width;
  glyph.image = std::move(image);
  return glyph;
}

// A solid block of ink: width x height of intensity, advance and cell as
// given.
inline LiceStandInGlyph BlockGlyph(int advance, int cellHeight, int width, int height, unsigned char intensity = 255)
{
  return StandInGlyph(advance, cellHeight, width, std::vector<unsigned char>(width * height, intensity));
}

// Codes not in the table measure 0 wide and draw nothing.
inline void UseTable(LiceStandInFont& font, std::map<std::uint16_t, LiceStandInGlyph> table)
{
  font.glyph = [table = std::move(table)](std::uint16_t code) {
    const auto found = table.find(code);
    return found == table.end() ? LiceStandInGlyph() : found->second;
  };
}

// A glyph for every code, sized for the line height like a proportional
// font: control characters are empty, a space has no ink, others have
// strokes with soft edges that differ by code and may reach a column past
// the advance.
inline LiceStandInGlyph RuleGlyph(std::uint16_t code, int lineHeight)
{
  if (code < 0x20 || lineHeight < 1)
    return LiceStandInGlyph();
  const int advance = lineHeight / 2 + static_cast<int>(code % 3);
  if (code == 0x20)
    return StandInGlyph(advance, lineHeight, 0, {});
  const int width = advance + static_cast<int>(code % 2);
  std::vector<unsigned char> image(static_cast<std::size_t>(width) * lineHeight, 0);
  const int top = lineHeight / 5, bottom = lineHeight - lineHeight / 6;
  for (int y = top; y < bottom; ++y)
    for (int x = 1; x < width; ++x)
    {
      const bool stem = x == 1 + code % 4;
      const bool bar = y == top + code % 5;
      const bool edge = x == width - 1 || y == bottom - 1;
      const bool speck = (x * 37 + y * 11 + code) % 7 == 0;
      image[static_cast<std::size_t>(y) * width + x] = stem || bar ? 255 : edge ? 96 : speck ? 40 : 0;
    }
  return StandInGlyph(advance, lineHeight, width, std::move(image));
}

inline void UseRule(LiceStandInFont& font, int lineHeight)
{
  font.lineHeight = lineHeight;
  font.glyph = [lineHeight](std::uint16_t code) { return RuleGlyph(code, lineHeight); };
}
