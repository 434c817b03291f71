#pragma once

#include "AAX_IPropertyMap.h"

class AAX_IACFPropertyMap;
class AAX_IACFPropertyMap_V2;

// A host property map, made by the host object's factory and forwarded:
// operations of the first host interface answer kAAXRefused without it
// (PropertyMapCall1: not held), PropertyMapCall4 kAAXNotSupported without
// the second, PropertyMapCall5 0. The map keeps no reference on the host
// object it was made over.
class AAX_VPropertyMap final : public AAX_IPropertyMap
{
public:
  // Never throws; a null host object gives a map without interfaces.
  explicit AAX_VPropertyMap(IACFUnknown* host) noexcept;
  ~AAX_VPropertyMap() override;
  AAX_VPropertyMap(const AAX_VPropertyMap&) = delete;
  AAX_VPropertyMap& operator=(const AAX_VPropertyMap&) = delete;

  AAX_Answer PropertyMapCall1(AAX_PropertyId id, AAX_PropertyValue* value) const override;
  int32_t AddProperty(AAX_PropertyId id, AAX_PropertyValue value) override;
  int32_t PropertyMapCall3(AAX_Value value) override;
  int32_t PropertyMapCall4(AAX_Value first, AAX_Value second, AAX_Value third) override;
  int32_t PropertyMapCall5(AAX_Value first, AAX_Value second, AAX_Value third) override;

  // What the map's parent passes on for it: the first host interface.
  IACFUnknown* HostInterface() const;

private:
  AAX_IACFPropertyMap* mFirst = nullptr;
  AAX_IACFPropertyMap_V2* mSecond = nullptr;
};
