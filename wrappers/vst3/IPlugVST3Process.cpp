// The audio thread's entry: parameter changes, channel binding and the
// normal or bypass path, under the plug mutex; and the transport queries
// answered from the last process context.

#include "IPlugVST3.h"

#include <cmath>

using namespace Steinberg;
using namespace Steinberg::Vst;

tresult PLUGIN_API IPlugVST3::process(ProcessData& data)
{
  MutexGuard lock(GetMutex());
  if (data.processContext)
    mProcessContext = *data.processContext;
  ApplyParameterChanges(data.inputParameterChanges);
  ApplyNoteEvents(data.inputEvents);

  // Every block starts from no connection, each slot on its own scratch, so
  // that no host pointer of an earlier block is ever used again.
  SetInputChannelConnections(0, NInChannels(), false);
  SetOutputChannelConnections(0, NOutChannels(), false);
  const int nFrames = data.numSamples;
  // A block longer than the set-up's maximum grows the scratch first; it is
  // never split, since the effect's output depends on block boundaries.
  if (nFrames <= 0 || !EnsureBlockSize(nFrames))
    return kResultOk;

  if (processSetup.symbolicSampleSize == kSample32)
  {
    BindBuses32(data);
    if (IsBypassed())
      BypassBuffers(nFrames);
    else
      RenderBuffers(nFrames);
  }
  else if (processSetup.symbolicSampleSize == kSample64)
  {
    BindBuses64(data);
    double** inputs = NInChannels() ? GetInChannel(0)->slot : nullptr;
    double** outputs = NOutChannels() ? GetOutChannel(0)->slot : nullptr;
    if (IsBypassed())
      BypassDouble(inputs, outputs, nFrames);
    else
      ProcessDouble(inputs, outputs, nFrames);
  }
  return kResultOk;
}

void IPlugVST3::ApplyParameterChanges(IParameterChanges* changes)
{
  if (!changes)
    return;
  const int32 count = changes->getParameterCount();
  for (int32 i = 0; i < count; ++i)
  {
    IParamValueQueue* queue = changes->getParameterData(i);
    if (!queue)
      continue;
    int32 offset = 0;
    ParamValue value = 0.0;
    const int32 points = queue->getPointCount();
    if (points <= 0 || queue->getPoint(points - 1, offset, value) != kResultOk)
      continue;
    const int32 id = static_cast<int32>(queue->getParameterId());
    if (std::isnan(value))
      continue;
    if (static_cast<ParamID>(id) == kBypassParamId)
    {
      SetBypassed(value > 0.5);
    }
    else if (static_cast<ParamID>(id) == kPresetParamId)
    {
      const double index = value * NPresets();
      if (index >= 0.0 && index < NPresets())
        ApplyPreset(static_cast<int>(index));
    }
    else if (id >= 0 && id < NParams())
    {
      GetParam(id)->SetFromNormalized(value);
      ParamChanged(id, false);
    }
    else if (id >= NParams() && DoesMIDI())
    {
      IMidiEvent controller;
      controller.status = 0xB0;
      controller.data1 = static_cast<unsigned char>(id - NParams());
      controller.data2 = static_cast<unsigned char>(value * 127.0);
      MidiEventIn(&controller);
    }
  }
}

void IPlugVST3::ApplyNoteEvents(IEventList* events)
{
  if (!events || !DoesMIDI())
    return;
  const int32 count = events->getEventCount();
  for (int32 i = 0; i < count; ++i)
  {
    Event event;
    if (events->getEvent(i, event) != kResultOk)
      continue;
    IMidiEvent message;
    message.offset = event.sampleOffset;
    if (event.type == Event::kNoteOnEvent)
    {
      message.status = static_cast<unsigned char>(0x90 | (event.noteOn.channel & 0x0F));
      message.data1 = static_cast<unsigned char>(event.noteOn.pitch);
      message.data2 = static_cast<unsigned char>(event.noteOn.velocity * 127.0f);
    }
    else if (event.type == Event::kNoteOffEvent)
    {
      message.status = static_cast<unsigned char>(0x80 | (event.noteOff.channel & 0x0F));
      message.data1 = static_cast<unsigned char>(event.noteOff.pitch);
      message.data2 = 0;
    }
    else
    {
      continue;
    }
    MidiEventIn(&message);
  }
}

