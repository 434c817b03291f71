#include "ChunkVersionHeader.h"

#include <cstdint>

namespace
{
void EncodeInt32(std::int32_t value, unsigned char* bytes)
{
  for (int i = 0; i < 4; ++i)
    bytes[i] = static_cast<unsigned char>(static_cast<std::uint32_t>(value) >> (8 * i));
}

std::int32_t DecodeInt32(const unsigned char* bytes)
{
  std::uint32_t bits = 0;
  for (int i = 0; i < 4; ++i)
    bits |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
  return static_cast<std::int32_t>(bits);
}
}

bool PutChunkVersionHeader(StateChunk* chunk)
{
  unsigned char header[kChunkVersionHeaderSize];
  EncodeInt32(kChunkMagic, header);
  EncodeInt32(kChunkVersion, header + 4);
  chunk->Clear();
  return chunk->PutBytes(header, kChunkVersionHeaderSize) == kChunkVersionHeaderSize;
}

int GetChunkVersionHeader(const StateChunk* chunk, int* position)
{
  unsigned char word[4];
  const int versionPosition = chunk->GetBytes(word, 4, *position);
  if (versionPosition < 0 || DecodeInt32(word) != kChunkMagic)
    return 0;
  *position = chunk->GetBytes(word, 4, versionPosition);
  return *position < 0 ? 0 : DecodeInt32(word);
}
