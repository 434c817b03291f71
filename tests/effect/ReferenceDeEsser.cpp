#include "ReferenceDeEsser.h"

#include <cmath>

namespace
{
const double kCentres[8] = {4000, 5000, 6000, 7000, 8000, 9000, 10000, 13000};
const double kQs[8] = {4, 5, 6, 7, 8, 9, 10, 3};
}

ReferenceDeEsser::ReferenceDeEsser(double sampleRate)
    : mFilters(8, BiquadCascade(1, 1)),
      mCoefficient(std::pow(0.01, 1.0 / ((double)(int)sampleRate * 300.0 * 0.001)))
{
  for (int b = 0; b < 8; ++b)
  {
    mAvailable[b] = kCentres[b] < sampleRate / 2.0;
    if (mAvailable[b])
      DesignBandPass(&mFilters[b], kCentres[b] / sampleRate, kQs[b]);
  }
}

void ReferenceDeEsser::SetEffectAmount(double percent)
{
  mRatio = percent / 100.0 * 20.0;
  if (mRatio < 1.0)
    mRatio = 1.0;
}

void ReferenceDeEsser::SetDryWet(double percent) { mWet = percent / 100.0; }

void ReferenceDeEsser::SetBand(int band, bool enabled) { mEnabled[band] = enabled; }

void ReferenceDeEsser::Process(const double* in0, const double* in1, bool stereo, double* out0,
                               double* out1, int nFrames)
{
  int enabledCount = 0;
  for (int b = 0; b < 8; ++b)
    enabledCount += mEnabled[b] && mAvailable[b];

  std::vector<double> detection(nFrames);
  for (int j = 0; j < nFrames; ++j)
    detection[j] = stereo ? (in1[j] + in0[j]) * 0.5 : in0[j];

  std::vector<std::vector<double>> series(8, std::vector<double>(nFrames));
  for (int b = 0; b < 8; ++b)
  {
    if (!mAvailable[b])
      continue;
    std::vector<double> copy = detection;
    if (mEnabled[b])
      mFilters[b].ProcessScalar(nFrames, copy.data());
    double e = mEnvelopes[b];
    for (int j = 0; j < nFrames; ++j)
    {
      const double a = std::fabs(copy[j]);
      e = (e - a) * mCoefficient + a;  // attack and release are equal
      series[b][j] = e;
    }
    mEnvelopes[b] = e;
  }

  int hits = 0;
  double sum = 0.0;
  frameHits.assign(nFrames, 0);
  frameGains.assign(nFrames, 1.0);
  for (int j = 0; j < nFrames; ++j)
  {
    const double x = stereo ? (in0[j] + in1[j]) * 0.5 : in0[j];
    const double a = std::fabs(x);
    mWide = (mWide - a) * mCoefficient + a;
    double g = 1.0;
    if (mWide > 0.001)
    {
      for (int b = 0; b < 8; ++b)
      {
        if (mAvailable[b] && series[b][j] > mWide)
        {
          sum += series[b][j];
          ++hits;
          frameHits[j] |= 1u << b;
        }
      }
      if (hits >= 1 && enabledCount > 0)
      {
        sum = sum / enabledCount;
        double excess = sum - mWide;
        if (excess <= 0.0)
          excess = 0.0;
        g = (excess / mRatio + mWide) / (excess + mWide);
      }
    }
    frameGains[j] = g;
    out0[j] = in0[j] * g * mWet + in0[j] * (1.0 - mWet);
    out1[j] = in1[j] * g * mWet + in1[j] * (1.0 - mWet);
  }

  for (int b = 0; b < 8; ++b)
  {
    BiquadState& s = mFilters[b].State(0, 0);
    if (!std::isfinite(s.w1)) s.w1 = 0.0;
    if (!std::isfinite(s.w2)) s.w2 = 0.0;
    if (!std::isfinite(mEnvelopes[b]) || mEnvelopes[b] < 1e-30) mEnvelopes[b] = 0.0;
  }
  if (!std::isfinite(mWide) || mWide < 1e-30)
    mWide = 0.0;
}
