#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_TruncateToInt32.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace
{
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(AaxTruncate, TowardZeroOrInt32MinOutsideTheRange)
{
  const struct
  {
    double value;
    int32_t expected;
  } cases[] = {
    {28.999999999999996, 28}, {-4.8, -4}, {0.999, 0}, {-0.999, 0},
    {2147483647.9, 2147483647}, {2147483648.0, INT32_MIN}, {-2147483648.9, INT32_MIN},
    {-2147483649.0, INT32_MIN}, {1e300, INT32_MIN}, {kNaN, INT32_MIN}, {kInfinity, INT32_MIN},
    {-kInfinity, INT32_MIN},
  };
  for (const auto& c : cases)
    EXPECT_EQ(AAX_TruncateToInt32(c.value), c.expected) << c.value;
}

struct LinearCase
{
  int32_t minimum;
  int32_t maximum;
  double normalized;
  int32_t real;
};

TEST(AAX_CLinearTaperDelegate, NormalizedToRealTruncatesThenConstrains)
{
  const LinearCase cases[] = {
    {0, 100, 0.29, 28},  {0, 100, 0.999, 99}, {0, 100, 1.0, 100}, {0, 100, 1.5, 100},
    {0, 100, -0.2, 0},   {-10, 10, 0.26, -4}, {0, 1, 0.5, 0},     {0, 1, 0.999, 0},
    {0, 1, 1.0, 1},      {0, 1, 7.0, 1},
    // Not a number, or beyond int32 before constraining, is INT32_MIN: the minimum.
    {-10, 10, kNaN, -10}, {0, 100, 1e12, 0},
    {INT32_MIN, INT32_MAX, 1.0, INT32_MAX}, {INT32_MIN, INT32_MAX, 0.0, INT32_MIN},
  };
  for (const LinearCase& c : cases)
  {
    const AAX_CLinearTaperDelegate<int32_t> taper(c.minimum, c.maximum);
    EXPECT_EQ(taper.NormalizedToReal(c.normalized), c.real) << c.minimum << ".." << c.maximum << " " << c.normalized;
  }
}

TEST(AAX_CLinearTaperDelegate, RealToNormalizedConstrainsFirst)
{
  const AAX_CLinearTaperDelegate<int32_t> taper(0, 100);
  EXPECT_EQ(taper.RealToNormalized(150), 1.0);
  EXPECT_EQ(taper.RealToNormalized(-5), 0.0);
  EXPECT_EQ(taper.RealToNormalized(29), 0.29);
  EXPECT_EQ(taper.ConstrainValue(101), 100);
  EXPECT_EQ(taper.ConstrainValue(-1), 0);
  EXPECT_EQ(taper.ConstrainValue(42), 42);
  EXPECT_EQ(taper.MinimumValue(), 0);
  EXPECT_EQ(taper.MaximumValue(), 100);
  EXPECT_EQ(AAX_CLinearTaperDelegate<int32_t>(INT32_MIN, INT32_MAX).RealToNormalized(INT32_MAX), 1.0);
}

TEST(AAX_CLinearTaperDelegate, EmptyRangeNormalizesToZero)
{
  const AAX_CLinearTaperDelegate<int32_t> taper(5, 5);
  EXPECT_EQ(taper.RealToNormalized(5), 0.0);
  EXPECT_EQ(taper.RealToNormalized(9), 0.0);
  EXPECT_EQ(taper.NormalizedToReal(0.7), 5);
}

TEST(AAX_CLinearTaperDelegate, CloneIsAnEqualTaper)
{
  const std::unique_ptr<AAX_ITaperDelegate<int32_t>> clone(AAX_CLinearTaperDelegate<int32_t>(-10, 10).Clone());
  EXPECT_EQ(clone->MinimumValue(), -10);
  EXPECT_EQ(clone->MaximumValue(), 10);
  EXPECT_EQ(clone->NormalizedToReal(0.26), -4);
}

TEST(AAX_CBinaryTaperDelegate, AnyPositiveValueIsTrue)
{
  const AAX_CBinaryTaperDelegate<bool> taper;
  const struct
  {
    double normalized;
    bool real;
  } cases[] = {{0.0001, true}, {1.0, true}, {0.0, false}, {-0.0, false}, {-1.0, false}, {kNaN, false}};
  for (const auto& c : cases)
    EXPECT_EQ(taper.NormalizedToReal(c.normalized), c.real) << c.normalized;
  EXPECT_EQ(taper.RealToNormalized(true), 1.0);
  EXPECT_EQ(taper.RealToNormalized(false), 0.0);
  EXPECT_TRUE(taper.MaximumValue());
  EXPECT_FALSE(taper.MinimumValue());
  EXPECT_TRUE(taper.ConstrainValue(true));
  EXPECT_FALSE(taper.ConstrainValue(false));
  const std::unique_ptr<AAX_ITaperDelegate<bool>> clone(taper.Clone());
  EXPECT_TRUE(clone->NormalizedToReal(0.5));
}
}
