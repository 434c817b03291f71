#include "Parameters.h"

#include "UString.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace Steinberg
{
namespace Vst
{
namespace
{
constexpr int32 kTextUnits = 128;

bool ParseNumber(const TChar* string, double* value)
{
  char text[kTextUnits];
  NarrowText(text, sizeof text, string, kTextUnits);
  char* end = nullptr;
  *value = std::strtod(text, &end);
  return text[0] && end != text;
}

void FormatNumber(double value, int32 precision, String128 string)
{
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", static_cast<int>(precision), value);
  WidenText(string, 128, text);
}

ParamValue Clamp01(ParamValue v) { return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v); }
}

Parameter::Parameter(const char* title, ParamID id, const char* units, ParamValue defaultNormalized,
                     int32 stepCount, int32 flags, UnitID unitId)
    : mInfo(), mValue(defaultNormalized)
{
  mInfo.id = id;
  WidenText(mInfo.title, 128, title);
  WidenText(mInfo.units, 128, units);
  mInfo.stepCount = stepCount;
  mInfo.defaultNormalizedValue = defaultNormalized;
  mInfo.unitId = unitId;
  mInfo.flags = flags;
}

void Parameter::setNormalized(ParamValue value)
{
  if (!std::isnan(value))
    mValue = Clamp01(value);
}

void Parameter::setDefaultNormalized(ParamValue value)
{
  setNormalized(value);
  mInfo.defaultNormalizedValue = mValue;
}

void Parameter::toString(ParamValue normalized, String128 string) const
{
  FormatNumber(toPlain(normalized), mPrecision, string);
}

bool Parameter::fromString(const TChar* string, ParamValue& normalized) const
{
  double value;
  if (!ParseNumber(string, &value))
    return false;
  normalized = toNormalized(value);
  return true;
}

RangeParameter::RangeParameter(const char* title, ParamID id, const char* units, ParamValue minPlain,
                               ParamValue maxPlain, ParamValue defaultPlain, int32 stepCount, int32 flags,
                               UnitID unitId)
    : Parameter(title, id, units, 0.0, stepCount, flags, unitId), mMin(minPlain), mMax(maxPlain)
{
  mInfo.defaultNormalizedValue = mValue = toNormalized(defaultPlain);
}

ParamValue RangeParameter::toPlain(ParamValue normalized) const
{
  if (mInfo.stepCount > 1)
    return mMin + std::floor(Clamp01(normalized) * mInfo.stepCount + 0.5) * (mMax - mMin) / mInfo.stepCount;
  return normalized * (mMax - mMin) + mMin;
}

ParamValue RangeParameter::toNormalized(ParamValue plain) const
{
  return mMax == mMin ? 0.0 : Clamp01((plain - mMin) / (mMax - mMin));
}

StringListParameter::StringListParameter(const char* title, ParamID id, const char* units, int32 flags,
                                         UnitID unitId)
    : Parameter(title, id, units, 0.0, -1, flags | ParameterInfo::kIsList, unitId)
{
}

void StringListParameter::appendString(const char* text)
{
  mStrings.emplace_back(text ? text : "");
  mInfo.stepCount = static_cast<int32>(mStrings.size()) - 1;
}

void StringListParameter::toString(ParamValue normalized, String128 string) const
{
  const int32 index = static_cast<int32>(toPlain(normalized));
  WidenText(string, 128, index >= 0 && index < static_cast<int32>(mStrings.size()) ? mStrings[index].c_str() : "");
}

bool StringListParameter::fromString(const TChar* string, ParamValue& normalized) const
{
  char text[kTextUnits];
  NarrowText(text, sizeof text, string, kTextUnits);
  for (size_t i = 0; i < mStrings.size(); ++i)
    if (mStrings[i] == text)
    {
      normalized = toNormalized(static_cast<ParamValue>(i));
      return true;
    }
  return false;
}

ParamValue StringListParameter::toPlain(ParamValue normalized) const
{
  return mInfo.stepCount <= 0 ? 0.0 : std::floor(Clamp01(normalized) * mInfo.stepCount + 0.5);
}

ParamValue StringListParameter::toNormalized(ParamValue plain) const
{
  return mInfo.stepCount <= 0 ? 0.0 : Clamp01(plain / mInfo.stepCount);
}

Parameter* ParameterContainer::addParameter(Parameter* parameter)
{
  std::unique_ptr<Parameter> owned(parameter);
  mParameters.push_back(std::move(owned));
  return parameter;
}

Parameter* ParameterContainer::getParameter(ParamID id) const
{
  for (const auto& parameter : mParameters)
    if (parameter->getInfo().id == id)
      return parameter.get();
  return nullptr;
}

Parameter* ParameterContainer::getParameterByIndex(int32 index) const
{
  return index >= 0 && index < getParameterCount() ? mParameters[index].get() : nullptr;
}
}
}
