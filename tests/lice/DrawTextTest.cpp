// Text layout on the glyph path (the stand-in renderer).

#include "GlyphTestFont.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace
{
LiceRect Measure(LICE_CachedFont& font, const char* text, int length = -1, int format = 0, LiceRect bounds = {})
{
  font.DrawTextInto(nullptr, text, length, &bounds, format | DT_CALCRECT);
  return bounds;
}

std::vector<int> Sides(const LiceRect& r) { return {r.left, r.top, r.right, r.bottom}; }

// Every glyph of a text drawn into a fresh bitmap against the model's
// glyphs at the places given.
struct DrawCase
{
  const char* what;
  const char* text;
  int length;
  int format;
  LiceRect bounds;
  std::vector<Placement> placements;
  int result;
};

void CheckDrawing(GlyphTestFont& f, const DrawCase& c, int width = 60, int height = 40, bool flipped = false)
{
  TestBitmap bitmap(width, height, flipped), before(width, height);
  LiceRect bounds = c.bounds;
  const int result = f.font.DrawTextInto(&bitmap, c.text, c.length, &bounds, c.format);
  int clip[4] = {0, 0, width, height};
  if (!(c.format & DT_NOCLIP))
    clip[0] = c.bounds.left, clip[1] = c.bounds.top, clip[2] = c.bounds.right, clip[3] = c.bounds.bottom;
  EXPECT_EQ(bitmap.Pixels(), f.Expected(before, c.placements, clip)) << c.what;
  EXPECT_EQ(result, c.result) << c.what;
  EXPECT_TRUE(bitmap.CanariesIntact()) << c.what;
  EXPECT_EQ(Sides(bounds), Sides(c.bounds)) << c.what << ": bounds are only written when measuring";
}

TEST(LiceDrawText, MeasuresHorizontally)
{
  GlyphTestFont f;
  const struct Case
  {
    const char* what;
    const char* text;
    int length, format;
    LiceRect expected;
  } cases[] = {
      {"two advances, the taller mask", "AB", -1, 0, {10, 20, 19, 29}},
      {"a mask past its advance", "AC", -1, 0, {10, 20, 18, 28}},
      {"a carriage return is ignored", "A\rB", -1, 0, {10, 20, 19, 29}},
      {"a line feed on a single line is a space", "A\nB", -1, DT_SINGLELINE, {10, 20, 22, 29}},
      {"a line feed starts a line one line height lower", "A\nB", -1, 0, {10, 20, 15, 37}},
      {"length 3 of five letters", "ABCAB", 3, 0, {10, 20, 23, 29}},
      {"a sequence runs past the length", "A\xC3\xA9" "B", 2, 0, {10, 20, 20, 28}},
      {"the NUL stops a length beyond it", "AB", 1000, 0, {10, 20, 19, 29}},
      {"length 0 is empty", "AB", 0, 0, {10, 20, 10, 20}},
      {"empty text", "", -1, 0, {10, 20, 10, 20}},
      {"null text is empty", nullptr, -1, 0, {10, 20, 10, 20}},
      {"unknown characters are skipped", "A\x01Z", -1, 0, {10, 20, 14, 28}},
  };
  for (const Case& c : cases)
  {
    LiceRect bounds = {10, 20, 0, 0};
    const int height = f.font.DrawTextInto(nullptr, c.text, c.length, &bounds, c.format | DT_CALCRECT);
    EXPECT_EQ(Sides(bounds), Sides(c.expected)) << c.what;
    EXPECT_EQ(height, c.expected.bottom - 20) << c.what;
  }
}

TEST(LiceDrawText, Draws)
{
  GlyphTestFont f;
  const DrawCase cases[] = {
      {"two glyphs side by side", "AB", -1, 0, {3, 2, 50, 30}, {{'A', 3, 2}, {'B', 7, 2}}, 9},
      {"carriage return ignored", "A\rB", -1, 0, {3, 2, 50, 30}, {{'A', 3, 2}, {'B', 7, 2}}, 9},
      {"line feed as a space", "A\nB", -1, DT_SINGLELINE, {3, 2, 50, 30}, {{'A', 3, 2}, {' ', 7, 2}, {'B', 10, 2}}, 9},
      {"line feed as a new line", "A\nB", -1, 0, {3, 2, 50, 30}, {{'A', 3, 2}, {'B', 3, 10}}, 17},
      {"length 3 of five", "ABCAB", 3, 0, {3, 2, 50, 30}, {{'A', 3, 2}, {'B', 7, 2}, {'C', 12, 2}}, 9},
      {"a 2-byte character", "A\xC3\xA9", -1, 0, {0, 0, 50, 30}, {{'A', 0, 0}, {0xE9, 4, 0}}, 8},
      {"clipped to the bounds", "AB", -1, 0, {3, 2, 9, 6}, {{'A', 3, 2}, {'B', 7, 2}}, 9},
      {"not clipped with DT_NOCLIP", "AB", -1, DT_NOCLIP, {3, 2, 9, 6}, {{'A', 3, 2}, {'B', 7, 2}}, 9},
      {"centred: 40 x 10 in 100 x 20 starts at (30, 5)", "W", -1, DT_CENTER | DT_VCENTER, {0, 0, 100, 20},
       {{'W', 30, 5}}, 10},
      {"right and bottom", "A", -1, DT_RIGHT | DT_BOTTOM, {0, 0, 50, 30}, {{'A', 46, 22}}, 8},
      {"centre wins over right", "A", -1, DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM, {0, 0, 50, 30},
       {{'A', 23, 11}}, 8},
      {"partly left of and above the target", "AB", -1, DT_NOCLIP, {-5, -4, 50, 30}, {{'A', -5, -4}, {'B', -1, -4}},
       9},
      {"nothing inside: height 0", "AB", -1, 0, {70, 50, 90, 60}, {}, 0},
      {"empty bounds draw nothing", "AB", -1, 0, {3, 2, 3, 30}, {}, 0},
  };
  for (const DrawCase& c : cases)
    for (bool flipped : {false, true})
      CheckDrawing(f, c, c.bounds.right > 60 && c.bounds.left < 60 ? 100 : 60, 40, flipped);
}

TEST(LiceDrawText, Vertical)
{
  GlyphTestFont down(FontVertical), up(FontVertical | FontBottomUp);
  // Turned masks: 'A' 8 x 4 with advance 4, 'B' 9 x 5 with advance 5.
  EXPECT_EQ(Sides(Measure(down.font, "AB", -1, 0, {10, 5, 0, 0})), Sides({10, 5, 19, 14}));
  EXPECT_EQ(down.font.DrawTextInto(nullptr, "AB", -1, nullptr, DT_CALCRECT), 9) << "the width";
  EXPECT_EQ(Sides(Measure(down.font, "A\nB", -1, 0, {0, 0, 0, 0})), Sides({0, 0, 17, 5}));
  CheckDrawing(down, {"downwards", "AB", -1, 0, {10, 5, 60, 40}, {{'A', 10, 5}, {'B', 10, 9}}, 9});
  CheckDrawing(down, {"a new line to the right", "A\nB", -1, 0, {10, 5, 60, 40}, {{'A', 10, 5}, {'B', 18, 5}}, 17});
  // Bottom-up starts one measured height lower and runs upwards.
  CheckDrawing(up, {"upwards", "AB", -1, 0, {10, 5, 60, 40}, {{'A', 10, 10}, {'B', 10, 5}}, 9});
  CheckDrawing(up, {"upwards, bottom", "AB", -1, DT_BOTTOM, {10, 5, 60, 40}, {{'A', 10, 36}, {'B', 10, 31}}, 9});
}

TEST(LiceDrawText, TextColorAlpha)
{
  for (int colourAlpha : {0, 0x80, 0xFF})
  {
    GlyphTestFont f;
    f.text = static_cast<PixelArgb>(colourAlpha) << 24 | 0x405060;
    f.alpha = 0.75f;
    f.Apply();
    TestBitmap bitmap(30, 20), before(30, 20);
    LiceRect bounds = {1, 1, 30, 20};
    const int result = f.font.DrawTextInto(&bitmap, "AB", -1, &bounds, TextColorAlpha);
    const float effective = (static_cast<float>(colourAlpha) / 255.0f) * 0.75f;
    EXPECT_EQ(bitmap.Pixels(), f.Expected(before, {{'A', 1, 1}, {'B', 5, 1}}, nullptr, effective)) << colourAlpha;
    EXPECT_EQ(result, colourAlpha ? 9 : 0);
    // The font's own alpha is back: a plain draw uses it.
    TestBitmap again(30, 20);
    f.font.DrawTextInto(&again, "AB", -1, &bounds, 0);
    EXPECT_EQ(again.Pixels(), f.Expected(before, {{'A', 1, 1}, {'B', 5, 1}}, nullptr, 0.75f)) << colourAlpha;
  }
}

TEST(LiceDrawText, NothingToDrawOn)
{
  GlyphTestFont f;
  LiceRect bounds = {0, 0, 10, 10};
  EXPECT_EQ(f.font.DrawTextInto(nullptr, "AB", -1, &bounds, 0), 0);
  TestBitmap empty(0, 0);
  EXPECT_EQ(f.font.DrawTextInto(&empty, "AB", -1, &bounds, DT_NOCLIP), 0);
  EXPECT_TRUE(empty.CanariesIntact());
  TestBitmap bitmap(10, 10);
  EXPECT_EQ(f.font.DrawTextInto(&bitmap, nullptr, -1, &bounds, 0), 0);
  EXPECT_EQ(f.font.DrawTextInto(&bitmap, "AB", -1, nullptr, 0), 0) << "no bounds: an empty clip";
  EXPECT_EQ(f.font.DrawTextInto(&bitmap, "AB", -1, nullptr, DT_NOCLIP), 9) << "no bounds: from the top left";
  f.alpha = 0.0f;
  f.Apply();
  EXPECT_EQ(f.font.DrawTextInto(&bitmap, "AB", -1, &bounds, DT_NOCLIP), 0) << "alpha 0";
}

// Extreme bounds, lengths and texts: nothing outside the bitmap is touched
// and no arithmetic overflows.
TEST(LiceDrawText, HostileArguments)
{
  GlyphTestFont f;
  std::string longText(20000, 'W');
  const LiceRect boundsList[] = {{INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                                 {INT_MAX - 3, INT_MAX - 3, INT_MAX, INT_MAX},
                                 {INT_MIN, INT_MIN, INT_MIN + 2, INT_MIN + 2},
                                 {50, 40, -50, -40}};
  const int formats[] = {0, DT_NOCLIP, DT_CENTER | DT_VCENTER, DT_RIGHT | DT_BOTTOM | DT_NOCLIP,
                         DT_CENTER | DT_VCENTER | DT_NOCLIP};
  for (const LiceRect& b : boundsList)
    for (int format : formats)
      for (int length : {-1, 0, 3, INT_MAX, INT_MIN})
        for (int flags : {0, FontVertical | FontBottomUp})
        {
          GlyphTestFont g(flags);
          TestBitmap bitmap(20, 12);
          LiceRect bounds = b;
          g.font.DrawTextInto(&bitmap, longText.c_str(), length, &bounds, format);
          EXPECT_TRUE(bitmap.CanariesIntact());
          bounds = b;
          g.font.DrawTextInto(&bitmap, longText.c_str(), length, &bounds, format | DT_CALCRECT);
          EXPECT_GE(static_cast<long long>(bounds.right), b.left) << "measured from the left, held in range";
        }
}
}
