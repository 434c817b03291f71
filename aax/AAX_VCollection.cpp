#include "AAX_VCollection.h"

#include "AAX_DescriptionInterfaces.h"
#include "AAX_HostReference.h"

AAX_VCollection::AAX_VCollection(IACFUnknown* host) noexcept : mHostObject(HoldHostObject(host))
{
  MakeHostObject(mHost, host, CLSID_AAX_Collection, IID_AAX_IACFCollection);
}

AAX_VCollection::~AAX_VCollection()
{
  mDescriptors.Clear();
  mMaps.Clear();
  ReleaseHostInterface(mHost);
  ReleaseHostInterface(mHostObject);
}

IACFUnknown* AAX_VCollection::HostInterface() const { return mHost; }

AAX_IEffectDescriptor* AAX_VCollection::NewEffectDescriptor() { return mDescriptors.Make(mHostObject); }

int32_t AAX_VCollection::AddEffect(const char* bundleId, AAX_IEffectDescriptor* descriptor)
{
  const AAX_VEffectDescriptor* made = mDescriptors.Find(descriptor);
  if (!mHost || !made)
    return kAAXRefused;
  return mHost->AddEffect(bundleId, made->HostInterface());
}

int32_t AAX_VCollection::AddManufacturerName(const char* name)
{
  return mHost ? mHost->AddManufacturerName(name) : kAAXRefused;
}

int32_t AAX_VCollection::AddProductName(const char* name) { return mHost ? mHost->AddProductName(name) : kAAXRefused; }

int32_t AAX_VCollection::SetProductVersion(uint32_t version)
{
  return mHost ? mHost->SetProductVersion(version) : kAAXRefused;
}

AAX_IPropertyMap* AAX_VCollection::NewPropertyMap() { return mMaps.Make(mHostObject); }

int32_t AAX_VCollection::CollectionCall7(AAX_IPropertyMap* map)
{
  return mHost ? mHost->CollectionCall7(mMaps.HostInterfaceOf(map)) : kAAXRefused;
}
