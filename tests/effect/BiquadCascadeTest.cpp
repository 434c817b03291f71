#include "BiquadCascade.h"
#include "CpuFeatures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
TEST(DesignBandPass, QuarterRateWithQOne)
{
  BiquadCascade filter(1, 1);
  DesignBandPass(&filter, 0.25, 1.0);
  const BiquadCoefficients& k = filter.Coefficients(0);
  EXPECT_NEAR(k.c1, 0.0, 1e-16);
  EXPECT_DOUBLE_EQ(k.c2, -1.0 / 3.0);
  EXPECT_DOUBLE_EQ(k.b0, 1.0 / 3.0);
  EXPECT_EQ(k.b1, 0.0);
  EXPECT_EQ(k.b2, -k.b0);
  EXPECT_EQ(filter.Ramped(0).c2, 0.0) << "design leaves the ramp alone";
}

TEST(BiquadCascade, ZerosInGiveTinyValuesOut)
{
  BiquadCascade filter(1, 1);
  DesignBandPass(&filter, 5000.0 / 44100.0, 5.0);
  std::vector<double> samples(1000, 0.0);
  filter.ProcessInterleaved(1000, samples.data());
  EXPECT_NE(samples[0], 0.0);
  for (double v : samples)
    EXPECT_LT(std::fabs(v), 1e-22);
}

TEST(BiquadCascade, ScalarPathFollowsTheRecursion)
{
  BiquadCascade filter(1, 2);
  DesignBandPass(&filter, 0.1, 2.0);
  filter.Coefficients(1) = filter.Coefficients(0);
  std::vector<double> samples = {1.0, 0.0, -0.5, 0.25, 0.0};
  std::vector<double> expected(samples.size());
  double s[2][2] = {};  // [stage][w1, w2]
  const BiquadCoefficients k = filter.Coefficients(0);
  for (size_t i = 0; i < samples.size(); ++i)
  {
    double x = samples[i];
    for (auto& st : s)
    {
      const double w = ((st[0] * k.c1 + x) + st[1] * k.c2) + 1e-25;
      x = (w * k.b0 + st[0] * k.b1) + st[1] * k.b2;
      st[1] = st[0];
      st[0] = w;
    }
    expected[i] = x;
  }
  filter.ProcessInterleaved(static_cast<int>(samples.size()), samples.data());
  EXPECT_EQ(samples, expected);
}

TEST(BiquadCascade, TwoLanePathGlidesOverOneBlock)
{
  if (!gCpuFeatures.sse3)
    GTEST_SKIP() << "no SSE3";
  BiquadCascade filter(2, 1);
  DesignBandPass(&filter, 0.2, 3.0);
  std::vector<double> samples(2 * 64, 0.5);
  filter.ProcessInterleaved(32, samples.data());
  // At the end of the block the ramp has reached the design (to rounding).
  EXPECT_NEAR(filter.Ramped(0).c1, filter.Coefficients(0).c1, 1e-12);
  EXPECT_NEAR(filter.Ramped(0).b0, filter.Coefficients(0).b0, 1e-12);
  // Both lanes saw the same input and agree.
  EXPECT_EQ(samples[62], samples[63]);
}

TEST(BiquadCascade, TwoLanePathStartsFromTheOldRamp)
{
  BiquadCascade filter(2, 1);
  DesignBandPass(&filter, 0.2, 3.0);
  std::vector<double> samples(2 * 4, 1.0);
  // With a ramp starting at zero, the first frame already uses 1/4 of the
  // way: not the full coefficients at once.
  filter.ProcessStereoRamped(4, samples.data(), 0, &filter.State(0, 0));
  const BiquadCoefficients& k = filter.Coefficients(0);
  const double b0 = k.b0 / 4.0;
  const double w = ((0.0 + 0.0) + (1.0 + 1e-18)) + 1e-25;
  EXPECT_DOUBLE_EQ(samples[0], b0 * w);
  filter.ProcessStereoRamped(0, samples.data(), 0, &filter.State(0, 0));
}

TEST(BiquadCascade, ScalarPathOnTwoChannelsRampsNothing)
{
  BiquadCascade filter(2, 1);
  DesignBandPass(&filter, 0.2, 3.0);
  std::vector<double> samples(8, 1.0);
  filter.ProcessScalar(4, samples.data());
  EXPECT_EQ(filter.Ramped(0).c1, 0.0);
  EXPECT_EQ(samples[0], samples[1]);
}
}
