// The controller side of the VST3 wrapper: the state stream, parameter
// conversions and texts, host edits, units and the program list, and the
// MIDI controller mapping.

#include "IPlugVST3.h"

#include "UString.h"

#include <cmath>
#include <cstdio>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{
constexpr int32 kBypassBytes = 4;

// Some hosts' streams answer kResultOk without filling in the count: the
// count starts at the whole request, and only a count the stream gives
// smaller (or a failed call) means a short read or write.
int32 ReadFromStream(IBStream* stream, void* bytes, int32 count)
{
  int32 done = count;
  if (stream->read(bytes, count, &done) != kResultOk)
    return 0;
  return done < 0 ? 0 : (done > count ? count : done);
}

int32 WriteToStream(IBStream* stream, void* bytes, int32 count)
{
  int32 done = count;
  if (stream->write(bytes, count, &done) != kResultOk)
    return 0;
  return done;
}

bool IsPlugParam(const IPlugBase& plug, ParamID id)
{
  return static_cast<int32>(id) >= 0 && static_cast<int32>(id) < plug.NParams();
}
}

// The state stream: the parameter state, then the bypass flag as a 32-bit
// little-endian integer. Both faces (IComponent and IEditController) serve
// the same stream.
tresult PLUGIN_API IPlugVST3::getState(IBStream* state)
{
  if (!state)
    return kInvalidArgument;
  MutexGuard lock(GetMutex());
  StateChunk chunk;
  if (!SerializePlugState(&chunk))
    return kResultFalse;
  unsigned char bypass[kBypassBytes] = {static_cast<unsigned char>(IsBypassed() ? 1 : 0), 0, 0, 0};
  if (WriteToStream(state, chunk.Get(), chunk.Size()) != chunk.Size() ||
      WriteToStream(state, bypass, kBypassBytes) != kBypassBytes)
    return kResultFalse;
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3::setState(IBStream* state)
{
  if (!state)
    return kInvalidArgument;
  MutexGuard lock(GetMutex());
  StateChunk current;
  SerializePlugState(&current);
  const int size = current.Size();
  StateChunk incoming;
  if (size == 0 || incoming.Resize(size) == nullptr)
    return kResultFalse;

  // A short stream restores the parameters whose bytes all arrived and
  // leaves the others as they are (the bypass word is then missing too).
  incoming.Resize(ReadFromStream(state, incoming.Get(), size));
  if (RestorePlugState(&incoming, 0) < 0)
    return kResultFalse;

  unsigned char bypass[kBypassBytes] = {0, 0, 0, 0};
  if (ReadFromStream(state, bypass, kBypassBytes) != kBypassBytes)
    return kResultFalse;
  SetAudibleBypass((bypass[0] | bypass[1] | bypass[2] | bypass[3]) != 0);
  RefreshParamControls();
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3::getParamStringByValue(ParamID id, ParamValue x, String128 string)
{
  if (!IsPlugParam(*this, id) || !string)
    return kResultFalse;
  char text[kParameterTextLength];
  GetParam(static_cast<int>(id))->FormatForDisplay(x, true, text);
  WidenText(string, 128, text);
  return kResultOk;
}

ParamValue PLUGIN_API IPlugVST3::plainParamToNormalized(ParamID id, ParamValue plainValue)
{
  return IsPlugParam(*this, id) ? GetParam(static_cast<int>(id))->NormalizedValue(plainValue) : plainValue;
}

ParamValue PLUGIN_API IPlugVST3::getParamNormalized(ParamID id)
{
  if (id == kBypassParamId)
    return mControllerBypass.load(std::memory_order_relaxed) ? 1.0 : 0.0;
  return IsPlugParam(*this, id) ? GetParam(static_cast<int>(id))->GetNormalized() : 0.0;
}

tresult PLUGIN_API IPlugVST3::setParamNormalized(ParamID id, ParamValue value)
{
  // The host's bypass button reads back what it set, as process would take
  // it; the audio follows the host's parameter queue, not this call.
  if (id == kBypassParamId)
  {
    if (!std::isnan(value))
      mControllerBypass.store(value > 0.5, std::memory_order_relaxed);
    return kResultOk;
  }
  if (!IsPlugParam(*this, id))
    return kResultFalse;
  GetParam(static_cast<int>(id))->SetFromNormalized(value);
  return kResultOk;
}

void IPlugVST3::SetAudibleBypass(bool bypassed)
{
  SetBypassed(bypassed);
  mControllerBypass.store(bypassed, std::memory_order_relaxed);
}

int32 PLUGIN_API IPlugVST3::getUnitCount() { return ParamGroups().Count() + 1; }

tresult PLUGIN_API IPlugVST3::getUnitInfo(int32 unitIndex, UnitInfo& info)
{
  if (unitIndex < 0 || unitIndex > ParamGroups().Count())
    return kResultFalse;
  info.id = unitIndex;
  info.parentUnitId = unitIndex == 0 ? kNoParentUnitId : kRootUnitId;
  WidenText(info.name, 128, unitIndex == 0 ? "Root Unit" : ParamGroups().Get(unitIndex - 1));
  info.programListId = kNoProgramListId;
  return kResultOk;
}

int32 PLUGIN_API IPlugVST3::getProgramListCount() { return 0; }

tresult PLUGIN_API IPlugVST3::getProgramListInfo(int32 listIndex, ProgramListInfo& info)
{
  if (listIndex != 0)
    return kResultFalse;
  info.id = static_cast<ProgramListID>(kPresetParamId);
  WidenText(info.name, 128, "Factory Presets");
  info.programCount = NPresets();
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3::getProgramName(ProgramListID listId, int32 programIndex, String128 name)
{
  if (listId != static_cast<ProgramListID>(kPresetParamId) || !name)
    return kResultFalse;
  const IPlugPreset* preset = GetPreset(programIndex);
  WidenText(name, 128, preset ? preset->name : "");
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3::getProgramInfo(ProgramListID, int32, CString, String128) { return kNotImplemented; }
tresult PLUGIN_API IPlugVST3::hasProgramPitchNames(ProgramListID, int32) { return kNotImplemented; }
tresult PLUGIN_API IPlugVST3::getProgramPitchName(ProgramListID, int32, int16, String128) { return kNotImplemented; }
UnitID PLUGIN_API IPlugVST3::getSelectedUnit() { return kRootUnitId; }
tresult PLUGIN_API IPlugVST3::selectUnit(UnitID) { return kNotImplemented; }
tresult PLUGIN_API IPlugVST3::getUnitByBus(MediaType, BusDirection, int32, int32, UnitID&) { return kNotImplemented; }
tresult PLUGIN_API IPlugVST3::setUnitProgramData(int32, int32, IBStream*) { return kNotImplemented; }

tresult PLUGIN_API IPlugVST3::getMidiControllerAssignment(int32, int16, CtrlNumber midiControllerNumber, ParamID& id)
{
  if (!DoesMIDI())
    return kResultFalse;
  id = static_cast<ParamID>(NParams() + midiControllerNumber);
  return kResultOk;
}

void IPlugVST3::BeginHostEdit(int paramIdx) { beginEdit(static_cast<ParamID>(paramIdx)); }
void IPlugVST3::SendHostEditValue(int paramIdx, double normalizedValue)
{
  performEdit(static_cast<ParamID>(paramIdx), normalizedValue);
}
void IPlugVST3::EndHostEdit(int paramIdx) { endEdit(static_cast<ParamID>(paramIdx)); }
