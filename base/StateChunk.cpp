#include "StateChunk.h"

#include <cstdint>
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

int StateChunk::PutString(const char* text)
{
  const int oldSize = Size();
  const std::size_t length = std::strlen(text);
  if (length > static_cast<std::size_t>(0x7fffffff - 4) || static_cast<int>(length) + 4 > 0x7fffffff - oldSize)
    return oldSize;
  const int count = static_cast<int>(length);
  mBuffer.Resize(oldSize + 4 + count, true);
  if (Size() != oldSize + 4 + count)
    return oldSize;
  unsigned char* bytes = Get() + oldSize;
  for (int i = 0; i < 4; ++i)
    bytes[i] = static_cast<unsigned char>(static_cast<std::uint32_t>(count) >> (8 * i));
  std::memcpy(bytes + 4, text, length);
  return Size();
}

int StateChunk::ResizeZeroed(int newSize)
{
  const int oldSize = Size();
  mBuffer.Resize(newSize, true);
  if (Size() > oldSize)
    std::memset(Get() + oldSize, 0, Size() - oldSize);
  return oldSize;
}
