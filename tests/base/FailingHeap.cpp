#include "FailingHeap.h"

#include "HeapAllocator.h"

#include <cstdlib>

bool FailingHeap::failAll = false;
bool FailingHeap::failReallocation = false;

void* HeapReallocate(void* block, std::size_t bytes)
{
  return FailingHeap::failAll || FailingHeap::failReallocation ? nullptr : std::realloc(block, bytes);
}

void* HeapAllocate(std::size_t bytes) { return FailingHeap::failAll ? nullptr : std::malloc(bytes); }

void HeapRelease(void* block) { std::free(block); }
