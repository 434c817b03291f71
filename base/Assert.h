#pragma once

// Assertions with fixed texts guard build-time invariants (a malformed
// channel text, a missing image resource). A module built with
// ZL_NO_ASSERTIONS goes on instead.
#ifdef ZL_NO_ASSERTIONS
#define ZL_ASSERT(condition, text) ((void)0)
#else
#define ZL_ASSERT(condition, text) \
  ((condition) ? (void)0 : AssertionFailed(text, __FILE__, __LINE__))
#endif

[[noreturn]] void AssertionFailed(const char* text, const char* file, int line);
