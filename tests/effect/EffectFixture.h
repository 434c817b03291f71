#pragma once

#include "OfflineEffect.h"

#include <vector>

// Runs the effect on double buffers in blocks, as a host with 64-bit buffers
// would, with input 1 connected in stereo.
struct EffectRun
{
  explicit EffectRun(double sampleRate = 44100.0, int blockSize = 512)
      : plug(IPlugOffline::InstanceInfo())
  {
    plug.SetUpProcessing(sampleRate, blockSize);
  }

  void Set(int param, double value)
  {
    plug.GetParam(param)->Set(value);
    plug.ParamChanged(param, false);
  }

  void Render(const std::vector<double>& in0, const std::vector<double>& in1, bool stereo,
              std::vector<double>* out0, std::vector<double>* out1, int blockSize)
  {
    plug.SetInputChannelConnections(0, 1, true);
    plug.SetInputChannelConnections(1, 1, stereo);
    const int n = static_cast<int>(in0.size());
    out0->assign(n, 0.0);
    out1->assign(n, 0.0);
    for (int start = 0; start < n; start += blockSize)
    {
      const int frames = start + blockSize <= n ? blockSize : n - start;
      double* inputs[2] = {const_cast<double*>(in0.data()) + start,
                           const_cast<double*>(in1.data()) + start};
      double* outputs[2] = {out0->data() + start, out1->data() + start};
      plug.ProcessDouble(inputs, outputs, frames);
    }
  }

  OfflineEffect plug;
};
