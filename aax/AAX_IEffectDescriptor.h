#pragma once

#include "aax_base.h"

class AAX_IComponentDescriptor;
class AAX_IPropertyMap;

// One effect of the plug-in: its names, type flags, components and create
// callbacks; its host proxy is AAX_VEffectDescriptor. Components and
// property maps it makes are its own, and only those can be handed back to
// it. The operations named ...CallN carry values whose meaning lies with the
// host.
class AAX_IEffectDescriptor
{
public:
  virtual ~AAX_IEffectDescriptor() = default;
  // A new component of this effect's; null when none could be made.
  virtual AAX_IComponentDescriptor* NewComponentDescriptor() = 0;
  virtual int32_t AddComponent(AAX_IComponentDescriptor* component) = 0;
  virtual int32_t AddName(const char* name) = 0;
  virtual int32_t AddTypeFlags(uint32_t flags) = 0;
  virtual int32_t EffectDescriptorCall5(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t AddCreateCallback(AAX_CreateCallback callback, uint32_t id) = 0;
  // A new property map of this effect's; null when none could be made.
  virtual AAX_IPropertyMap* NewPropertyMap() = 0;
  virtual int32_t EffectDescriptorCall8(AAX_IPropertyMap* map) = 0;
  virtual int32_t EffectDescriptorCall9(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t EffectDescriptorCall10(AAX_Value first, AAX_Value second, AAX_IPropertyMap* map) = 0;
  virtual int32_t EffectDescriptorCall11(AAX_Value first, AAX_Value second, AAX_Value third, AAX_Value fourth) = 0;
};
