#pragma once

#include "AAX_DescriptionChildren.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_VPropertyMap.h"

class AAX_IACFComponentDescriptor;
class AAX_IACFComponentDescriptor_V2;

// A host component descriptor, made by the host object's factory and
// forwarded: operations of the first host interface answer kAAXRefused
// without it, ComponentDescriptorCall11 kAAXNotSupported without the
// second. A property map handed to it reaches the host as the map's host
// interface when this component made the map, else as null. Its property
// maps are deleted with it.
class AAX_VComponentDescriptor final : public AAX_IComponentDescriptor
{
public:
  // Never throws; keeps a reference on the host object (none on null),
  // over which its property maps are made.
  explicit AAX_VComponentDescriptor(IACFUnknown* host) noexcept;
  ~AAX_VComponentDescriptor() override;
  AAX_VComponentDescriptor(const AAX_VComponentDescriptor&) = delete;
  AAX_VComponentDescriptor& operator=(const AAX_VComponentDescriptor&) = delete;

  int32_t ComponentDescriptorCall1() override;
  int32_t AddAudioIn(uint32_t fieldIndex) override;
  int32_t AddAudioOut(uint32_t fieldIndex) override;
  int32_t AddAudioBufferLength(uint32_t fieldIndex) override;
  int32_t ComponentDescriptorCall5(AAX_Value value) override;
  int32_t ComponentDescriptorCall6(AAX_Value value) override;
  int32_t ComponentDescriptorCall7(AAX_Value value) override;
  int32_t ComponentDescriptorCall8(AAX_Value first, AAX_Value second, AAX_Value third) override;
  int32_t AddFieldEntry(uint32_t fieldIndex, uint32_t id, uint32_t value) override;
  int32_t AddPrivateData(uint32_t fieldIndex, uint32_t size, uint32_t option) override;
  int32_t ComponentDescriptorCall11(AAX_Value first, AAX_Value second) override;
  int32_t ComponentDescriptorCall12(AAX_Value first, AAX_Value second) override;
  int32_t AddIdListField(uint32_t fieldIndex, const int32_t* ids, uint32_t count) override;
  int32_t AddMidiNode(uint32_t fieldIndex, int32_t nodeType, const char* name, uint32_t channelMask) override;
  int32_t ComponentDescriptorCall15(AAX_Value first, AAX_Value second) override;
  AAX_IPropertyMap* NewPropertyMap() override;
  // A null source copies nothing.
  AAX_IPropertyMap* ComponentDescriptorCall17(const AAX_IPropertyMap* source) override;
  int32_t AddProcessCallback(AAX_ProcessCallback callback, AAX_IPropertyMap* properties, AAX_Value first,
                             AAX_Value second, AAX_Value third) override;
  int32_t ComponentDescriptorCall19(AAX_Value first, AAX_Value second, AAX_IPropertyMap* map, AAX_Value third,
                                    AAX_Value fourth, AAX_Value fifth) override;

  // What the component's parent passes on for it: the first host interface.
  IACFUnknown* HostInterface() const;

private:
  IACFUnknown* mHostObject;
  AAX_IACFComponentDescriptor* mFirst = nullptr;
  AAX_IACFComponentDescriptor_V2* mSecond = nullptr;
  OwnedChildren<AAX_VPropertyMap> mMaps;
};
