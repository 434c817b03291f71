#include "HeapAllocator.h"

#include <cstdlib>

void* HeapReallocate(void* block, std::size_t bytes) { return std::realloc(block, bytes); }
void* HeapAllocate(std::size_t bytes) { return std::malloc(bytes); }
void HeapRelease(void* block) { std::free(block); }
