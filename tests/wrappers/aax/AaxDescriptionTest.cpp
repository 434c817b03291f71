// The effect description as the host receives it through ACFRegisterPlugin,
// call for call, against the fake description host; failures ORed; other
// channel texts and component options through the description's parts.

#include "AAXDescription.h"
#include "AAX_CEffectGUI_IPLUG.h"
#include "AAX_CIPlugParameters.h"
#include "AAX_ICollection.h"
#include "AAX_VCollection.h"
#include "AAX_VEffectDescriptor.h"
#include "ACFExports.h"
#include "IPlugBase.h"
#include "aax/AaxDescriptionFakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace
{
using descfakes::DescriptionHost;
using Calls = std::vector<std::string>;

std::string Property(int component, AAX_PropertyId id, int64_t value)
{
  return "map" + std::to_string(component) + ".AddProperty(" + std::to_string(id) + "," +
         std::to_string(static_cast<AAX_PropertyValue>(value)) + ")";
}

// What the host receives for one component: n-th component and map, its
// layout code, its two type ids. Field 8 holds the effect-parameters
// object's address: 4 bytes in the 32-bit module, a pointer's size here.
Calls Component(int n, uint32_t layout, const char (&firstType)[5], const char (&secondType)[5])
{
  const std::string c = "component" + std::to_string(n);
  return {"factory.CreateHostObject(component,null)",
          "factory.Release",
          c + ".AddPrivateData(6,4,0)",
          c + ".AddPrivateData(5,4,0)",
          c + ".AddMidiNode(7,3,Transport,65535)",
          c + ".AddAudioIn(0)",
          c + ".AddAudioOut(1)",
          c + ".AddAudioBufferLength(3)",
          c + ".AddPrivateData(9,4,0)",
          c + ".AddPrivateData(8," + std::to_string(kPrivateDataCellSize) + ",0)",
          "factory.CreateHostObject(map,null)",
          "factory.Release",
          Property(n, 56, 0),
          Property(n, 51, layout),
          Property(n, 52, layout),
          Property(n, 60, 1),
          Property(n, 11, FourCharCode("Zvlr")),
          Property(n, 12, FourCharCode("ZvLP")),
          Property(n, 13, FourCharCode(firstType)),
          Property(n, 14, FourCharCode(secondType)),
          c + ".AddProcessCallback(map" + std::to_string(n) + ",0,0,0)",
          "descriptor1.AddComponent(" + c + ")"};
}

Calls ExpectedRegistration()
{
  Calls calls = {"factory.CreateHostObject(collection,null)",
                 "factory.Release",
                 "factory.CreateHostObject(descriptor,null)",
                 "factory.Release",
                 "descriptor1.AddName(ZelvarLispera)",
                 "collection1.AddProductName(ZelvarLispera)",
                 "descriptor1.AddTypeFlags(2)"};
  for (const Calls& component :
       {Component(1, 0x00000001, "EFN1", "EFA1"), Component(2, 0x00010002, "EFN2", "EFA2")})
    calls.insert(calls.end(), component.begin(), component.end());
  const Calls end = {"descriptor1.AddCreateCallback(0)",
                     "descriptor1.AddCreateCallback(1)",
                     "collection1.AddEffect(com.Zelvar.aax.ZelvarLispera,descriptor1)",
                     "collection1.AddManufacturerName(Zelvar)",
                     "collection1.SetProductVersion(66305)",
                     // The collection goes with everything in it.
                     "map1v2.Release",
                     "map1.Release",
                     "component1v2.Release",
                     "component1.Release",
                     "host.Release",
                     "map2v2.Release",
                     "map2.Release",
                     "component2v2.Release",
                     "component2.Release",
                     "host.Release",
                     "descriptor1v2.Release",
                     "descriptor1.Release",
                     "host.Release",
                     "collection1.Release",
                     "host.Release"};
  calls.insert(calls.end(), end.begin(), end.end());
  return calls;
}

TEST(AaxDescription, RegistrationCallForCall)
{
  DescriptionHost host;
  void* definition = nullptr;
  testing::internal::CaptureStdout();
  EXPECT_EQ(ACFRegisterPlugin(&host, &definition), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "***** inputs 1 *****\n***** inputs 2 *****\n");
  EXPECT_EQ(host.log.calls, ExpectedRegistration());

  ASSERT_EQ(host.createCallbacks.size(), 2u);
  EXPECT_EQ(host.createCallbacks[0], std::make_pair(kCreateEffectParametersId, &CreateEffectParametersInstance));
  EXPECT_EQ(host.createCallbacks[1], std::make_pair(kCreateEffectGUIId, &CreateEffectGUIInstance));
  EXPECT_EQ(host.processCallbacks, (std::vector<AAX_ProcessCallback>{&ProcessContexts, &ProcessContexts}));

  EXPECT_EQ(definition, static_cast<IACFUnknown*>(&host.definition));
  static_cast<IACFUnknown*>(definition)->Release();
  EXPECT_TRUE(host.log.Balanced());
  EXPECT_EQ(ACFCanUnloadNow(nullptr), 0);
}

// Failures are ORed (two codes can give a third), the bundle identifier is
// registered only when nothing failed before it, and the names, maker and
// version never count; the maker and version are sent whatever happened.
TEST(AaxDescription, FailuresAreOred)
{
  struct Case
  {
    std::map<std::string, int32_t> failures;
    int32_t expected;
    bool effectAdded;
  };
  const Case cases[] = {
    {{{"descriptor1.AddName", kAAXRefused}}, kAAXRefused, false},
    {{{"descriptor1.AddName", kAAXRefused}, {"component2.AddAudioIn", kAAXNotSupported}}, kAAXNoParameter, false},
    {{{"map1.AddProperty", kAAXNotSupported}, {"component1.AddAudioOut", kAAXNotSupported}}, kAAXNotSupported,
     false},
    {{{"descriptor1.AddCreateCallback", kAAXRefused}}, kAAXRefused, false},
    {{{"descriptor1.AddComponent", kAAXNotSupported}}, kAAXNotSupported, false},
    {{{"collection1.AddEffect", kAAXNotSupported}}, kAAXNotSupported, true},
    {{{"collection1.AddProductName", kAAXRefused},
      {"collection1.AddManufacturerName", kAAXRefused},
      {"collection1.SetProductVersion", kAAXRefused}},
     0,
     true},
  };
  static_assert((kAAXRefused | kAAXNotSupported) == kAAXNoParameter, "-20004 | -20009 = -20001");
  for (const Case& c : cases)
  {
    DescriptionHost host;
    host.results = c.failures;
    void* const untouched = &host;
    void* definition = untouched;
    testing::internal::CaptureStdout();
    EXPECT_EQ(ACFRegisterPlugin(&host, &definition), c.expected) << c.failures.begin()->first;
    testing::internal::GetCapturedStdout();
    const Calls calls = host.log.CallsOf("collection1");
    const bool effectAdded = std::count(calls.begin(), calls.end(),
                                        "collection1.AddEffect(com.Zelvar.aax.ZelvarLispera,descriptor1)") == 1;
    EXPECT_EQ(effectAdded, c.effectAdded) << c.failures.begin()->first;
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[calls.size() - 3], "collection1.AddManufacturerName(Zelvar)");
    EXPECT_EQ(calls[calls.size() - 2], "collection1.SetProductVersion(66305)");
    if (c.expected != 0)
      EXPECT_EQ(definition, untouched);
    else
      static_cast<IACFUnknown*>(definition)->Release();
    EXPECT_TRUE(host.log.Balanced());
  }
}

