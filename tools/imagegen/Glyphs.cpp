#include "Glyphs.h"

#include <map>

namespace
{
const double kXHeight = 3.0;
const double kBaseline = 10.0;
const double kDescender = 13.0;
const double kBowlRy = (kBaseline - kXHeight) / 2;
const double kBowlCy = kXHeight + kBowlRy;

Polyline Oval(double cx, double cy, double rx, double ry)
{
  return Arc({cx, cy}, rx, ry, 0, 360);
}

// The round part of a, d, o, p: an x-height oval.
Polyline Bowl(double left, double right)
{
  return Oval((left + right) / 2, kBowlCy, (right - left) / 2, kBowlRy);
}

Polyline Dot(double x, double y)
{
  return {{x, y}};
}

// Digits share one width so that scale numbers line up.
const double kDigitWidth = 5.6;

// A 9 is a 6 turned upside down.
Glyph RotatedHalfTurn(const Glyph& glyph)
{
  Glyph turned = glyph;
  for (Polyline& line : turned.strokes)
    for (Point& p : line)
      p = {glyph.width - p.x, kBaseline - p.y};
  return turned;
}

std::map<char, Glyph> BuildGlyphs()
{
  std::map<char, Glyph> g;
  g[' '] = {2.6, {}};
  g['.'] = {0, {Dot(0, 9.9)}};

  g['0'] = {kDigitWidth, {Oval(2.8, 5, 2.8, 5)}};
  g['1'] = {kDigitWidth, {{{1.0, 2.0}, {3.4, 0}, {3.4, 10}}}};
  g['2'] = {kDigitWidth, {Join(Arc({2.8, 2.9}, 2.75, 2.9, 200, 385), Polyline{{0, 10}, {5.7, 10}})}};
  g['3'] = {kDigitWidth,
            {Arc({2.7, 2.6}, 2.6, 2.6, 205, 450), Arc({2.7, 7.55}, 2.95, 2.45, -90, 155), {{1.6, 5.1}, {2.7, 5.1}}}};
  g['4'] = {kDigitWidth, {{{4.2, 10}, {4.2, 0}, {0, 7.0}, {5.8, 7.0}}}};
  g['5'] = {kDigitWidth, {Join(Polyline{{5.2, 0}, {0.7, 0}, {0.35, 4.7}}, Arc({2.75, 6.9}, 2.85, 3.1, -128, 150))}};
  g['6'] = {kDigitWidth, {Oval(2.8, 7.15, 2.8, 2.85), Arc({5.4, 7.15}, 5.4, 7.15, 180, 250)}};
  g['7'] = {kDigitWidth, {{{0, 0}, {5.6, 0}, {1.9, 10}}}};
  g['8'] = {kDigitWidth, {Oval(2.8, 2.5, 2.35, 2.5), Oval(2.8, 7.5, 2.8, 2.5)}};
  g['9'] = RotatedHalfTurn(g['6']);

  g['A'] = {6.6, {{{0, 10}, {3.3, 0}, {6.6, 10}}, {{1.15, 6.6}, {5.45, 6.6}}}};
  g['B'] = {5.8,
            {Join(Join(Polyline{{0, 5}, {0, 0}, {3.0, 0}}, Arc({3.0, 2.5}, 2.5, 2.5, -90, 90)), Polyline{{0, 5}}),
             Join(Join(Polyline{{0, 5}, {3.1, 5}}, Arc({3.1, 7.5}, 2.7, 2.5, -90, 90)), Polyline{{0, 10}, {0, 5}})}};
  g['D'] = {6.2, {Join(Join(Polyline{{0, 0}, {0, 10}, {2.2, 10}}, Arc({2.2, 5}, 4.0, 5, 90, -90)), Polyline{{0, 0}})}};
  g['E'] = {5.0, {{{5.0, 0}, {0, 0}, {0, 10}, {5.0, 10}}, {{0, 5}, {4.4, 5}}}};
  g['F'] = {4.9, {{{4.9, 0}, {0, 0}, {0, 10}}, {{0, 5}, {4.3, 5}}}};
  g['H'] = {5.8, {{{0, 0}, {0, 10}}, {{5.8, 0}, {5.8, 10}}, {{0, 5}, {5.8, 5}}}};
  g['K'] = {5.6, {{{0, 0}, {0, 10}}, {{5.6, 0}, {0, 6.2}}, {{1.95, 4.05}, {5.8, 10}}}};
  g['L'] = {4.9, {{{0, 0}, {0, 10}, {4.9, 10}}}};
  g['W'] = {9.4, {{{0, 0}, {2.3, 10}, {4.7, 0.6}, {7.1, 10}, {9.4, 0}}}};
  g['Z'] = {5.8, {{{0.2, 0}, {5.8, 0}, {0, 10}, {5.8, 10}}}};

  g['a'] = {5.8, {Bowl(0, 5.8), {{5.8, kXHeight}, {5.8, kBaseline}}}};
  g['c'] = {5.4, {Arc({3.0, kBowlCy}, 3.0, kBowlRy, -42, -318)}};
  g['d'] = {5.8, {Bowl(0, 5.8), {{5.8, 0}, {5.8, kBaseline}}}};
  g['e'] = {5.8, {Join(Polyline{{0, kBowlCy}, {5.8, kBowlCy}}, Arc({2.9, kBowlCy}, 2.9, kBowlRy, 0, -318))}};
  g['f'] = {3.9, {Join(Polyline{{1.3, kBaseline}, {1.3, 2.1}}, Arc({3.3, 2.1}, 2.0, 2.1, 180, 300)),
                  {{0, kXHeight}, {3.6, kXHeight}}}};
  g['i'] = {0, {{{0, kXHeight}, {0, kBaseline}}, Dot(0, 0.55)}};
  g['l'] = {0, {{{0, 0}, {0, kBaseline}}}};
  g['m'] = {8.2,
            {{{0, kXHeight}, {0, kBaseline}},
             Join(Arc({2.05, 5.3}, 2.05, 2.3, 180, 360), Polyline{{4.1, kBaseline}}),
             Join(Arc({6.15, 5.3}, 2.05, 2.3, 180, 360), Polyline{{8.2, kBaseline}})}};
  g['n'] = {5.6,
            {{{0, kXHeight}, {0, kBaseline}}, Join(Arc({2.8, 5.9}, 2.8, 2.9, 180, 360), Polyline{{5.6, kBaseline}})}};
  g['o'] = {6.0, {Bowl(0, 6.0)}};
  g['p'] = {5.8, {Bowl(0, 5.8), {{0, kXHeight}, {0, kDescender}}}};
  g['r'] = {3.6, {{{0, kXHeight}, {0, kBaseline}}, Arc({3.4, 6.6}, 3.4, 3.6, 180, 282)}};
  g['s'] = {5.2, {Join(Arc({2.6, 4.75}, 2.55, 1.75, -25, -270), Arc({2.6, 8.25}, 2.6, 1.75, -90, 155))}};
  g['t'] = {3.9,
            {Join(Polyline{{1.3, 0.8}, {1.3, 8.3}}, Arc({3.1, 8.3}, 1.8, 1.7, 180, 90)),
             {{0, kXHeight}, {3.7, kXHeight}}}};
  g['u'] = {5.6,
            {Join(Polyline{{0, kXHeight}}, Arc({2.8, 7.1}, 2.8, 2.9, 180, 0)), {{5.6, kXHeight}, {5.6, kBaseline}}}};
  g['v'] = {5.8, {{{0, kXHeight}, {2.9, kBaseline}, {5.8, kXHeight}}}};
  g['y'] = {5.9, {{{0, kXHeight}, {3.05, 9.9}}, {{5.9, kXHeight}, {2.3, 12.0}, {1.7, 12.8}, {0.7, kDescender}}}};
  return g;
}
}  // namespace

const Glyph* FindGlyph(char c)
{
  static const std::map<char, Glyph> glyphs = BuildGlyphs();
  const auto found = glyphs.find(c);
  return found == glyphs.end() ? nullptr : &found->second;
}
