#include "LICE_DrawSegment.h"
#include "RasterModel.h"
#include "TestBitmap.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <set>
#include <utility>

namespace
{
using Points = std::set<std::pair<int, int>>;

Points Changed(TestBitmap& bitmap)
{
  Points points;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.At(x, y))
        points.insert({x, y});
  return points;
}

TEST(LiceDrawSegment, PixelSets)
{
  struct Case
  {
    const char* what;
    int x1, y1, x2, y2;
    Points expected;
  } cases[] = {
      {"one point", 3, 2, 3, 2, {{3, 2}}},
      {"shallow", 0, 0, 4, 1, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}}},
      {"shallow, odd", 0, 0, 5, 1, {{0, 0}, {1, 0}, {2, 0}, {3, 1}, {4, 1}, {5, 1}}},
      {"shallow, reversed", 4, 1, 0, 0, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}}},
      {"outside", 20, 0, 30, 5, {}},
      {"beyond one corner", 12, 8, 8, 12, {}},
  };
  for (const Case& c : cases)
    for (bool antiAlias : {false, true})
    {
      if (antiAlias && c.x1 != c.x2)
        continue;
      TestBitmap bitmap(10, 10);
      LICE_DrawSegment(&bitmap, c.x1, c.y1, c.x2, c.y2, 0xFFFFFFFF, 1.0f, CombineCopy, antiAlias);
      EXPECT_EQ(Changed(bitmap), c.expected) << c.what;
      EXPECT_TRUE(bitmap.CanariesIntact());
    }
}

TEST(LiceDrawSegment, HorizontalClipsAndTakesTheColourWord)
{
  for (int direction : {1, -1})
  {
    TestBitmap bitmap(500, 8);
    const int from = direction > 0 ? -10 : 1000, to = direction > 0 ? 1000 : -10;
    LICE_DrawSegment(&bitmap, from, 5, to, 5, 0x80112233, 1.0f, CombineCopy | CombineUseSourceAlpha, false);
    for (int x = 0; x < 500; ++x)
      ASSERT_EQ(bitmap.At(x, 5), 0x80112233u) << x;
    EXPECT_EQ(Changed(bitmap).size(), 500u);
    EXPECT_TRUE(bitmap.CanariesIntact());
  }
}

TEST(LiceDrawSegment, HalfAlphaOfWhiteOverWhite)
{
  for (bool general : {false, true})
  {
    TestBitmap bitmap(10, 10);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x)
        bitmap.At(x, y) = 0xFFFFFFFF;
    LICE_DrawSegment(&bitmap, 0, 0, general ? 5 : 9, general ? 2 : 0, 0xFFFFFFFF, 0.5f, CombineCopy, false);
    EXPECT_EQ(bitmap.At(0, 0), general ? 0xFFFFFFFFu : 0xFEFEFEFEu);
  }
}

TEST(LiceDrawSegment, AntiAliasedWeights)
{
  TestBitmap diagonal(10, 10);
  LICE_DrawSegment(&diagonal, 1, 1, 4, 4, 0xFFFFFFFF, 1.0f, CombineCopy, true);
  for (int i = 1; i <= 4; ++i)
    EXPECT_EQ(diagonal.At(i, i), 0xBEBEBEBEu) << i;
  for (int i = 1; i < 4; ++i)
  {
    EXPECT_EQ(diagonal.At(i + 1, i), 0x3F3F3F3Fu) << i;
    EXPECT_EQ(diagonal.At(i, i + 1), 0x3F3F3F3Fu) << i;
  }
  EXPECT_EQ(Changed(diagonal).size(), 4u + 6u);

  TestBitmap general(10, 10);
  LICE_DrawSegment(&general, 0, 0, 4, 1, 0xFFFFFFFF, 1.0f, CombineCopy, true);
  auto byte = [&](int x, int y) { return static_cast<int>(general.At(x, y) & 0xFF); };
  EXPECT_EQ(byte(0, 0), 255);
  EXPECT_EQ(byte(4, 1), 255);
  EXPECT_EQ(byte(1, 0), 191);
  EXPECT_EQ(byte(3, 1), 191);
  EXPECT_EQ(byte(1, 1), 64);
  EXPECT_EQ(byte(3, 0), 64);
  EXPECT_EQ(byte(2, 0), 127);
  EXPECT_EQ(byte(2, 1), 128);
  EXPECT_EQ(Changed(general).size(), 8u);
}

