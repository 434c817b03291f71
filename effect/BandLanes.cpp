#include "BandLanes.h"

#include <cstring>

namespace
{
typedef double Vec __attribute__((vector_size(32)));
typedef long long Mask __attribute__((vector_size(32)));
constexpr int kLanes = 4;
constexpr int kVectors = kBands / kLanes;

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
}

void RunBandLanes(BandLanes* lanes, const double* detection, int nFrames, double* series)
{
  Vec c1[kVectors], c2[kVectors], b0[kVectors], b1[kVectors], b2[kVectors];
  Vec w1[kVectors], w2[kVectors], e[kVectors], attack[kVectors], release[kVectors];
  Mask filtered[kVectors], follows[kVectors];
  for (int v = 0; v < kVectors; ++v)
  {
    const int o = v * kLanes;
    c1[v] = Load(lanes->c1 + o);
    c2[v] = Load(lanes->c2 + o);
    b0[v] = Load(lanes->b0 + o);
    b1[v] = Load(lanes->b1 + o);
    b2[v] = Load(lanes->b2 + o);
    w1[v] = Load(lanes->w1 + o);
    w2[v] = Load(lanes->w2 + o);
    e[v] = Load(lanes->envelope + o);
    attack[v] = Load(lanes->attack + o);
    release[v] = Load(lanes->release + o);
    filtered[v] = LoadMask(lanes->filtered + o);
    follows[v] = LoadMask(lanes->follows + o);
  }
  const Vec antiDenormal = {1e-25, 1e-25, 1e-25, 1e-25};

  for (int f = 0; f < nFrames; ++f)
  {
    const double d = detection[f];
    const Vec x = {d, d, d, d};
    for (int v = 0; v < kVectors; ++v)
    {
      const Vec w = ((w1[v] * c1[v] + x) + w2[v] * c2[v]) + antiDenormal;
      const Vec y = (w * b0[v] + w1[v] * b1[v]) + w2[v] * b2[v];
      w2[v] = Select(filtered[v], w1[v], w2[v]);
      w1[v] = Select(filtered[v], w, w1[v]);
      const Vec a = Magnitude(Select(filtered[v], y, x));
      const Vec coefficient = Select((Mask)(a > e[v]), attack[v], release[v]);
      e[v] = Select(follows[v], (e[v] - a) * coefficient + a, e[v]);
      Store(series + f * kBands + v * kLanes, e[v]);
    }
  }

  for (int v = 0; v < kVectors; ++v)
  {
    const int o = v * kLanes;
    Store(lanes->w1 + o, w1[v]);
    Store(lanes->w2 + o, w2[v]);
    Store(lanes->envelope + o, e[v]);
  }
}
