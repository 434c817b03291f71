#include "LICE_Compose.h"
#include "RasterModel.h"
#include "TestBitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace
{
// Random pixels that mix the alphas the modes treat apart: 0, 255 and
// partial.
void FillRandom(TestBitmap& bitmap, std::mt19937& random)
{
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
    {
      PixelArgb p = random();
      switch (random() % 4)
      {
      case 0: p &= 0x00FFFFFF; break;
      case 1: p |= 0xFF000000; break;
      default: break;
      }
      bitmap.At(x, y) = p;
    }
}

const int kWeights[] = {1, 64, 127, 128, 192, 255, 256, 300, -50};
const int kModes[] = {0, 1, 2, 3, 4, 5, 6, 0xEF, 0xF3, 0xFF, 0xF6};

// Every mode and variant, at every weight, flipped and not, against the
// plain model; the canaries around both bitmaps stay.
TEST(LiceCompose, EveryModeMatchesTheModel)
{
  std::mt19937 random(7);
  for (int mode : kModes)
    for (int sourceAlpha : {0, CombineUseSourceAlpha})
      for (int weight : kWeights)
        for (int flips = 0; flips < 4; ++flips)
        {
          TestBitmap source(9, 7, flips & 1), destination(11, 8, flips & 2);
          TestBitmap expected(11, 8);
          FillRandom(source, random);
          FillRandom(destination, random);
          for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 11; ++x)
              expected.At(x, y) = destination.At(x, y);
          const float alpha = weight / 256.0f;
          const int rect[4] = {1, -1, 8, 6};
          const LiceRect sourceRect = {1, -1, 8, 6};
          model::Compose(&expected, &source, 3, 2, rect, alpha, mode | sourceAlpha);
          LICE_Compose(&destination, &source, 3, 2, &sourceRect, alpha, mode | sourceAlpha);
          ASSERT_EQ(destination.Pixels(), expected.Pixels())
              << "mode " << std::hex << (mode | sourceAlpha) << std::dec << " weight " << weight << " flips " << flips;
          ASSERT_TRUE(destination.CanariesIntact());
          ASSERT_TRUE(source.CanariesIntact());
        }
}

// The fast paths (alpha exactly 1.0 and 0.5, weight 256) against the model.
TEST(LiceCompose, FastPathsMatchTheModel)
{
  std::mt19937 random(11);
  for (float alpha : {1.0f, 0.5f, 256.5f / 256.0f})
    for (int mode : {CombineCopy, CombineCopy | CombineUseSourceAlpha, CombineAdd | 0x1000})
      for (int flips = 0; flips < 4; ++flips)
      {
        TestBitmap source(13, 5, flips & 1), destination(13, 5, flips & 2), expected(13, 5);
        FillRandom(source, random);
        FillRandom(destination, random);
        for (int y = 0; y < 5; ++y)
          for (int x = 0; x < 13; ++x)
            expected.At(x, y) = destination.At(x, y);
        model::Compose(&expected, &source, -2, 1, nullptr, alpha, mode);
        LICE_Compose(&destination, &source, -2, 1, nullptr, alpha, mode);
        ASSERT_EQ(destination.Pixels(), expected.Pixels()) << alpha << " " << mode;
        ASSERT_TRUE(destination.CanariesIntact());
      }
}

struct PixelCase
{
  const char* what;
  PixelArgb source, destination;
  float alpha;
  int mode;
  PixelArgb result;
};

