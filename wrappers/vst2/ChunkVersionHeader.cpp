#include "ChunkVersionHeader.h"

#include <cstdint>

bool PutChunkVersionHeader(StateChunk* chunk)
{
  chunk->Clear();
  return chunk->PutInt32(kChunkMagic) == 4 && chunk->PutInt32(kChunkVersion) == kChunkVersionHeaderSize;
}

int GetChunkVersionHeader(const StateChunk* chunk, int* position)
{
  std::int32_t magic = 0, version = 0;
  const int versionPosition = chunk->GetInt32(&magic, *position);
  if (versionPosition < 0 || magic != kChunkMagic)
    return 0;
  *position = chunk->GetInt32(&version, versionPosition);
  return *position < 0 ? 0 : version;
}
