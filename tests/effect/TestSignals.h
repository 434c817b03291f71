#pragma once

#include <cstdint>
#include <vector>

// The frames of every stretch of voice and of hiss in SibilantSignal: the
// first burst of hiss begins at this frame.
constexpr int kSibilantStretch = 8820;

// Deterministic test signals made without the math library, so that every
// target sees the same samples: a voiced buzz with bursts of hiss.
inline std::vector<double> SibilantSignal(int nFrames, std::uint32_t seed, double hissLevel = 0.4)
{
  std::vector<double> samples(nFrames);
  std::uint32_t state = seed;
  // Resonators near 5, 6, 7, 8 and 9 kHz (at 44.1 kHz), pole radius 0.95.
  const double feedback[5] = {1.437937, 1.247023, 1.030838, 0.793763, 0.540602};
  double y1[5] = {}, y2[5] = {};
  for (int i = 0; i < nFrames; ++i)
  {
    state = state * 1664525u + 1013904223u;
    const double noise = (static_cast<double>(state >> 8) / 8388608.0) - 1.0;
    // Noise through the resonators: the hiss.
    double y = 0.0;
    for (int r = 0; r < 5; ++r)
    {
      const double v = noise + feedback[r] * y1[r] - 0.9025 * y2[r];
      y2[r] = y1[r];
      y1[r] = v;
      y += v;
    }
    const int period = 200;  // a 220 Hz triangle at 44.1 kHz: the voice
    const int phase = i % period;
    const double triangle = (phase < period / 2 ? phase : period - phase) / 50.0 - 1.0;
    // 200 ms of hiss in every 400 ms, the voice almost silent meanwhile.
    const bool hiss = (i / kSibilantStretch) % 2 == 1;
    samples[i] = (hiss ? 0.02 : 0.3) * triangle + (hiss ? hissLevel : 0.002) * 0.1 * y;
  }
  return samples;
}

// FNV-1a over the bytes of a series of doubles.
inline std::uint64_t HashSamples(const std::vector<double>& samples)
{
  std::uint64_t hash = 1469598103934665603ull;
  for (double v : samples)
  {
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&v);
    for (int i = 0; i < 8; ++i)
      hash = (hash ^ bytes[i]) * 1099511628211ull;
  }
  return hash;
}
