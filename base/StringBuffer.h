#pragma once

#include "HeapBuffer.h"

#include <cstdarg>

// A NUL-terminated text held in a HeapBuffer of granularity 128. The size
// counts the terminator; an empty buffer reads as a null text.
class StringBuffer
{
public:
  // A maximum length of 0 or less takes the whole text.
  explicit StringBuffer(const char* text = nullptr, int maxLength = 0);

  const char* Get() const { return static_cast<const char*>(mBuffer.Get()); }
  int Size() const { return mBuffer.Size(); }

  void Set(const char* text, int maxLength = 0);

  // Writes len bytes of text at pos and terminates the text behind them, so
  // a write always cuts the text at its end. The text may be a part of this
  // buffer's own text.
  void SetAt(int pos, const char* text, int len);

  const char* Printf(int maxLength, const char* format, ...)
#if defined(__GNUC__)
      __attribute__((format(printf, 3, 4)))
#endif
      ;
  const char* VPrintf(int maxLength, const char* format, va_list args);

private:
  HeapBuffer mBuffer{128};
};
