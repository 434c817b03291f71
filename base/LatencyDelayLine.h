#pragma once

#include "HeapBuffer.h"

// Delays every channel by a fixed number of frames, so that a bypassed
// plug-in stays aligned with the latency it reports.
class LatencyDelayLine
{
public:
  LatencyDelayLine(int nInputs, int nOutputs, int length);

  // Input and output may be the same buffers.
  void Process(double** inputs, double** outputs, int nFrames);

  // Resizes the ring to the new length and zeroes it.
  void SetLength(int length);
  int Length() const { return mLength; }

private:
  HeapArray<double> mRing{4096};
  int mWritePos = 0;
  int mInputs;
  int mOutputs;
  int mLength = 0;
};
