// The preset bank: every preset's name, initialised flag and stored state
// in one chunk, for the hosts that save and restore programs as a whole.

#include "IPlugBase.h"

#include "Trace.h"

#include <cstdint>
#include <cstring>

namespace
{
// A name ends at its first zero byte or after length bytes, and holds at
// most 255 characters. Bytes past those are never read: a host's text need
// not be terminated within reach.
void SetPresetName(IPlugPreset* preset, const char* text, int length)
{
  int n = 0;
  while (n < length && n < kPresetNameLength - 1 && text[n])
    ++n;
  std::memcpy(preset->name, text, n);
  preset->name[n] = 0;
}

// A stored state is replaced only by a whole one: when memory cannot be had
// the preset keeps what it held.
void StoreState(IPlugBase& plug, StateChunk* destination)
{
  StateChunk state;
  if (!plug.SerializePlugState(&state))
    return;
  destination->Resize(state.Size());
  if (destination->Size() == state.Size() && state.Size() > 0)
    std::memcpy(destination->Get(), state.Get(), state.Size());
}

// An entry's name and flag. Returns the position of its state, or -1 when
// the entry is unreadable (the preset keeps its name and flag) or ends
// before its flag byte (the name has been read).
int ReadNameAndFlag(const StateChunk* chunk, int position, IPlugPreset* preset)
{
  std::int32_t length = 0;
  const int namePosition = chunk->GetInt32(&length, position);
  if (namePosition < 0)
    return -1;
  // Written so that the end of the name cannot overflow.
  if (length < 0 || length > chunk->Size() - namePosition)
    return -1;
  SetPresetName(preset, reinterpret_cast<const char*>(chunk->Get()) + namePosition, length);

  unsigned char flag = 0;
  const int statePosition = chunk->GetBytes(&flag, 1, namePosition + length);
  if (statePosition >= 0)
    preset->initialised = flag != 0;
  return statePosition;
}
}

void IPlugBase::ModifyCurrentPreset(const char* name)
{
  TRACE("IPlugBase::ModifyCurrentPreset", __LINE__, "");
  IPlugPreset* preset = GetPreset(mCurrentPresetIdx);
  if (!preset)
    return;
  StoreState(*this, &preset->state);
  if (name && name[0])
    SetPresetName(preset, name, kPresetNameLength - 1);
}

bool IPlugBase::SerializePresets(StateChunk* chunk)
{
  TRACE("IPlugBase::SerializePresets", __LINE__, "");
  MutexGuard lock(&mMutex);
  for (int i = 0; i < NPresets(); ++i)
  {
    const IPlugPreset* preset = GetPreset(i);
    const unsigned char flag = preset->initialised ? 1 : 0;
    const int before = chunk->Size();
    // A name is written whole or not at all, and always grows the chunk.
    if (chunk->PutString(preset->name) == before)
      return false;
    const int nameEnd = chunk->Size();
    if (chunk->PutBytes(&flag, 1) != nameEnd + 1)
      return false;
    const int stateSize = preset->initialised ? preset->state.Size() : 0;
    if (stateSize > 0 && chunk->PutBytes(preset->state.Get(), stateSize) != nameEnd + 1 + stateSize)
      return false;
  }
  return true;
}

int IPlugBase::UnserializePresets(const StateChunk* chunk, int startPos)
{
  TRACE("IPlugBase::UnserializePresets", __LINE__, "%d", startPos);
  MutexGuard lock(&mMutex);
  int pos = startPos;
  for (int i = 0; i < NPresets() && pos >= 0; ++i)
  {
    IPlugPreset* preset = GetPreset(i);
    pos = ReadNameAndFlag(chunk, pos, preset);
    if (pos < 0 || !preset->initialised)
      continue;
    pos = RestorePlugState(chunk, pos);
    // Stored even when the state was cut short: the preset then holds what
    // the plug took from it, never a torn state.
    StoreState(*this, &preset->state);
  }
  ApplyPreset(mCurrentPresetIdx);
  return pos;
}
