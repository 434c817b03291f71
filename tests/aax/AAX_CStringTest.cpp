#include "AAX_CString.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <new>
#include <string>

namespace
{
TEST(AAX_CString, MaxLengthIsFixed)
{
  EXPECT_EQ(AAX_CString().MaxLength(), 0xFFFFFFFEu);
  EXPECT_EQ(AAX_CString("text").MaxLength(), 0xFFFFFFFEu);
}

TEST(AAX_CString, NullTextIsEmpty)
{
  AAX_CString text(static_cast<const char*>(nullptr));
  EXPECT_EQ(text.Length(), 0u);
  EXPECT_STREQ(text.CString(), "");
  AAX_CString other("x");
  other.SetCString(nullptr);
  EXPECT_STREQ(other.CString(), "");
}

TEST(AAX_CString, AssignmentsReplaceTheText)
{
  AAX_CString text("old");
  EXPECT_EQ(&text.AssignCString("new"), &text);
  EXPECT_STREQ(text.CString(), "new");
  const AAX_CString other("other");
  EXPECT_EQ(&text.AssignString(other), &text);
  EXPECT_STREQ(text.CString(), "other");
  text.AssignString(text);
  EXPECT_STREQ(text.CString(), "other");
  const AAX_CString& self = text;
  text = self;
  EXPECT_STREQ(text.CString(), "other");
  EXPECT_STREQ(AAX_CString(static_cast<const AAX_IString&>(other)).CString(), "other");
}

struct NumberCase
{
  double value;
  int32_t precision;
  const char* text;
};

TEST(AAX_CString, AppendNumberInFixedNotation)
{
  const NumberCase cases[] = {
    {1.5, 2, "1.50"},       {-3, 2, "-3.00"},        {0, 0, "0"},     {-0.001, 2, "-0.00"},
    {123.456, 2, "123.46"}, {2.675, 2, "2.67"},      {0.125, 2, "0.12"}, {2.5, 0, "2"},
    {1e22, 1, "10000000000000000000000.0"},          {7, -3, "7"},    {0.1, 20, "0.10000000000000000555"},
  };
  for (const NumberCase& c : cases)
  {
    AAX_CString text("x=");
    text.AppendNumber(c.value, c.precision);
    EXPECT_EQ(std::string(text.CString()), std::string("x=") + c.text) << c.value << " " << c.precision;
  }
}

struct ReadCase
{
  const char* text;
  bool read;
  double value;
};

TEST(AAX_CString, ToDoubleReadsTheLongestNumberAtTheStart)
{
  const ReadCase cases[] = {
    {"12abc", true, 12},  {"abc", false, 0},   {"", false, 0},      {" \t-3.5 dB", true, -3.5},
    {"+2", true, 2},      {"1e3x", true, 1000}, {".5", true, 0.5},   {"1e", true, 1},
    {"-", false, 0},      {"inf", false, 0},    {"nan", false, 0},   {"0x10", true, 0},
    {"1e999", false, 0},  {"- 5", false, 0},
  };
  for (const ReadCase& c : cases)
  {
    double value = -7;
    EXPECT_EQ(AAX_CString(c.text).ToDouble(&value), c.read) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
  EXPECT_FALSE(AAX_CString("1").ToDouble(nullptr));
}

TEST(AAX_CString, EraseStopsAtTheEnd)
{
  AAX_CString text("abcdef");
  text.Erase(2, 100);
  EXPECT_STREQ(text.CString(), "ab");
  text.Erase(5, 1);
  EXPECT_STREQ(text.CString(), "ab");
  text.Erase(0, 1);
  EXPECT_STREQ(text.CString(), "b");
}

TEST(AAX_CString, SubStringKeepsWithinTheText)
{
  const AAX_CString text("abcdef");
  AAX_CString out("unchanged");
  text.SubString(1, 3, &out);
  EXPECT_STREQ(out.CString(), "bcd");
  text.SubString(4, 10, &out);
  EXPECT_STREQ(out.CString(), "ef");
  text.SubString(6, 1, &out);
  EXPECT_STREQ(out.CString(), "");
  out.SetCString("unchanged");
  text.SubString(9, 1, &out);
  EXPECT_STREQ(out.CString(), "");
  text.SubString(0, 1, nullptr);
}

TEST(AAX_CString, OrderIsBytewiseUnsigned)
{
  EXPECT_TRUE(AAX_CString("") < AAX_CString("a"));
  EXPECT_TRUE(AAX_CString("ab") < AAX_CString("abc"));
  EXPECT_TRUE(AAX_CString("z") < AAX_CString("\xC3\xA9"));
  EXPECT_FALSE(AAX_CString("\xC3\xA9") < AAX_CString("z"));
  EXPECT_TRUE(AAX_CString("on") == AAX_CString("on"));
  EXPECT_TRUE(AAX_CString("on") != AAX_CString("On"));
  EXPECT_EQ(AAX_CString("xyz")[1], 'y');
}

TEST(AAX_CString, AppendJoinsTexts)
{
  AAX_CString text("50.00");
  text.Append(AAX_CString("%"));
  EXPECT_STREQ(text.CString(), "50.00%");
  text.Clear();
  EXPECT_EQ(text.Length(), 0u);
}

// Writes a comma as decimal point.
struct CommaPoint : std::numpunct<char>
{
  char do_decimal_point() const override { return ','; }
};

// A process locale with a decimal comma, as far as the platform has one.
class CommaLocale
{
public:
  CommaLocale() : mOld(std::locale::global(std::locale(std::locale::classic(), new CommaPoint)))
  {
    for (const char* name : {"de_DE.UTF-8", "de_DE", "German_Germany.1252", "German"})
      if (std::setlocale(LC_ALL, name))
        break;
  }
  ~CommaLocale()
  {
    std::setlocale(LC_ALL, "C");
    std::locale::global(mOld);
  }

private:
  std::locale mOld;
};

TEST(AAX_CString, NumbersIgnoreTheProcessLocale)
{
  CommaLocale comma;
  AAX_CString text;
  text.AppendNumber(1234.5, 2);
  EXPECT_STREQ(text.CString(), "1234.50");
  double value = 0;
  EXPECT_TRUE(AAX_CString("2.25").ToDouble(&value));
  EXPECT_EQ(value, 2.25);
}
}
