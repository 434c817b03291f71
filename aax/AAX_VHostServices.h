#pragma once

#include "AAX_IHostServices.h"

class AAX_IACFHostServices;

// The host's services, made by the host object's factory and forwarded;
// kAAXRefused without them. One lives while the module is started.
class AAX_VHostServices final : public AAX_IHostServices
{
public:
  // A null host object, or one without a factory, gives a proxy without an
  // interface.
  explicit AAX_VHostServices(IACFUnknown* host);
  ~AAX_VHostServices() override;
  AAX_VHostServices(const AAX_VHostServices&) = delete;
  AAX_VHostServices& operator=(const AAX_VHostServices&) = delete;

  int32_t HostServicesCall1(AAX_Value first, AAX_Value second, AAX_Value third) override;
  int32_t Trace(uint32_t priority, const char* text) override;

private:
  AAX_IACFHostServices* mHost = nullptr;
};
