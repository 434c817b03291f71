#include "AAX_VHostServices.h"

#include "AAX_HostInterfaces.h"
#include "AAX_HostReference.h"

AAX_VHostServices::AAX_VHostServices(IACFUnknown* host)
{
  MakeHostObject(mHost, host, CLSID_AAX_HostServices, IID_AAX_IACFHostServices);
}

AAX_VHostServices::~AAX_VHostServices() { ReleaseHostInterface(mHost); }

int32_t AAX_VHostServices::HostServicesCall1(AAX_Value first, AAX_Value second, AAX_Value third)
{
  return mHost ? mHost->HostServicesCall1(first, second, third) : kAAXRefused;
}

int32_t AAX_VHostServices::Trace(uint32_t priority, const char* text)
{
  return mHost ? mHost->Trace(priority, text) : kAAXRefused;
}
