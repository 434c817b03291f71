// The glue between host buffers and the effect: channel connections, 32-bit
// host samples converted into per-channel double scratch, the normal and the
// bypass path, and the conversion back.

#include "IPlugBase.h"

#include "LatencyDelayLine.h"

#include <cstdio>
#include <cstring>

namespace
{
template <class Channel>
double* ScratchOf(Channel* channel)
{
  return channel->scratch.Get();
}

// An input that is no longer connected reads silence, never its last
// block again.
void Disconnected(IPlugInputChannel* channel, bool wasConnected)
{
  if (wasConnected && channel->scratch.Get())
    std::memset(channel->scratch.Get(), 0, channel->scratch.Count() * sizeof(double));
}

// An output that is not connected has no host buffer to write to.
void Disconnected(IPlugOutputChannel* channel, bool) { channel->hostDestination = nullptr; }

template <class Channel>
void SetConnections(const PointerList<Channel>& channels, int first, int count, bool connected)
{
  for (int i = first < 0 ? 0 : first; i < first + count && i < channels.Count(); ++i)
  {
    Channel* channel = channels.Get(i);
    const bool wasConnected = channel->connected;
    channel->connected = connected;
    if (!connected)
    {
      *channel->slot = ScratchOf(channel);
      Disconnected(channel, wasConnected);
    }
  }
}
}

void IPlugBase::SetInputChannelConnections(int first, int count, bool connected)
{
  SetConnections(mInChannels, first, count, connected);
}

void IPlugBase::SetOutputChannelConnections(int first, int count, bool connected)
{
  SetConnections(mOutChannels, first, count, connected);
}

void IPlugBase::BindInputBuffers(int first, int count, float** hostBuffers, int nFrames, int startFrame)
{
  const bool fits = FitsScratch(nFrames);
  int nextHostBuffer = 0;
  for (int i = first < 0 ? 0 : first; i < first + count && i < NInChannels(); ++i)
  {
    std::printf("attaching channel %d ...", i);
    IPlugInputChannel* channel = GetInChannel(i);
    if (channel->connected)
    {
      double* scratch = ScratchOf(channel);
      const float* source = hostBuffers ? hostBuffers[nextHostBuffer++] : nullptr;
      if (fits && scratch)
      {
        if (source)
          for (int f = 0; f < nFrames; ++f)
            scratch[f] = source[startFrame + f];
        else
          std::memset(scratch, 0, nFrames * sizeof(double));
      }
      *channel->slot = scratch;
    }
    std::printf("done\n");
  }
}

void IPlugBase::BindOutputBuffers(int first, int count, float** hostBuffers, int startFrame)
{
  int nextHostBuffer = 0;
  for (int i = first < 0 ? 0 : first; i < first + count && i < NOutChannels(); ++i)
  {
    IPlugOutputChannel* channel = GetOutChannel(i);
    channel->hostDestination = nullptr;
    if (channel->connected && hostBuffers)
    {
      float* destination = hostBuffers[nextHostBuffer++];
      if (destination)
        channel->hostDestination = destination + startFrame;
    }
    *channel->slot = ScratchOf(channel);
  }
}

void IPlugBase::BindInputBuffersInPlace(int first, int count, double** hostBuffers, int nFrames, int startFrame)
{
  int nextHostBuffer = 0;
  for (int i = first < 0 ? 0 : first; i < first + count && i < NInChannels(); ++i)
  {
    IPlugInputChannel* channel = GetInChannel(i);
    if (!channel->connected)
      continue;
    double* host = hostBuffers ? hostBuffers[nextHostBuffer++] : nullptr;
    *channel->slot = host ? host + startFrame : ScratchOf(channel);
    if (!host && nFrames > 0 && ScratchOf(channel))
      std::memset(ScratchOf(channel), 0, nFrames * sizeof(double));
  }
}

