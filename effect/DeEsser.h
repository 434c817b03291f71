#pragma once

#include "BiquadCascade.h"
#include "DeEsserKernel.h"

// The effect's parameters by index.
enum EffectParams
{
  kEffectAmount = 0,
  kDryWet = 1,
  kFirstBandLight = 2,
  kFirstBandSwitch = 10,
  kNumEffectParams = 18,
};

struct Envelope
{
  double value = 0.0;
  double attack = 0.0;
  double release = 0.0;
};

// The de-esser's processing, apart from any host: eight band-pass detectors
// with envelope followers against a wide-band envelope; while enabled bands
// rise above it, the whole signal's gain is lowered by the ratio "Effect
// Amount" sets, and "DryWet" blends. It allocates nothing.
class DeEsser
{
public:
  // Designed for 44.1 kHz, with the switches at their defaults.
  DeEsser();

  // Designs the band filters and envelope coefficients for the rate. A rate
  // that is not finite and positive is refused and changes nothing. Filter
  // states and envelopes carry over.
  void SetSampleRate(double sampleRate);
  // A parameter's new real value; every index recounts the enabled bands.
  void ParamChanged(int paramIdx, double value);
  // One block of nFrames samples from in0 and in1 (both must hold them;
  // in1 is only listened to in stereo). Either output may be null. Returns
  // what the block showed (nothing for an empty block: see LastReport).
  const DeEsserReport& Process(const double* in0, const double* in1, double* out0, double* out1, int nFrames,
                               bool stereo);

  double Ratio() const { return mRatio; }
  double Wet() const { return mWet; }
  int EnabledCount() const { return mEnabledCount; }
  // A band whose centre lies at or above half the sample rate is not
  // available: it is not filtered, never hit and not counted.
  bool IsBandAvailable(int band) const { return mBandAvailable[band]; }
  const BiquadCascade& BandFilter(int band) const { return mBandFilters[band]; }
  const Envelope& BandEnvelope(int band) const { return mBandEnvelopes[band]; }
  const Envelope& WideBandEnvelope() const { return mWideBand; }
  // What the last block processed showed (its smallest gain and more).
  const DeEsserReport& LastReport() const { return mLastReport; }
  double LastBlockMinimumGain() const { return mLastReport.minimumGain; }

private:
  void DesignBands(double sampleRate);
  void CountEnabledBands();
  void LoadLanes(DeEsserLanes* lanes) const;
  void StoreLanes(const DeEsserLanes& lanes);
  void RepairStateAfterBlock();

  bool mBandEnabled[kBands];
  BiquadCascade mBandFilters[kBands]{{1, 1}, {1, 1}, {1, 1}, {1, 1},
                                     {1, 1}, {1, 1}, {1, 1}, {1, 1}};
  Envelope mBandEnvelopes[kBands];
  Envelope mWideBand;
  double mRatio = 10.0;
  double mWet = 1.0;
  int mEnabledCount = 0;
  bool mBandAvailable[kBands];
  DeEsserReport mLastReport{1.0, 1.0, 1.0, false, 0, 0};
};
