#pragma once

#include "vst3_interfaces.h"

// The record of one process call over one stereo input bus and one stereo
// output bus, of 32-bit or 64-bit host buffers (the record keeps the two
// kinds of pointer in one union, so only those of the sample size are set).
struct HostBlock
{
  HostBlock(Steinberg::int32 sampleSize, int nFrames, float** in32, float** out32, double** in64, double** out64)
  {
    input.numChannels = output.numChannels = 2;
    if (sampleSize == Steinberg::Vst::kSample32)
    {
      input.channelBuffers32 = in32;
      output.channelBuffers32 = out32;
    }
    else
    {
      input.channelBuffers64 = in64;
      output.channelBuffers64 = out64;
    }
    data.numSamples = nFrames;
    data.numInputs = data.numOutputs = 1;
    data.inputs = &input;
    data.outputs = &output;
  }
  HostBlock(const HostBlock&) = delete;
  HostBlock& operator=(const HostBlock&) = delete;

  Steinberg::Vst::AudioBusBuffers input = {};
  Steinberg::Vst::AudioBusBuffers output = {};
  Steinberg::Vst::ProcessData data = {};
};
