// The AAX module's one chunk: its identifier is the plug-in's unique id and
// its data the framework's parameter state. Only the size word and the data
// are written; the host's version, identifier and name stay as it gave them.

#include "IPlugAAX.h"

#include "HostEntryGuard.h"

#include <cstring>
#include <vector>

namespace
{
constexpr int kValueBytes = 8;
}

int32_t IPlugAAX::ChunkIdAt(int32_t index, AAX_FourCC* chunkId) const
{
  if (!chunkId)
    return kAAXRefused;
  *chunkId = index == 0 ? static_cast<AAX_FourCC>(GetUniqueID()) : 0;
  return index == 0 ? kAAXSuccess : kAAXBadChunkIndex;
}

int32_t IPlugAAX::GetChunkByteSize(AAX_FourCC chunkId, int32_t* size)
{
  if (!size)
    return kAAXRefused;
  StateChunk state;
  // A state that cannot be made is refused as WriteChunk refuses it.
  if (chunkId != static_cast<AAX_FourCC>(GetUniqueID()) || !SerializePlugState(&state))
  {
    *size = 0;
    return kAAXUnknownChunk;
  }
  *size = state.Size();
  return kAAXSuccess;
}

int32_t IPlugAAX::WriteChunk(AAX_FourCC chunkId, ChunkRecord* record)
{
  if (chunkId != static_cast<AAX_FourCC>(GetUniqueID()))
    return kAAXUnknownChunk;
  if (!record)
    return kAAXRefused;
  StateChunk state;
  if (!SerializePlugState(&state))
    return kAAXUnknownChunk;
  WriteChunkWord(record->size, static_cast<uint32_t>(state.Size()));
  if (state.Size() > 0)
    std::memcpy(ChunkData(*record), state.Get(), static_cast<size_t>(state.Size()));
  return kAAXSuccess;
}

int32_t IPlugAAX::ReadChunk(AAX_FourCC chunkId, const ChunkRecord* record)
{
  if (chunkId != static_cast<AAX_FourCC>(GetUniqueID()))
    return kAAXUnknownChunk;
  if (!record)
    return kAAXRefused;
  const int32_t size = ChunkDataSize(*record);
  if (size < 0)
    return kAAXBadChunkSize;
  // Bytes past the parameter state are never read.
  const int32_t stateBytes = kValueBytes * NParams();
  const int bytes = size < stateBytes ? size : stateBytes;
  StateChunk state;
  if (bytes > 0 && state.PutBytes(ChunkData(*record), bytes) != bytes)
    return kAAXRefused;
  // Read as every module reads host state: a value cut short, or not
  // finite, keeps the current one.
  RestorePlugState(&state, 0);
  for (int i = 0; i < NParams(); ++i)
    if (const char* identifier = ParameterIdentifier(i))
      RequestParameterNormalized(identifier, GetParam(i)->GetNormalized());
  RefreshParamControls();
  CountChange();
  return kAAXSuccess;
}

int32_t IPlugAAX::CompareChunk(const ChunkRecord* record, bool* equal)
{
  if (!record || !equal)
    return kAAXRefused;
  if (ReadChunkWord(record->chunkId) != static_cast<AAX_FourCC>(GetUniqueID()))
  {
    *equal = true;
    return kAAXSuccess;
  }
  // The record holds no more than its size word claims: one too short for
  // every parameter cannot match.
  if (ChunkDataSize(*record) < kValueBytes * NParams())
  {
    *equal = false;
    return kAAXSuccess;
  }
  return GuardedEntry([&] {
    std::vector<double> values(static_cast<size_t>(NParams()));
    if (!values.empty())
      std::memcpy(values.data(), ChunkData(*record), values.size() * sizeof(double));
    *equal = StateMatches(values.data(), 0);
    return static_cast<int32_t>(kAAXSuccess);
  });
}
