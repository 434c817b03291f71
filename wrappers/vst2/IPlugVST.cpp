// The VST2 wrapper's instance: the effect record, the host's identity, and
// the plug-in's requests to the host (edits, transport, MIDI out).

#include "IPlugVST.h"

#include "IGraphics.h"

#include <cstring>

namespace
{
// The version as hosts show it: 0x00010301 is 10301.
int32_t DecimalVersion(int version)
{
  return (version >> 16) * 10000 + ((version >> 8) & 255) * 100 + (version & 255);
}

void SetUpSpeakerArrangement(VstSpeakerArrangement* arrangement, int channels)
{
  std::memset(arrangement, 0, sizeof *arrangement);
  arrangement->type = channels == 0   ? kSpeakerArrEmpty
                      : channels == 1 ? kSpeakerArrMono
                      : channels == 2 ? kSpeakerArrStereo
                                      : kSpeakerArrUserDefined;
  arrangement->numChannels = channels;
}

// Hosts that offer more channels than they feed.
bool IsStereoOnlyHost(HostApplication host)
{
  return host == kHostForte || host == kHostAudition || host == kHostOrion || host == kHostSAWStudio;
}
}

IPlugVST::IPlugVST(InstanceInfo instanceInfo, int nParams, const char* channelIOStr, int nPresets,
                   const char* effectName, const char* productName, const char* mfrName, int vendorVersion,
                   int uniqueID, int mfrID, int latency, bool plugDoesMidi, bool plugDoesChunks, bool plugIsInst)
    : IPlugBase(nParams, channelIOStr, nPresets, effectName, productName, mfrName, vendorVersion, uniqueID, mfrID,
                latency, plugDoesMidi, plugDoesChunks, plugIsInst, kApiVst2),
      mHostCallback(instanceInfo.hostCallback)
{
  std::memset(&mEffect, 0, sizeof mEffect);
  mEffect.magic = kEffectMagic;
  mEffect.dispatcher = VSTDispatcher;
  mEffect.process = HostProcessAccumulate;
  mEffect.setParameter = HostSetParameter;
  mEffect.getParameter = HostGetParameter;
  mEffect.numPrograms = NPresets();
  mEffect.numParams = NParams();
  mEffect.numInputs = NInChannels();
  mEffect.numOutputs = NOutChannels();
  mEffect.flags = effFlagsCanReplacing | effFlagsCanDoubleReplacing | (LegalIO(1, -1) ? effFlagsCanMono : 0);
  mEffect.ioRatio = 1.0f;
  mEffect.object = this;
  mEffect.uniqueID = GetUniqueID();
  mEffect.version = DecimalVersion(GetEffectVersion());
  mEffect.processReplacing = HostProcessFloat;
  mEffect.processDoubleReplacing = HostProcessDouble;

  SetUpSpeakerArrangement(&mInputSpeakerArrangement, NInChannels());
  SetUpSpeakerArrangement(&mOutputSpeakerArrangement, NOutChannels());
  SetInputChannelConnections(0, NInChannels(), true);
  SetOutputChannelConnections(0, NOutChannels(), true);
  ChangeBlockSize(1024);
}

AEffect* IPlugVST::EffectForHost()
{
  StoreDefaultPreset("Empty", NPresets());
  if (mEffect.numPrograms < 1)
    mEffect.numPrograms = 1;
  return &mEffect;
}

intptr_t IPlugVST::HostCall(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
  return mHostCallback ? mHostCallback(&mEffect, opcode, index, value, ptr, opt) : 0;
}

void IPlugVST::BeginHostEdit(int paramIdx) { HostCall(audioMasterBeginEdit, paramIdx); }

void IPlugVST::SendHostEditValue(int paramIdx, double normalizedValue)
{
  HostCall(audioMasterAutomate, paramIdx, 0, nullptr, static_cast<float>(normalizedValue));
}

void IPlugVST::EndHostEdit(int paramIdx) { HostCall(audioMasterEndEdit, paramIdx); }

void IPlugVST::RefreshHostDisplay() { HostCall(audioMasterUpdateDisplay); }

bool IPlugVST::IsOfflineRender() { return HostCall(audioMasterGetCurrentProcessLevel) == kVstProcessLevelOffline; }

const VstTimeInfo* IPlugVST::HostTime(int32_t wantedFlags)
{
  return reinterpret_cast<const VstTimeInfo*>(HostCall(audioMasterGetTime, 0, wantedFlags));
}

double IPlugVST::GetSamplePosition()
{
  const VstTimeInfo* time = HostTime(0);
  return time && time->samplePos >= 0.0 ? TruncateToInt(time->samplePos + 0.5) : 0;
}

double IPlugVST::GetHostTempo()
{
  const VstTimeInfo* time = HostTime(kVstTempoValid);
  return time && (time->flags & kVstTempoValid) && time->tempo >= 0.0 ? time->tempo : 0.0;
}

