#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CStringDisplayDelegate.h"
#include "AAX_CUnitDisplayDelegateDecorator.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
struct NumberCase
{
  double value;
  int32_t limit;  // kNoLimit: ValueToText
  const char* text;
};
constexpr int32_t kNoLimit = 1000;

template <class T>
std::string Shown(const AAX_IDisplayDelegate<T>& display, T value, int32_t limit)
{
  AAX_CString text("previous");
  EXPECT_TRUE(limit == kNoLimit ? display.ValueToText(value, &text) : display.ValueToTextLimited(value, limit, &text));
  return text.CString();
}

TEST(AAX_CNumberDisplayDelegate, TwoDecimalsCutNotRounded)
{
  const NumberCase intCases[] = {
    {12, kNoLimit, "12.00"}, {12, 4, "12.0"}, {12, 3, "12"}, {12, 1, "1"}, {12, 0, ""}, {12, -2, ""},
  };
  const AAX_CNumberDisplayDelegate<int32_t> intDisplay;
  for (const NumberCase& c : intCases)
    EXPECT_EQ(Shown<int32_t>(intDisplay, static_cast<int32_t>(c.value), c.limit), c.text) << c.value << " " << c.limit;

  const NumberCase doubleCases[] = {
    {123.456, kNoLimit, "123.46"}, {123.456, 5, "123.4"}, {123.456, 4, "123"}, {-0.001, kNoLimit, "-0.00"},
    {123.456, 6, "123.46"},        {123.456, 40, "123.46"},
  };
  const AAX_CNumberDisplayDelegate<double> doubleDisplay;
  for (const NumberCase& c : doubleCases)
    EXPECT_EQ(Shown<double>(doubleDisplay, c.value, c.limit), c.text) << c.value << " " << c.limit;
}

TEST(AAX_CNumberDisplayDelegate, TextToValue)
{
  const AAX_CNumberDisplayDelegate<double> doubles;
  const AAX_CNumberDisplayDelegate<int32_t> ints;
  double d = -1;
  int32_t i = -1;
  EXPECT_TRUE(doubles.TextToValue(AAX_CString("7.5xyz"), &d));
  EXPECT_EQ(d, 7.5);
  EXPECT_TRUE(ints.TextToValue(AAX_CString("7.5xyz"), &i));
  EXPECT_EQ(i, 7);
  EXPECT_TRUE(ints.TextToValue(AAX_CString("-3.7"), &i));
  EXPECT_EQ(i, -3);
  EXPECT_TRUE(ints.TextToValue(AAX_CString("1e20"), &i));
  EXPECT_EQ(i, INT32_MIN);
  for (const char* text : {"", "abc"})
  {
    d = -1;
    i = -1;
    EXPECT_FALSE(doubles.TextToValue(AAX_CString(text), &d));
    EXPECT_EQ(d, 0);
    EXPECT_FALSE(ints.TextToValue(AAX_CString(text), &i));
    EXPECT_EQ(i, 0);
  }
}

TEST(AAX_CUnitDisplayDelegateDecorator, UnitOnlyWhenItFits)
{
  const AAX_CUnitDisplayDelegateDecorator<double> percent(AAX_CNumberDisplayDelegate<double>(), AAX_CString("%"));
  EXPECT_EQ(Shown<double>(percent, 50, kNoLimit), "50.00%");
  EXPECT_EQ(Shown<double>(percent, 50, 6), "50.00%");
  EXPECT_EQ(Shown<double>(percent, 50, 5), "50.00");
  EXPECT_EQ(Shown<double>(percent, 50, 4), "50.0");
  EXPECT_EQ(Shown<double>(percent, 50, -1), "");
  const AAX_CUnitDisplayDelegateDecorator<int32_t> decibels(AAX_CNumberDisplayDelegate<int32_t>(), AAX_CString(" dB"));
  EXPECT_EQ(Shown<int32_t>(decibels, -6, kNoLimit), "-6.00 dB");
}

TEST(AAX_CUnitDisplayDelegateDecorator, ReadsWithOrWithoutTheUnit)
{
  const AAX_CUnitDisplayDelegateDecorator<double> percent(AAX_CNumberDisplayDelegate<double>(), AAX_CString("%"));
  double value = -1;
  EXPECT_TRUE(percent.TextToValue(AAX_CString("50.00%"), &value));
  EXPECT_EQ(value, 50);
  value = -1;
  EXPECT_TRUE(percent.TextToValue(AAX_CString("50"), &value));
  EXPECT_EQ(value, 50);
  value = -1;
  EXPECT_FALSE(percent.TextToValue(AAX_CString("%"), &value));
  EXPECT_EQ(value, 0);
}