TEST(LiceCompose, PixelCases)
{
  const PixelCase cases[] = {
      {"half copy of black onto white", 0x00000000, 0xFFFFFFFF, 0.5f, CombineCopy, 0x7F7F7F7F},
      {"full copy takes alpha too", 0x12345678, 0xFFFFFFFF, 1.0f, CombineCopy, 0x12345678},
      {"source alpha 0 leaves the destination", 0x00FF00FF, 0x80123456, 1.0f,
       CombineCopy | CombineUseSourceAlpha, 0x80123456},
      {"source alpha 255 replaces", 0xFF102030, 0x80123456, 1.0f, CombineCopy | CombineUseSourceAlpha,
       0xFF102030},
      {"alpha 100 onto 100 at 1.0", 0x64000000, 0x64000000, 1.0f, CombineCopy | CombineUseSourceAlpha,
       0xC8000000},
      {"alpha 100 onto 100 at W 253", 0x64000000, 0x64000000, 0.99f, CombineCopy | CombineUseSourceAlpha,
       0xC7000000},
      {"0xFF copies only alpha", 0x11223344, 0xAABBCCDD, 1.0f, 0xFF, 0x11BBCCDD},
      {"0xF3 copies source alpha into blue", 0x11223344, 0xAABBCCDD, 0.3f, 0xF3, 0xAABBCC11},
      {"mode 6 draws nothing", 0x11223344, 0xAABBCCDD, 1.0f, 6, 0xAABBCCDD},
      {"dodge with 255", 0xFFFFFFFF, 0x00010080, 1.0f, CombineDodge | 0x1000, 0x00FF00FF},
      {"multiply by black", 0x00000000, 0xFFFFFFFF, 1.0f, CombineMultiply | 0x1000, 0x00000000},
      {"multiply by 255", 0xFFFFFFFF, 0xFFFFFFFF, 1.0f, CombineMultiply | 0x1000, 0xFEFEFEFE},
      {"hsv anchor 1", 0xFF808080, 0x80402010, 1.0f, CombineHsvAdjust, 0xFF401F10},
      {"hsv anchor 2", 0xFFFF8080, 0xFFC86432, 1.0f, CombineHsvAdjust, 0xFF329BC8},
      {"overlay anchor", 0xFFC0C0C0, 0xFF406080, 1.0f, CombineOverlay, 0xFF587EA0},
      {"NaN draws nothing", 0x11223344, 0xAABBCCDD, std::numeric_limits<float>::quiet_NaN(), 0xFF, 0xAABBCCDD},
      {"huge alpha is limited", 0x01010101, 0x00000000, 1e30f, CombineAdd, 0x40404040},
  };
  for (const PixelCase& c : cases)
  {
    TestBitmap source(1, 1), destination(1, 1);
    source.At(0, 0) = c.source;
    destination.At(0, 0) = c.destination;
    LICE_Compose(&destination, &source, 0, 0, nullptr, c.alpha, c.mode);
    EXPECT_EQ(destination.At(0, 0), c.result) << c.what << std::hex << ": " << destination.At(0, 0);
  }
}

TEST(LiceCompose, NegativeRectangleLeftMovesTheDestination)
{
  TestBitmap source(10, 10), destination(20, 10);
  for (int x = 0; x < 10; ++x)
    source.At(x, 0) = 0xFF000000 | x;
  const LiceRect rect = {-3, 0, 10, 10};
  LICE_Compose(&destination, &source, 0, 0, &rect, 1.0f, CombineCopy);
  for (int x = 0; x < 20; ++x)
    EXPECT_EQ(destination.At(x, 0), x >= 3 && x <= 12 ? 0xFF000000 | (x - 3) : 0u) << x;
  EXPECT_TRUE(destination.CanariesIntact());
}

// Positions and rectangles at the ends of the int range clip; none wraps
// into a read or write outside the bitmaps.
TEST(LiceCompose, ExtremePositionsClip)
{
  const int big = std::numeric_limits<int>::max(), small = std::numeric_limits<int>::min();
  const int positions[][2] = {{big, 0}, {0, big}, {small, 0}, {0, small}, {small, small}, {-5, -3}, {big - 2, 1}};
  const LiceRect rects[] = {{small, small, big, big}, {0, 0, big, big}, {-4, -4, 3, 3}, {big - 1, 0, big, 4}};
  for (const auto& position : positions)
    for (const LiceRect& rect : rects)
    {
      TestBitmap source(6, 5), destination(7, 4), expected(7, 4);
      std::mt19937 random(3);
      FillRandom(source, random);
      const int modelRect[4] = {rect.left, rect.top, rect.right, rect.bottom};
      model::Compose(&expected, &source, position[0], position[1], modelRect, 1.0f, CombineCopy);
      LICE_Compose(&destination, &source, position[0], position[1], &rect, 1.0f, CombineCopy);
      EXPECT_EQ(destination.Pixels(), expected.Pixels()) << position[0] << "," << position[1];
      EXPECT_TRUE(destination.CanariesIntact());
    }
}

TEST(LiceCompose, NullAndEmptyBitmapsDrawNothing)
{
  TestBitmap bitmap(3, 3);
  bitmap.At(1, 1) = 5;
  LICE_Compose(&bitmap, nullptr, 0, 0, nullptr, 1.0f, CombineCopy);
  LICE_Compose(nullptr, &bitmap, 0, 0, nullptr, 1.0f, CombineCopy);
  TestBitmap empty(0, 0);
  LICE_Compose(&bitmap, &empty, 0, 0, nullptr, 1.0f, CombineCopy);
  LICE_Compose(&empty, &bitmap, 0, 0, nullptr, 1.0f, CombineCopy);
  EXPECT_EQ(bitmap.At(1, 1), 5u);
}

TEST(LiceHsv, GreyForZeroSaturation)
{
  for (int hue = 0; hue < 384; hue += 7)
    EXPECT_EQ(HsvToPixel(hue, 0, 99, 0x12), 0x12636363u) << hue;
}
}
