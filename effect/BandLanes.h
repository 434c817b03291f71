#pragma once

constexpr int kBands = 8;

// The eight band filters (one channel, one stage each) and band envelopes
// laid out side by side, one band per lane, for the block pass.
struct alignas(32) BandLanes
{
  double c1[kBands], c2[kBands], b0[kBands], b1[kBands], b2[kBands];
  double w1[kBands], w2[kBands];
  double envelope[kBands], attack[kBands], release[kBands];
  // All bits set in a lane whose band is filtered (enabled and available),
  // and in a lane whose envelope follows (available).
  long long filtered[kBands];
  long long follows[kBands];
};

// The block pass of every band at once: for each frame, a filtered band's
// lane runs the detection sample through its filter, an unfiltered one
// passes it as it is; an available band's envelope follows the magnitude.
// Writes the envelopes of frame f to series[f * kBands + band]. Each lane
// performs exactly the operations, in the same order, of one band filtered
// by BiquadCascade's scalar path and followed by the envelope recursion.
void RunBandLanes(BandLanes* lanes, const double* detection, int nFrames, double* series);
