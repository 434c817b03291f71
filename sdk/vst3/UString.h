#pragma once

#include "vst3_base.h"

namespace Steinberg
{
// Widens an 8-bit text into a UTF-16 buffer of capacity units, each byte
// sign-extended as a host's char conversion does, and terminates it.
inline void WidenText(char16* destination, int32 capacity, const char* text)
{
  int32 i = 0;
  for (; text && text[i] && i < capacity - 1; ++i)
    destination[i] = static_cast<char16>(static_cast<int16>(static_cast<signed char>(text[i])));
  destination[i] = 0;
}

// Keeps the low byte of each unit, up to the first zero unit or capacity
// units, and terminates the 8-bit text within its capacity.
inline void NarrowText(char* destination, int32 capacity, const char16* text, int32 maxUnits)
{
  int32 i = 0;
  for (; i < maxUnits && i < capacity - 1 && text[i]; ++i)
    destination[i] = static_cast<char>(text[i] & 0xFF);
  destination[i] = 0;
}

// A bounded copy that pads the rest of the field with zero bytes.
inline void CopyField(char* destination, int32 width, const char* text)
{
  int32 i = 0;
  for (; text && text[i] && i < width - 1; ++i)
    destination[i] = text[i];
  for (; i < width; ++i)
    destination[i] = 0;
}
}
