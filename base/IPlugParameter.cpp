#include "IPlugParameter.h"

#include "Trace.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace
{
void CopyText(char* destination, const char* text)
{
  std::snprintf(destination, kParameterTextLength, "%s", text ? text : "");
}

// What atof reads, without its dependence on the locale's decimal point.
double ReadLeadingNumber(const char* text)
{
  if (!text)
    return 0.0;
  const char* p = text;
  while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
    ++p;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+')
    ++p;
  const char* end = p + std::strlen(p);
  const bool hex = p[0] == '0' && (p[1] == 'x' || p[1] == 'X');
  double number = 0.0;
  // "0x" without hexadecimal digits behind it reads as its "0".
  const std::from_chars_result read = hex ? std::from_chars(p + 2, end, number, std::chars_format::hex)
                                          : std::from_chars(p, end, number);
  if (read.ec == std::errc::result_out_of_range)
  {
    // Too small in magnitude reads as 0, too large as infinity.
    const char* exponent = std::strpbrk(p, hex ? "pP" : "eE");
    const bool tiny = exponent && exponent < read.ptr && exponent[1] == '-';
    number = tiny ? 0.0 : HUGE_VAL;
  }
  return negative ? -number : number;
}

int PrecisionOfStep(double step)
{
  int precision = 0;
  for (double s = step; std::floor(s) != s && precision < 6; s *= 10.0)
    ++precision;
  return precision;
}
}

int TruncateToInt(double v)
{
  if (!(v > -2147483648.0))
    return v != v ? 0 : -2147483647 - 1;
  return v < 2147483647.0 ? static_cast<int>(v) : 2147483647;
}

void IPlugParameter::SetupDouble(const char* name, double defaultValue, double min, double max,
                                 double step, const char* label, const char* /*group*/, double shape)
{
  TRACE("IPlugParameter::SetupDouble", __LINE__, "%s", name);
  if (mKind == kParameterNone)
    mKind = kParameterDouble;
  CopyText(mName, name);
  CopyText(mLabel, label);
  mGroup[0] = 0;
  mMin = min;
  Set(defaultValue);
  mMax = max < min + step ? min + step : max;
  mStep = step;
  mDefault = defaultValue;
  mPrecision = PrecisionOfStep(step);
  if (shape != 0.0)
    mShape = shape;
}

void IPlugParameter::SetupBool(const char* name, bool defaultValue)
{
  if (mKind == kParameterNone)
    mKind = kParameterBool;
  SetupDouble(name, defaultValue ? 1.0 : 0.0, 0.0, 1.0, 0.1, "", "", 1.0);
  AppendDisplayText(0, "off");
  AppendDisplayText(1, "on");
}

void IPlugParameter::AppendDisplayText(int value, const char* text)
{
  const int count = mDisplayTexts.Count();
  if (!mDisplayTexts.Resize(count + 1, false))
    return;
  ParameterDisplayText& entry = mDisplayTexts.Get()[count];
  entry.value = value;
  CopyText(entry.text, text);
}

const ParameterDisplayText* IPlugParameter::DisplayTextAt(int index) const
{
  return index >= 0 && index < mDisplayTexts.Count() ? mDisplayTexts.Get() + index : nullptr;
}

void IPlugParameter::SetFromNormalized(double x)
{
  if (std::isnan(x))
    return;
  x = x < 0.0 ? 0.0 : (x > 1.0 ? 1.0 : x);
  double v = std::pow(x, mShape) * (mMax - mMin) + mMin;
  if (mKind == kParameterDouble)
  {
    if (mStep == 1.0)
      v = std::round(v);
  }
  else
  {
    v = std::floor(v / mStep + 0.5) * mStep;
  }
  Set(v < mMax ? v : mMax);
}

double IPlugParameter::NormalizedValue(double value) const
{
  const double v = value < mMin ? mMin : (value > mMax ? mMax : value);
  const double n = std::pow((v - mMin) / (mMax - mMin), 1.0 / mShape);
  return n < 0.0 ? 0.0 : (n > 1.0 ? 1.0 : n);
}

const char* IPlugParameter::DisplayTextFor(int value) const
{
  for (int i = 0; i < mDisplayTexts.Count(); ++i)
    if (mDisplayTexts.Get()[i].value == value)
      return mDisplayTexts.Get()[i].text;
  return nullptr;
}

const char* IPlugParameter::LabelForHost() const
{
  const char* text = DisplayTextFor(TruncateToInt(Value()));
  return text && text[0] ? "" : mLabel;
}

bool IPlugParameter::MatchDisplayText(const char* text, int* value) const
{
  if (!text)
    return false;
  for (int i = 0; i < mDisplayTexts.Count(); ++i)
    if (std::strcmp(mDisplayTexts.Get()[i].text, text) == 0)
    {
      *value = mDisplayTexts.Get()[i].value;
      return true;
    }
  return false;
}

double IPlugParameter::ReadTypedNumber(const char* text) const
{
  const double number = ReadLeadingNumber(text);
  return mNegateDisplay ? -number : number;
}

void IPlugParameter::FormatForDisplay(double value, bool normalized, char* destination) const
{
  if (normalized)
    value = mMin + (mMax - mMin) * std::pow(value, mShape);
  const char* text = DisplayTextFor(TruncateToInt(value));
  if (text && text[0])
  {
    CopyText(destination, text);
    return;
  }
  const double shown = mNegateDisplay ? -value : value;
  if (mPrecision == 0)
    std::snprintf(destination, kParameterTextLength, "%d", TruncateToInt(shown));
  else
    std::snprintf(destination, kParameterTextLength, "%.*f", mPrecision, shown);
}
