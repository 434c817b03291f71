#pragma once

#include "AAX_DescriptionChildren.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_VComponentDescriptor.h"
#include "AAX_VPropertyMap.h"

class AAX_IACFEffectDescriptor;
class AAX_IACFEffectDescriptor_V2;

// A host effect descriptor, made by the host object's factory and
// forwarded: operations of the first host interface answer kAAXRefused
// without it, EffectDescriptorCall11 kAAXNotSupported without the second. A
// component or property map handed to it reaches the host as that child's
// host interface when this descriptor made the child, else as null. Its
// components and property maps are deleted with it.
class AAX_VEffectDescriptor final : public AAX_IEffectDescriptor
{
public:
  // Never throws; keeps a reference on the host object (none on null),
  // over which its children are made.
  explicit AAX_VEffectDescriptor(IACFUnknown* host) noexcept;
  ~AAX_VEffectDescriptor() override;
  AAX_VEffectDescriptor(const AAX_VEffectDescriptor&) = delete;
  AAX_VEffectDescriptor& operator=(const AAX_VEffectDescriptor&) = delete;

  AAX_IComponentDescriptor* NewComponentDescriptor() override;
  int32_t AddComponent(AAX_IComponentDescriptor* component) override;
  int32_t AddName(const char* name) override;
  int32_t AddTypeFlags(uint32_t flags) override;
  int32_t EffectDescriptorCall5(AAX_Value first, AAX_Value second) override;
  int32_t AddCreateCallback(AAX_CreateCallback callback, uint32_t id) override;
  AAX_IPropertyMap* NewPropertyMap() override;
  int32_t EffectDescriptorCall8(AAX_IPropertyMap* map) override;
  int32_t EffectDescriptorCall9(AAX_Value first, AAX_Value second) override;
  int32_t EffectDescriptorCall10(AAX_Value first, AAX_Value second, AAX_IPropertyMap* map) override;
  int32_t EffectDescriptorCall11(AAX_Value first, AAX_Value second, AAX_Value third, AAX_Value fourth) override;

  // What the descriptor's parent passes on for it: the first host interface.
  IACFUnknown* HostInterface() const;

private:
  IACFUnknown* mHostObject;
  AAX_IACFEffectDescriptor* mFirst = nullptr;
  AAX_IACFEffectDescriptor_V2* mSecond = nullptr;
  OwnedChildren<AAX_VComponentDescriptor> mComponents;
  OwnedChildren<AAX_VPropertyMap> mMaps;
};