void IPlugVST::GetHostTimeSignature(int* numerator, int* denominator)
{
  *numerator = 0;
  *denominator = 0;
  const VstTimeInfo* time = HostTime(kVstTimeSigValid);
  if (time && (time->flags & kVstTimeSigValid) && time->timeSigNumerator >= 0 && time->timeSigDenominator >= 0)
  {
    *numerator = time->timeSigNumerator;
    *denominator = time->timeSigDenominator;
  }
}

void IPlugVST::GetTransportInfo(TransportInfo* info)
{
  constexpr int32_t kWanted = kVstPpqPosValid | kVstTempoValid | kVstBarsValid | kVstCyclePosValid | kVstTimeSigValid;
  const VstTimeInfo* time = HostTime(kWanted);
  if (!time || !(time->flags & kWanted))
    return;
  const int32_t flags = time->flags;
  info->samplePosition = time->samplePos;
  if ((flags & kVstPpqPosValid) && time->ppqPos >= 0.0)
    info->musicalPosition = time->ppqPos;
  if ((flags & kVstTempoValid) && time->tempo > 0.0)
    info->tempo = time->tempo;
  if ((flags & kVstBarsValid) && time->barStartPos >= 0.0)
    info->lastBarPosition = time->barStartPos;
  if ((flags & kVstCyclePosValid) && time->cycleStartPos >= 0.0 && time->cycleEndPos >= 0.0)
  {
    info->cycleStart = time->cycleStartPos;
    info->cycleEnd = time->cycleEndPos;
  }
  if ((flags & kVstTimeSigValid) && time->timeSigNumerator > 0 && time->timeSigDenominator > 0)
  {
    info->numerator = time->timeSigNumerator;
    info->denominator = time->timeSigDenominator;
  }
  info->playing = (flags & kVstTransportPlaying) != 0;
  info->cycling = (flags & kVstTransportCycleActive) != 0;
}

HostApplication IPlugVST::QueryHost()
{
  if (GetHost() != kHostUnidentified)
    return GetHost();
  char name[256] = {};
  HostCall(audioMasterGetProductString, 0, 0, name);
  name[sizeof name - 1] = 0;  // a host that fills the whole buffer
  int64_t version = 0;
  if (name[0])
  {
    // The host's decimal version, major x 10000 + minor x 100 + patch, a
    // 32-bit number however wide the answer.
    const int32_t decimal = static_cast<int32_t>(HostCall(audioMasterGetVendorVersion));
    version = int64_t{decimal / 10000} * 65536 + decimal % 10000 / 100 * 256 + decimal % 100;
  }
  SetHost(name, static_cast<int>(version));
  return GetHost();
}

void IPlugVST::PrepareForHost()
{
  if (mHostSetUpDone)
    return;
  mHostSetUpDone = true;
  if (IsStereoOnlyHost(QueryHost()))
    LimitToStereoIO();
  mInputSpeakerArrangement.numChannels = mEffect.numInputs = NInChannels();
  mOutputSpeakerArrangement.numChannels = mEffect.numOutputs = NOutChannels();
  HostInitDone();
}

void IPlugVST::SetEditRectFromEditor()
{
  const IGraphics* editor = GetGUI();
  mEditRect.top = 0;
  mEditRect.left = 0;
  mEditRect.bottom = static_cast<int16_t>(editor->Height());
  mEditRect.right = static_cast<int16_t>(editor->Width());
}

void IPlugVST::ResizeEditorWindow(int, int)
{
  if (!GetGUI())
    return;
  SetEditRectFromEditor();
  EditorResized();
}

void IPlugVST::AttachEditor(IGraphics* editor)
{
  if (!editor)
    return;
  IPlugBase::AttachEditor(editor);
  mEffect.flags |= effFlagsHasEditor;
  SetEditRectFromEditor();
}

void IPlugVST::ChangeLatency(int samples)
{
  mEffect.initialDelay = samples;
  IPlugBase::ChangeLatency(samples);
}

bool IPlugVST::SendMidiEvent(const IMidiEvent* event)
{
  if (!event)
    return false;
  VstMidiEvent midi = {};
  midi.type = kVstMidiType;
  midi.byteSize = sizeof midi;
  midi.deltaFrames = event->offset;
  midi.midiData[0] = static_cast<char>(event->status);
  midi.midiData[1] = static_cast<char>(event->data1);
  midi.midiData[2] = static_cast<char>(event->data2);
  VstEvents events = {};
  events.numEvents = 1;
  events.events[0] = reinterpret_cast<VstEvent*>(&midi);
  return HostCall(audioMasterProcessEvents, 0, 0, &events) == 1;
}

bool IPlugVST::SendSysExEvent(const ISysExEvent* event)
{
  if (!event)
    return false;
  VstMidiSysexEvent sysex = {};
  sysex.type = kVstSysExType;
  sysex.byteSize = sizeof sysex;
  sysex.deltaFrames = event->offset;
  sysex.dumpBytes = event->size;
  sysex.sysexDump = reinterpret_cast<char*>(const_cast<unsigned char*>(event->data));
  VstEvents events = {};
  events.numEvents = 1;
  events.events[0] = reinterpret_cast<VstEvent*>(&sysex);
  return HostCall(audioMasterProcessEvents, 0, 0, &events) == 1;
}
