#include "LICE_SysBitmap.h"

#include <climits>

bool LICE_SysBitmap::Resize(int width, int height)
{
  if (!CanHoldPixels())
  {
    mWidth = mHeight = 0;
    mBits = nullptr;
    return false;
  }
  if (width == mWidth && height == mHeight)
    return false;
  mWidth = width;
  mHeight = height;
  if (width && height && width <= mAllocatedWidth && height <= mAllocatedHeight && mBits)
    return true;

  const long long allocatedWidth = (static_cast<long long>(width) + 3) & ~3LL;
  mAllocatedWidth = allocatedWidth > INT_MAX ? 0 : static_cast<int>(allocatedWidth);
  mAllocatedHeight = height;
  ReleasePixels();
  if (mAllocatedWidth < 1 || mAllocatedHeight < 1)
  {
    if (width > 0 && height > 0)  // a width beyond the int range
      mWidth = mHeight = 0;
    return false;
  }
  CreatePixels();
  if (!mBits)
    mWidth = mHeight = 0;
  return true;
}
