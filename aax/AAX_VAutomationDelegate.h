#pragma once

#include "AAX_IAutomationDelegate.h"

class AAX_IACFAutomationDelegate;

// The host's automation channel, forwarded; kAAXRefused without it.
class AAX_VAutomationDelegate final : public AAX_IAutomationDelegate
{
public:
  // A null host object gives a proxy without an interface.
  explicit AAX_VAutomationDelegate(IACFUnknown* host);
  ~AAX_VAutomationDelegate() override;
  AAX_VAutomationDelegate(const AAX_VAutomationDelegate&) = delete;
  AAX_VAutomationDelegate& operator=(const AAX_VAutomationDelegate&) = delete;

  int32_t RegisterParameter(const char* identifier) override;
  int32_t UnregisterParameter(const char* identifier) override;
  int32_t PostSetValueRequest(const char* identifier, double normalized) override;
  int32_t PostCurrentValue(const char* identifier, double normalized) override;
  int32_t PostTouch(const char* identifier) override;
  int32_t PostReleaseTouch(const char* identifier) override;
  int32_t AutomationCall7(AAX_Value first, AAX_Value second) override;

private:
  AAX_IACFAutomationDelegate* mHost = nullptr;
};
