#pragma once

#include "aax_base.h"

// The host's services to the module; its host proxy is AAX_VHostServices.
class AAX_IHostServices
{
public:
  virtual ~AAX_IHostServices() = default;
  virtual int32_t HostServicesCall1(AAX_Value first, AAX_Value second, AAX_Value third) = 0;
  virtual int32_t Trace(uint32_t priority, const char* text) = 0;
};
