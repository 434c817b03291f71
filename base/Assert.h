#pragma once

// Assertions with fixed texts guard build-time invariants (a malformed
// channel text, a missing image resource): a failure ends the process.
// Reports guard invariants the program can live without (a tooltip too long
// for its window): a failure is told and the program goes on. A module
// built with ZL_NO_ASSERTIONS does neither.
#ifdef ZL_NO_ASSERTIONS
// The condition is not evaluated, only kept in use.
#define ZL_ASSERT(condition, text) ((void)sizeof(condition))
#define ZL_REPORT(condition, text) ((void)sizeof(condition))
#else
#define ZL_ASSERT(condition, text) \
  ((condition) ? (void)0 : AssertionFailed(text, __FILE__, __LINE__))
#define ZL_REPORT(condition, text) \
  ((condition) ? (void)0 : AssertionReported(text, __FILE__, __LINE__))
#endif

[[noreturn]] void AssertionFailed(const char* text, const char* file, int line);
void AssertionReported(const char* text, const char* file, int line);

// Who hears of reported failures: by default the standard error stream (and
// a debugger on Windows). Returns the previous listener.
using AssertionListener = void (*)(const char* text, const char* file, int line);
AssertionListener SetAssertionListener(AssertionListener listener);
