#include "TestHeap.h"

#include "HeapAllocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

bool TestHeap::failAll = false;
bool TestHeap::failReallocation = false;
long long TestHeap::newFailsAfter = -1;

namespace
{
std::atomic<long long> gAllocations{0};

void* CountedMalloc(std::size_t bytes)
{
  ++gAllocations;
  return std::malloc(bytes ? bytes : 1);
}
}

long long TestHeap::Allocations() { return gAllocations; }

void* HeapReallocate(void* block, std::size_t bytes)
{
  ++gAllocations;
  return TestHeap::failAll || TestHeap::failReallocation ? nullptr : std::realloc(block, bytes);
}

void* HeapAllocate(std::size_t bytes)
{
  ++gAllocations;
  return TestHeap::failAll ? nullptr : std::malloc(bytes);
}

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
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
