#include "TestHeap.h"

#include "HeapAllocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

bool TestHeap::failAll = false;
bool TestHeap::failReallocation = false;
long long TestHeap::heapFailsAfter = -1;
long long TestHeap::newFailsAfter = -1;

namespace
{
std::atomic<long long> gAllocations{0};
std::atomic<std::size_t> gLargestRequest{0};
std::atomic<long long> gReleases{0};
std::atomic<const void*> gWatched{nullptr};
std::atomic<bool> gWatchedReleased{false};

// Counts a request of the heap routines; false when it is to fail.
bool GrantRequest(std::size_t bytes)
{
  ++gAllocations;
  std::size_t largest = gLargestRequest;
  while (bytes > largest && !gLargestRequest.compare_exchange_weak(largest, bytes))
  {
  }
  if (TestHeap::heapFailsAfter == 0 || TestHeap::failAll)
    return false;
  if (TestHeap::heapFailsAfter > 0)
    --TestHeap::heapFailsAfter;
  return true;
}

void* CountedMalloc(std::size_t bytes)
{
  ++gAllocations;
  return std::malloc(bytes ? bytes : 1);
}

void CountedFree(void* block)
{
  if (!block)
    return;
  ++gReleases;
  if (block == gWatched.load())
    gWatchedReleased = true;
  std::free(block);
}
}

long long TestHeap::Allocations() { return gAllocations; }
std::size_t TestHeap::TakeLargestRequest() { return gLargestRequest.exchange(0); }
long long TestHeap::Releases() { return gReleases; }
void TestHeap::WatchRelease(const void* block)
{
  gWatched = block;
  gWatchedReleased = false;
}
bool TestHeap::WatchedReleased() { return gWatchedReleased; }

void* HeapReallocate(void* block, std::size_t bytes)
{
  return GrantRequest(bytes) && !TestHeap::failReallocation ? std::realloc(block, bytes) : nullptr;
}

void* HeapAllocate(std::size_t bytes) { return GrantRequest(bytes) ? std::malloc(bytes) : nullptr; }

void HeapRelease(void* block) { std::free(block); }

void* operator new(std::size_t bytes)
{
  if (TestHeap::newFailsAfter == 0)
    throw std::bad_alloc();
  if (TestHeap::newFailsAfter > 0)
    --TestHeap::newFailsAfter;
  void* block = CountedMalloc(bytes);
  if (!block)
    throw std::bad_alloc();
  return block;
}

void* operator new[](std::size_t bytes) { return operator new(bytes); }
void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept
{
  try
  {
    return operator new(bytes);
  }
  catch (...)
  {
    return nullptr;
  }
}
void* operator new[](std::size_t bytes, const std::nothrow_t& tag) noexcept { return operator new(bytes, tag); }
void operator delete(void* block) noexcept { CountedFree(block); }
void operator delete[](void* block) noexcept { CountedFree(block); }
void operator delete(void* block, std::size_t) noexcept { CountedFree(block); }
void operator delete[](void* block, std::size_t) noexcept { CountedFree(block); }
