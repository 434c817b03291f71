#include "LICE_MemBitmap.h"

#include "HeapAllocator.h"

#include <climits>
#include <cstdint>
#include <cstring>

namespace
{
// The block is this much larger than its pixel data, so that the data can
// start on a 64-byte boundary.
constexpr int kAlignmentSlack = 63;

// Where the pixel data starts in block.
std::size_t PixelOffset(const void* block)
{
  return static_cast<std::size_t>(-reinterpret_cast<std::uintptr_t>(block)) & kAlignmentSlack;
}
}

LICE_MemBitmap::LICE_MemBitmap(int width, int height)
{
  if (width > 0 && height > 0)
    Resize(width, height);
}

LICE_MemBitmap::~LICE_MemBitmap() { Free(); }

void LICE_MemBitmap::Free()
{
  HeapRelease(mBlock);
  mBlock = nullptr;
  mAllocated = 0;
}

PixelArgb* LICE_MemBitmap::PixelData()
{
  if (!mBlock)
    return nullptr;
  return reinterpret_cast<PixelArgb*>(static_cast<unsigned char*>(mBlock) + PixelOffset(mBlock));
}

bool LICE_MemBitmap::Resize(int width, int height)
{
  if (width == mWidth && height == mHeight)
    return false;
  mWidth = width;
  mHeight = height;
  // In 64 bits: a size whose bytes do not fit an int is refused like an
  // allocation that fails.
  const long long need = SpanOf(width) * height * 4;
  if (need < 1 || width < 1 || height < 1 || need > INT_MAX)
  {
    Free();
  }
  else if (!mBlock)
  {
    mAllocated = static_cast<int>(need);
    mBlock = HeapAllocate(static_cast<std::size_t>(need) + kAlignmentSlack);
  }
  else if (mAllocated < need)
  {
    const long long grown = need + need / 4;
    const int kept = mAllocated;
    const std::size_t keptAt = PixelOffset(mBlock);
    mAllocated = static_cast<int>(grown < INT_MAX ? grown : INT_MAX);
    void* block = HeapReallocate(mBlock, static_cast<std::size_t>(mAllocated) + kAlignmentSlack);
    if (block)
    {
      // A block that moved keeps its bytes, but not their place against a
      // 64-byte boundary: the pixels follow the boundary.
      mBlock = block;
      unsigned char* bytes = static_cast<unsigned char*>(mBlock);
      if (PixelOffset(mBlock) != keptAt)
        std::memmove(bytes + PixelOffset(mBlock), bytes + keptAt, static_cast<std::size_t>(kept));
    }
    else
    {
      Free();
      mAllocated = static_cast<int>(need);
      mBlock = HeapAllocate(static_cast<std::size_t>(need) + kAlignmentSlack);
    }
  }
  if (!mBlock)
  {
    mAllocated = 0;
    mWidth = mHeight = 0;
  }
  return true;
}
