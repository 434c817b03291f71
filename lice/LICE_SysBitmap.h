#pragma once

#include "LICE_IBitmap.h"

// A bitmap whose pixels live in a device-independent bitmap section selected
// into its own memory device context, so that GDI can draw text into it and
// the window can present it with one bit-block transfer. A DIB that is large
// enough is kept: shrinking and growing within it only changes the size the
// bitmap reports. (Off Windows the pixels are a heap block sized by the same
// rules, and there is no device context.)
class LICE_SysBitmap : public LICE_IBitmap
{
public:
  LICE_SysBitmap(int width = 0, int height = 0);
  ~LICE_SysBitmap() override;
  LICE_SysBitmap(const LICE_SysBitmap&) = delete;
  LICE_SysBitmap& operator=(const LICE_SysBitmap&) = delete;

  PixelArgb* PixelData() override { return mBits; }
  int Width() override { return mWidth; }
  int Height() override { return mHeight; }
  int RowSpan() override { return mAllocatedWidth; }
  // False for the current size and for a size of zero (which frees the
  // pixels); true otherwise, also when no pixels could be had (then 0 by 0).
  bool Resize(int width, int height) override;
  LiceDeviceContext DeviceContext() override { return mDC; }

private:
  // The platform's part: whether pixels can be had at all (a device
  // context exists); freeing them; making them at the allocated size (a
  // top-down section, bottom-up when flipped), or leaving none.
  bool CanHoldPixels() const;
  void ReleasePixels();
  void CreatePixels();

  int mWidth = 0;
  int mHeight = 0;
  LiceDeviceContext mDC = nullptr;
  PixelArgb* mBits = nullptr;
  int mAllocatedWidth = 0;
  int mAllocatedHeight = 0;
  void* mSection = nullptr;
  void* mPreviousObject = nullptr;
};
