#pragma once

#include "AAX_IViewContainer.h"

class AAX_IACFViewContainer;

// The host's view, forwarded. Without it there is no window and no size to
// set (0), and the other operations are kAAXNotSupported. The reference is
// released with the proxy, as every proxy's is.
class AAX_VViewContainer final : public AAX_IViewContainer
{
public:
  // A null host object gives a proxy without an interface.
  explicit AAX_VViewContainer(IACFUnknown* host);
  ~AAX_VViewContainer() override;
  AAX_VViewContainer(const AAX_VViewContainer&) = delete;
  AAX_VViewContainer& operator=(const AAX_VViewContainer&) = delete;

  int32_t ViewContainerCall1() override;
  void* NativeView() override;
  int32_t ViewContainerCall3(AAX_Value value) override;
  int32_t SetViewSize(AAX_Point* size) override;
  int32_t ViewContainerCall5(AAX_Value first, AAX_Value second) override;
  int32_t ViewContainerCall6(AAX_Value first, AAX_Value second) override;
  int32_t ViewContainerCall7(AAX_Value first, AAX_Value second) override;

private:
  AAX_IACFViewContainer* mHost = nullptr;
};
