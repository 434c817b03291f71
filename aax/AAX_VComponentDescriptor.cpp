#include "AAX_VComponentDescriptor.h"

#include "AAX_DescriptionInterfaces.h"
#include "AAX_HostReference.h"

namespace
{
// The properties a copy takes over, by id.
constexpr AAX_PropertyId kFirstCopiedProperty = 10;
constexpr AAX_PropertyId kLastCopiedProperty = 351;
}

AAX_VComponentDescriptor::AAX_VComponentDescriptor(IACFUnknown* host) noexcept : mHostObject(HoldHostObject(host))
{
  MakeHostObject(mFirst, host, CLSID_AAX_ComponentDescriptor, IID_AAX_IACFComponentDescriptor);
  ObtainHostInterface(mSecond, mFirst, IID_AAX_IACFComponentDescriptor_V2);
}

AAX_VComponentDescriptor::~AAX_VComponentDescriptor()
{
  mMaps.Clear();
  ReleaseHostInterface(mSecond);
  ReleaseHostInterface(mFirst);
  ReleaseHostInterface(mHostObject);
}

IACFUnknown* AAX_VComponentDescriptor::HostInterface() const { return mFirst; }

int32_t AAX_VComponentDescriptor::ComponentDescriptorCall1()
{
  return mFirst ? mFirst->ComponentDescriptorCall1() : kAAXRefused;
}

int32_t AAX_VComponentDescriptor::AddAudioIn(uint32_t fieldIndex)
{
  return mFirst ? mFirst->AddAudioIn(fieldIndex) : kAAXRefused;
}

int32_t AAX_VComponentDescriptor::AddAudioOut(uint32_t fieldIndex)
{
  return mFirst ? mFirst->AddAudioOut(fieldIndex) : kAAXRefused;
}

int32_t AAX_VComponentDescriptor::AddAudioBufferLength(uint32_t fieldIndex)
{
  return mFirst ? mFirst->AddAudioBufferLength(fieldIndex) : kAAXRefused;
}

int32_t AAX_VComponentDescriptor::ComponentDescriptorCall5(AAX_Value value)
{
  return mFirst ? mFirst->ComponentDescriptorCall5(value) : kAAXRefused;
}

int32_t AAX_VComponentDescriptor::ComponentDescriptorCall6(AAX_Value value)
{
  return mFirst ? mFirst->ComponentDescriptorCall6(value) : kAAXRefused;
}

int32_t AAX_VComponentDescriptor::ComponentDescriptorCall7(AAX_Value value)
{
  return mFirst ? mFirst->ComponentDescriptorCall7(value) : kAAXRefused;
}

int32_t AAX_VComponentDescriptor::ComponentDescriptorCall8(AAX_Value first, AAX_Value second, AAX_Value third)
{
  return mFirst ? mFirst->ComponentDescriptorCall8(first, second, third) : kAAXRefused;
}

int32_t AAX_VComponentDescriptor::AddFieldEntry(uint32_t fieldIndex, uint32_t id, uint32_t value)
{
  return mFirst ? mFirst->AddFieldEntry(fieldIndex, id, value) : kAAXRefused;
}

int32_t AAX_VComponentDescriptor::AddPrivateData(uint32_t fieldIndex, uint32_t size, uint32_t option)
{
  return mFirst ? mFirst->AddPrivateData(fieldIndex, size, option) : kAAXRefused;
}

int32_t AAX_VComponentDescriptor::ComponentDescriptorCall11(AAX_Value first, AAX_Value second)
{
  return mSecond ? mSecond->ComponentDescriptorCall11(first, second) : kAAXNotSupported;
}

int32_t AAX_VComponentDescriptor::ComponentDescriptorCall12(AAX_Value first, AAX_Value second)
{
  return mFirst ? mFirst->ComponentDescriptorCall12(first, second) : kAAXRefused;
}

int32_t AAX_VComponentDescriptor::AddIdListField(uint32_t fieldIndex, const int32_t* ids, uint32_t count)
{
  return mFirst ? mFirst->AddIdListField(fieldIndex, ids, count) : kAAXRefused;
}

int32_t AAX_VComponentDescriptor::AddMidiNode(uint32_t fieldIndex, int32_t nodeType, const char* name,
                                              uint32_t channelMask)
{
  return mFirst ? mFirst->AddMidiNode(fieldIndex, nodeType, name, channelMask) : kAAXRefused;
}

int32_t AAX_VComponentDescriptor::ComponentDescriptorCall15(AAX_Value first, AAX_Value second)
{
  return mFirst ? mFirst->ComponentDescriptorCall15(first, second) : kAAXRefused;
}

AAX_IPropertyMap* AAX_VComponentDescriptor::NewPropertyMap() { return mMaps.Make(mHostObject); }

AAX_IPropertyMap* AAX_VComponentDescriptor::ComponentDescriptorCall17(const AAX_IPropertyMap* source)
{
  AAX_IPropertyMap* copy = NewPropertyMap();
  if (!copy || !source)
    return copy;
  for (AAX_PropertyId id = kFirstCopiedProperty; id <= kLastCopiedProperty; ++id)
  {
    AAX_PropertyValue value = 0;
    if (source->PropertyMapCall1(id, &value))
      copy->AddProperty(id, value);
  }
  return copy;
}

int32_t AAX_VComponentDescriptor::AddProcessCallback(AAX_ProcessCallback callback, AAX_IPropertyMap* properties,
                                                     AAX_Value first, AAX_Value second, AAX_Value third)
{
  return mFirst ? mFirst->AddProcessCallback(callback, mMaps.HostInterfaceOf(properties), first, second, third)
                : kAAXRefused;
}

int32_t AAX_VComponentDescriptor::ComponentDescriptorCall19(AAX_Value first, AAX_Value second, AAX_IPropertyMap* map,
                                                            AAX_Value third, AAX_Value fourth, AAX_Value fifth)
{
  return mFirst ? mFirst->ComponentDescriptorCall19(first, second, mMaps.HostInterfaceOf(map), third, fourth, fifth)
                : kAAXRefused;
}
