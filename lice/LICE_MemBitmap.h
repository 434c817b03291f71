#pragma once

#include "LICE_IBitmap.h"

// A bitmap whose pixels live in a heap block: rows padded to multiples of 4
// pixels, the first pixel on a 64-byte boundary. The block grows by a
// quarter beyond the need and never shrinks while the bitmap is not empty.
class LICE_MemBitmap : public LICE_IBitmap
{
public:
  LICE_MemBitmap(int width = 0, int height = 0);
  ~LICE_MemBitmap() override;
  LICE_MemBitmap(const LICE_MemBitmap&) = delete;
  LICE_MemBitmap& operator=(const LICE_MemBitmap&) = delete;

  PixelArgb* PixelData() override;
  int Width() override { return mWidth; }
  int Height() override { return mHeight; }
  int RowSpan() override { return static_cast<int>(SpanOf(mWidth)); }
  // False for the current size. A size whose pixels cannot be had (or would
  // take more than INT_MAX bytes) leaves the bitmap empty, 0 by 0.
  bool Resize(int width, int height) override;

  // Bytes of pixel data the block holds.
  int Allocated() const { return mAllocated; }

private:
  static constexpr int kRowAlignMask = 3;

  static long long SpanOf(int width) { return (static_cast<long long>(width) + kRowAlignMask) & ~kRowAlignMask; }
  void Free();

  void* mBlock = nullptr;
  int mWidth = 0;
  int mHeight = 0;
  int mAllocated = 0;
};
