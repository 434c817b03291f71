#include "IPlugOffline.h"

#include <cstring>

IPlugOffline::IPlugOffline(InstanceInfo instanceInfo, int nParams, const char* channelIOStr, int nPresets,
                           const char* effectName, const char* productName, const char* mfrName,
                           int vendorVersion, int uniqueID, int mfrID, int latency,
                           bool plugDoesMidi, bool plugDoesChunks, bool plugIsInst)
    : IPlugBase(nParams, channelIOStr, nPresets, effectName, productName, mfrName, vendorVersion,
                uniqueID, mfrID, latency, plugDoesMidi, plugDoesChunks, plugIsInst, instanceInfo.api)
{
  CreateLatencyDelayLine();
}

void IPlugOffline::SetUpProcessing(double sampleRate, int blockSize)
{
  MutexGuard lock(GetMutex());
  SetSampleRate(sampleRate);
  ChangeBlockSize(blockSize);
  ResetProcessing();
}

void IPlugOffline::ProcessBlock(float** inputs, float** outputs, int nFrames, int nChannels)
{
  MutexGuard lock(GetMutex());
  const int nIn = nChannels < 0 ? NInChannels() : nChannels;
  const int nOut = nChannels < 0 ? NOutChannels() : nChannels;
  SetInputChannelConnections(0, nIn, true);
  SetInputChannelConnections(nIn, NInChannels() - nIn, false);
  SetOutputChannelConnections(0, nOut, true);
  SetOutputChannelConnections(nOut, NOutChannels() - nOut, false);
  const bool processed =
    RenderHostBlock(inputs, outputs, nFrames, IsBypassed() ? &IPlugBase::BypassBuffers : &IPlugBase::RenderBuffers);
  // Before a set-up there is no scratch to work in: the outputs are silent.
  if (!processed && nFrames > 0 && outputs)
    for (int c = 0; c < nOut && c < NOutChannels(); ++c)
      if (outputs[c])
        std::memset(outputs[c], 0, nFrames * sizeof(float));
}

void IPlugOffline::ProcessInterleaved(const float* input, float* output, int nFrames, int nChannels)
{
  if (nFrames <= 0 || nChannels < 1 || nChannels > 2)
    return;
  for (std::vector<float>& channel : mPlanar)
    if (static_cast<int>(channel.size()) < nFrames)
      channel.resize(nFrames);
  float* inputs[2] = {mPlanar[0].data(), mPlanar[1].data()};
  float* outputs[2] = {mPlanar[2].data(), mPlanar[3].data()};
  for (int c = 0; c < nChannels; ++c)
    for (int f = 0; f < nFrames; ++f)
      inputs[c][f] = input[f * nChannels + c];
  ProcessBlock(inputs, outputs, nFrames, nChannels);
  for (int c = 0; c < nChannels; ++c)
    for (int f = 0; f < nFrames; ++f)
      output[f * nChannels + c] = outputs[c][f];
}

void IPlugOffline::GetHostTimeSignature(int* numerator, int* denominator)
{
  *numerator = 0;
  *denominator = 0;
}

void IPlugOffline::GetTransportInfo(TransportInfo* info) { *info = TransportInfo(); }
