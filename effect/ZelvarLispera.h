#pragma once

// The wrapper class of the module being built, named IPlug, with its
// IPlugInstanceInfo; chosen at build time.
#include ZL_WRAPPER_HEADER

#include "DeEsserKernel.h"
#include "BiquadCascade.h"
#include "HeapBuffer.h"

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

// The de-esser: eight band-pass detectors with envelope followers against a
// wide-band envelope; while enabled bands rise above it, the whole signal's
// gain is lowered by the ratio "Effect Amount" sets, and "DryWet" blends.
class ZelvarLispera : public IPlug
{
public:
  explicit ZelvarLispera(IPlugInstanceInfo instanceInfo);
  ~ZelvarLispera() override;

  void ResetProcessing() override;
  void ParamChanged(int paramIdx, bool restoring) override;
  void ProcessDouble(double** inputs, double** outputs, int nFrames) override;

  double Ratio() const { return mRatio; }
  double Wet() const { return mWet; }
  int EnabledCount() const { return mEnabledCount; }
  bool IsBandEnabled(int band) const { return mBandEnabled[band]; }
  // A band whose centre lies at or above half the sample rate is not
  // available: it is not filtered, never hit and not counted.
  bool IsBandAvailable(int band) const { return mBandAvailable[band]; }
  const BiquadCascade& BandFilter(int band) const { return mBandFilters[band]; }
  const Envelope& BandEnvelope(int band) const { return mBandEnvelopes[band]; }
  const Envelope& WideBandEnvelope() const { return mWideBand; }
  // The smallest gain of the last block processed.
  double LastBlockMinimumGain() const { return mLastBlockMinimumGain; }

private:
  void DesignBands(double sampleRate);
  void CountEnabledBands();
  bool GrowSilence(int nFrames);
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
  int mEnabledCount = 6;
  bool mBandAvailable[kBands];
  double mLastBlockMinimumGain = 1.0;
  // Read in place of an input slot that holds no buffer; held at the
  // longest block seen.
  HeapArray<double> mSilence{4096};
};
