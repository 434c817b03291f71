// Off Windows a LICE_SysBitmap has no device context: its pixels are a heap
// block of the size a DIB section would have.

#include "LICE_SysBitmap.h"

#include "HeapAllocator.h"

#include <cstring>

LICE_SysBitmap::LICE_SysBitmap(int width, int height) { Resize(width, height); }

LICE_SysBitmap::~LICE_SysBitmap() { ReleasePixels(); }

bool LICE_SysBitmap::CanHoldPixels() const { return true; }

void LICE_SysBitmap::ReleasePixels()
{
  HeapRelease(mSection);
  mSection = nullptr;
  mBits = nullptr;
}

void LICE_SysBitmap::CreatePixels()
{
  const unsigned long long bytes =
      static_cast<unsigned long long>(mAllocatedWidth) * static_cast<unsigned long long>(mAllocatedHeight) * 4;
  if (bytes > 0x7fffffffULL)
    return;
  // Zeroed, as a new DIB section is.
  mSection = HeapAllocate(static_cast<std::size_t>(bytes));
  if (mSection)
    std::memset(mSection, 0, static_cast<std::size_t>(bytes));
  mBits = static_cast<PixelArgb*>(mSection);
}
