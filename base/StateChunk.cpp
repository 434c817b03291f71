#include "StateChunk.h"

#include <cstdint>
#include <cstring>

namespace
{
constexpr int kInt32Bytes = 4;

void EncodeInt32(std::int32_t value, unsigned char* bytes)
{
  for (int i = 0; i < kInt32Bytes; ++i)
    bytes[i] = static_cast<unsigned char>(static_cast<std::uint32_t>(value) >> (8 * i));
}
}

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

int StateChunk::PutInt32(std::int32_t value)
{
  unsigned char bytes[kInt32Bytes];
  EncodeInt32(value, bytes);
  return PutBytes(bytes, kInt32Bytes);
}

int StateChunk::GetInt32(std::int32_t* value, int position) const
{
  unsigned char bytes[kInt32Bytes];
  const int next = GetBytes(bytes, kInt32Bytes, position);
  if (next < 0)
    return -1;
  std::uint32_t bits = 0;
  for (int i = 0; i < kInt32Bytes; ++i)
    bits |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
  *value = static_cast<std::int32_t>(bits);
  return next;
}

int StateChunk::PutString(const char* text)
{
  const int oldSize = Size();
  const std::size_t length = std::strlen(text);
  if (length > static_cast<std::size_t>(0x7fffffff - kInt32Bytes) ||
      static_cast<int>(length) + kInt32Bytes > 0x7fffffff - oldSize)
    return oldSize;
  const int count = static_cast<int>(length);
  mBuffer.Resize(oldSize + kInt32Bytes + count, true);
  if (Size() != oldSize + kInt32Bytes + count)
    return oldSize;
  EncodeInt32(count, Get() + oldSize);
  std::memcpy(Get() + oldSize + kInt32Bytes, text, length);
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
