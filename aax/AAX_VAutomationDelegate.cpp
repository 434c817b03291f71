#include "AAX_VAutomationDelegate.h"

#include "AAX_HostInterfaces.h"
#include "AAX_HostReference.h"

AAX_VAutomationDelegate::AAX_VAutomationDelegate(IACFUnknown* host)
{
  ObtainHostInterface(mHost, host, IID_AAX_IACFAutomationDelegate);
}

AAX_VAutomationDelegate::~AAX_VAutomationDelegate() { ReleaseHostInterface(mHost); }

int32_t AAX_VAutomationDelegate::RegisterParameter(const char* identifier)
{
  return mHost ? mHost->RegisterParameter(identifier) : kAAXRefused;
}

int32_t AAX_VAutomationDelegate::UnregisterParameter(const char* identifier)
{
  return mHost ? mHost->UnregisterParameter(identifier) : kAAXRefused;
}

int32_t AAX_VAutomationDelegate::PostSetValueRequest(const char* identifier, double normalized)
{
  return mHost ? mHost->PostSetValueRequest(identifier, normalized) : kAAXRefused;
}

int32_t AAX_VAutomationDelegate::PostCurrentValue(const char* identifier, double normalized)
{
  return mHost ? mHost->PostCurrentValue(identifier, normalized) : kAAXRefused;
}

int32_t AAX_VAutomationDelegate::PostTouch(const char* identifier)
{
  return mHost ? mHost->PostTouch(identifier) : kAAXRefused;
}

int32_t AAX_VAutomationDelegate::PostReleaseTouch(const char* identifier)
{
  return mHost ? mHost->PostReleaseTouch(identifier) : kAAXRefused;
}

int32_t AAX_VAutomationDelegate::AutomationCall7(AAX_Value first, AAX_Value second)
{
  return mHost ? mHost->AutomationCall7(first, second) : kAAXRefused;
}
