#include "IPlugParameter.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace
{
TEST(IPlugParameter, ValuesAtCreation)
{
  IPlugParameter param;
  EXPECT_EQ(param.Kind(), kParameterNone);
  EXPECT_EQ(param.Value(), 0.0);
  EXPECT_EQ(param.Min(), 0.0);
  EXPECT_EQ(param.Max(), 1.0);
  EXPECT_EQ(param.Step(), 1.0);
  EXPECT_EQ(param.Shape(), 1.0);
  EXPECT_TRUE(param.CanAutomate());
  EXPECT_FALSE(param.NegateDisplay());
  EXPECT_EQ(param.DisplayTextCount(), 0);
  EXPECT_EQ(param.DisplayTextAt(0), nullptr);
}

TEST(IPlugParameter, SetupDoubleAndStepRounding)
{
  IPlugParameter param;
  param.SetupDouble("Effect Amount", 50.0, 0.0, 101.0, 1.0, "%", "", 1.0);
  EXPECT_EQ(param.Kind(), kParameterDouble);
  EXPECT_EQ(param.Value(), 50.0);
  EXPECT_EQ(param.Default(), 50.0);
  EXPECT_EQ(param.Max(), 101.0);
  EXPECT_EQ(param.Precision(), 0);
  EXPECT_STREQ(param.Name(), "Effect Amount");
  EXPECT_STREQ(param.Label(), "%");
  EXPECT_STREQ(param.Group(), "");
  param.SetFromNormalized(0.5);
  EXPECT_EQ(param.Value(), 51.0);  // 50.5, halves away from zero
}

TEST(IPlugParameter, SetupDoubleRaisesMaxAndKeepsShapeForZero)
{
  IPlugParameter param;
  param.SetupDouble("p", 0.0, 0.0, 0.5, 1.0, "", "", 0.0);
  EXPECT_EQ(param.Max(), 1.0);
  EXPECT_EQ(param.Shape(), 1.0);
}

TEST(IPlugParameter, SetupCutsLongTexts)
{
  IPlugParameter param;
  param.SetupDouble("a name that is far longer than thirty-one characters", 0.0, 0.0, 1.0, 1.0, "%");
  EXPECT_EQ(std::string(param.Name()).size(), 31u);
}

TEST(IPlugParameter, PrecisionFollowsTheStep)
{
  const struct
  {
    double step;
    int precision;
  } cases[] = {{1.0, 0}, {0.1, 1}, {0.25, 2}, {0.001, 3}, {1e-9, 6}, {2.0, 0}};
  for (const auto& c : cases)
  {
    IPlugParameter param;
    param.SetupDouble("p", 0.0, 0.0, 10.0, c.step);
    EXPECT_EQ(param.Precision(), c.precision) << c.step;
  }
}

TEST(IPlugParameter, BoolStepsInTenthsAndDisplaysTruncatedValue)
{
  IPlugParameter param;
  param.SetupBool("Band", true);
  EXPECT_EQ(param.Kind(), kParameterBool);
  EXPECT_EQ(param.Value(), 1.0);
  EXPECT_EQ(param.Step(), 0.1);
  EXPECT_EQ(param.Precision(), 1);
  ASSERT_EQ(param.DisplayTextCount(), 2);
  EXPECT_STREQ(param.DisplayTextAt(1)->text, "on");

  param.SetFromNormalized(0.74);
  EXPECT_NEAR(param.Value(), 0.7, 1e-12);
  char text[kParameterTextLength];
  param.FormatForDisplay(text);
  EXPECT_STREQ(text, "off");

  param.Set(1.9);
  param.FormatForDisplay(text);
  EXPECT_STREQ(text, "on");
}

TEST(IPlugParameter, DisplayWithoutTexts)
{
  IPlugParameter param;
  param.SetupDouble("p", 0.0, -10.0, 10.0, 1.0);
  param.SetNegateDisplay(true);
  param.Set(-3.7);
  char text[kParameterTextLength];
  param.FormatForDisplay(text);
  EXPECT_STREQ(text, "3");

  IPlugParameter fine;
  fine.SetupDouble("p", 0.0, 0.0, 10.0, 0.25);
  fine.Set(1.5);
  fine.FormatForDisplay(text);
  EXPECT_STREQ(text, "1.50");
}

TEST(IPlugParameter, EmptyDisplayTextEndsTheSearch)
{
  IPlugParameter param;
  param.SetupDouble("p", 0.0, 0.0, 10.0, 1.0);
  param.AppendDisplayText(2, "");
  param.AppendDisplayText(2, "two");
  param.Set(2.0);
  char text[kParameterTextLength];
  param.FormatForDisplay(text);
  EXPECT_STREQ(text, "2");
}

// The one display text of every caller: the current value, another real
// value, or a normalised one taken through the shape without clamping.
TEST(IPlugParameter, DisplayOfAnyValue)
{
  IPlugParameter shaped;
  shaped.SetupDouble("p", 0.0, 0.0, 100.0, 0.5, "", "", 2.0);
  shaped.AppendDisplayText(100, "full");
  char text[kParameterTextLength];
  shaped.FormatForDisplay(0.5, true, text);
  EXPECT_STREQ(text, "25.0");
  shaped.FormatForDisplay(1.0, true, text);
  EXPECT_STREQ(text, "full");
  shaped.FormatForDisplay(2.0, true, text);
  EXPECT_STREQ(text, "400.0") << "not clamped";
  shaped.FormatForDisplay(100.7, false, text);
  EXPECT_STREQ(text, "full");
  EXPECT_STREQ(shaped.DisplayTextFor(100), "full");
  EXPECT_EQ(shaped.DisplayTextFor(99), nullptr);
  shaped.FormatForDisplay(text);
  EXPECT_STREQ(text, "0.0") << "the current value";
}

TEST(IPlugParameter, DisplayOfValuesOutsideTheIntRange)
{
  IPlugParameter param;
  param.SetupDouble("p", 0.0, 0.0, 1.0, 1.0);
  char text[kParameterTextLength];
  param.Set(1e300);
  param.FormatForDisplay(text);
  EXPECT_STREQ(text, "2147483647");
  param.Set(std::numeric_limits<double>::quiet_NaN());
  param.FormatForDisplay(text);
  EXPECT_STREQ(text, "0");
}

TEST(IPlugParameter, NormalizedValueClamps)
{
  IPlugParameter param;
  param.SetupDouble("p", 50.0, 0.0, 100.0, 1.0);
  EXPECT_EQ(param.NormalizedValue(150.0), 1.0);
  EXPECT_EQ(param.NormalizedValue(-5.0), 0.0);
  EXPECT_EQ(param.NormalizedValue(25.0), 0.25);
}

TEST(IPlugParameter, ShapeBendsTheMapping)
{
  IPlugParameter param;
  param.SetupDouble("p", 0.0, 0.0, 100.0, 1.0, "", "", 2.0);
  param.SetFromNormalized(0.5);
  EXPECT_EQ(param.Value(), 25.0);
  EXPECT_EQ(param.NormalizedValue(25.0), 0.5);
}

TEST(IPlugParameter, SetFromNormalizedClampsAndIgnoresNaN)
{
  IPlugParameter param;
  param.SetupDouble("p", 50.0, 0.0, 100.0, 1.0);
  param.SetFromNormalized(1.7);
  EXPECT_EQ(param.Value(), 100.0);
  param.SetFromNormalized(-0.5);
  EXPECT_EQ(param.Value(), 0.0);
  param.SetFromNormalized(0.3);
  param.SetFromNormalized(std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(param.Value(), 30.0);
  param.SetFromNormalized(std::numeric_limits<double>::infinity());
  EXPECT_EQ(param.Value(), 100.0);
}

TEST(IPlugParameter, DoubleWithOtherStepStaysUnrounded)
{
  IPlugParameter param;
  param.SetupDouble("p", 0.0, 0.0, 1.0, 0.5);
  param.SetFromNormalized(0.3);
  EXPECT_DOUBLE_EQ(param.Value(), 0.3);
}

TEST(IPlugParameter, MatchDisplayTextTakesTheFirstEqualText)
{
  IPlugParameter param;
  param.SetupBool("b", false);
  param.AppendDisplayText(7, "on");
  int value = -1;
  EXPECT_TRUE(param.MatchDisplayText("on", &value));
  EXPECT_EQ(value, 1);
  value = -1;
  EXPECT_FALSE(param.MatchDisplayText("ON", &value)) << "byte for byte";
  EXPECT_FALSE(param.MatchDisplayText("o", &value));
  EXPECT_FALSE(param.MatchDisplayText(nullptr, &value));
  EXPECT_EQ(value, -1);
}

TEST(IPlugParameter, ReadTypedNumberReadsTheLeadingCLiteral)
{
  const double inf = std::numeric_limits<double>::infinity();
  const struct
  {
    const char* text;
    double number;
  } cases[] = {
      {"37", 37.0},      {"  -2.5dB", -2.5}, {"+4e1", 40.0},  {".5", 0.5},       {"1e", 1.0},
      {"abc", 0.0},      {"", 0.0},          {"-", 0.0},      {"0x1A", 26.0},    {"0x", 0.0},
      {"1e999", inf},    {"-1e999", -inf},   {"1e-999", 0.0}, {"inf", inf},      {"3,5", 3.0},
  };
  IPlugParameter param;
  param.SetupDouble("p", 0.0, -100.0, 100.0, 0.1);
  for (const auto& c : cases)
    EXPECT_EQ(param.ReadTypedNumber(c.text), c.number) << c.text;
  EXPECT_TRUE(std::isnan(param.ReadTypedNumber("nan")));
  EXPECT_EQ(param.ReadTypedNumber(nullptr), 0.0);
  param.SetNegateDisplay(true);
  EXPECT_EQ(param.ReadTypedNumber("12.5"), -12.5);
}

TEST(IPlugParameter, ReadTypedNumberIgnoresTheLocale)
{
  IPlugParameter param;
  const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
  // A locale whose decimal point is a comma, where the system has one.
  const bool comma = std::setlocale(LC_NUMERIC, "German_Germany.1252") || std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  if (comma)
  {
    EXPECT_EQ(std::atof("2.5"), 2.0) << "the locale reads a comma";
  }
  EXPECT_EQ(param.ReadTypedNumber("2.5"), 2.5);
  EXPECT_EQ(param.ReadTypedNumber("2,5"), 2.0);
  std::setlocale(LC_NUMERIC, previous.c_str());
}
}
