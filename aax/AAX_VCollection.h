#pragma once

#include "AAX_DescriptionChildren.h"
#include "AAX_ICollection.h"
#include "AAX_VEffectDescriptor.h"
#include "AAX_VPropertyMap.h"

class AAX_IACFCollection;

// The host's collection, made by the host object's factory and forwarded;
// kAAXRefused without it. An effect descriptor or property map handed to it
// reaches the host as that child's host interface when this collection made
// the child: a descriptor it did not make (null included) is refused, a map
// it did not make is passed as null. Everything it made is deleted with it;
// ACFRegisterPlugin keeps it for one description.
class AAX_VCollection final : public AAX_ICollection
{
public:
  // Never throws; keeps a reference on the host object (none on null),
  // over which its children are made.
  explicit AAX_VCollection(IACFUnknown* host) noexcept;
  ~AAX_VCollection() override;
  AAX_VCollection(const AAX_VCollection&) = delete;
  AAX_VCollection& operator=(const AAX_VCollection&) = delete;

  AAX_IEffectDescriptor* NewEffectDescriptor() override;
  int32_t AddEffect(const char* bundleId, AAX_IEffectDescriptor* descriptor) override;
  int32_t AddManufacturerName(const char* name) override;
  int32_t AddProductName(const char* name) override;
  int32_t SetProductVersion(uint32_t version) override;
  AAX_IPropertyMap* NewPropertyMap() override;
  int32_t CollectionCall7(AAX_IPropertyMap* map) override;

  // The host's description object itself; null when the host made none.
  IACFUnknown* HostInterface() const;

private:
  IACFUnknown* mHostObject;
  AAX_IACFCollection* mHost = nullptr;
  OwnedChildren<AAX_VEffectDescriptor> mDescriptors;
  OwnedChildren<AAX_VPropertyMap> mMaps;
};
