#include "StateChunk.h"

#include <cstring>

int StateChunk::PutBytes(const void* bytes, int count)
{
  const int oldSize = Size();
  if (count <= 0 || count > 0x7fffffff - oldSize)
    return oldSize;
  mBuffer.Resize(oldSize + count, true);
  if (Size() == oldSize + count)
    std::memcpy(Get() + oldSize, bytes, count);
  return Size();
}

int StateChunk::GetBytes(void* destination, int count, int position) const
{
  // Written so that position + count cannot overflow.
  if (position < 0 || count < 0 || count > Size() - position)
    return -1;
  if (count)
    std::memcpy(destination, Get() + position, count);
  return position + count;
}