// Blank-separated configurations: at least one input, a layout code for
// each count, tokens that do not read skipped, and two components at most.
TEST(AaxDescription, ChannelConfigurations)
{
  DescriptionHost host;
  {
    AAX_VCollection collection(&host);
    testing::internal::CaptureStdout();
    EXPECT_EQ(DescribeEffects(&collection, "x 0-2 stereo 9-9 3-3"), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "***** inputs 1 *****\n***** inputs 9 *****\n");
  }
  const auto* first = host.Find<descfakes::Map>("map1");
  const auto* second = host.Find<descfakes::Map>("map2");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(host.Find<descfakes::Map>("map3"), nullptr);
  EXPECT_EQ(first->properties.at(51), 0x00000001);
  EXPECT_EQ(first->properties.at(52), 0x00010002);
  EXPECT_EQ(first->properties.at(13), FourCharCode("EFN1"));
  EXPECT_EQ(static_cast<uint32_t>(second->properties.at(51)), 0xFF9C0000u);
  EXPECT_EQ(static_cast<uint32_t>(second->properties.at(52)), 0xFF9C0000u);
  EXPECT_EQ(second->properties.at(14), FourCharCode("EFA2"));
  EXPECT_EQ(first->properties.count(151), 0u);
  EXPECT_TRUE(host.log.Balanced());
}

