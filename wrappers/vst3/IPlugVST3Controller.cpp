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
constexpr int kValueBytes = 8;

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
  const unsigned char bypass[4] = {static_cast<unsigned char>(IsBypassed() ? 1 : 0), 0, 0, 0};
  int32 written = 0, bypassWritten = 0;
  if (state->write(chunk.Get(), chunk.Size(), &written) != kResultOk || written != chunk.Size())
    return kResultFalse;
  if (state->write(const_cast<unsigned char*>(bypass), 4, &bypassWritten) != kResultOk || bypassWritten != 4)
    return kResultFalse;
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3::setState(IBStream* state)
{
  if (!state)
    return kInvalidArgument;
  MutexGuard lock(GetMutex());
  StateChunk chunk;
  SerializePlugState(&chunk);
  const int size = chunk.Size();
  if (size == 0)
    return kResultFalse;

  // The stream is read over a copy of the current state: a short stream
  // restores only the parameters whose bytes all arrived, and a value that
  // is not finite keeps the parameter's current value.
  StateChunk incoming;
  incoming.Resize(size);
  int32 got = 0;
  if (state->read(incoming.Get(), size, &got) != kResultOk)
    got = 0;
  got = got < 0 ? 0 : (got > size ? size : got);
  const int whole = got / kValueBytes * kValueBytes;
  for (int pos = 0; pos + kValueBytes <= whole; pos += kValueBytes)
  {
    double value;
    std::memcpy(&value, incoming.Get() + pos, kValueBytes);  // both little-endian
    if (std::isfinite(value))
      std::memcpy(chunk.Get() + pos, incoming.Get() + pos, kValueBytes);
  }
  UnserializePlugState(&chunk, 0);
  if (got < size)
    return kResultFalse;

  unsigned char bypass[4] = {0, 0, 0, 0};
  int32 bypassGot = 0;
  if (state->read(bypass, 4, &bypassGot) != kResultOk || bypassGot != 4)
    return kResultFalse;
  SetBypassed((bypass[0] | bypass[1] | bypass[2] | bypass[3]) != 0);
  RefreshParamControls();
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3::getParamStringByValue(ParamID id, ParamValue x, String128 string)
{
  if (!IsPlugParam(*this, id) || !string)
    return kResultFalse;
  const IPlugParameter* param = GetParam(static_cast<int>(id));
  double plain = param->Min() + (param->Max() - param->Min()) * std::pow(x, param->Shape());
  char text[kParameterTextLength] = {};
  const int truncated = TruncateToInt(plain);
  for (int t = 0; t < param->DisplayTextCount(); ++t)
  {
    const ParameterDisplayText* entry = param->DisplayTextAt(t);
    if (entry->value == truncated)
    {
      if (entry->text[0])
        std::snprintf(text, sizeof text, "%s", entry->text);
      break;
    }
  }
  if (!text[0])
  {
    if (param->NegateDisplay())
      plain = -plain;
    if (param->Precision())
      std::snprintf(text, sizeof text, "%.*f", param->Precision(), plain);
    else
      std::snprintf(text, sizeof text, "%d", TruncateToInt(plain));
  }
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
    return IsBypassed() ? 1.0 : 0.0;
  return IsPlugParam(*this, id) ? GetParam(static_cast<int>(id))->GetNormalized() : 0.0;
}

tresult PLUGIN_API IPlugVST3::setParamNormalized(ParamID id, ParamValue value)
{
  if (!IsPlugParam(*this, id))
    return kResultFalse;
  GetParam(static_cast<int>(id))->SetFromNormalized(value);
  return kResultOk;
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
