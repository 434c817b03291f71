#pragma once

#include "HeapBuffer.h"

#include <cstdint>

// A growable byte buffer carrying serialised state. Writers append; readers
// walk it with a position, which becomes -1 when too few bytes remain.
class StateChunk
{
public:
  StateChunk() = default;
  StateChunk(const StateChunk&) = delete;
  StateChunk& operator=(const StateChunk&) = delete;

  // Appends count bytes and returns the new size.
  int PutBytes(const void* bytes, int count);

  // Copies count bytes from position and returns position + count; copies
  // nothing and returns -1 when the bytes are not all there (or position or
  // count is negative).
  int GetBytes(void* destination, int count, int position) const;

  // Appends a little-endian int32, all or nothing; returns the new size.
  int PutInt32(std::int32_t value);
  // Reads a little-endian int32 at position; returns position + 4, or -1
  // (value untouched) when the four bytes are not all there.
  int GetInt32(std::int32_t* value, int position) const;

  // Appends the text's length as a little-endian int32, then its bytes
  // without the terminator, all or nothing; returns the new size.
  int PutString(const char* text);

  // Sets the size; bytes beyond the old size are zero. Returns the old size
  // (callers check Size(): when memory cannot be had nothing changes).
  int ResizeZeroed(int newSize);

  int Size() const { return mBuffer.Size(); }
  unsigned char* Get() const { return static_cast<unsigned char*>(mBuffer.Get()); }
  unsigned char* Resize(int newSize) { return static_cast<unsigned char*>(mBuffer.Resize(newSize, true)); }
  void Clear() { mBuffer.Resize(0, true); }

private:
  HeapBuffer mBuffer{4096};
};
