#include "LatencyDelayLine.h"

#include <cstring>

LatencyDelayLine::LatencyDelayLine(int nInputs, int nOutputs, int length)
    : mInputs(nInputs), mOutputs(nOutputs)
{
  SetLength(length);
}

void LatencyDelayLine::SetLength(int length)
{
  mWritePos = 0;
  const long long entries = static_cast<long long>(length) * mInputs;
  if (length < 0 || entries > 0x7fffffff || !mRing.Resize(static_cast<int>(entries), true))
  {
    mRing.Resize(0, true);
    mLength = 0;
    return;
  }
  mLength = length;
  if (entries)
    std::memset(mRing.Get(), 0, entries * sizeof(double));
}

void LatencyDelayLine::Process(double** inputs, double** outputs, int nFrames)
{
  const int channels = mInputs < mOutputs ? mInputs : mOutputs;
  double* ring = mRing.Get();
  if (!ring || mLength <= 0)
    return;
  for (int f = 0; f < nFrames; ++f)
  {
    for (int c = 0; c < channels; ++c)
    {
      // Read before writing: a host may hand the same buffer as input and
      // output.
      double& entry = ring[c * mLength + mWritePos];
      const double input = inputs[c][f];
      outputs[c][f] = entry;
      entry = input;
    }
    if (++mWritePos == mLength)
      mWritePos = 0;
  }
}