TEST(AaxDescription, ChannelLayoutCodes)
{
  const std::pair<int, uint32_t> codes[] = {{-1, 0xFF9C0000}, {0, 0xFF9C0000}, {1, 0x00000001}, {2, 0x00010002},
                                            {3, 0x00020003},  {4, 0x00040004}, {5, 0x00050005}, {6, 0x00060006},
                                            {7, 0x00080007},  {8, 0x000C0008}, {9, 0xFF9C0000}};
  for (const auto& [channels, code] : codes)
    EXPECT_EQ(ChannelLayoutCode(channels), code) << channels;
}

// The options the module leaves off: MIDI nodes, an id list, extra
// entries, property 151 (whose failure does not count) and no second type
// id.
TEST(AaxDescription, ComponentOptions)
{
  DescriptionHost host;
  {
    AAX_VEffectDescriptor descriptor(&host);
    ComponentDescription d;
    d.globalMidiOn = true;
    d.globalMidiChannelMask = 3;
    d.inputMidiOn = true;
    d.inputMidiName = "In";
    const int32_t ids[] = {7, 8};
    d.idList = ids;
    d.idListCount = 2;
    d.extraEntryCount = 2;
    d.extraEntryIds[1] = 4;
    d.extraEntryValues[0] = 5;
    d.optionA = true;
    d.optionB = false;
    d.optionValue = 9;
    host.log.calls.clear();
    EXPECT_EQ(DescribeComponent(&descriptor, d), 0);
    EXPECT_EQ(host.log.CallsOf("component1"),
              (Calls{"component1.AddMidiNode(6,2,GlobalMIDI,3)", "component1.AddMidiNode(5,0,In,65535)",
                     "component1.AddPrivateData(7,4,0)", "component1.AddAudioIn(0)", "component1.AddAudioOut(1)",
                     "component1.AddAudioBufferLength(3)", "component1.AddIdListField(9,7 8,2)",
                     "component1.AddFieldEntry(0,1,5)", "component1.AddFieldEntry(0,4,0)",
                     "component1.AddPrivateData(8," + std::to_string(kPrivateDataCellSize) + ",0)",
                     "component1.AddProcessCallback(map1,0,0,0)"}));
    const auto none = static_cast<int64_t>(ComponentDescription::kNoFourCC);
    EXPECT_EQ(host.log.CallsOf("map1"), (Calls{Property(1, 151, 1), Property(1, 56, 9), Property(1, 51, 1),
                                               Property(1, 52, 1), Property(1, 60, 0), Property(1, 11, none),
                                               Property(1, 12, none), Property(1, 13, none)}));

    host.propertyResults[151] = kAAXNotSupported;
    EXPECT_EQ(DescribeComponent(&descriptor, d), 0) << "property 151 does not count";
    host.propertyResults[56] = kAAXRefused;
    EXPECT_EQ(DescribeComponent(&descriptor, d), kAAXRefused) << "the other properties count";
  }
  EXPECT_TRUE(host.log.Balanced());
}

// A collection that makes no effect descriptor: nothing else is described.
TEST(AaxDescription, NoEffectDescriptor)
{
  class Barren final : public AAX_ICollection
  {
  public:
    AAX_IEffectDescriptor* NewEffectDescriptor() override { return nullptr; }
    int32_t AddEffect(const char*, AAX_IEffectDescriptor*) override { return ++calls; }
    int32_t AddManufacturerName(const char*) override { return ++calls; }
    int32_t AddProductName(const char*) override { return ++calls; }
    int32_t SetProductVersion(uint32_t) override { return ++calls; }
    AAX_IPropertyMap* NewPropertyMap() override { return nullptr; }
    int32_t CollectionCall7(AAX_IPropertyMap*) override { return ++calls; }
    int calls = 0;
  } barren;
  testing::internal::CaptureStdout();
  EXPECT_EQ(DescribeEffects(&barren), kAAXRefused);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(barren.calls, 0);
  EXPECT_EQ(DescribeComponent(nullptr, ComponentDescription()), kAAXRefused);
}
}
