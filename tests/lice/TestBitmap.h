#pragma once

#include "LICE_IBitmap.h"

#include <cstdint>
#include <vector>

// A bitmap for the raster tests: its rows lie inside a larger block whose
// other pixels (guard rows above and below, guard columns on both sides, the
// row padding) hold a canary, so that a stray write shows. It can report
// itself flipped (rows stored bottom-up).
class TestBitmap : public LICE_IBitmap
{
public:
  static constexpr PixelArgb kCanary = 0xDEADBEEF;
  static constexpr int kGuard = 3;

  TestBitmap(int width, int height, bool flipped = false, int padding = 2)
      : mWidth(width), mHeight(height), mSpan(width + padding + 2 * kGuard), mFlipped(flipped),
        mBlock(static_cast<std::size_t>(mSpan) * (height + 2 * kGuard), kCanary)
  {
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        At(x, y) = 0;
  }

  PixelArgb* PixelData() override { return mBlock.data() + kGuard * mSpan + kGuard; }
  int Width() override { return mWidth; }
  int Height() override { return mHeight; }
  int RowSpan() override { return mSpan; }
  bool IsFlipped() override { return mFlipped; }
  bool Resize(int, int) override { return false; }

  // Pixel (x, y) in display order.
  PixelArgb& At(int x, int y) { return PixelData()[(mFlipped ? mHeight - 1 - y : y) * mSpan + x]; }

  // True when every pixel outside the rows is still the canary.
  bool CanariesIntact() const
  {
    for (std::size_t i = 0; i < mBlock.size(); ++i)
    {
      const long long row = static_cast<long long>(i) / mSpan - kGuard;
      const long long column = static_cast<long long>(i) % mSpan - kGuard;
      const bool inside = row >= 0 && row < mHeight && column >= 0 && column < mWidth;
      if (!inside && mBlock[i] != kCanary)
        return false;
    }
    return true;
  }

  std::vector<PixelArgb> Pixels()
  {
    std::vector<PixelArgb> pixels;
    for (int y = 0; y < mHeight; ++y)
      for (int x = 0; x < mWidth; ++x)
        pixels.push_back(At(x, y));
    return pixels;
  }

private:
  int mWidth;
  int mHeight;
  int mSpan;
  bool mFlipped;
  std::vector<PixelArgb> mBlock;
};