TEST(AAX_CUnitDisplayDelegateDecorator, CloneOwnsItsDisplay)
{
  std::unique_ptr<AAX_IDisplayDelegate<double>> clone;
  {
    const AAX_CNumberDisplayDelegate<double> number;
    const AAX_CUnitDisplayDelegateDecorator<double> hertz(number, AAX_CString("Hz"));
    clone.reset(hertz.Clone());
  }
  EXPECT_EQ(Shown<double>(*clone, 4000, kNoLimit), "4000.00Hz");
}

TEST(AAX_IDisplayDelegateDecorator, ForwardsUnchanged)
{
  const AAX_IDisplayDelegateDecorator<int32_t> plain{AAX_CNumberDisplayDelegate<int32_t>()};
  EXPECT_EQ(Shown<int32_t>(plain, 12, kNoLimit), "12.00");
  EXPECT_EQ(Shown<int32_t>(plain, 12, 3), "12");
  int32_t value = 0;
  EXPECT_TRUE(plain.TextToValue(AAX_CString("9.9"), &value));
  EXPECT_EQ(value, 9);
  const std::unique_ptr<AAX_IDisplayDelegate<int32_t>> clone(plain.Clone());
  EXPECT_EQ(Shown<int32_t>(*clone, 3, kNoLimit), "3.00");
}

TEST(AAX_CStringDisplayDelegate, TextsOfValues)
{
  const AAX_CStringDisplayDelegate<int32_t> onOff({{0, AAX_CString("off")}, {1, AAX_CString("on")}});
  AAX_CString text;
  EXPECT_TRUE(onOff.ValueToText(1, &text));
  EXPECT_STREQ(text.CString(), "on");
  EXPECT_TRUE(onOff.ValueToTextLimited(0, 1, &text));
  EXPECT_STREQ(text.CString(), "off");
  EXPECT_FALSE(onOff.ValueToText(2, &text));
  EXPECT_STREQ(text.CString(), "String Not Found");
  int32_t value = -1;
  EXPECT_FALSE(onOff.TextToValue(AAX_CString("On"), &value));
  EXPECT_EQ(value, 0);
  EXPECT_TRUE(onOff.TextToValue(AAX_CString("on"), &value));
  EXPECT_EQ(value, 1);
}

TEST(AAX_CStringDisplayDelegate, SharedTextReadsAsTheSmallestValue)
{
  const AAX_CStringDisplayDelegate<int32_t> display(
    {{7, AAX_CString("same")}, {3, AAX_CString("same")}, {5, AAX_CString("other")}});
  const std::unique_ptr<AAX_IDisplayDelegate<int32_t>> clone(display.Clone());
  int32_t value = -1;
  EXPECT_TRUE(clone->TextToValue(AAX_CString("same"), &value));
  EXPECT_EQ(value, 3);
  AAX_CString text;
  EXPECT_TRUE(clone->ValueToText(7, &text));
  EXPECT_STREQ(text.CString(), "same");
}

TEST(AAX_CBinaryDisplayDelegate, TwoTexts)
{
  const AAX_CBinaryDisplayDelegate<bool> bypass("bypass", "on");
  EXPECT_EQ(Shown<bool>(bypass, true, kNoLimit), "on");
  EXPECT_EQ(Shown<bool>(bypass, false, 2), "bypass");
  bool value = true;
  EXPECT_TRUE(bypass.TextToValue(AAX_CString("bypass"), &value));
  EXPECT_FALSE(value);
  value = false;
  EXPECT_TRUE(bypass.TextToValue(AAX_CString("on"), &value));
  EXPECT_TRUE(value);
  value = true;
  EXPECT_FALSE(bypass.TextToValue(AAX_CString("off"), &value));
  EXPECT_FALSE(value);

  const AAX_CBinaryDisplayDelegate<bool> same("x", "x");
  const std::unique_ptr<AAX_IDisplayDelegate<bool>> clone(same.Clone());
  EXPECT_TRUE(clone->TextToValue(AAX_CString("x"), &value));
  EXPECT_TRUE(value);
}

TEST(AaxDisplays, NullTextsAreRefused)
{
  EXPECT_FALSE(AAX_CNumberDisplayDelegate<double>().ValueToText(1.0, nullptr));
  EXPECT_FALSE(AAX_CNumberDisplayDelegate<double>().ValueToTextLimited(1.0, 3, nullptr));
  EXPECT_FALSE(AAX_CBinaryDisplayDelegate<bool>("a", "b").ValueToText(true, nullptr));
  EXPECT_FALSE(AAX_CStringDisplayDelegate<int32_t>({}).ValueToText(0, nullptr));
  EXPECT_FALSE(AAX_CNumberDisplayDelegate<double>().TextToValue(AAX_CString("1"), nullptr));
}
}
