// The effect as the AAX host is told of it, and the create callback of its
// instances.

#include "AAXDescription.h"

#include "AAX_CEffectGUI_IPLUG.h"
#include "AAX_CIPlugParameters.h"
#include "AAX_ICollection.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_IPropertyMap.h"
#include "ACFExports.h"
#include "CreatePlugInstance.h"
#include "IPlugAAX.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace
{
// Texts of names hold one name per line, each line ended by "\n".
constexpr const char* kEffectNames = "ZelvarLispera\n";
constexpr const char* kMakerNames = "Zelvar\n";
constexpr const char* kMidiNodeName = "ZelvarLispera Midi";
constexpr const char* kTransportNodeName = "Transport";
constexpr uint32_t kTransportChannelMask = 0xFFFF;
constexpr const char* kBundleId = "com.Zelvar.aax.ZelvarLispera";
constexpr uint32_t kTypeFlags = 2;

// The type ids of the components, by the position of their channel
// configuration: the description has room for two.
constexpr AAX_FourCC kTypeIds[] = {FourCharCode("EFN1"), FourCharCode("EFN2"), FourCharCode("EFA1"),
                                   FourCharCode("EFA2")};
constexpr int kMaxComponents = 2;
constexpr const AAX_FourCC* kFirstTypeIds = kTypeIds;
constexpr const AAX_FourCC* kSecondTypeIds = kTypeIds + kMaxComponents;

// The fields of the algorithm context.
enum ContextField : uint32_t
{
  kAudioInField = 0,
  kAudioOutField = 1,
  kBufferLengthField = 3,
  kInputMidiField = 5,
  kGlobalMidiField = 6,
  kTransportField = 7,
  kIdListField = 9,
};
// What a field that holds no node or list is declared as instead.
constexpr uint32_t kPlaceholderSize = 4;

// The numbered properties of a component.
enum Property : AAX_PropertyId
{
  kManufacturerIdProperty = 11,
  kProductIdProperty = 12,
  kFirstTypeIdProperty = 13,
  kSecondTypeIdProperty = 14,
  kInputLayoutProperty = 51,
  kOutputLayoutProperty = 52,
  kOptionValueProperty = 56,
  kOptionBProperty = 60,
  kOptionAProperty = 151,
};

// Each line of a names text, in order; the walk ends at an empty line and
// at a line that has no "\n".
template <class Use>
void ForEachLine(const char* text, Use&& use)
{
  for (const char* start = text;;)
  {
    const char* end = std::strchr(start, '\n');
    if (!end || end == start)
      return;
    use(std::string(start, end).c_str());
    start = end + 1;
  }
}

// Each blank-separated token of a channel text that reads as "%d-%d".
template <class Use>
void ForEachChannelConfig(const char* channelIO, Use&& use)
{
  for (const char* start = channelIO; start && *start;)
  {
    const char* end = std::strchr(start, ' ');
    if (!end)
      end = start + std::strlen(start);
    int inputs = 0, outputs = 0;
    if (std::sscanf(std::string(start, end).c_str(), "%d-%d", &inputs, &outputs) == 2)
      if (!use(inputs, outputs))
        return;
    start = *end ? end + 1 : end;
  }
}

int32_t DescribeNode(AAX_IComponentDescriptor& component, bool on, uint32_t field, int32_t nodeType,
                     const char* name, uint32_t channelMask)
{
  return on ? component.AddMidiNode(field, nodeType, name, channelMask)
            : component.AddPrivateData(field, kPlaceholderSize, 0);
}

int32_t DescribeProperties(AAX_IPropertyMap* properties, const ComponentDescription& d)
{
  if (!properties)
    return kAAXRefused;
  if (d.optionA)
    properties->AddProperty(kOptionAProperty, 1);
  int32_t result = properties->AddProperty(kOptionValueProperty, d.optionValue);
  result |= properties->AddProperty(kInputLayoutProperty, static_cast<AAX_PropertyValue>(d.inputLayout));
  result |= properties->AddProperty(kOutputLayoutProperty, static_cast<AAX_PropertyValue>(d.outputLayout));
  result |= properties->AddProperty(kOptionBProperty, d.optionB ? 1 : 0);
  result |= properties->AddProperty(kManufacturerIdProperty, static_cast<AAX_PropertyValue>(d.manufacturerId));
  result |= properties->AddProperty(kProductIdProperty, static_cast<AAX_PropertyValue>(d.productId));
  result |= properties->AddProperty(kFirstTypeIdProperty, static_cast<AAX_PropertyValue>(d.firstTypeId));
  if (d.secondTypeId != ComponentDescription::kNoFourCC)
    result |= properties->AddProperty(kSecondTypeIdProperty, static_cast<AAX_PropertyValue>(d.secondTypeId));
  return result;
}
}

