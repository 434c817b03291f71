#include "LICE_MemBitmap.h"
#include "LICE_SysBitmap.h"
#include "support/TestHeap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{
TEST(LiceMemBitmap, EmptySizesAllocateNothing)
{
  LICE_MemBitmap none(0, 0), flat(5, 0);
  EXPECT_EQ(none.PixelData(), nullptr);
  EXPECT_EQ(flat.PixelData(), nullptr);
  EXPECT_EQ(flat.Allocated(), 0);
}

TEST(LiceMemBitmap, RowsOfFourAndDataOn64Bytes)
{
  LICE_MemBitmap bitmap(5, 3);
  EXPECT_EQ(bitmap.RowSpan(), 8);
  EXPECT_EQ(bitmap.Allocated(), 8 * 3 * 4);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(bitmap.PixelData()) % 64, 0u);
  bitmap.PixelData()[8 * 3 - 1] = 7;  // the last pixel of the block is its own
}

TEST(LiceMemBitmap, GrowsByAQuarterAndNeverShrinks)
{
  LICE_MemBitmap bitmap(4, 4);
  EXPECT_EQ(bitmap.Allocated(), 64);
  bitmap.PixelData()[0] = 0x11223344;
  EXPECT_TRUE(bitmap.Resize(4, 5));
  EXPECT_EQ(bitmap.Allocated(), 100);
  EXPECT_EQ(bitmap.PixelData()[0], 0x11223344u) << "contents kept";
  EXPECT_TRUE(bitmap.Resize(2, 2));
  EXPECT_EQ(bitmap.Allocated(), 100);
  EXPECT_FALSE(bitmap.Resize(2, 2));
  EXPECT_TRUE(bitmap.Resize(0, 7));
  EXPECT_EQ(bitmap.PixelData(), nullptr);
  EXPECT_EQ(bitmap.Allocated(), 0);
}

// Growth may move the block to an address that lies otherwise against a
// 64-byte boundary: the pixels stay where PixelData shows them. Each step
// grows by one row, and other blocks come and go in between, so that the
// block moves many times.
TEST(LiceMemBitmap, GrowingKeepsThePixels)
{
  LICE_MemBitmap bitmap(3, 1);
  for (int height = 1; height <= 200; ++height)
  {
    ASSERT_TRUE(bitmap.Resize(3, height) || height == 1);
    ASSERT_NE(bitmap.PixelData(), nullptr);
    for (int x = 0; x < 3; ++x)
      bitmap.PixelData()[(height - 1) * 4 + x] = static_cast<PixelArgb>(height * 8 + x);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < 3; ++x)
        ASSERT_EQ(bitmap.PixelData()[y * 4 + x], static_cast<PixelArgb>((y + 1) * 8 + x)) << y << " of " << height;
    delete[] new char[16 * height];
  }
}

TEST(LiceMemBitmap, FailedAllocationsLeaveItEmpty)
{
  LICE_MemBitmap bitmap(4, 4);
  {
    TestHeap::Scope fail(false, true);  // growth fails, a fresh block does not
    EXPECT_TRUE(bitmap.Resize(8, 8));
  }
  EXPECT_EQ(bitmap.Allocated(), 8 * 8 * 4);
  EXPECT_NE(bitmap.PixelData(), nullptr);
  {
    TestHeap::Scope fail(true, false);
    EXPECT_TRUE(bitmap.Resize(16, 16));
  }
  EXPECT_EQ(bitmap.Width(), 0);
  EXPECT_EQ(bitmap.Height(), 0);
  EXPECT_EQ(bitmap.PixelData(), nullptr);
}

// 65536 x 16385 x 4 bytes wraps a 32-bit int to 262144: refused instead.
TEST(LiceMemBitmap, SizesBeyondTheIntRangeAreRefused)
{
  for (const int* size : {(const int[]){65536, 16385}, (const int[]){0x7fffffff, 1}, (const int[]){46341, 46341}})
  {
    LICE_MemBitmap bitmap(size[0], size[1]);
    EXPECT_EQ(bitmap.Width(), 0) << size[0];
    EXPECT_EQ(bitmap.PixelData(), nullptr);
  }
  LICE_MemBitmap grown(1000, 1000);
  EXPECT_TRUE(grown.Resize(20000, 25000));  // need 2e9 bytes: growth capped
  if (grown.PixelData())
  {
    EXPECT_GE(grown.Allocated(), 2000000000);
  }
}

TEST(LiceSysBitmap, KeepsALargeEnoughSection)
{
  LICE_SysBitmap bitmap(10, 10);
  ASSERT_NE(bitmap.PixelData(), nullptr);
  EXPECT_EQ(bitmap.Width(), 10);
  EXPECT_EQ(bitmap.RowSpan(), 12);
  PixelArgb* bits = bitmap.PixelData();
  EXPECT_TRUE(bitmap.Resize(8, 10));
  EXPECT_EQ(bitmap.RowSpan(), 12);
  EXPECT_EQ(bitmap.PixelData(), bits);
  EXPECT_FALSE(bitmap.Resize(8, 10));
  EXPECT_TRUE(bitmap.Resize(13, 10));
  EXPECT_EQ(bitmap.RowSpan(), 16);
  EXPECT_FALSE(bitmap.Resize(0, 10));
  EXPECT_EQ(bitmap.PixelData(), nullptr);
}

#ifdef _WIN32
// The section is top-down: what GDI draws at (3, 2) is row 2, column 3.
TEST(LiceSysBitmap, GdiDrawsIntoTheRows)
{
  LICE_SysBitmap bitmap(10, 10);
  ASSERT_NE(bitmap.DeviceContext(), nullptr);
  std::memset(bitmap.PixelData(), 0, bitmap.RowSpan() * 10 * sizeof(PixelArgb));
  SetPixel(reinterpret_cast<HDC>(bitmap.DeviceContext()), 3, 2, RGB(255, 0, 0));
  GdiFlush();
  EXPECT_EQ(bitmap.PixelData()[2 * bitmap.RowSpan() + 3] & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(bitmap.PixelData()[3 * bitmap.RowSpan() + 2], 0u);
}
#endif
}