TEST(LiceDrawSegment, ModesThatDrawNothing)
{
  for (int mode : {6, 0xF3, 0xFF})
    for (float alpha : {1.0f, 0.3f})
    {
      TestBitmap bitmap(10, 10);
      LICE_DrawSegment(&bitmap, 0, 0, 9, 3, 0xFFFFFFFF, alpha, mode, true);
      LICE_DrawSegment(&bitmap, 0, 0, 9, 0, 0xFFFFFFFF, alpha, mode, false);
      EXPECT_TRUE(Changed(bitmap).empty()) << mode;
    }
  TestBitmap bitmap(4, 4);
  for (int mode = 0; mode < 6; ++mode)
    LICE_DrawSegment(&bitmap, 0, 0, 3, 1, 0xFFFFFFFF, 0.0f, mode, true);
  EXPECT_TRUE(Changed(bitmap).empty());
  LICE_DrawSegment(nullptr, 0, 0, 3, 3, 0, 1.0f, 0, false);
}

// Every mode and shape, anti-aliased or not, at weights that take and miss
// the fast paths, flipped and not, against the model.
TEST(LiceDrawSegment, EveryModeAndShapeMatchesTheModel)
{
  std::mt19937 random(9);
  const int ends[][4] = {{2, 3, 14, 3}, {5, 1, 5, 10}, {1, 1, 9, 9}, {12, 2, 3, 11}, {0, 0, 13, 4},
                         {13, 1, 2, 5}, {3, 0, 6, 11}, {9, 11, 8, 0}, {-6, -2, 20, 7}, {7, -9, 2, 30}};
  const float alphas[] = {1.0f, 0.5f, 0.25f, 0.75f, 0.3f, 1.7f, -0.4f, 128.0f / 256, 129.0f / 256};
  for (int mode = 0; mode < 6; ++mode)
    for (const auto& e : ends)
      for (float alpha : alphas)
        for (bool antiAlias : {false, true})
          for (bool flipped : {false, true})
          {
            TestBitmap bitmap(15, 12, flipped), expected(15, 12, flipped);
            for (int y = 0; y < 12; ++y)
              for (int x = 0; x < 15; ++x)
                expected.At(x, y) = bitmap.At(x, y) = random();
            const PixelArgb colour = random();
            model::DrawSegment(&expected, e[0], e[1], e[2], e[3], colour, alpha, mode, antiAlias);
            LICE_DrawSegment(&bitmap, e[0], e[1], e[2], e[3], colour, alpha, mode, antiAlias);
            ASSERT_EQ(bitmap.Pixels(), expected.Pixels())
                << "mode " << mode << " from " << e[0] << "," << e[1] << " to " << e[2] << "," << e[3] << " alpha "
                << alpha << " aa " << antiAlias << " flipped " << flipped;
            ASSERT_TRUE(bitmap.CanariesIntact());
          }
}

// A flipped bitmap shows the segment where an upright one does.
TEST(LiceDrawSegment, FlippedBitmapsDrawInDisplayOrder)
{
  TestBitmap upright(12, 9), flipped(12, 9, true);
  for (TestBitmap* bitmap : {&upright, &flipped})
    LICE_DrawSegment(bitmap, 1, 2, 10, 7, 0xFF00FF00, 0.6f, CombineAdd, true);
  EXPECT_EQ(upright.Pixels(), flipped.Pixels());
}

// Ends anywhere in the int range: the drawing always ends, agrees with the
// model and stays inside.
TEST(LiceDrawSegment, EndsAnywhereInTheIntRange)
{
  std::mt19937 random(21);
  const int big = std::numeric_limits<int>::max(), small = std::numeric_limits<int>::min();
  const int fixed[][4] = {{small, small, big, big}, {small, 3, big, 4}, {2, small, 3, big}, {big, big, small, small},
                          {small, big, big, small}, {-1, -1, big, 1}};
  for (int i = 0; i < 2000; ++i)
  {
    int e[4];
    for (int& v : e)
    {
      switch (random() % 4)
      {
      case 0: v = static_cast<int>(random()); break;
      case 1: v = static_cast<int>(random() % 40) - 10; break;
      case 2: v = random() % 2 ? big - static_cast<int>(random() % 3) : small + static_cast<int>(random() % 3); break;
      default: v = static_cast<int>(random() % 2000) - 1000; break;
      }
    }
    if (i < 6)
      for (int k = 0; k < 4; ++k)
        e[k] = fixed[i][k];
    TestBitmap bitmap(17, 13, i % 2), expected(17, 13, i % 2);
    model::DrawSegment(&expected, e[0], e[1], e[2], e[3], 0xFFFFFFFF, 0.8f, CombineAdd, i % 3 == 0);
    LICE_DrawSegment(&bitmap, e[0], e[1], e[2], e[3], 0xFFFFFFFF, 0.8f, CombineAdd, i % 3 == 0);
    ASSERT_EQ(bitmap.Pixels(), expected.Pixels()) << e[0] << " " << e[1] << " " << e[2] << " " << e[3];
    ASSERT_TRUE(bitmap.CanariesIntact());
  }
}
}
