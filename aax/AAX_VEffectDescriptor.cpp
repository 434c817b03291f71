#include "AAX_VEffectDescriptor.h"

#include "AAX_DescriptionInterfaces.h"
#include "AAX_HostReference.h"

AAX_VEffectDescriptor::AAX_VEffectDescriptor(IACFUnknown* host) noexcept : mHostObject(HoldHostObject(host))
{
  MakeHostObject(mFirst, host, CLSID_AAX_EffectDescriptor, IID_AAX_IACFEffectDescriptor);
  ObtainHostInterface(mSecond, mFirst, IID_AAX_IACFEffectDescriptor_V2);
}

AAX_VEffectDescriptor::~AAX_VEffectDescriptor()
{
  mComponents.Clear();
  mMaps.Clear();
  ReleaseHostInterface(mSecond);
  ReleaseHostInterface(mFirst);
  ReleaseHostInterface(mHostObject);
}

IACFUnknown* AAX_VEffectDescriptor::HostInterface() const { return mFirst; }

AAX_IComponentDescriptor* AAX_VEffectDescriptor::NewComponentDescriptor() { return mComponents.Make(mHostObject); }

int32_t AAX_VEffectDescriptor::AddComponent(AAX_IComponentDescriptor* component)
{
  return mFirst ? mFirst->AddComponent(mComponents.HostInterfaceOf(component)) : kAAXRefused;
}

int32_t AAX_VEffectDescriptor::AddName(const char* name) { return mFirst ? mFirst->AddName(name) : kAAXRefused; }

int32_t AAX_VEffectDescriptor::AddTypeFlags(uint32_t flags)
{
  return mFirst ? mFirst->AddTypeFlags(flags) : kAAXRefused;
}

int32_t AAX_VEffectDescriptor::EffectDescriptorCall5(AAX_Value first, AAX_Value second)
{
  return mFirst ? mFirst->EffectDescriptorCall5(first, second) : kAAXRefused;
}

int32_t AAX_VEffectDescriptor::AddCreateCallback(AAX_CreateCallback callback, uint32_t id)
{
  return mFirst ? mFirst->AddCreateCallback(callback, id) : kAAXRefused;
}

AAX_IPropertyMap* AAX_VEffectDescriptor::NewPropertyMap() { return mMaps.Make(mHostObject); }

int32_t AAX_VEffectDescriptor::EffectDescriptorCall8(AAX_IPropertyMap* map)
{
  return mFirst ? mFirst->EffectDescriptorCall8(mMaps.HostInterfaceOf(map)) : kAAXRefused;
}

int32_t AAX_VEffectDescriptor::EffectDescriptorCall9(AAX_Value first, AAX_Value second)
{
  return mFirst ? mFirst->EffectDescriptorCall9(first, second) : kAAXRefused;
}

int32_t AAX_VEffectDescriptor::EffectDescriptorCall10(AAX_Value first, AAX_Value second, AAX_IPropertyMap* map)
{
  return mFirst ? mFirst->EffectDescriptorCall10(first, second, mMaps.HostInterfaceOf(map)) : kAAXRefused;
}

int32_t AAX_VEffectDescriptor::EffectDescriptorCall11(AAX_Value first, AAX_Value second, AAX_Value third,
                                                      AAX_Value fourth)
{
  return mSecond ? mSecond->EffectDescriptorCall11(first, second, third, fourth) : kAAXNotSupported;
}
