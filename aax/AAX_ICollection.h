#pragma once

#include "aax_base.h"

class AAX_IEffectDescriptor;
class AAX_IPropertyMap;

// What the plug-in describes to the host: its effects with their bundle
// identifiers, its product and maker names and its version; its host proxy
// is AAX_VCollection. Effect descriptors and property maps it makes are its
// own, and only those can be handed back to it. The operation named
// ...CallN carries a value whose meaning lies with the host.
class AAX_ICollection
{
public:
  virtual ~AAX_ICollection() = default;
  // A new effect of this collection's; null when none could be made.
  virtual AAX_IEffectDescriptor* NewEffectDescriptor() = 0;
  virtual int32_t AddEffect(const char* bundleId, AAX_IEffectDescriptor* descriptor) = 0;
  virtual int32_t AddManufacturerName(const char* name) = 0;
  virtual int32_t AddProductName(const char* name) = 0;
  virtual int32_t SetProductVersion(uint32_t version) = 0;
  // A new property map of this collection's; null when none could be made.
  virtual AAX_IPropertyMap* NewPropertyMap() = 0;
  virtual int32_t CollectionCall7(AAX_IPropertyMap* map) = 0;
};
