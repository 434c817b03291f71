// The de-esser's processing: filter design for the sample rate, parameter
// values into the gain computer, and the block and frame passes. The order
// of every arithmetic operation is fixed: the Windows builds of both
// architectures give the same output bit for bit.

#include "DeEsser.h"

#include "DeEsserBands.h"

#include <cmath>

namespace
{
// Envelopes below this are flushed to 0 once per block: long silence would
// otherwise leave them subnormal, a permanent slow path.
constexpr double kEnvelopeFloor = 1e-30;

constexpr long long kAllBits = -1;
}

DeEsser::DeEsser()
{
  for (int band = 0; band < kBands; ++band)
  {
    mBandEnabled[band] = kDeEsserBands[band].enabledByDefault;
    mBandAvailable[band] = true;
  }
  DesignBands(44100.0);
  CountEnabledBands();
}

double EnvelopeCoefficient(double sampleRate)
{
  return std::pow(0.01, 1.0 / (std::trunc(sampleRate) * 300.0 * 0.001));
}

void DeEsser::DesignBands(double sampleRate)
{
  const double coefficient = EnvelopeCoefficient(sampleRate);
  for (int band = 0; band < kBands; ++band)
  {
    const DeEsserBand& settings = kDeEsserBands[band];
    // A centre at or above half the rate gives an unstable filter.
    const bool available = settings.centreHz < sampleRate * 0.5;
    if (available && !mBandAvailable[band])
    {
      mBandFilters[band].ClearState();
      mBandEnvelopes[band].value = 0.0;
    }
    mBandAvailable[band] = available;
    if (available)
      DesignBandPass(&mBandFilters[band], settings.centreHz / sampleRate, settings.q);
    mBandEnvelopes[band].attack = mBandEnvelopes[band].release = coefficient;
  }
  mWideBand.attack = mWideBand.release = coefficient;
}

void DeEsser::SetSampleRate(double sampleRate)
{
  if (!std::isfinite(sampleRate) || !(sampleRate > 0.0))
    return;
  DesignBands(sampleRate);
  CountEnabledBands();
}

void DeEsser::ParamChanged(int paramIdx, double value)
{
  if (paramIdx == kEffectAmount)
  {
    mRatio = value / 100.0 * 20.0;
    if (mRatio < 1.0)
      mRatio = 1.0;
  }
  else if (paramIdx == kDryWet)
  {
    mWet = value / 100.0;
  }
  else if (paramIdx >= kFirstBandSwitch && paramIdx < kFirstBandSwitch + kBands)
  {
    mBandEnabled[paramIdx - kFirstBandSwitch] = value >= 0.5;
  }
  CountEnabledBands();
}

void DeEsser::CountEnabledBands()
{
  mEnabledCount = 0;
  for (int band = 0; band < kBands; ++band)
    if (mBandEnabled[band] && mBandAvailable[band])
      ++mEnabledCount;
}

// The filtered bands take the first lanes, in band order, then the others.
void DeEsser::LoadLanes(DeEsserLanes* lanes) const
{
  int lane = 0;
  for (int filtered = 1; filtered >= 0; --filtered)
    for (int band = 0; band < kBands; ++band)
      if ((mBandEnabled[band] && mBandAvailable[band]) == (filtered == 1))
        lanes->band[lane++] = band;
  for (lane = 0; lane < kBands; ++lane)
  {
    const int band = lanes->band[lane];
    const BiquadCascade& filter = mBandFilters[band];
    const BiquadCoefficients& k = filter.Coefficients(0);
    lanes->c1[lane] = k.c1;
    lanes->c2[lane] = k.c2;
    lanes->b0[lane] = k.b0;
    lanes->b1[lane] = k.b1;
    lanes->b2[lane] = k.b2;
    const BiquadState& state = filter.State(0, 0);
    lanes->w1[lane] = state.w1;
    lanes->w2[lane] = state.w2;
    lanes->envelope[lane] = mBandEnvelopes[band].value;
    lanes->attack[lane] = mBandEnvelopes[band].attack;
    lanes->release[lane] = mBandEnvelopes[band].release;
    lanes->filtered[lane] = mBandEnabled[band] && mBandAvailable[band] ? kAllBits : 0;
    lanes->follows[lane] = mBandAvailable[band] ? kAllBits : 0;
  }
  lanes->wideEnvelope = mWideBand.value;
  lanes->wideAttack = mWideBand.attack;
  lanes->wideRelease = mWideBand.release;
  lanes->ratio = mRatio;
  lanes->wet = mWet;
  lanes->enabledCount = mEnabledCount;
}

void DeEsser::StoreLanes(const DeEsserLanes& lanes)
{
  for (int lane = 0; lane < kBands; ++lane)
  {
    const int band = lanes.band[lane];
    BiquadState& state = mBandFilters[band].State(0, 0);
    state.w1 = lanes.w1[lane];
    state.w2 = lanes.w2[lane];
    mBandEnvelopes[band].value = lanes.envelope[lane];
  }
  mWideBand.value = lanes.wideEnvelope;
}

// One non-finite input sample would leave every filter and envelope NaN for
// good; finite state is left exactly as it is.
void DeEsser::RepairStateAfterBlock()
{
  auto repair = [](double& value) {
    if (!std::isfinite(value))
      value = 0.0;
  };
  for (int band = 0; band < kBands; ++band)
  {
    BiquadState& state = mBandFilters[band].State(0, 0);
    repair(state.w1);
    repair(state.w2);
    repair(mBandEnvelopes[band].value);
  }
  repair(mWideBand.value);
  for (int band = 0; band < kBands; ++band)
    if (mBandEnvelopes[band].value < kEnvelopeFloor)
      mBandEnvelopes[band].value = 0.0;
  if (mWideBand.value < kEnvelopeFloor)
    mWideBand.value = 0.0;
}

const DeEsserReport& DeEsser::Process(const double* in0, const double* in1, double* out0, double* out1,
                                      int nFrames, bool stereo)
{
  if (nFrames <= 0)
    return mLastReport;
  DeEsserBlock block;
  block.in0 = in0;
  block.in1 = in1;
  block.out0 = out0;
  block.out1 = out1;
  block.nFrames = nFrames;
  block.stereo = stereo;

  DeEsserLanes lanes;
  LoadLanes(&lanes);
  mLastReport = ProcessDeEsserBlock(&lanes, block);
  StoreLanes(lanes);
  RepairStateAfterBlock();
  return mLastReport;
}
