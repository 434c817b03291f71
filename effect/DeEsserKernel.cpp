#include "DeEsserKernel.h"

#include <cmath>
#include <cstring>
#include <emmintrin.h>

namespace
{
// One SSE2 register: two bands side by side.
typedef double Vec __attribute__((vector_size(16)));
typedef long long Mask __attribute__((vector_size(16)));
constexpr int kLanes = 2;
constexpr int kVectors = kBands / kLanes;

// The wide-band level above which the gain computer looks at the bands.
constexpr double kDetectionThreshold = 0.001;
constexpr double kNegligibleSum = 1e-20;
static_assert(kNegligibleSum < 0.5 * 2.168404344971009e-19, "half the ulp of the threshold");

Vec Load(const double* p)
{
  Vec v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

Mask LoadMask(const long long* p)
{
  Mask m;
  std::memcpy(&m, p, sizeof m);
  return m;
}

void Store(double* p, Vec v) { std::memcpy(p, &v, sizeof v); }

Vec Select(Mask m, Vec a, Vec b) { return (Vec)((m & (Mask)a) | (~m & (Mask)b)); }

Vec Magnitude(Vec v) { return (Vec)((Mask)v & 0x7fffffffffffffffLL); }

Vec Broadcast(double d) { return Vec{d, d}; }

// Lanes whose band is not filtered run the filter all the same, and lanes
// whose band is unavailable follow all the same: the block restores their
// state at its end, which leaves it exactly as if they had not run, and
// their results are never read. Where attack and release are one value (as
// the effect designs them), the choice between them is skipped; where b1 is
// 0 (as every band-pass design has it), its product is left out: with w1
// finite it is a signed zero, which only the sign of a zero y could show,
// and only |y| is used.
template <bool kOneCoefficient, bool kNoB1>
DeEsserReport ProcessBlock(DeEsserLanes* lanes, const DeEsserBlock& block)
{
  Vec w1[kVectors], w2[kVectors], e[kVectors];
  for (int v = 0; v < kVectors; ++v)
  {
    w1[v] = Load(lanes->w1 + v * kLanes);
    w2[v] = Load(lanes->w2 + v * kLanes);
    e[v] = Load(lanes->envelope + v * kLanes);
  }
  const Vec antiDenormal = Broadcast(1e-25);
  double wide = lanes->wideEnvelope;
  const double wideAttack = lanes->wideAttack, wideRelease = lanes->wideRelease;
  const double wet = lanes->wet, dry = 1.0 - lanes->wet, ratio = lanes->ratio;
  const int enabledCount = lanes->enabledCount;
  const double enabledDivisor = enabledCount;
  const double* in0 = block.in0;
  const double* in1 = block.in1;
  unsigned followMask = 0, filterMask = 0;
  int laneOfBand[kBands];
  for (int lane = 0; lane < kBands; ++lane)
  {
    followMask |= (lanes->follows[lane] & 1u) << lane;
    filterMask |= (lanes->filtered[lane] & 1u) << lane;
    laneOfBand[lanes->band[lane]] = lane;
  }
  // Per vector: both lanes filtered (3), neither (0) or one of them.
  unsigned filteredLanes[kVectors];
  for (int v = 0; v < kVectors; ++v)
    filteredLanes[v] = filterMask >> (v * kLanes) & 3u;

  // Live for the whole block, not per frame.
  int bandHits = 0;
  double bandSum = 0.0;
  double minimumGain = 1.0;
  // What the editor shows of the block, in lane order until the end.
  double firstGain = 1.0, previousGain = 1.0;
  bool gainChanged = false;
  unsigned anyHitLanes = 0, lastHitLanes = 0;
  for (int f = 0; f < block.nFrames; ++f)
  {
    const double x0 = in0[f], x1 = in1[f];
    // The detection sample (x1 + x0) * 0.5 equals the frame pass's
    // (x0 + x1) * 0.5: addition commutes exactly.
    const double x = block.stereo ? (x0 + x1) * 0.5 : x0;

    // Block pass of this frame, every band at once.
    const Vec d = Broadcast(x);
    const Vec magnitude = Magnitude(d);
    for (int v = 0; v < kVectors; ++v)
    {
      const int o = v * kLanes;
      Vec a = magnitude;
      if (filteredLanes[v] != 0u)
      {
        const Vec w = ((w1[v] * Load(lanes->c1 + o) + d) + w2[v] * Load(lanes->c2 + o)) + antiDenormal;
        const Vec y = kNoB1 ? w * Load(lanes->b0 + o) + w2[v] * Load(lanes->b2 + o)
                            : (w * Load(lanes->b0 + o) + w1[v] * Load(lanes->b1 + o)) + w2[v] * Load(lanes->b2 + o);
        w2[v] = w1[v];
        w1[v] = w;
        a = filteredLanes[v] == 3u ? Magnitude(y) : Select(LoadMask(lanes->filtered + o), Magnitude(y), magnitude);
      }
      if (kOneCoefficient)
        e[v] = (e[v] - a) * Load(lanes->attack + o) + a;
      else
        e[v] = (e[v] - a) * Select((Mask)(a > e[v]), Load(lanes->attack + o), Load(lanes->release + o)) + a;
    }

    // Frame pass.
    const double a = std::fabs(x);
    if (kOneCoefficient)
      wide = (wide - a) * wideAttack + a;
    else
      wide = (wide - a) * (a > wide ? wideAttack : wideRelease) + a;
    double g = 1.0;
    lastHitLanes = 0;
    if (wide > kDetectionThreshold)
    {
      const Vec level = Broadcast(wide);
      unsigned hitMask = 0;
      for (int v = 0; v < kVectors; ++v)
        hitMask |= static_cast<unsigned>(_mm_movemask_pd((__m128d)(e[v] > level))) << (v * kLanes);
      hitMask &= followMask;
      lastHitLanes = hitMask;
      anyHitLanes |= hitMask;
      if (hitMask)
      {
        double envelopes[kBands];
        for (int v = 0; v < kVectors; ++v)
          Store(envelopes + v * kLanes, e[v]);
        // The band sum grows in band order, as the bands are visited.
        // Adding +0.0 for a band without a hit leaves it exactly as it is
        // (it is never -0.0), and costs less than a mispredicted branch.
        for (int band = 0; band < kBands; ++band)
        {
          const int lane = laneOfBand[band];
          bandSum += (hitMask >> lane & 1u) ? envelopes[lane] : 0.0;
        }
        bandHits += __builtin_popcount(hitMask);
      }
      // With no band enabled there is no mean to compare: the gain stays 1.
      if (bandHits >= 1 && enabledCount > 0)
      {
        if (bandSum != 0.0)
        {
          bandSum = bandSum / enabledDivisor;
          // A sum this small can neither exceed the wide-band level (above
          // the threshold here) nor change a later sum, since every hit adds
          // an envelope above the threshold, whose half ulp is larger: it is
          // as good as 0 and is kept out of the subnormal range.
          if (bandSum < kNegligibleSum)
            bandSum = 0.0;
        }
        // Without excess the gain is (0 / ratio + E) / (0 + E), exactly 1.
        const double excess = bandSum - wide;
        if (excess > 0.0)
          g = (excess / ratio + wide) / (excess + wide);
      }
    }
    minimumGain = g < minimumGain ? g : minimumGain;
    if (f == 0)
      firstGain = g;
    else
      gainChanged |= g != previousGain;
    previousGain = g;

    if (block.out0)
      block.out0[f] = x0 * g * wet + x0 * dry;
    if (block.out1)
      block.out1[f] = x1 * g * wet + x1 * dry;
  }

  for (int v = 0; v < kVectors; ++v)
  {
    const int o = v * kLanes;
    const Mask filtered = LoadMask(lanes->filtered + o);
    const Mask follows = LoadMask(lanes->follows + o);
    Store(lanes->w1 + o, Select(filtered, w1[v], Load(lanes->w1 + o)));
    Store(lanes->w2 + o, Select(filtered, w2[v], Load(lanes->w2 + o)));
    Store(lanes->envelope + o, Select(follows, e[v], Load(lanes->envelope + o)));
  }
  lanes->wideEnvelope = wide;
  DeEsserReport report;
  report.minimumGain = minimumGain;
  report.firstGain = firstGain;
  report.lastGain = previousGain;
  report.gainChanged = gainChanged;
  report.lastHits = report.anyHits = 0;
  for (int lane = 0; lane < kBands; ++lane)
  {
    report.lastHits |= (lastHitLanes >> lane & 1u) << lanes->band[lane];
    report.anyHits |= (anyHitLanes >> lane & 1u) << lanes->band[lane];
  }
  return report;
}
}

DeEsserReport ProcessDeEsserBlock(DeEsserLanes* lanes, const DeEsserBlock& block)
{
  bool oneCoefficient = lanes->wideAttack == lanes->wideRelease;
  for (int band = 0; band < kBands; ++band)
    oneCoefficient = oneCoefficient && lanes->attack[band] == lanes->release[band];
  bool noB1 = true;
  for (int band = 0; band < kBands; ++band)
    noB1 = noB1 && lanes->b1[band] == 0.0;
  if (oneCoefficient)
    return noB1 ? ProcessBlock<true, true>(lanes, block) : ProcessBlock<true, false>(lanes, block);
  return noB1 ? ProcessBlock<false, true>(lanes, block) : ProcessBlock<false, false>(lanes, block);
}
