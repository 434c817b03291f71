// The kernel's general paths (attack and release apart, b1 not 0), which the
// effect's own designs never take, against the recursions written plainly.

#include "DeEsserKernel.h"
#include "TestSignals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
struct PlainState
{
  double w1[kBands] = {}, w2[kBands] = {}, e[kBands] = {};
  double wide = 0.0;
};

void PlainBlock(const DeEsserLanes& k, PlainState* s, const std::vector<double>& in,
                std::vector<double>* out)
{
  const int n = static_cast<int>(in.size());
  std::vector<std::vector<double>> series(kBands, std::vector<double>(n));
  for (int b = 0; b < kBands; ++b)
    for (int j = 0; j < n; ++j)
    {
      double v = in[j];
      if (k.filtered[b])
      {
        const double w = ((s->w1[b] * k.c1[b] + v) + s->w2[b] * k.c2[b]) + 1e-25;
        v = (w * k.b0[b] + s->w1[b] * k.b1[b]) + s->w2[b] * k.b2[b];
        s->w2[b] = s->w1[b];
        s->w1[b] = w;
      }
      const double a = std::fabs(v);
      if (k.follows[b])
        s->e[b] = (s->e[b] - a) * (a > s->e[b] ? k.attack[b] : k.release[b]) + a;
      series[b][j] = s->e[b];
    }
  int hits = 0;
  double sum = 0.0;
  for (int j = 0; j < n; ++j)
  {
    const double a = std::fabs(in[j]);
    s->wide = (s->wide - a) * (a > s->wide ? k.wideAttack : k.wideRelease) + a;
    double g = 1.0;
    if (s->wide > 0.001)
    {
      for (int b = 0; b < kBands; ++b)
        if (k.follows[b] && series[b][j] > s->wide)
        {
          sum += series[b][j];
          ++hits;
        }
      if (hits >= 1)
      {
        sum = sum / k.enabledCount;
        double excess = sum - s->wide;
        if (!(excess > 0.0))
          excess = 0.0;
        g = (excess / k.ratio + s->wide) / (excess + s->wide);
      }
    }
    (*out)[j] = in[j] * g * k.wet + in[j] * (1.0 - k.wet);
  }
}

TEST(DeEsserKernel, GeneralPathsMatchThePlainRecursions)
{
  DeEsserLanes lanes = {};
  for (int b = 0; b < kBands; ++b)
  {
    lanes.band[b] = b;
    const double r = 0.9 - 0.02 * b;  // stable resonators
    lanes.c1[b] = 2 * r * (0.5 - 0.05 * b);
    lanes.c2[b] = -r * r;
    lanes.b0[b] = 1.0 + 0.1 * b;
    lanes.b1[b] = 0.03 * (b % 3);
    lanes.b2[b] = -lanes.b0[b];
    lanes.attack[b] = 0.99;
    lanes.release[b] = 0.9995;
    lanes.filtered[b] = b % 4 != 0 ? -1 : 0;
    lanes.follows[b] = b != 5 ? -1 : 0;
  }
  lanes.wideAttack = 0.995;
  lanes.wideRelease = 0.9999;
  lanes.ratio = 7.0;
  lanes.wet = 0.8;
  lanes.enabledCount = 5;

  PlainState plain;
  const std::vector<double> in = SibilantSignal(6000, 21);
  std::vector<double> expected(in.size()), actual(in.size());
  for (int start = 0; start < 6000; start += 1000)
  {
    std::vector<double> chunk(in.begin() + start, in.begin() + start + 1000), out(1000);
    PlainBlock(lanes, &plain, chunk, &out);
    std::copy(out.begin(), out.end(), expected.begin() + start);
    const DeEsserBlock block = {in.data() + start, in.data() + start, actual.data() + start, nullptr,
                                1000, false};
    ProcessDeEsserBlock(&lanes, block);
  }
  int reduced = 0;
  for (size_t i = 0; i < in.size(); ++i)
  {
    ASSERT_EQ(actual[i], expected[i]) << i;
    reduced += actual[i] != in[i] * 1.0 * 0.8 + in[i] * (1.0 - 0.8);
  }
  EXPECT_GT(reduced, 0);
  for (int b = 0; b < kBands; ++b)
  {
    EXPECT_EQ(lanes.w1[b], plain.w1[b]) << b;
    EXPECT_EQ(lanes.envelope[b], plain.e[b]) << b;
  }
}
}
