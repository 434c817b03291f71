#pragma once

#include "aax_base.h"

class AAX_ICollection;
class AAX_IEffectDescriptor;

// One processing component of the effect, as DescribeComponent gives it to
// the host: which fields its algorithm context has and which numbered
// properties it carries. Four-character codes have their first character
// in the most significant byte.
struct ComponentDescription
{
  static constexpr AAX_FourCC kNoFourCC = 0x6E6F6E65;  // 'none'
  static constexpr int32_t kMaxExtraEntries = 16;

  bool globalMidiOn = false;
  const char* globalMidiName = "GlobalMIDI";
  uint32_t globalMidiChannelMask = 0xFFFF;
  bool inputMidiOn = false;
  const char* inputMidiName = "InputMIDI";
  uint32_t inputMidiChannelMask = 0xFFFF;
  // The transport node is always named "Transport".
  bool transportOn = false;
  int32_t idListCount = 0;
  const int32_t* idList = nullptr;
  int32_t extraEntryCount = 0;
  int32_t extraEntryValues[kMaxExtraEntries] = {};
  int32_t extraEntryIds[kMaxExtraEntries] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  uint32_t inputLayout = 1;
  uint32_t outputLayout = 1;
  // When set, property 151 is 1.
  bool optionA = false;
  // The value of property 60.
  bool optionB = true;
  AAX_FourCC manufacturerId = kNoFourCC;
  AAX_FourCC productId = kNoFourCC;
  AAX_FourCC firstTypeId = kNoFourCC;
  // Left out while it is kNoFourCC.
  AAX_FourCC secondTypeId = kNoFourCC;
  int32_t optionValue = 0;
};

// The host's layout code of a channel count (its low 16 bits are the
// count); 0xFF9C0000 for a count it has none for.
uint32_t ChannelLayoutCode(int channels);

// One component on the effect descriptor: its context fields, its
// properties, the process callback, and the component added to the effect.
// The OR of every result (that of property 151 aside).
int32_t DescribeComponent(AAX_IEffectDescriptor* descriptor, const ComponentDescription& description);

// The effect with one component for each of the first two channel
// configurations of channelIO that read as "%d-%d", the create callbacks,
// and the bundle identifier when everything before it succeeded; then the
// maker names and the version, whatever happened. Prints
// "***** inputs %d *****" for each component. 0, or the OR of what failed
// (kAAXRefused at once without an effect descriptor).
int32_t DescribeEffects(AAX_ICollection* collection, const char* channelIO);

// The create callback of the effect-parameters object: a new instance of
// the effect with no reference yet, or null.
IACFUnknown* AAX_CALLBACK_CALL CreateEffectParametersInstance();
