#pragma once

// The host's side of the effect description, as the description proxies
// call it. Like the interfaces of a running effect (AAX_HostInterfaces.h),
// their service operations start at slot 3, a _V2 interface continues its
// first version's slots, and the slot of each operation is its place in
// these declarations; the identifiers are in aax_base.h. Where the plug-in
// hands the host one of its description objects, it passes that object's
// first host interface.
#include "aax_base.h"

class AAX_IACFCollection : public IACFUnknown
{
public:
  // Slots 3 to 6 hold their places: the module never calls them.
  virtual int32_t ACF_CALL CollectionSlot3() = 0;
  virtual int32_t ACF_CALL CollectionSlot4() = 0;
  virtual int32_t ACF_CALL CollectionSlot5() = 0;
  virtual int32_t ACF_CALL CollectionSlot6() = 0;
  virtual int32_t ACF_CALL AddEffect(const char* bundleId, IACFUnknown* descriptor) = 0;  // 7
  virtual int32_t ACF_CALL AddManufacturerName(const char* name) = 0;
  virtual int32_t ACF_CALL AddProductName(const char* name) = 0;
  virtual int32_t ACF_CALL SetProductVersion(uint32_t version) = 0;  // 10
  virtual int32_t ACF_CALL CollectionCall7(IACFUnknown* map) = 0;  // 11

protected:
  ~AAX_IACFCollection() = default;
};

class AAX_IACFEffectDescriptor : public IACFUnknown
{
public:
  virtual int32_t ACF_CALL AddComponent(IACFUnknown* component) = 0;  // 3
  virtual int32_t ACF_CALL AddName(const char* name) = 0;
  virtual int32_t ACF_CALL AddTypeFlags(uint32_t flags) = 0;
  virtual int32_t ACF_CALL EffectDescriptorCall5(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ACF_CALL AddCreateCallback(AAX_CreateCallback callback, uint32_t id) = 0;  // 7
  virtual int32_t ACF_CALL EffectDescriptorCall8(IACFUnknown* map) = 0;
  virtual int32_t ACF_CALL EffectDescriptorCall9(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ACF_CALL EffectDescriptorCall10(AAX_Value first, AAX_Value second, IACFUnknown* map) = 0;  // 10

protected:
  ~AAX_IACFEffectDescriptor() = default;
};

class AAX_IACFEffectDescriptor_V2 : public AAX_IACFEffectDescriptor
{
public:
  virtual int32_t ACF_CALL EffectDescriptorCall11(AAX_Value first, AAX_Value second, AAX_Value third,
                                                  AAX_Value fourth) = 0;  // 11

protected:
  ~AAX_IACFEffectDescriptor_V2() = default;
};

// Context field indices name fields of the algorithm context.
class AAX_IACFComponentDescriptor : public IACFUnknown
{
public:
  virtual int32_t ACF_CALL ComponentDescriptorCall1() = 0;  // 3
  virtual int32_t ACF_CALL ComponentDescriptorCall15(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ACF_CALL AddAudioIn(uint32_t fieldIndex) = 0;  // 5
  virtual int32_t ACF_CALL AddAudioOut(uint32_t fieldIndex) = 0;
  virtual int32_t ACF_CALL AddAudioBufferLength(uint32_t fieldIndex) = 0;
  virtual int32_t ACF_CALL ComponentDescriptorCall5(AAX_Value value) = 0;
  virtual int32_t ACF_CALL ComponentDescriptorCall6(AAX_Value value) = 0;
  virtual int32_t ACF_CALL ComponentDescriptorCall7(AAX_Value value) = 0;  // 10
  virtual int32_t ACF_CALL ComponentDescriptorCall8(AAX_Value first, AAX_Value second, AAX_Value third) = 0;
  virtual int32_t ACF_CALL AddFieldEntry(uint32_t fieldIndex, uint32_t id, uint32_t value) = 0;
  virtual int32_t ACF_CALL AddPrivateData(uint32_t fieldIndex, uint32_t size, uint32_t option) = 0;  // 13
  virtual int32_t ACF_CALL ComponentDescriptorCall12(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ACF_CALL AddMidiNode(uint32_t fieldIndex, int32_t nodeType, const char* name,
                                       uint32_t channelMask) = 0;  // 15
  virtual int32_t ACF_CALL AddProcessCallback(AAX_ProcessCallback callback, IACFUnknown* properties,
                                              AAX_Value first, AAX_Value second, AAX_Value third) = 0;
  virtual int32_t ACF_CALL ComponentDescriptorCall19(AAX_Value first, AAX_Value second, IACFUnknown* map,
                                                     AAX_Value third, AAX_Value fourth, AAX_Value fifth) = 0;
  virtual int32_t ACF_CALL AddIdListField(uint32_t fieldIndex, const int32_t* ids, uint32_t count) = 0;  // 18

protected:
  ~AAX_IACFComponentDescriptor() = default;
};

class AAX_IACFComponentDescriptor_V2 : public AAX_IACFComponentDescriptor
{
public:
  virtual int32_t ACF_CALL ComponentDescriptorCall11(AAX_Value first, AAX_Value second) = 0;  // 19

protected:
  ~AAX_IACFComponentDescriptor_V2() = default;
};

class AAX_IACFPropertyMap : public IACFUnknown
{
public:
  // Whether the map holds the property; its value goes to value then.
  virtual AAX_Answer ACF_CALL PropertyMapCall1(AAX_PropertyId id, AAX_PropertyValue* value) = 0;  // 3
  virtual int32_t ACF_CALL AddProperty(AAX_PropertyId id, AAX_PropertyValue value) = 0;
  virtual int32_t ACF_CALL PropertyMapCall3(AAX_Value value) = 0;  // 5

protected:
  ~AAX_IACFPropertyMap() = default;
};

class AAX_IACFPropertyMap_V2 : public AAX_IACFPropertyMap
{
public:
  virtual int32_t ACF_CALL PropertyMapCall4(AAX_Value first, AAX_Value second, AAX_Value third) = 0;  // 6
  virtual int32_t ACF_CALL PropertyMapCall5(AAX_Value first, AAX_Value second, AAX_Value third) = 0;  // 7

protected:
  ~AAX_IACFPropertyMap_V2() = default;
};
