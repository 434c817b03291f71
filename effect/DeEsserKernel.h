#pragma once

constexpr int kBands = 8;

// The state one block of de-essing reads and advances: the eight band
// filters (one channel, one stage each) and band envelopes laid out side by
// side, one band per lane, and the wide-band envelope and gain computer.
// band[lane] names the band a lane carries: the filtered bands first lets
// whole registers skip the filter.
struct alignas(32) DeEsserLanes
{
  int band[kBands];
  double c1[kBands], c2[kBands], b0[kBands], b1[kBands], b2[kBands];
  double w1[kBands], w2[kBands];
  double envelope[kBands], attack[kBands], release[kBands];
  // All bits set in a lane whose band is filtered (enabled and available),
  // and in a lane whose envelope follows and may be hit (available).
  long long filtered[kBands];
  long long follows[kBands];
  double wideEnvelope, wideAttack, wideRelease;
  double ratio, wet;
  int enabledCount;
};

struct DeEsserBlock
{
  const double* in0;
  const double* in1;
  double* out0;  // either output may be null
  double* out1;
  int nFrames;
  bool stereo;
};

// What a block showed, for the editor: the smallest gain, the gains of the
// first and last frames and whether any frame's gain differed from the one
// before; the bands hit in the last frame and in any frame (bit b = band b).
struct DeEsserReport
{
  double minimumGain;
  double firstGain;
  double lastGain;
  bool gainChanged;
  unsigned lastHits;
  unsigned anyHits;
};

// One block of de-essing (at least one frame).
//
// The block pass (detection, band filters, band envelopes) and the frame
// pass (wide-band envelope, band hits, gain, mix) run fused, frame by frame,
// with the bands side by side in vector lanes. Nothing in the frame pass
// feeds back into the band envelopes, and every lane performs exactly the
// operations, in the same order, of one band filtered by BiquadCascade's
// scalar path, so the output is bit for bit that of running the passes one
// after the other, band after band.
DeEsserReport ProcessDeEsserBlock(DeEsserLanes* lanes, const DeEsserBlock& block);
