#pragma once

#include "aax_base.h"

// A numbered set of properties the host reads from a description; its host
// proxy is AAX_VPropertyMap. The operations named ...CallN carry values
// whose meaning lies with the host.
class AAX_IPropertyMap
{
public:
  virtual ~AAX_IPropertyMap() = default;
  // Whether the map holds the property; its value goes to value then.
  virtual AAX_Answer PropertyMapCall1(AAX_PropertyId id, AAX_PropertyValue* value) const = 0;
  virtual int32_t AddProperty(AAX_PropertyId id, AAX_PropertyValue value) = 0;
  virtual int32_t PropertyMapCall3(AAX_Value value) = 0;
  virtual int32_t PropertyMapCall4(AAX_Value first, AAX_Value second, AAX_Value third) = 0;
  virtual int32_t PropertyMapCall5(AAX_Value first, AAX_Value second, AAX_Value third) = 0;
};
