// Parameter state: one 8-byte little-endian double per parameter, in index
// order, with no header. It is the body of every saved state and preset.

#include "IPlugBase.h"

#include "IGraphics.h"
#include "Trace.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace
{
constexpr int kValueBytes = 8;

void EncodeDouble(double value, unsigned char* bytes)
{
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  for (int i = 0; i < kValueBytes; ++i)
    bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
}

double DecodeDouble(const unsigned char* bytes)
{
  std::uint64_t bits = 0;
  for (int i = 0; i < kValueBytes; ++i)
    bits |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}
}

bool IPlugBase::SerializePlugState(StateChunk* chunk) { return SerializeParams(chunk); }

int IPlugBase::UnserializePlugState(const StateChunk* chunk, int startPos)
{
  return UnserializeParams(chunk, startPos);
}

bool IPlugBase::SerializeParams(StateChunk* chunk)
{
  TRACE("IPlugBase::SerializeParams", __LINE__, "");
  MutexGuard lock(&mMutex);
  for (int i = 0; i < NParams(); ++i)
  {
    unsigned char bytes[kValueBytes];
    EncodeDouble(GetParam(i)->Value(), bytes);
    const int before = chunk->Size();
    if (chunk->PutBytes(bytes, kValueBytes) != before + kValueBytes)
      return false;
  }
  return true;
}

int IPlugBase::UnserializeParams(const StateChunk* chunk, int startPos)
{
  TRACE("IPlugBase::UnserializeParams", __LINE__, "%d", startPos);
  MutexGuard lock(&mMutex);
  int pos = startPos;
  for (int i = 0; i < NParams() && pos >= 0; ++i)
  {
    IPlugParameter* param = GetParam(i);
    unsigned char bytes[kValueBytes];
    pos = chunk->GetBytes(bytes, kValueBytes, pos);
    double value = pos < 0 ? 0.0 : DecodeDouble(bytes);
    // A NaN or infinity would poison the processing and every later save.
    if (!std::isfinite(value))
      value = param->Default();
    if (value < param->Min())
      value = param->Min();
    if (value > param->Max())
      value = param->Max();
    param->Set(value);
  }
  for (int i = 0; i < NParams(); ++i)
    ParamChanged(i, true);
  return pos;
}

int IPlugBase::RestorePlugState(const StateChunk* chunk, int position)
{
  MutexGuard lock(&mMutex);
  StateChunk merged;
  if (position < 0 || !SerializePlugState(&merged))
    return -1;
  const int size = merged.Size();
  const int available = chunk->Size() - position;
  for (int offset = 0; offset + kValueBytes <= size && offset + kValueBytes <= available; offset += kValueBytes)
  {
    const unsigned char* bytes = chunk->Get() + position + offset;
    if (std::isfinite(DecodeDouble(bytes)))
      std::memcpy(merged.Get() + offset, bytes, kValueBytes);
  }
  UnserializePlugState(&merged, 0);
  return available >= size ? position + size : -1;
}

bool IPlugBase::StateMatches(const double* values, int position)
{
  for (int i = 0; i < NParams(); ++i)
  {
    const float difference = static_cast<float>(GetParam(i)->Value()) -
                             static_cast<float>(values[position + i]);
    if (!(std::fabs(difference) < 1e-5f))
      return false;
  }
  return true;
}

void IPlugBase::RefreshParamControls()
{
  if (!mGraphics)
    return;
  for (int i = 0; i < NParams(); ++i)
    mGraphics->PushParamToControls(i, GetParam(i)->Value(), false);
}

bool IPlugBase::StoreDefaultPreset(const char* name, int count)
{
  bool stored = false;
  for (int n = 0; n < count; ++n)
  {
    IPlugPreset* preset = nullptr;
    for (int i = 0; i < NPresets() && !preset; ++i)
      if (!GetPreset(i)->initialised)
        preset = GetPreset(i);
    if (!preset)
      break;
    preset->initialised = true;
    std::snprintf(preset->name, kPresetNameLength, "%s", name ? name : "Empty");
    stored = SerializePlugState(&preset->state);
  }
  return stored;
}

bool IPlugBase::ApplyPreset(int index)
{
  IPlugPreset* preset = GetPreset(index);
  if (!preset)
    return false;

  bool applied;
  if (preset->initialised)
  {
    applied = UnserializePlugState(&preset->state, 0) > 0;
  }
  else
  {
    preset->initialised = true;
    int userPresets = 0;
    for (int i = 0; i < NPresets(); ++i)
      if (std::strstr(GetPreset(i)->name, "user preset"))
        ++userPresets;
    std::snprintf(preset->name, kPresetNameLength, "%s %d", "user preset", userPresets + 1);
    applied = SerializePlugState(&preset->state);
  }

  if (applied)
  {
    mCurrentPresetIdx = index;
    PresetListChanged();
    RefreshParamControls();
  }
  return applied;
}

const char* IPlugBase::GetPresetName(int index) const
{
  const IPlugPreset* preset = GetPreset(index);
  return preset ? preset->name : "";
}
