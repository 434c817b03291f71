#pragma once

#include "vst3_interfaces.h"

#include <memory>
#include <string>
#include <vector>

namespace Steinberg
{
namespace Vst
{
// A host-visible parameter: its description and normalised value. The
// plain value is the normalised one unless a derived class maps it; texts
// are the plain value's, read and written through that mapping.
class Parameter
{
public:
  Parameter(const char* title, ParamID id, const char* units, ParamValue defaultNormalized,
            int32 stepCount, int32 flags, UnitID unitId);
  virtual ~Parameter() = default;

  const ParameterInfo& getInfo() const { return mInfo; }
  ParamValue getNormalized() const { return mValue; }
  void setNormalized(ParamValue value);
  // The default a host resets to; the value becomes it as well.
  void setDefaultNormalized(ParamValue value);
  void setPrecision(int32 precision) { mPrecision = precision; }
  int32 getPrecision() const { return mPrecision; }

  virtual void toString(ParamValue normalized, String128 string) const;
  virtual bool fromString(const TChar* string, ParamValue& normalized) const;
  virtual ParamValue toPlain(ParamValue normalized) const { return normalized; }
  virtual ParamValue toNormalized(ParamValue plain) const { return plain; }

protected:
  ParameterInfo mInfo;
  ParamValue mValue;
  int32 mPrecision = 4;
};

// A parameter whose plain value runs from min to max.
class RangeParameter : public Parameter
{
public:
  RangeParameter(const char* title, ParamID id, const char* units, ParamValue minPlain, ParamValue maxPlain,
                 ParamValue defaultPlain, int32 stepCount, int32 flags, UnitID unitId);

  ParamValue toPlain(ParamValue normalized) const override;
  ParamValue toNormalized(ParamValue plain) const override;

private:
  ParamValue mMin;
  ParamValue mMax;
};

// A parameter that picks one of a list of texts; its plain value is the
// index of the text.
class StringListParameter : public Parameter
{
public:
  StringListParameter(const char* title, ParamID id, const char* units, int32 flags, UnitID unitId);

  void appendString(const char* text);

  void toString(ParamValue normalized, String128 string) const override;
  bool fromString(const TChar* string, ParamValue& normalized) const override;
  ParamValue toPlain(ParamValue normalized) const override;
  ParamValue toNormalized(ParamValue plain) const override;

private:
  std::vector<std::string> mStrings;
};

// The parameters in order of addition, found by id or index.
class ParameterContainer
{
public:
  Parameter* addParameter(Parameter* parameter);
  Parameter* getParameter(ParamID id) const;
  Parameter* getParameterByIndex(int32 index) const;
  int32 getParameterCount() const { return static_cast<int32>(mParameters.size()); }
  void removeAll() { mParameters.clear(); }

private:
  std::vector<std::unique_ptr<Parameter>> mParameters;
};
}
}
