#include "AAX_VViewContainer.h"

#include "AAX_HostInterfaces.h"
#include "AAX_HostReference.h"

AAX_VViewContainer::AAX_VViewContainer(IACFUnknown* host)
{
  ObtainHostInterface(mHost, host, IID_AAX_IACFViewContainer);
}

AAX_VViewContainer::~AAX_VViewContainer() { ReleaseHostInterface(mHost); }

int32_t AAX_VViewContainer::ViewContainerCall1() { return mHost ? mHost->ViewContainerCall1() : 0; }

void* AAX_VViewContainer::NativeView() { return mHost ? mHost->NativeView() : nullptr; }

int32_t AAX_VViewContainer::ViewContainerCall3(AAX_Value value)
{
  return mHost ? mHost->ViewContainerCall3(value) : kAAXNotSupported;
}

int32_t AAX_VViewContainer::SetViewSize(AAX_Point* size) { return mHost ? mHost->SetViewSize(size) : 0; }

int32_t AAX_VViewContainer::ViewContainerCall5(AAX_Value first, AAX_Value second)
{
  return mHost ? mHost->ViewContainerCall5(first, second) : kAAXNotSupported;
}

int32_t AAX_VViewContainer::ViewContainerCall6(AAX_Value first, AAX_Value second)
{
  return mHost ? mHost->ViewContainerCall6(first, second) : kAAXNotSupported;
}

int32_t AAX_VViewContainer::ViewContainerCall7(AAX_Value first, AAX_Value second)
{
  return mHost ? mHost->ViewContainerCall7(first, second) : kAAXNotSupported;
}
