// The audio thread's entry: parameter changes, channel binding and the
// normal or bypass path, under the plug mutex; and the transport queries
// answered from the last process context.

#include "IPlugVST3.h"

#include <cmath>
#include <cstring>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{
bool HasHostBuffers(const AudioBusBuffers& bus, bool sample32)
{
  return sample32 ? bus.channelBuffers32 != nullptr : bus.channelBuffers64 != nullptr;
}

// A bus's channel count as far as it reaches into count channels from start.
int ChannelsWithin(const AudioBusBuffers& bus, int start, int count)
{
  const int room = count - start;
  return bus.numChannels < 0 ? 0 : (bus.numChannels < room ? bus.numChannels : room);
}

// A MIDI data byte: 0 to 127, truncated. A host's value outside the range
// is limited before the conversion, which would be undefined for it.
unsigned char MidiData(double value)
{
  return static_cast<unsigned char>(value > 0.0 ? (value < 127.0 ? value : 127.0) : 0.0);
}
}

tresult PLUGIN_API IPlugVST3::process(ProcessData& data)
{
  MutexGuard lock(GetMutex());
  if (data.processContext)
    mProcessContext = *data.processContext;
  ApplyParameterChanges(data.inputParameterChanges);
  ApplyNoteEvents(data.inputEvents);

  // Every block connects anew, so that no host buffer of an earlier block
  // is ever used again.
  const int32 sampleSize = processSetup.symbolicSampleSize;
  const bool sample32 = sampleSize == kSample32;
  const int nFrames = data.numSamples;
  ConnectChannels(data, sample32);
  if (nFrames <= 0 || (sampleSize != kSample32 && sampleSize != kSample64))
    return kResultOk;

  // One bypass state for the whole host block, however many parts it takes.
  const bool bypassed = IsBypassed();
  const bool processed = ProcessInParts(nFrames, [&](int start, int n) {
    if (sample32)
    {
      BindBuffers32(data, start, n);
      if (bypassed)
        BypassBuffers(n);
      else
        RenderBuffers(n);
    }
    else
    {
      BindBuffers64(data, start, n);
      double** inputs = NInChannels() ? GetInChannel(0)->slot : nullptr;
      double** outputs = NOutChannels() ? GetOutChannel(0)->slot : nullptr;
      if (bypassed)
        BypassDouble(inputs, outputs, n);
      else
        ProcessDouble(inputs, outputs, n);
    }
  });
  if (!processed)
    SilenceHostOutputs(data, sample32);
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
    if (points <= 0 || queue->getPoint(points - 1, offset, value) != kResultOk || std::isnan(value))
      continue;
    const int32 id = static_cast<int32>(queue->getParameterId());
    if (static_cast<ParamID>(id) == kBypassParamId)
    {
      SetAudibleBypass(value > 0.5);
    }
    else if (static_cast<ParamID>(id) == kPresetParamId)
    {
      const double index = value * NPresets();
      if (index >= 0.0 && index < NPresets())
        ApplyPreset(static_cast<int>(index));
    }
    else if (id >= 0 && id < NParams())
    {
      SetParameterFromHost(id, value);
    }
    else if (id >= NParams() && id - NParams() < kMidiControllers && DoesMIDI())
    {
      IMidiEvent controller;
      controller.status = 0xB0;
      controller.data1 = static_cast<unsigned char>(id - NParams());
      controller.data2 = MidiData(value * 127.0);
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
      message.data1 = MidiData(event.noteOn.pitch);
      message.data2 = MidiData(event.noteOn.velocity * 127.0f);
    }
    else if (event.type == Event::kNoteOffEvent)
    {
      message.status = static_cast<unsigned char>(0x80 | (event.noteOff.channel & 0x0F));
      message.data1 = MidiData(event.noteOff.pitch);
      message.data2 = 0;
    }
    else
    {
      continue;
    }
    MidiEventIn(&message);
  }
}

// Worked out once per block: input bus 0's channels (up to the plug's
// inputs) and the channels of every active output bus the host gave buffers
// for are connected, every other channel is not. Only an input that was
// connected and no longer is gets its scratch cleared.
void IPlugVST3::ConnectChannels(ProcessData& data, bool sample32)
{
  int nIn = 0;
  if (data.numInputs >= 1 && data.inputs && HasHostBuffers(data.inputs[0], sample32))
    nIn = ChannelsWithin(data.inputs[0], 0, NInChannels());
  SetInputChannelConnections(0, nIn, true);
  SetInputChannelConnections(nIn, NInChannels() - nIn, false);

  int start = 0;
  for (int32 b = 0; data.outputs && b < data.numOutputs && start < NOutChannels(); ++b)
  {
    const AudioBusBuffers& bus = data.outputs[b];
    const int n = ChannelsWithin(bus, start, NOutChannels());
    const Bus* ownBus = audioOutputs.at(b);
    SetOutputChannelConnections(start, n, ownBus && ownBus->isActive() && HasHostBuffers(bus, sample32));
    start += n;
  }
  SetOutputChannelConnections(start, NOutChannels() - start, false);
}

void IPlugVST3::BindBuffers32(ProcessData& data, int startFrame, int nFrames)
{
  float** inputs = data.numInputs >= 1 && data.inputs ? data.inputs[0].channelBuffers32 : nullptr;
  BindInputBuffers(0, NInChannels(), inputs, nFrames, startFrame);
  int start = 0;
  for (int32 b = 0; data.outputs && b < data.numOutputs && start < NOutChannels(); ++b)
  {
    const AudioBusBuffers& bus = data.outputs[b];
    const int n = ChannelsWithin(bus, start, NOutChannels());
    BindOutputBuffers(start, n, bus.channelBuffers32, startFrame);
    start += n;
  }
}

// 64-bit host buffers are used in place; a connected channel whose host
// buffer is null works in its scratch (silent, for an input).
void IPlugVST3::BindBuffers64(ProcessData& data, int startFrame, int nFrames)
{
  Sample64** inputs = data.numInputs >= 1 && data.inputs ? data.inputs[0].channelBuffers64 : nullptr;
  BindInputBuffersInPlace(0, NInChannels(), inputs, nFrames, startFrame);
  int start = 0;
  for (int32 b = 0; data.outputs && b < data.numOutputs && start < NOutChannels(); ++b)
  {
    const AudioBusBuffers& bus = data.outputs[b];
    const int n = ChannelsWithin(bus, start, NOutChannels());
    BindOutputBuffersInPlace(start, n, bus.channelBuffers64, startFrame);
    start += n;
  }
}

// Before any set-up there is no scratch to work in: the host hears silence.
void IPlugVST3::SilenceHostOutputs(ProcessData& data, bool sample32)
{
  for (int32 b = 0; data.outputs && b < data.numOutputs; ++b)
  {
    const AudioBusBuffers& bus = data.outputs[b];
    if (!HasHostBuffers(bus, sample32))
      continue;
    for (int32 c = 0; c < bus.numChannels; ++c)
    {
      void* channel = sample32 ? static_cast<void*>(bus.channelBuffers32[c]) : bus.channelBuffers64[c];
      if (channel)
        std::memset(channel, 0, data.numSamples * (sample32 ? sizeof(Sample32) : sizeof(Sample64)));
    }
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
