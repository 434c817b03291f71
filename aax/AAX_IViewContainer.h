#pragma once

#include "aax_base.h"

// The host's view that an editor draws into; its host proxy is
// AAX_VViewContainer. The operations named ...CallN carry values whose
// meaning lies with the host.
class AAX_IViewContainer
{
public:
  virtual ~AAX_IViewContainer() = default;
  virtual int32_t ViewContainerCall1() = 0;
  // The native window handle; null without one.
  virtual void* NativeView() = 0;
  virtual int32_t ViewContainerCall3(AAX_Value value) = 0;
  virtual int32_t SetViewSize(AAX_Point* size) = 0;
  virtual int32_t ViewContainerCall5(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ViewContainerCall6(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ViewContainerCall7(AAX_Value first, AAX_Value second) = 0;
};