// Input bus 0's channels, up to the plug's inputs, are connected; the rest
// stay on their scratch.
void IPlugVST3::ConnectInputs(ProcessData& data)
{
  if (data.numInputs < 1 || !data.inputs)
    return;
  const int busChannels = data.inputs[0].numChannels;
  SetInputChannelConnections(0, busChannels < NInChannels() ? busChannels : NInChannels(), true);
}

// The plug's output channels from start on, as many as bus b of the record
// has, are connected while the wrapper's own bus b is active and the host
// gave it buffers.
void IPlugVST3::ConnectOutputBus(int32 b, int start, const AudioBusBuffers& bus, bool hasBuffers)
{
  const Bus* ownBus = audioOutputs.at(b);
  SetOutputChannelConnections(start, bus.numChannels, ownBus && ownBus->isActive() && hasBuffers);
}

void IPlugVST3::BindBuses32(ProcessData& data)
{
  ConnectInputs(data);
  if (data.numInputs >= 1 && data.inputs && data.inputs[0].channelBuffers32)
    BindInputBuffers(0, NInChannels(), data.inputs[0].channelBuffers32, data.numSamples);

  int start = 0;
  for (int32 b = 0; data.outputs && b < data.numOutputs && start < NOutChannels(); ++b)
  {
    const AudioBusBuffers& bus = data.outputs[b];
    ConnectOutputBus(b, start, bus, bus.channelBuffers32 != nullptr);
    BindOutputBuffers(start, bus.numChannels, bus.channelBuffers32);
    start += bus.numChannels;
  }
}

void IPlugVST3::BindBuses64(ProcessData& data)
{
  ConnectInputs(data);
  if (data.numInputs >= 1 && data.inputs && data.inputs[0].channelBuffers64)
  {
    int next = 0;
    for (int i = 0; i < NInChannels(); ++i)
    {
      IPlugInputChannel* channel = GetInChannel(i);
      Sample64* host = next < data.inputs[0].numChannels ? data.inputs[0].channelBuffers64[next] : nullptr;
      if (channel->connected && host)
      {
        *channel->slot = host;
        ++next;
      }
    }
  }

  int start = 0;
  for (int32 b = 0; data.outputs && b < data.numOutputs && start < NOutChannels(); ++b)
  {
    const AudioBusBuffers& bus = data.outputs[b];
    ConnectOutputBus(b, start, bus, bus.channelBuffers64 != nullptr);
    int next = 0;
    for (int i = start; i < start + bus.numChannels && i < NOutChannels(); ++i)
    {
      IPlugOutputChannel* channel = GetOutChannel(i);
      if (channel->connected && bus.channelBuffers64[next])
        *channel->slot = bus.channelBuffers64[next++];
    }
    start += bus.numChannels;
  }
}

double IPlugVST3::GetSamplePosition() { return static_cast<int32>(mProcessContext.projectTimeSamples); }

double IPlugVST3::GetHostTempo() { return mProcessContext.tempo; }

void IPlugVST3::GetHostTimeSignature(int* numerator, int* denominator)
{
  *numerator = mProcessContext.timeSigNumerator;
  *denominator = mProcessContext.timeSigDenominator;
}

void IPlugVST3::GetTransportInfo(TransportInfo* info)
{
  info->tempo = mProcessContext.tempo;
  info->samplePosition = static_cast<double>(mProcessContext.projectTimeSamples);
  info->musicalPosition = mProcessContext.projectTimeMusic;
  info->lastBarPosition = mProcessContext.barPositionMusic;
  info->cycleStart = mProcessContext.cycleStartMusic;
  info->cycleEnd = mProcessContext.cycleEndMusic;
  info->numerator = mProcessContext.timeSigNumerator;
  info->denominator = mProcessContext.timeSigDenominator;
  info->playing = (mProcessContext.state & ProcessContext::kPlaying) != 0;
  info->cycling = (mProcessContext.state & ProcessContext::kCycleActive) != 0;
}
