#include "BiquadCascade.h"

#include "CpuFeatures.h"

#include <cmath>
#include <emmintrin.h>

namespace
{
// Keeps the recursion out of denormal numbers when the input falls silent.
constexpr double kAntiDenormal = 1e-25;

int Limit(int count, int most) { return count < 1 ? 1 : (count > most ? most : count); }
}

BiquadCascade::BiquadCascade(int channels, int stages)
    : mChannels(Limit(channels, kMaxChannels)), mStages(Limit(stages, kMaxStages))
{
}

void BiquadCascade::ClearState()
{
  for (BiquadState& state : mState)
    state = BiquadState();
}

void DesignBandPass(BiquadCascade* filter, double normalizedFrequency, double q)
{
  // The products are evaluated in this order on every target.
  const double w = normalizedFrequency * 6.283185307179586;
  const double s = std::sin(w);
  const double c = std::cos(w);
  const double alpha = s / (q * 2.0);
  const double e = -1.0 / (alpha + 1.0);
  BiquadCoefficients& k = filter->Coefficients(0);
  k.c1 = (c * -2.0) * e;
  k.c2 = (1.0 - alpha) * e;
  k.b0 = (s * -0.5) * e;
  k.b1 = 0.0;
  k.b2 = -k.b0;
}

void BiquadCascade::ProcessInterleaved(int nFrames, double* samples)
{
  if (mChannels == 2 && gCpuFeatures.sse3)
  {
    for (int stage = 0; stage < mStages; ++stage)
      ProcessStereoRamped(nFrames, samples, stage, &State(0, stage));
    return;
  }
  ProcessScalar(nFrames, samples);
}

void BiquadCascade::ProcessScalar(int nFrames, double* samples)
{
  for (int f = 0; f < nFrames; ++f)
  {
    for (int ch = 0; ch < mChannels; ++ch)
    {
      double x = samples[f * mChannels + ch];
      for (int stage = 0; stage < mStages; ++stage)
      {
        const BiquadCoefficients& k = mCoefficients[stage];
        BiquadState& st = State(ch, stage);
        const double w = ((st.w1 * k.c1 + x) + st.w2 * k.c2) + kAntiDenormal;
        const double y = (w * k.b0 + st.w1 * k.b1) + st.w2 * k.b2;
        st.w2 = st.w1;
        st.w1 = w;
        x = y;
      }
      samples[f * mChannels + ch] = x;
    }
  }
}

// The state of both channels of one stage: state[0] is channel 0's, and
// channel 1's follows it at the stage stride.
void BiquadCascade::ProcessStereoRamped(int nFrames, double* samples, int stage, BiquadState* state)
{
  if (nFrames <= 0)
    return;
  const BiquadCoefficients& target = mCoefficients[stage];
  BiquadCoefficients& ramped = mRamped[stage];
  const double frames = static_cast<double>(static_cast<unsigned>(nFrames));
  const __m128d dc1 = _mm_set1_pd((target.c1 - ramped.c1) / frames);
  const __m128d dc2 = _mm_set1_pd((target.c2 - ramped.c2) / frames);
  const __m128d db0 = _mm_set1_pd((target.b0 - ramped.b0) / frames);
  const __m128d db1 = _mm_set1_pd((target.b1 - ramped.b1) / frames);
  const __m128d db2 = _mm_set1_pd((target.b2 - ramped.b2) / frames);
  __m128d c1 = _mm_set1_pd(ramped.c1), c2 = _mm_set1_pd(ramped.c2);
  __m128d b0 = _mm_set1_pd(ramped.b0), b1 = _mm_set1_pd(ramped.b1), b2 = _mm_set1_pd(ramped.b2);
  BiquadState& left = state[0];
  BiquadState& right = state[mStages];
  __m128d w1 = _mm_set_pd(right.w1, left.w1);
  __m128d w2 = _mm_set_pd(right.w2, left.w2);
  const __m128d inputOffset = _mm_set1_pd(1e-18);
  const __m128d antiDenormal = _mm_set1_pd(kAntiDenormal);

  for (int f = 0; f < nFrames; ++f)
  {
    if (_mm_cvtsd_f64(c1) != target.c1)
    {
      c1 = _mm_add_pd(c1, dc1);
      c2 = _mm_add_pd(c2, dc2);
      b0 = _mm_add_pd(b0, db0);
      b1 = _mm_add_pd(b1, db1);
      b2 = _mm_add_pd(b2, db2);
    }
    double* frame = samples + 2 * f;
    const __m128d x = _mm_loadu_pd(frame);
    const __m128d feedback = _mm_add_pd(_mm_mul_pd(c2, w2), _mm_mul_pd(c1, w1));
    const __m128d w = _mm_add_pd(_mm_add_pd(feedback, _mm_add_pd(x, inputOffset)), antiDenormal);
    const __m128d y = _mm_add_pd(_mm_add_pd(_mm_mul_pd(b2, w2), _mm_mul_pd(b1, w1)), _mm_mul_pd(b0, w));
    w2 = w1;
    w1 = w;
    _mm_storeu_pd(frame, y);
  }

  ramped.c1 = _mm_cvtsd_f64(c1);
  ramped.c2 = _mm_cvtsd_f64(c2);
  ramped.b0 = _mm_cvtsd_f64(b0);
  ramped.b1 = _mm_cvtsd_f64(b1);
  ramped.b2 = _mm_cvtsd_f64(b2);
  left.w1 = _mm_cvtsd_f64(w1);
  left.w2 = _mm_cvtsd_f64(w2);
  right.w1 = _mm_cvtsd_f64(_mm_unpackhi_pd(w1, w1));
  right.w2 = _mm_cvtsd_f64(_mm_unpackhi_pd(w2, w2));
}
