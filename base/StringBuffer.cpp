#include "StringBuffer.h"

#include <cstdio>
#include <cstring>

StringBuffer::StringBuffer(const char* text, int maxLength) { Set(text, maxLength); }

void StringBuffer::Set(const char* text, int maxLength)
{
  if (!text)
    return;
  int length = 0;
  if (maxLength <= 0)
    length = static_cast<int>(std::strlen(text));
  else
    while (length < maxLength && text[length])
      ++length;
  SetAt(0, text, length);
}

void StringBuffer::SetAt(int pos, const char* text, int len)
{
  if (len == 0)
  {
    if (pos == 0)
    {
      mBuffer.Resize(1, false);
      if (mBuffer.Size() == 1)
        *static_cast<char*>(mBuffer.Get()) = 0;
    }
    return;
  }
  if (len < 0 || pos < 0 || len > 0x7ffffffe - pos)
    return;

  const int end = pos + len + 1;
  const int oldSize = mBuffer.Size();
  if (oldSize < end)
  {
    const char* oldData = static_cast<const char*>(mBuffer.Get());
    const bool textInside = text && oldData && text >= oldData && text < oldData + oldSize;
    const int textOffset = textInside ? static_cast<int>(text - oldData) : 0;
    mBuffer.Resize(end, false);
    if (textInside)
      text = static_cast<const char*>(mBuffer.Get()) + textOffset;
  }
  if (mBuffer.Size() < end)
    return;

  char* data = static_cast<char*>(mBuffer.Get());
  if (text)
    std::memmove(data + pos, text, len);
  data[end - 1] = 0;
  if (end < oldSize)
    mBuffer.Resize(end, false);
}

const char* StringBuffer::Printf(int maxLength, const char* format, ...)
{
  va_list args;
  va_start(args, format);
  const char* result = VPrintf(maxLength, format, args);
  va_end(args);
  return result;
}

const char* StringBuffer::VPrintf(int maxLength, const char* format, va_list args)
{
  if (maxLength < 0 || maxLength > 0x7ffffffe)
    return Get();
  mBuffer.Resize(maxLength + 1, true);
  if (mBuffer.Size() != maxLength + 1)
    return Get();

  char* data = static_cast<char*>(mBuffer.Get());
  const int written = std::vsnprintf(data, maxLength + 1, format, args);
  // An error or a cut text keeps what the formatter wrote, at most
  // maxLength characters.
  if (written < 0 || written >= maxLength)
    data[maxLength] = 0;
  mBuffer.Resize(static_cast<int>(std::strlen(data)) + 1, true);
  return Get();
}
