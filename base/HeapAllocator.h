#pragma once

#include <cstddef>

// The heap routines behind HeapBuffer. They live in a file of their own so
// that tests can link routines that fail on request.
void* HeapReallocate(void* block, std::size_t bytes);  // null on failure, block kept
void* HeapAllocate(std::size_t bytes);
void HeapRelease(void* block);
