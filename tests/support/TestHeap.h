#pragma once

#include <cstddef>

// A test program that links TestHeap.cpp takes its heap routines and its
// global operator new from here: they count every allocation and fail on
// request.
namespace TestHeap
{
// The framework's heap routines (HeapBuffer and everything built on it).
// While failAll is set every allocation fails; while failReallocation is
// set reallocation fails but a fresh allocation succeeds.
extern bool failAll;
extern bool failReallocation;
// Every allocation of the heap routines fails after this many more have
// succeeded; negative: never.
extern long long heapFailsAfter;
// operator new throws std::bad_alloc for every allocation after this many
// more have succeeded; negative: never.
extern long long newFailsAfter;
// Allocations made through either, since the program started.
long long Allocations();
// The largest block asked of the heap routines since the last call.
std::size_t TakeLargestRequest();
// Blocks given back through operator delete, since the program started.
long long Releases();
// Watches one block: WatchedReleased tells whether operator delete has been
// given it since.
void WatchRelease(const void* block);
bool WatchedReleased();

struct Scope
{
  Scope(bool all, bool reallocation)
  {
    failAll = all;
    failReallocation = reallocation;
  }
  ~Scope() { failAll = failReallocation = false; }
};

// operator new fails after this many more allocations until the scope ends.
struct NewFailure
{
  explicit NewFailure(long long after) { newFailsAfter = after; }
  ~NewFailure() { newFailsAfter = -1; }
};
}
