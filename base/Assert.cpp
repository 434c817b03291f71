#include "Assert.h"

#include <cstdio>
#include <cstdlib>

void AssertionFailed(const char* text, const char* file, int line)
{
  std::fprintf(stderr, "assertion \"%s\" failed: %s, line %d\n", text, file, line);
  std::fflush(stderr);
  std::abort();
}
