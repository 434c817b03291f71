#include "LICE_CachedFont.h"
#include "LICE_GlyphScratch.h"
#include "LICE_Rows.h"
#include "RasterModel.h"
#include "TestBitmap.h"
#include "support/TestHeap.h"

#include <gtest/gtest.h>

#include <random>

namespace
{
// Sizes at the smallest, odd, larger than the area asked for, and wider
// than the stack's row buffer; flipped and not; with and without the heap
// row buffer.
TEST(LiceBlurGlyphScratch, MatchesTheModel)
{
  std::mt19937 random(23);
  struct Size
  {
    int bitmapWidth, bitmapHeight, width, height;
  } sizes[] = {{2, 2, 2, 2}, {5, 4, 5, 4}, {9, 7, 6, 5}, {4, 4, 40, 40}, {1030, 4, 1030, 4}, {1100, 3, 1025, 3}};
  for (const Size& size : sizes)
    for (bool flipped : {false, true})
      for (bool heapFails : {false, true})
      {
        TestBitmap bitmap(size.bitmapWidth, size.bitmapHeight, flipped), expected(size.bitmapWidth, size.bitmapHeight);
        for (int y = 0; y < size.bitmapHeight; ++y)
          for (int x = 0; x < size.bitmapWidth; ++x)
            expected.At(x, y) = bitmap.At(x, y) = random();
        const bool rowBuffer = size.width <= 1024 || !heapFails;
        model::Blur(&expected, size.width, size.height, rowBuffer);
        {
          TestHeap::Scope fail(heapFails, false);
          lice::SmoothTopLeft(&bitmap, size.width, size.height);
        }
        ASSERT_EQ(bitmap.Pixels(), expected.Pixels())
            << size.width << " x " << size.height << " flipped " << flipped << " heap fails " << heapFails;
        ASSERT_TRUE(bitmap.CanariesIntact());
      }
}

TEST(LiceBlurGlyphScratch, TooSmallOrEmptyIsLeftAlone)
{
  for (int size : {1, 0, -3})
  {
    TestBitmap bitmap(3, 3);
    bitmap.At(0, 0) = 0xFFFFFFFF;
    lice::SmoothTopLeft(&bitmap, size, 3);
    lice::SmoothTopLeft(&bitmap, 3, size);
    EXPECT_EQ(bitmap.At(0, 0), 0xFFFFFFFFu);
  }
  TestBitmap empty(0, 0);
  lice::SmoothTopLeft(&empty, 5, 5);
  lice::SmoothTopLeft(nullptr, 5, 5);
  EXPECT_TRUE(empty.CanariesIntact());
}

TEST(LiceBlurGlyphScratch, OneWhitePixelOnTheScratch)
{
  LICE_CachedFont font;  // the scratch lives while a font does
  LICE_SysBitmap* scratch = lice::MakeGlyphScratch();
  ASSERT_NE(scratch, nullptr);
  scratch->Resize(9, 9);
  ASSERT_NE(scratch->PixelData(), nullptr);
  const lice::Rows rows(scratch, 0, 0);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x)
      rows.Row(y)[x] = x == 4 && y == 4 ? 0xFFFFFFFF : 0;
  BlurGlyphScratch(9, 9);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x)
    {
      const int distance = (x > 4 ? x - 4 : 4 - x) + (y > 4 ? y - 4 : 4 - y);
      const PixelArgb expected = distance == 0 ? 0x7F7F7F7F : distance == 1 ? 0x1F1F1F1F : 0;
      EXPECT_EQ(rows.Row(y)[x], expected) << x << "," << y;
    }
}
}
