// Programs, banks and chunks: the host switches and names programs (the
// presets of IPlugBase) and saves and restores the current program, or the
// whole bank, as a chunk behind the chunk version header.

#include "IPlugVST.h"

#include "ChunkVersionHeader.h"

#include <climits>
#include <cstring>

namespace
{
// The host's bytes into the chunk of their kind. A host may hand back the
// block effGetChunk gave it, or a part of it, which resizing that chunk can
// free or move: the bytes are staged in a block of their own first. A size
// that is negative, beyond int, or more than memory allows changes nothing.
bool CopyFromHost(StateChunk* chunk, const void* data, intptr_t size)
{
  if (size < 0 || size > INT_MAX)
    return false;
  const int count = static_cast<int>(size);
  StateChunk staged;
  if (count > 0 && staged.PutBytes(data, count) != count)
    return false;
  chunk->ResizeZeroed(count);
  if (chunk->Size() != count)
    return false;
  if (count > 0)
    std::memcpy(chunk->Get(), staged.Get(), count);
  return true;
}
}

// Only a program of the list is chosen: a value beyond int must not wrap
// onto one.
void IPlugVST::SetProgram(intptr_t program)
{
  if (program < 0 || program >= NPresets())
    return;
  if (!DoesChunks())
    ModifyCurrentPreset();
  ApplyPreset(static_cast<int>(program));
}

void IPlugVST::SetProgramName(const char* name)
{
  if (!name)
    return;
  ModifyCurrentPreset(name);
  PresetListChanged();
}

intptr_t IPlugVST::GetChunk(bool bank, void** data)
{
  if (!data)
    return 0;
  StateChunk& chunk = bank ? mBankChunk : mProgramChunk;
  bool written = PutChunkVersionHeader(&chunk);
  if (bank)
  {
    ModifyCurrentPreset();
    written = written && SerializePresets(&chunk);
  }
  else
  {
    written = written && SerializePlugState(&chunk);
  }
  if (!written || chunk.Size() == 0)
    return 0;
  *data = chunk.Get();
  return chunk.Size();
}

intptr_t IPlugVST::SetChunk(bool bank, intptr_t size, const void* data)
{
  StateChunk& chunk = bank ? mBankChunk : mProgramChunk;
  if (!data || !CopyFromHost(&chunk, data, size))
    return 0;
  int position = 0;
  const int version = GetChunkVersionHeader(&chunk, &position);
  // An older or headerless chunk holds one program state, even where a bank
  // is expected.
  if (!bank || version < kChunkVersion)
  {
    position = RestorePlugState(&chunk, position);
    ModifyCurrentPreset();
  }
  else
  {
    position = UnserializePresets(&chunk, position);
  }
  if (position < 0)
    return 0;
  RefreshParamControls();
  return 1;
}
