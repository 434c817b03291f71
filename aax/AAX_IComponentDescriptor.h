#pragma once

#include "aax_base.h"

class AAX_IPropertyMap;

// One processing component of an effect: the fields of its algorithm
// context, its properties and its process callback; its host proxy is
// AAX_VComponentDescriptor. Property maps it makes are its own, and only
// those can be handed back to it. The operations named ...CallN carry values
// whose meaning lies with the host.
class AAX_IComponentDescriptor
{
public:
  virtual ~AAX_IComponentDescriptor() = default;
  virtual int32_t ComponentDescriptorCall1() = 0;
  virtual int32_t AddAudioIn(uint32_t fieldIndex) = 0;
  virtual int32_t AddAudioOut(uint32_t fieldIndex) = 0;
  virtual int32_t AddAudioBufferLength(uint32_t fieldIndex) = 0;
  virtual int32_t ComponentDescriptorCall5(AAX_Value value) = 0;
  virtual int32_t ComponentDescriptorCall6(AAX_Value value) = 0;
  virtual int32_t ComponentDescriptorCall7(AAX_Value value) = 0;
  virtual int32_t ComponentDescriptorCall8(AAX_Value first, AAX_Value second, AAX_Value third) = 0;
  virtual int32_t AddFieldEntry(uint32_t fieldIndex, uint32_t id, uint32_t value) = 0;
  virtual int32_t AddPrivateData(uint32_t fieldIndex, uint32_t size, uint32_t option) = 0;
  virtual int32_t ComponentDescriptorCall11(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ComponentDescriptorCall12(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t AddIdListField(uint32_t fieldIndex, const int32_t* ids, uint32_t count) = 0;
  virtual int32_t AddMidiNode(uint32_t fieldIndex, int32_t nodeType, const char* name, uint32_t channelMask) = 0;
  virtual int32_t ComponentDescriptorCall15(AAX_Value first, AAX_Value second) = 0;
  // A new property map of this component's; null when none could be made.
  virtual AAX_IPropertyMap* NewPropertyMap() = 0;
  // A new property map of this component's holding the properties 10 to
  // 351 that source holds; null when none could be made.
  virtual AAX_IPropertyMap* ComponentDescriptorCall17(const AAX_IPropertyMap* source) = 0;
  virtual int32_t AddProcessCallback(AAX_ProcessCallback callback, AAX_IPropertyMap* properties, AAX_Value first,
                                     AAX_Value second, AAX_Value third) = 0;
  virtual int32_t ComponentDescriptorCall19(AAX_Value first, AAX_Value second, AAX_IPropertyMap* map,
                                            AAX_Value third, AAX_Value fourth, AAX_Value fifth) = 0;
};
