#include "Assert.h"

#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{
void PrintAssertion(const char* verdict, const char* text, const char* file, int line)
{
  char message[512];
  std::snprintf(message, sizeof message, "assertion \"%s\" %s: %s, line %d\n", text, verdict, file, line);
  std::fputs(message, stderr);
  std::fflush(stderr);
#ifdef _WIN32
  OutputDebugStringA(message);
#endif
}

void PrintReport(const char* text, const char* file, int line) { PrintAssertion("reported", text, file, line); }

AssertionListener gListener = PrintReport;
}

void AssertionFailed(const char* text, const char* file, int line)
{
  PrintAssertion("failed", text, file, line);
  std::abort();
}

void AssertionReported(const char* text, const char* file, int line)
{
  if (gListener)
    gListener(text, file, line);
}

AssertionListener SetAssertionListener(AssertionListener listener)
{
  AssertionListener previous = gListener;
  gListener = listener ? listener : PrintReport;
  return previous;
}
