// Composing one cached glyph, against the plain model.

#include "GlyphTestFont.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace
{
// Every family of masks (plain, mono, effect, and mono over effect marks),
// every combine mode with and without the source-alpha bit (which the
// background fill drops), at every weight, with and without the background,
// flipped and not, inside and cut by the clip, against the model.
TEST(LiceDrawGlyph, EveryFamilyAndModeMatchesTheModel)
{
  std::mt19937 random(29);
  const int weights[] = {1, 64, 127, 128, 192, 255, 256, 300, -50};
  const int flagsList[] = {0, FontInvert, FontMono, FontShadow, FontOutline, FontMono | FontShadow};
  const int modes[] = {0, 1, 2, 3, 4, 5, 6, CombineUseSourceAlpha, CombineUseSourceAlpha | CombineDodge};
  const Placement places[] = {{'B', 2, 1}, {'B', -2, -3}, {'A', 7, 5}};
  const int clip[4] = {0, 0, 9, 8};
  for (int flags : flagsList)
    for (int mode : modes)
      for (int weight : weights)
        for (int backMode : {1, 2})
          for (bool flipped : {false, true})
            for (const Placement& place : places)
            {
              GlyphTestFont f(flags);
              f.mode = mode;
              f.alpha = weight / 256.0f;
              f.backMode = backMode;
              f.text = random();
              f.effect = random();
              f.back = random();
              f.Apply();
              f.font.RenderGlyph(place.code);
              TestBitmap bitmap(10, 9, flipped), before(10, 9);
              for (int y = 0; y < 9; ++y)
                for (int x = 0; x < 10; ++x)
                  before.At(x, y) = bitmap.At(x, y) = random();
              const LiceRect clipRect = {clip[0], clip[1], clip[2], clip[3]};
              EXPECT_TRUE(f.font.DrawGlyph(&bitmap, place.code, place.x, place.y, &clipRect));
              ASSERT_EQ(bitmap.Pixels(), f.Expected(before, {place}, clip))
                  << std::hex << "flags " << flags << " mode " << mode << std::dec << " weight " << weight
                  << " back " << backMode << " flipped " << flipped << " at " << place.x << "," << place.y;
              ASSERT_TRUE(bitmap.CanariesIntact());
            }
}

// Mono and effect masks at alpha exactly 1.0 in copy mode take whole colour
// words, their alphas included.
TEST(LiceDrawGlyph, WholeColourWords)
{
  for (int flags : {FontMono, FontShadow})
  {
    GlyphTestFont f(flags);
    f.text = 0x12345678;
    f.effect = 0x9ABCDEF0;
    f.Apply();
    f.font.RenderGlyph('A');
    TestBitmap bitmap(8, 9);
    f.font.DrawGlyph(&bitmap, 'A', 0, 0, nullptr);
    EXPECT_EQ(bitmap.At(0, 0), 0x12345678u) << flags;
    EXPECT_EQ(bitmap.At(3, 0), flags == FontShadow ? 0x9ABCDEF0u : 0u) << "the shadow right of the ink";
  }
}

TEST(LiceDrawGlyph, Clipping)
{
  const struct Case
  {
    const char* what;
    int x, y;
    int clip[4];
    bool drawn;
  } cases[] = {
      {"inside", 2, 2, {0, 0, 20, 12}, true},
      {"partly left of and above the clip", 1, 0, {3, 2, 20, 12}, true},
      {"partly left of and above the bitmap", -3, -4, {-10, -10, 40, 40}, true},
      {"partly right and below", 17, 9, {0, 0, 19, 11}, true},
      {"wholly left", -5, 2, {0, 0, 20, 12}, false},
      {"wholly above", 2, -9, {0, 0, 20, 12}, false},
      {"at the clip's right", 19, 2, {0, 0, 19, 12}, false},
      {"at the clip's bottom", 2, 12, {0, 0, 20, 12}, false},
      {"empty clip", 2, 2, {5, 5, 5, 9}, false},
      {"far away", INT_MIN, INT_MAX, {0, 0, 20, 12}, false},
  };
  for (const Case& c : cases)
  {
    GlyphTestFont f;
    f.backMode = 2;
    f.Apply();
    f.font.RenderGlyph('B');
    TestBitmap bitmap(20, 12), before(20, 12);
    const LiceRect clip = {c.clip[0], c.clip[1], c.clip[2], c.clip[3]};
    EXPECT_EQ(f.font.DrawGlyph(&bitmap, 'B', c.x, c.y, &clip), c.drawn) << c.what;
    EXPECT_EQ(bitmap.Pixels(), f.Expected(before, {{'B', c.x, c.y}}, c.clip)) << c.what;
    EXPECT_TRUE(bitmap.CanariesIntact()) << c.what;
  }
}

TEST(LiceDrawGlyph, NeverRenders)
{
  GlyphTestFont f;
  TestBitmap bitmap(20, 12);
  EXPECT_FALSE(f.font.DrawGlyph(&bitmap, 'A', 0, 0, nullptr));
  EXPECT_FALSE(f.font.DrawGlyph(&bitmap, 0x100, 0, 0, nullptr));
  EXPECT_EQ(f.font.FindGlyph('A')->offset, 0);
  f.font.RenderGlyph('A');
  EXPECT_TRUE(f.font.DrawGlyph(&bitmap, 'A', 0, 0, nullptr));
  EXPECT_FALSE(f.font.DrawGlyph(nullptr, 'A', 0, 0, nullptr));
}
}
