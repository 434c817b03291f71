#pragma once

#include "BiquadCascade.h"

#include <vector>

// The de-esser written the straightforward way, one band after another
// through BiquadCascade's scalar path, allocating its series per block: the
// independent model the effect must match bit for bit.
class ReferenceDeEsser
{
public:
  explicit ReferenceDeEsser(double sampleRate);

  void SetEffectAmount(double percent);
  void SetDryWet(double percent);
  void SetBand(int band, bool enabled);

  void Process(const double* in0, const double* in1, bool stereo, double* out0, double* out1,
               int nFrames);

  // Per frame of the last block: the bands above the wide-band level (bit b
  // = band b) and the gain.
  std::vector<unsigned> frameHits;
  std::vector<double> frameGains;

private:
  std::vector<BiquadCascade> mFilters;
  double mEnvelopes[8] = {};
  double mWide = 0.0;
  double mCoefficient;
  bool mEnabled[8] = {false, true, true, true, true, true, true, false};
  bool mAvailable[8];
  double mRatio = 10.0;
  double mWet = 1.0;
};