void IPlugBase::BindOutputBuffersInPlace(int first, int count, double** hostBuffers, int startFrame)
{
  int nextHostBuffer = 0;
  for (int i = first < 0 ? 0 : first; i < first + count && i < NOutChannels(); ++i)
  {
    IPlugOutputChannel* channel = GetOutChannel(i);
    if (!channel->connected)
      continue;
    double* host = hostBuffers ? hostBuffers[nextHostBuffer++] : nullptr;
    *channel->slot = host ? host + startFrame : ScratchOf(channel);
  }
}

bool IPlugBase::RenderHostBlock(float** inputs, float** outputs, int nFrames, void (IPlugBase::*render)(int))
{
  return ProcessInParts(nFrames, [&](int start, int n) {
    BindInputBuffers(0, NInChannels(), inputs, n, start);
    BindOutputBuffers(0, NOutChannels(), outputs, start);
    (this->*render)(n);
  });
}

void IPlugBase::RenderBuffers(int nFrames)
{
  if (!FitsScratch(nFrames))
    return;
  ProcessDouble(mInData.Get(), mOutData.Get(), nFrames);
  WriteHostOutputs(nFrames);
}

void IPlugBase::AccumulateFloatBuffers(int nFrames)
{
  if (!FitsScratch(nFrames))
    return;
  ProcessDouble(mInData.Get(), mOutData.Get(), nFrames);
  AddToHostOutputs(nFrames);
}

void IPlugBase::BypassBuffers(int nFrames)
{
  if (!FitsScratch(nFrames))
    return;
  BypassDouble(mInData.Get(), mOutData.Get(), nFrames);
  WriteHostOutputs(nFrames);
}

void IPlugBase::BypassDouble(double** inputs, double** outputs, int nFrames)
{
  if (mLatency && mDelayLine)
    mDelayLine->Process(inputs, outputs, nFrames);
  else
    IPlugBase::ProcessDouble(inputs, outputs, nFrames);
}

void IPlugBase::WriteHostOutputs(int nFrames)
{
  for (int i = 0; i < NOutChannels(); ++i)
  {
    const IPlugOutputChannel* channel = GetOutChannel(i);
    const double* source = *channel->slot;
    float* destination = channel->hostDestination;
    if (!channel->connected || !destination)
      continue;
    if (source)
      for (int f = 0; f < nFrames; ++f)
        destination[f] = static_cast<float>(source[f]);
    else
      std::memset(destination, 0, nFrames * sizeof(float));
  }
}

void IPlugBase::AddToHostOutputs(int nFrames)
{
  for (int i = 0; i < NOutChannels(); ++i)
  {
    const IPlugOutputChannel* channel = GetOutChannel(i);
    const double* source = *channel->slot;
    float* destination = channel->hostDestination;
    if (!channel->connected || !destination || !source)
      continue;
    for (int f = 0; f < nFrames; ++f)
      destination[f] = destination[f] + static_cast<float>(source[f]);
  }
}

void IPlugBase::LimitToStereoIO()
{
  SetInputChannelConnections(2, NInChannels() - 2, false);
  if (NOutChannels() >= 3)
    SetOutputChannelConnections(2, NOutChannels() - 2, true);
}

void IPlugBase::ClearScratchBuffers()
{
  auto clear = [this](HeapArray<double>& scratch) {
    if (scratch.Get() && mBlockSize > 0)
      std::memset(scratch.Get(), 0, scratch.Count() * sizeof(double));
  };
  for (int i = 0; i < NInChannels(); ++i)
    clear(GetInChannel(i)->scratch);
  for (int i = 0; i < NOutChannels(); ++i)
    clear(GetOutChannel(i)->scratch);
}

void IPlugBase::CreateLatencyDelayLine()
{
  if (NInChannels() > 0 && !mDelayLine)
    mDelayLine = new LatencyDelayLine(NInChannels(), NOutChannels(), mLatency);
}

void IPlugBase::ChangeLatency(int samples)
{
  mLatency = samples;
  if (mDelayLine)
    mDelayLine->SetLength(samples);
}
