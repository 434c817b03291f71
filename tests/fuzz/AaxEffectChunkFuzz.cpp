// The AAX wrapper's chunk and the library's default chunk 'elck' read and
// compared from arbitrary host records. The record holds at least what a
// non-negative size word claims (negative ones come with the data given).
// Never a crash or a read past the record; every parameter stays finite and
// in range; and a chunk written afterwards compares equal.

#include "CreatePlugInstance.h"
#include "IPlugAAX.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace
{
constexpr AAX_FourCC kPlugChunkId = 0x5A764C50;  // 'ZvLP'
constexpr int32_t kLargestClaim = 4096;

IPlugAAX* Instance()
{
  static IPlugAAX* plug = [] {
    IPlugAAX* made = CreatePlugInstance<IPlugAAX>();
    made->AddRef();
    // No host: requests to it go nowhere, the values read stay.
    made->InitializeEffect(nullptr);
    return made;
  }();
  return plug;
}

// The header from the input (zeros where it runs out), the rest as data.
std::vector<unsigned char> HostRecord(const uint8_t* data, size_t size, AAX_FourCC chunkId, bool ownId)
{
  unsigned char header[sizeof(ChunkRecord)] = {};
  const size_t headerBytes = size < sizeof header ? size : sizeof header;
  std::memcpy(header, data, headerBytes);
  ChunkRecord& given = *reinterpret_cast<ChunkRecord*>(header);
  int32_t claimed = ChunkDataSize(given);
  if (claimed > kLargestClaim)
    claimed %= kLargestClaim + 1;
  WriteChunkWord(given.size, static_cast<uint32_t>(claimed));
  if (ownId)
    WriteChunkWord(given.chunkId, chunkId);
  const size_t available = size - headerBytes;
  const size_t claimedBytes = claimed > 0 ? static_cast<size_t>(claimed) : 0;
  const size_t room = claimedBytes > available ? claimedBytes : available;
  std::vector<unsigned char> record(sizeof header + room, 0);
  std::memcpy(record.data(), header, sizeof header);
  if (available)
    std::memcpy(record.data() + sizeof header, data + headerBytes, available);
  return record;
}

const ChunkRecord* AsRecord(const std::vector<unsigned char>& bytes)
{
  return reinterpret_cast<const ChunkRecord*>(bytes.data());
}

// Writes the chunk as a host does and compares it back: it must be equal.
void WrittenComparesEqual(IPlugAAX* plug, AAX_FourCC chunkId, bool plugChunk)
{
  int32_t size = 0;
  const int32_t asked = plugChunk ? plug->GetChunkByteSize(chunkId, &size)
                                  : plug->AAX_CEffectParameters::GetChunkByteSize(chunkId, &size);
  if (asked != 0 || size < 0)
    __builtin_trap();
  std::vector<unsigned char> bytes(sizeof(ChunkRecord) + static_cast<size_t>(size), 0);
  ChunkRecord* record = reinterpret_cast<ChunkRecord*>(bytes.data());
  const int32_t written = plugChunk ? plug->WriteChunk(chunkId, record)
                                    : plug->AAX_CEffectParameters::WriteChunk(chunkId, record);
  if (written != 0 || ChunkDataSize(*record) != size)
    __builtin_trap();
  WriteChunkWord(record->chunkId, chunkId);
  bool equal = false;
  const int32_t compared = plugChunk ? plug->CompareChunk(record, &equal)
                                     : plug->AAX_CEffectParameters::CompareChunk(record, &equal);
  if (compared != 0 || !equal)
    __builtin_trap();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  if (size < 1)
    return 0;
  IPlugAAX* plug = Instance();
  const uint8_t flags = data[0];
  ++data;
  --size;

  const std::vector<unsigned char> own = HostRecord(data, size, kPlugChunkId, flags & 1);
  bool equal = false;
  plug->CompareChunk(AsRecord(own), &equal);
  plug->ReadChunk(kPlugChunkId, AsRecord(own));
  for (int i = 0; i < plug->NParams(); ++i)
  {
    const IPlugParameter* param = plug->GetParam(i);
    if (!std::isfinite(param->Value()) || param->Value() < param->Min() || param->Value() > param->Max())
      __builtin_trap();
  }
  WrittenComparesEqual(plug, kPlugChunkId, true);

  const std::vector<unsigned char> library = HostRecord(data, size, kDefaultChunkId, flags & 2);
  plug->AAX_CEffectParameters::CompareChunk(AsRecord(library), &equal);
  plug->AAX_CEffectParameters::ReadChunk(kDefaultChunkId, AsRecord(library));
  WrittenComparesEqual(plug, kDefaultChunkId, false);
  return 0;
}
