#pragma once

// The base tests link heap routines that fail on request.
namespace FailingHeap
{
// While set, every reallocation and every fresh allocation fails.
extern bool failAll;
// While set, reallocation fails but a fresh allocation succeeds.
extern bool failReallocation;

struct Scope
{
  Scope(bool all, bool reallocation)
  {
    failAll = all;
    failReallocation = reallocation;
  }
  ~Scope() { failAll = failReallocation = false; }
};
}