uint32_t ChannelLayoutCode(int channels)
{
  static constexpr uint32_t kCodes[] = {0x00000001, 0x00010002, 0x00020003, 0x00040004,
                                        0x00050005, 0x00060006, 0x00080007, 0x000C0008};
  if (channels < 1 || channels > static_cast<int>(std::size(kCodes)))
    return 0xFF9C0000;
  return kCodes[channels - 1];
}

int32_t DescribeComponent(AAX_IEffectDescriptor* descriptor, const ComponentDescription& d)
{
  AAX_IComponentDescriptor* component = descriptor ? descriptor->NewComponentDescriptor() : nullptr;
  if (!component)
    return kAAXRefused;
  int32_t result = DescribeNode(*component, d.globalMidiOn, kGlobalMidiField, kGlobalMidiNodeType,
                                d.globalMidiName, d.globalMidiChannelMask);
  result |= DescribeNode(*component, d.inputMidiOn, kInputMidiField, kInputMidiNodeType, d.inputMidiName,
                         d.inputMidiChannelMask);
  result |= DescribeNode(*component, d.transportOn, kTransportField, kTransportNodeType, kTransportNodeName,
                         kTransportChannelMask);
  result |= component->AddAudioIn(kAudioInField);
  result |= component->AddAudioOut(kAudioOutField);
  result |= component->AddAudioBufferLength(kBufferLengthField);
  if (d.idListCount > 0)
    result |= component->AddIdListField(kIdListField, d.idList, static_cast<uint32_t>(d.idListCount));
  else
    result |= component->AddPrivateData(kIdListField, kPlaceholderSize, 0);
  const int32_t extraEntries = std::min(d.extraEntryCount, ComponentDescription::kMaxExtraEntries);
  for (int32_t i = 0; i < extraEntries; ++i)
    result |= component->AddFieldEntry(0, static_cast<uint32_t>(d.extraEntryIds[i]),
                                       static_cast<uint32_t>(d.extraEntryValues[i]));
  // Where each context finds the effect-parameters object.
  result |= component->AddPrivateData(kPrivateDataField, kPrivateDataCellSize, 0);
  AAX_IPropertyMap* properties = component->NewPropertyMap();
  result |= DescribeProperties(properties, d);
  result |= component->AddProcessCallback(ProcessContexts, properties, 0, 0, 0);
  result |= descriptor->AddComponent(component);
  return result;
}

int32_t DescribeEffects(AAX_ICollection* collection, const char* channelIO)
{
  AAX_IEffectDescriptor* descriptor = collection ? collection->NewEffectDescriptor() : nullptr;
  if (!descriptor)
    return kAAXRefused;
  int32_t result = 0;
  ForEachLine(kEffectNames, [&](const char* name) {
    result |= descriptor->AddName(name);
    collection->AddProductName(name);
  });
  result |= descriptor->AddTypeFlags(kTypeFlags);

  int k = 0;
  ForEachChannelConfig(channelIO, [&](int inputs, int outputs) {
    inputs = std::max(inputs, 1);
    std::printf("***** inputs %d *****\n", inputs);
    ComponentDescription d;
    d.inputLayout = ChannelLayoutCode(inputs);
    d.outputLayout = ChannelLayoutCode(outputs);
    d.firstTypeId = kFirstTypeIds[k];
    d.secondTypeId = kSecondTypeIds[k];
    d.manufacturerId = static_cast<AAX_FourCC>(kPlugMakerId);
    d.productId = static_cast<AAX_FourCC>(kPlugUniqueId);
    d.optionB = true;
    d.inputMidiOn = false;
    d.inputMidiName = kMidiNodeName;
    d.inputMidiChannelMask = 1;
    d.transportOn = true;
    d.optionValue = 0;
    result |= DescribeComponent(descriptor, d);
    return ++k < kMaxComponents;
  });

  result |= descriptor->AddCreateCallback(CreateEffectParametersInstance, kCreateEffectParametersId);
  result |= descriptor->AddCreateCallback(CreateEffectGUIInstance, kCreateEffectGUIId);
  if (result == kAAXSuccess)
    result = collection->AddEffect(kBundleId, descriptor);
  ForEachLine(kMakerNames, [&](const char* name) { collection->AddManufacturerName(name); });
  collection->SetProductVersion(static_cast<uint32_t>(kPlugVersion));
  return result;
}

int32_t DescribeEffects(AAX_ICollection* collection) { return DescribeEffects(collection, kPlugChannelIO); }

IACFUnknown* AAX_CALLBACK_CALL CreateEffectParametersInstance()
{
  IPlugAAX* instance = CreatePlugInstance<IPlugAAX>();
  return instance ? static_cast<AAX_IEffectParameters*>(instance) : nullptr;
}
