#include "AAX_VPropertyMap.h"

#include "AAX_DescriptionInterfaces.h"
#include "AAX_HostReference.h"

AAX_VPropertyMap::AAX_VPropertyMap(IACFUnknown* host) noexcept
{
  MakeHostObject(mFirst, host, CLSID_AAX_PropertyMap, IID_AAX_IACFPropertyMap);
  ObtainHostInterface(mSecond, mFirst, IID_AAX_IACFPropertyMap_V2);
}

AAX_VPropertyMap::~AAX_VPropertyMap()
{
  ReleaseHostInterface(mSecond);
  ReleaseHostInterface(mFirst);
}

IACFUnknown* AAX_VPropertyMap::HostInterface() const { return mFirst; }

AAX_Answer AAX_VPropertyMap::PropertyMapCall1(AAX_PropertyId id, AAX_PropertyValue* value) const
{
  return mFirst ? mFirst->PropertyMapCall1(id, value) : false;
}

int32_t AAX_VPropertyMap::AddProperty(AAX_PropertyId id, AAX_PropertyValue value)
{
  return mFirst ? mFirst->AddProperty(id, value) : kAAXRefused;
}

int32_t AAX_VPropertyMap::PropertyMapCall3(AAX_Value value)
{
  return mFirst ? mFirst->PropertyMapCall3(value) : kAAXRefused;
}

int32_t AAX_VPropertyMap::PropertyMapCall4(AAX_Value first, AAX_Value second, AAX_Value third)
{
  return mSecond ? mSecond->PropertyMapCall4(first, second, third) : kAAXNotSupported;
}

int32_t AAX_VPropertyMap::PropertyMapCall5(AAX_Value first, AAX_Value second, AAX_Value third)
{
  return mSecond ? mSecond->PropertyMapCall5(first, second, third) : 0;
}
