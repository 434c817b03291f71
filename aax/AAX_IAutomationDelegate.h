#pragma once

#include "aax_base.h"

// The host's automation channel as the parameters see it; its host proxy is
// AAX_VAutomationDelegate. Identifiers are NUL-terminated, values
// normalised.
class AAX_IAutomationDelegate
{
public:
  virtual ~AAX_IAutomationDelegate() = default;
  virtual int32_t RegisterParameter(const char* identifier) = 0;
  virtual int32_t UnregisterParameter(const char* identifier) = 0;
  virtual int32_t PostSetValueRequest(const char* identifier, double normalized) = 0;
  virtual int32_t PostCurrentValue(const char* identifier, double normalized) = 0;
  virtual int32_t PostTouch(const char* identifier) = 0;
  virtual int32_t PostReleaseTouch(const char* identifier) = 0;
  virtual int32_t AutomationCall7(AAX_Value first, AAX_Value second) = 0;
};
