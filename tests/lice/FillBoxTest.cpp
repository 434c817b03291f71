#include "LICE_Compose.h"
#include "RasterModel.h"
#include "TestBitmap.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace
{
TEST(LiceFillBox, EveryModeMatchesTheModel)
{
  std::mt19937 random(5);
  const int weights[] = {1, 64, 127, 128, 192, 255, 256, 300, -50};
  for (int mode : {0, 1, 2, 3, 4, 5, 6, 0xF3})
    for (int sourceAlpha : {0, CombineUseSourceAlpha})
      for (int weight : weights)
        for (bool flipped : {false, true})
          for (PixelArgb colour : {0xFF336699u, 0x80C01020u, 0x00FFFFFFu})
          {
            TestBitmap bitmap(9, 7, flipped), expected(9, 7);
            for (int y = 0; y < 7; ++y)
              for (int x = 0; x < 9; ++x)
                expected.At(x, y) = bitmap.At(x, y) = random();
            const float alpha = weight / 256.0f;
            model::FillBox(&expected, -2, 3, 6, 9, colour, alpha, mode | sourceAlpha);
            LICE_FillBox(&bitmap, -2, 3, 6, 9, colour, alpha, mode | sourceAlpha);
            ASSERT_EQ(bitmap.Pixels(), expected.Pixels())
                << std::hex << "mode " << (mode | sourceAlpha) << " colour " << colour << std::dec << " weight "
                << weight << " flipped " << flipped;
            ASSERT_TRUE(bitmap.CanariesIntact());
          }
}

TEST(LiceFillBox, Cases)
{
  struct Case
  {
    const char* what;
    PixelArgb colour, destination;
    float alpha;
    int mode;
    PixelArgb result;
  } cases[] = {
      {"colour alpha 0 with source alpha", 0x00FF0000, 0xFF123456, 1.0f, CombineUseSourceAlpha, 0xFF123456},
      {"1.0 stores the colour word", 0x12345678, 0xFFFFFFFF, 1.0f, CombineCopy, 0x12345678},
      {"0.25 of black onto white", 0xFF000000, 0xFFFFFFFF, 0.25f, CombineCopy, 0xFDBEBEBE},
      {"0.5 of white onto white", 0xFFFFFFFF, 0xFFFFFFFF, 0.5f, CombineCopy, 0xFEFEFEFE},
      {"mode 6 draws nothing", 0xFF000000, 0xFF123456, 1.0f, 6, 0xFF123456},
      {"channel copy draws nothing", 0xFF000000, 0xFF123456, 1.0f, 0xFF, 0xFF123456},
      {"NaN draws nothing", 0xFF000000, 0xFF123456, std::numeric_limits<float>::quiet_NaN(), CombineAdd,
       0xFF123456},
  };
  for (const Case& c : cases)
  {
    TestBitmap bitmap(2, 2);
    bitmap.At(1, 1) = c.destination;
    LICE_FillBox(&bitmap, 1, 1, 5, 5, c.colour, c.alpha, c.mode);
    EXPECT_EQ(bitmap.At(1, 1), c.result) << c.what << std::hex << ": " << bitmap.At(1, 1);
    EXPECT_EQ(bitmap.At(0, 0), 0u) << c.what;
    EXPECT_TRUE(bitmap.CanariesIntact());
  }
}

TEST(LiceFillBox, ExtremeRectanglesClip)
{
  const int big = std::numeric_limits<int>::max(), small = std::numeric_limits<int>::min();
  const int boxes[][4] = {{small, small, big, big}, {0, 0, big, big}, {big, 0, 5, 5}, {-3, -3, big, 2},
                          {small, 0, big, 1}, {2, 2, small, 4}};
  for (const auto& box : boxes)
  {
    TestBitmap bitmap(5, 4), expected(5, 4);
    model::FillBox(&expected, box[0], box[1], box[2], box[3], 0xFF00FF00, 1.0f, CombineCopy);
    LICE_FillBox(&bitmap, box[0], box[1], box[2], box[3], 0xFF00FF00, 1.0f, CombineCopy);
    EXPECT_EQ(bitmap.Pixels(), expected.Pixels()) << box[0] << " " << box[1] << " " << box[2] << " " << box[3];
    EXPECT_TRUE(bitmap.CanariesIntact());
  }
  LICE_FillBox(nullptr, 0, 0, 1, 1, 0, 1.0f, 0);
}
}
