#include "HeapBuffer.h"

#include "HeapAllocator.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace
{
constexpr long long kPage = 4096;
constexpr long long kHeapHeader = 96;
constexpr long long kMaxPageStep = 4194304;
}

HeapBuffer::HeapBuffer(int granularity) : mGranularity(granularity) {}

HeapBuffer::~HeapBuffer() { Free(); }

void HeapBuffer::Free()
{
  HeapRelease(mData);
  mData = nullptr;
  mAllocated = 0;
  mSize = 0;
}

int HeapBuffer::AllocationFor(int n) const
{
  if (n < 1)
    return 0;
  // 64-bit arithmetic: a size near INT_MAX must not wrap into a small block.
  long long step = std::max<long long>(n / 2, mGranularity);
  long long allocation;
  if (mGranularity < static_cast<int>(kPage))
  {
    allocation = n + step;
  }
  else
  {
    step = std::clamp(step / kPage * kPage, kPage, kMaxPageStep);
    allocation = (n + kHeapHeader + step) / kPage * kPage - kHeapHeader;
  }
  return allocation > INT_MAX ? -1 : static_cast<int>(allocation);
}

void* HeapBuffer::Resize(int newSize, bool allowShrink)
{
  const int n = std::max(newSize, 0);
  if (n == mSize)
    return Get();

  int shrinkThreshold = 0;
  if (allowShrink && n < mSize)
    shrinkThreshold = std::max(1, std::min(mAllocated / 2, mAllocated - 4 * mGranularity));

  if (n <= mAllocated && n >= shrinkThreshold)
  {
    mSize = n;
    return Get();
  }

  const int allocation = AllocationFor(n);
  if (allocation < 0)
    return Get();
  if (allocation == mAllocated)
  {
    mSize = n;
    return Get();
  }
  if (allocation == 0)
  {
    Free();
    return nullptr;
  }

  void* block = HeapReallocate(mData, allocation);
  if (!block)
  {
    block = HeapAllocate(allocation);
    if (!block)
      return Get();
    if (mData)
      std::memcpy(block, mData, std::min(mSize, n));
    HeapRelease(mData);
  }
  mData = block;
  mAllocated = allocation;
  mSize = n;
  return Get();
}
