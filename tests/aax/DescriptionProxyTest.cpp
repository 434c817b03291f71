// The description proxies against the fake description host: host objects
// made through the factory by class and interface, second interfaces,
// forwarding, children owned by their parent and handed back to it, and
// what each proxy releases, in which order.

#include "AAX_VCollection.h"
#include "AAX_VComponentDescriptor.h"
#include "AAX_VEffectDescriptor.h"
#include "AAX_VPropertyMap.h"
#include "AaxDescriptionFakes.h"
#include "VtableSlot.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <type_traits>

namespace
{
using descfakes::DescriptionHost;
using descfakes::Kind;
using Calls = std::vector<std::string>;

static_assert(std::is_nothrow_constructible_v<AAX_VCollection, IACFUnknown*>, "proxies report nothing");
static_assert(std::is_nothrow_constructible_v<AAX_VEffectDescriptor, IACFUnknown*>, "proxies report nothing");
static_assert(std::is_nothrow_constructible_v<AAX_VComponentDescriptor, IACFUnknown*>, "proxies report nothing");
static_assert(std::is_nothrow_constructible_v<AAX_VPropertyMap, IACFUnknown*>, "proxies report nothing");

// An identifier from its registry text, read independently of aax_base.h.
ACFUID Uid(const char* text)
{
  unsigned parts[11] = {};
  EXPECT_EQ(std::sscanf(text, "{%8x-%4x-%4x-%2x%2x-%2x%2x%2x%2x%2x%2x}", &parts[0], &parts[1], &parts[2], &parts[3],
                        &parts[4], &parts[5], &parts[6], &parts[7], &parts[8], &parts[9], &parts[10]),
            11)
    << text;
  ACFUID uid = {parts[0], static_cast<uint16_t>(parts[1]), static_cast<uint16_t>(parts[2]), {}};
  for (int i = 0; i < 8; ++i)
    uid.data4[i] = static_cast<uint8_t>(parts[3 + i]);
  return uid;
}

TEST(AaxDescriptionInterfaces, Identifiers)
{
  const std::pair<ACFUID, const char*> rows[] = {
    {CLSID_AAX_Collection, "{89882C2D-77BC-42EF-707B-7981B7BD0CCA}"},
    {IID_AAX_IACFCollection, "{96D42C2D-EBBC-41DF-B1AB-9991A2EE0CCA}"},
    {CLSID_AAX_EffectDescriptor, "{89872C2D-75BC-423F-401B-F9A1BAAD0CCA}"},
    {IID_AAX_IACFEffectDescriptor, "{96D42C2D-EBBC-41EF-D1CB-499442E40FDA}"},
    {IID_AAX_IACFEffectDescriptor_V2, "{41ECCC52-416B-4072-84BD-40B05210A74C}"},
    {CLSID_AAX_ComponentDescriptor, "{94872C3D-95BC-413D-D0DB-D9B12AAD0CCA}"},
    {IID_AAX_IACFComponentDescriptor, "{96E42C2D-E2BC-51EF-61C7-48994AEB0CDA}"},
    {IID_AAX_IACFComponentDescriptor_V2, "{1895259E-AAA9-4F0F-A985-149837B76F89}"},
    {CLSID_AAX_PropertyMap, "{A587AD3D-D53C-4ADC-D0DD-D9D12DDDDCDA}"},
    {IID_AAX_IACFPropertyMap, "{96EE2C2D-EECC-5EFF-E2D7-E849E3E2EEEE}"},
    {IID_AAX_IACFPropertyMap_V2, "{7177DF80-7C9C-11E2-B92A-0800200C9A66}"},
    {IID_ACFPluginDefinition, "{00EEF015-7FD0-11D6-8485-00306542A024}"},
    {IID_AAX_IACFEffectGUI, "{964E323D-424C-5E1A-2227-282423222E1E}"},
  };
  for (const auto& [uid, text] : rows)
    EXPECT_TRUE(uid == Uid(text)) << text;
}

TEST(AaxDescriptionInterfaces, SlotsOfTheHostTables)
{
  const std::pair<int, int> slots[] = {
    {VtableSlot(&AAX_IACFCollection::CollectionSlot3), 3},
    {VtableSlot(&AAX_IACFCollection::AddEffect), 7},
    {VtableSlot(&AAX_IACFCollection::AddManufacturerName), 8},
    {VtableSlot(&AAX_IACFCollection::AddProductName), 9},
    {VtableSlot(&AAX_IACFCollection::SetProductVersion), 10},
    {VtableSlot(&AAX_IACFCollection::CollectionCall7), 11},
    {VtableSlot(&AAX_IACFEffectDescriptor::AddComponent), 3},
    {VtableSlot(&AAX_IACFEffectDescriptor::AddName), 4},
    {VtableSlot(&AAX_IACFEffectDescriptor::AddTypeFlags), 5},
    {VtableSlot(&AAX_IACFEffectDescriptor::EffectDescriptorCall5), 6},
    {VtableSlot(&AAX_IACFEffectDescriptor::AddCreateCallback), 7},
    {VtableSlot(&AAX_IACFEffectDescriptor::EffectDescriptorCall8), 8},
    {VtableSlot(&AAX_IACFEffectDescriptor::EffectDescriptorCall9), 9},
    {VtableSlot(&AAX_IACFEffectDescriptor::EffectDescriptorCall10), 10},
    {VtableSlot(&AAX_IACFEffectDescriptor_V2::EffectDescriptorCall11), 11},
    {VtableSlot(&AAX_IACFComponentDescriptor::ComponentDescriptorCall1), 3},
    {VtableSlot(&AAX_IACFComponentDescriptor::ComponentDescriptorCall15), 4},
    {VtableSlot(&AAX_IACFComponentDescriptor::AddAudioIn), 5},
    {VtableSlot(&AAX_IACFComponentDescriptor::AddAudioOut), 6},
    {VtableSlot(&AAX_IACFComponentDescriptor::AddAudioBufferLength), 7},
    {VtableSlot(&AAX_IACFComponentDescriptor::ComponentDescriptorCall5), 8},
    {VtableSlot(&AAX_IACFComponentDescriptor::ComponentDescriptorCall6), 9},
    {VtableSlot(&AAX_IACFComponentDescriptor::ComponentDescriptorCall7), 10},
    {VtableSlot(&AAX_IACFComponentDescriptor::ComponentDescriptorCall8), 11},
    {VtableSlot(&AAX_IACFComponentDescriptor::AddFieldEntry), 12},
    {VtableSlot(&AAX_IACFComponentDescriptor::AddPrivateData), 13},
    {VtableSlot(&AAX_IACFComponentDescriptor::ComponentDescriptorCall12), 14},
    {VtableSlot(&AAX_IACFComponentDescriptor::AddMidiNode), 15},
    {VtableSlot(&AAX_IACFComponentDescriptor::AddProcessCallback), 16},
    {VtableSlot(&AAX_IACFComponentDescriptor::ComponentDescriptorCall19), 17},
    {VtableSlot(&AAX_IACFComponentDescriptor::AddIdListField), 18},
    {VtableSlot(&AAX_IACFComponentDescriptor_V2::ComponentDescriptorCall11), 19},
    {VtableSlot(&AAX_IACFPropertyMap::PropertyMapCall1), 3},
    {VtableSlot(&AAX_IACFPropertyMap::AddProperty), 4},
    {VtableSlot(&AAX_IACFPropertyMap::PropertyMapCall3), 5},
    {VtableSlot(&AAX_IACFPropertyMap_V2::PropertyMapCall4), 6},
    {VtableSlot(&AAX_IACFPropertyMap_V2::PropertyMapCall5), 7},
  };
  for (size_t i = 0; i < std::size(slots); ++i)
    EXPECT_EQ(slots[i].first, slots[i].second) << "row " << i;
}

struct Forwarding
{
  std::function<int32_t()> call;
  const char* expected;  // the host's log line
};

// Each operation reaches its host slot once, with its arguments, and gives
// the host's result back.
void ExpectForwarding(DescriptionHost& host, const std::vector<Forwarding>& table)
{
  for (const Forwarding& row : table)
  {
    host.log.calls.clear();
    const std::string operation = std::string(row.expected).substr(0, std::string(row.expected).find('('));
    host.results[operation] = 7;
    EXPECT_EQ(row.call(), 7) << row.expected;
    EXPECT_EQ(host.log.calls, (Calls{row.expected}));
  }
}

TEST(AaxDescriptionProxies, CollectionMadeByClassAndForwarded)
{
  DescriptionHost host;
  {
    AAX_VCollection collection(&host);
    EXPECT_EQ(host.log.calls, (Calls{"factory.CreateHostObject(collection,null)", "factory.Release"}));
    EXPECT_EQ(host.log.references["host"], 1);
    EXPECT_EQ(host.log.references["collection1"], 1);
    EXPECT_EQ(collection.HostInterface(), host.Find<IACFUnknown>("collection1"));
    AAX_IPropertyMap* map = collection.NewPropertyMap();
    AAX_IEffectDescriptor* descriptor = collection.NewEffectDescriptor();
    ExpectForwarding(host, {
      {[&] { return collection.AddEffect("com.x", descriptor); }, "collection1.AddEffect(com.x,descriptor1)"},
      {[&] { return collection.AddManufacturerName("Maker"); }, "collection1.AddManufacturerName(Maker)"},
      {[&] { return collection.AddProductName("Product"); }, "collection1.AddProductName(Product)"},
      {[&] { return collection.SetProductVersion(66305); }, "collection1.SetProductVersion(66305)"},
      {[&] { return collection.CollectionCall7(map); }, "collection1.CollectionCall7(map1)"},
    });
  }
  EXPECT_TRUE(host.log.Balanced());
}

TEST(AaxDescriptionProxies, EffectDescriptorBothInterfaces)
{
  DescriptionHost host;
  {
    AAX_VEffectDescriptor descriptor(&host);
    EXPECT_EQ(host.log.references["descriptor1"], 1);
    EXPECT_EQ(host.log.references["descriptor1v2"], 1);
    AAX_IComponentDescriptor* component = descriptor.NewComponentDescriptor();
    AAX_IPropertyMap* map = descriptor.NewPropertyMap();
    ExpectForwarding(host, {
      {[&] { return descriptor.AddComponent(component); }, "descriptor1.AddComponent(component1)"},
      {[&] { return descriptor.AddName("De-esser"); }, "descriptor1.AddName(De-esser)"},
      {[&] { return descriptor.AddTypeFlags(2); }, "descriptor1.AddTypeFlags(2)"},
      {[&] { return descriptor.EffectDescriptorCall5(5, 50); }, "descriptor1.EffectDescriptorCall5(5,50)"},
      {[&] { return descriptor.AddCreateCallback(nullptr, 1); }, "descriptor1.AddCreateCallback(1)"},
      {[&] { return descriptor.EffectDescriptorCall8(map); }, "descriptor1.EffectDescriptorCall8(map1)"},
      {[&] { return descriptor.EffectDescriptorCall9(9, 90); }, "descriptor1.EffectDescriptorCall9(9,90)"},
      {[&] { return descriptor.EffectDescriptorCall10(1, 2, map); }, "descriptor1.EffectDescriptorCall10(1,2,map1)"},
      {[&] { return descriptor.EffectDescriptorCall11(1, 2, 3, 4); },
       "descriptor1v2.EffectDescriptorCall11(1,2,3,4)"},
    });
  }
  EXPECT_TRUE(host.log.Balanced());
}

TEST(AaxDescriptionProxies, ComponentBothInterfaces)
{
  DescriptionHost host;
  {
    AAX_VComponentDescriptor component(&host);
    AAX_IPropertyMap* map = component.NewPropertyMap();
    const int32_t ids[] = {5, 6};
    ExpectForwarding(host, {
      {[&] { return component.ComponentDescriptorCall1(); }, "component1.ComponentDescriptorCall1()"},
      {[&] { return component.AddAudioIn(0); }, "component1.AddAudioIn(0)"},
      {[&] { return component.AddAudioOut(1); }, "component1.AddAudioOut(1)"},
      {[&] { return component.AddAudioBufferLength(3); }, "component1.AddAudioBufferLength(3)"},
      {[&] { return component.ComponentDescriptorCall5(5); }, "component1.ComponentDescriptorCall5(5)"},
      {[&] { return component.ComponentDescriptorCall6(6); }, "component1.ComponentDescriptorCall6(6)"},
      {[&] { return component.ComponentDescriptorCall7(7); }, "component1.ComponentDescriptorCall7(7)"},
      {[&] { return component.ComponentDescriptorCall8(1, 2, 3); }, "component1.ComponentDescriptorCall8(1,2,3)"},
      {[&] { return component.AddFieldEntry(0, 1, 2); }, "component1.AddFieldEntry(0,1,2)"},
      {[&] { return component.AddPrivateData(8, 4, 0); }, "component1.AddPrivateData(8,4,0)"},
      {[&] { return component.ComponentDescriptorCall11(1, 2); }, "component1v2.ComponentDescriptorCall11(1,2)"},
      {[&] { return component.ComponentDescriptorCall12(1, 2); }, "component1.ComponentDescriptorCall12(1,2)"},
      {[&] { return component.AddIdListField(9, ids, 2); }, "component1.AddIdListField(9,5 6,2)"},
      {[&] { return component.AddMidiNode(7, 3, "Transport", 0xFFFF); },
       "component1.AddMidiNode(7,3,Transport,65535)"},
      {[&] { return component.ComponentDescriptorCall15(1, 2); }, "component1.ComponentDescriptorCall15(1,2)"},
      {[&] { return component.AddProcessCallback(nullptr, map, 1, 2, 3); },
       "component1.AddProcessCallback(map1,1,2,3)"},
      {[&] { return component.ComponentDescriptorCall19(1, 2, map, 3, 4, 5); },
       "component1.ComponentDescriptorCall19(1,2,map1,3,4,5)"},
    });
  }
  EXPECT_TRUE(host.log.Balanced());
}

TEST(AaxDescriptionProxies, PropertyMapHoldsNoHostObject)
{
  DescriptionHost host;
  {
    AAX_VPropertyMap map(&host);
    EXPECT_EQ(host.log.references["host"], 0);
    ExpectForwarding(host, {
      {[&] { return map.AddProperty(11, 42); }, "map1.AddProperty(11,42)"},
      {[&] { return map.PropertyMapCall3(3); }, "map1.PropertyMapCall3(3)"},
      {[&] { return map.PropertyMapCall4(1, 2, 3); }, "map1v2.PropertyMapCall4(1,2,3)"},
      {[&] { return map.PropertyMapCall5(1, 2, 3); }, "map1v2.PropertyMapCall5(1,2,3)"},
    });
    AAX_PropertyValue value = 0;
    EXPECT_TRUE(map.PropertyMapCall1(11, &value));
    EXPECT_EQ(value, 42);
    EXPECT_FALSE(map.PropertyMapCall1(12, &value));
  }
  EXPECT_TRUE(host.log.Balanced());
}

// Without a host object, a factory, the class or a second interface, every
// operation gives its absent result and calls nothing; children are still
// made.
TEST(AaxDescriptionProxies, AbsentResults)
{
  DescriptionHost refusing;
  refusing.refused = {Kind::kCollection, Kind::kDescriptor, Kind::kComponent, Kind::kMap};
  DescriptionHost noFactory;
  noFactory.offersFactory = false;
  for (DescriptionHost* host : {static_cast<DescriptionHost*>(nullptr), &refusing, &noFactory})
  {
    {
      AAX_VCollection collection(host);
      EXPECT_EQ(collection.HostInterface(), nullptr);
      EXPECT_EQ(collection.AddProductName("x"), kAAXRefused);
      EXPECT_EQ(collection.AddManufacturerName("x"), kAAXRefused);
      EXPECT_EQ(collection.SetProductVersion(1), kAAXRefused);
      EXPECT_EQ(collection.CollectionCall7(nullptr), kAAXRefused);
      AAX_IEffectDescriptor* descriptor = collection.NewEffectDescriptor();
      ASSERT_NE(descriptor, nullptr);
      EXPECT_EQ(collection.AddEffect("x", descriptor), kAAXRefused);
      EXPECT_EQ(descriptor->AddName("x"), kAAXRefused);
      EXPECT_EQ(descriptor->EffectDescriptorCall11(1, 2, 3, 4), kAAXNotSupported);
      AAX_IComponentDescriptor* component = descriptor->NewComponentDescriptor();
      ASSERT_NE(component, nullptr);
      EXPECT_EQ(component->AddAudioIn(0), kAAXRefused);
      EXPECT_EQ(component->ComponentDescriptorCall11(1, 2), kAAXNotSupported);
      AAX_IPropertyMap* map = component->NewPropertyMap();
      ASSERT_NE(map, nullptr);
      AAX_PropertyValue value = 5;
      EXPECT_FALSE(map->PropertyMapCall1(11, &value));
      EXPECT_EQ(value, 5);
      EXPECT_EQ(map->AddProperty(11, 1), kAAXRefused);
      EXPECT_EQ(map->PropertyMapCall4(1, 2, 3), kAAXNotSupported);
      EXPECT_EQ(map->PropertyMapCall5(1, 2, 3), 0);
    }
    if (host)
    {
      EXPECT_TRUE(host->log.Balanced());
      for (const std::string& call : host->log.calls)
        EXPECT_TRUE(call.rfind("factory.", 0) == 0 || call == "host.Release") << call;
    }
  }
}

TEST(AaxDescriptionProxies, WithoutSecondInterfaces)
{
  DescriptionHost host;
  host.withoutSecond = {Kind::kDescriptor, Kind::kComponent, Kind::kMap};
  {
    AAX_VEffectDescriptor descriptor(&host);
    AAX_IComponentDescriptor* component = descriptor.NewComponentDescriptor();
    AAX_IPropertyMap* map = component->NewPropertyMap();
    host.log.calls.clear();
    EXPECT_EQ(descriptor.EffectDescriptorCall11(1, 2, 3, 4), kAAXNotSupported);
    EXPECT_EQ(component->ComponentDescriptorCall11(1, 2), kAAXNotSupported);
    EXPECT_EQ(map->PropertyMapCall4(1, 2, 3), kAAXNotSupported);
    EXPECT_EQ(map->PropertyMapCall5(1, 2, 3), 0);
    EXPECT_TRUE(host.log.calls.empty());
    EXPECT_EQ(descriptor.AddName("x"), 0) << "the first interface still works";
  }
  EXPECT_TRUE(host.log.Balanced());
}

// A parent passes on only the children it made; anything else reaches the
// host as null, and the collection refuses a descriptor it did not make.
TEST(AaxDescriptionProxies, OnlyOwnChildrenAreHandedOn)
{
  DescriptionHost host;
  {
    AAX_VCollection collection(&host);
    AAX_VCollection otherCollection(&host);
    AAX_IEffectDescriptor* descriptor = collection.NewEffectDescriptor();
    AAX_IEffectDescriptor* foreignDescriptor = otherCollection.NewEffectDescriptor();
    AAX_IComponentDescriptor* foreignComponent = foreignDescriptor->NewComponentDescriptor();
    AAX_IPropertyMap* collectionMap = collection.NewPropertyMap();
    AAX_IComponentDescriptor* component = descriptor->NewComponentDescriptor();
    host.log.calls.clear();
    EXPECT_EQ(collection.AddEffect("x", nullptr), kAAXRefused);
    EXPECT_EQ(collection.AddEffect("x", foreignDescriptor), kAAXRefused);
    EXPECT_EQ(descriptor->AddComponent(foreignComponent), 0);
    EXPECT_EQ(descriptor->AddComponent(nullptr), 0);
    EXPECT_EQ(descriptor->EffectDescriptorCall8(collectionMap), 0);
    EXPECT_EQ(component->AddProcessCallback(nullptr, collectionMap, 0, 0, 0), 0);
    EXPECT_EQ(descriptor->AddComponent(component), 0);
    EXPECT_EQ(host.log.calls, (Calls{"descriptor1.AddComponent(null)", "descriptor1.AddComponent(null)",
                                     "descriptor1.EffectDescriptorCall8(null)",
                                     "component2.AddProcessCallback(null,0,0,0)",
                                     "descriptor1.AddComponent(component2)"}));
  }
  EXPECT_TRUE(host.log.Balanced());
}

// Children first (each with its own children before it), then the second
// interface, the first, and the host object.
TEST(AaxDescriptionProxies, DestructionOrder)
{
  DescriptionHost host;
  {
    AAX_VCollection collection(&host);
    AAX_IEffectDescriptor* descriptor = collection.NewEffectDescriptor();
    AAX_IComponentDescriptor* first = descriptor->NewComponentDescriptor();
    first->NewPropertyMap();
    descriptor->NewComponentDescriptor();
    descriptor->NewPropertyMap();
    collection.NewPropertyMap();
    EXPECT_EQ(host.log.references["host"], 4);
    host.log.calls.clear();
  }
  EXPECT_EQ(host.log.calls,
            (Calls{"map1v2.Release", "map1.Release", "component1v2.Release", "component1.Release", "host.Release",
                   "component2v2.Release", "component2.Release", "host.Release", "map2v2.Release", "map2.Release",
                   "descriptor1v2.Release", "descriptor1.Release", "host.Release", "map3v2.Release", "map3.Release",
                   "collection1.Release", "host.Release"}));
  EXPECT_TRUE(host.log.Balanced());
}

TEST(AaxDescriptionProxies, CopyOfAPropertyMapTakesIdsTenTo351)
{
  DescriptionHost host;
  {
    AAX_VComponentDescriptor component(&host);
    AAX_IPropertyMap* source = component.NewPropertyMap();
    for (AAX_PropertyId id : {9u, 10u, 11u, 351u, 352u, 400u})
      source->AddProperty(id, static_cast<AAX_PropertyValue>(id * 2));
    host.log.calls.clear();
    AAX_IPropertyMap* copy = component.ComponentDescriptorCall17(source);
    ASSERT_NE(copy, nullptr);
    const auto* copied = host.Find<descfakes::Map>("map2");
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->properties, (std::map<AAX_PropertyId, AAX_PropertyValue>{{10, 20}, {11, 22}, {351, 702}}));
    EXPECT_EQ(host.log.CallsOf("map1").size(), 342u) << "every id from 10 to 351 asked, in order";
    EXPECT_EQ(host.log.CallsOf("map1").front(), "map1.PropertyMapCall1(10)");
    EXPECT_EQ(host.log.CallsOf("map1").back(), "map1.PropertyMapCall1(351)");

    host.log.calls.clear();
    AAX_IPropertyMap* empty = component.ComponentDescriptorCall17(nullptr);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(host.log.calls, (Calls{"factory.CreateHostObject(map,null)", "factory.Release"}));
  }
  EXPECT_TRUE(host.log.Balanced()) << "the copies belong to the component";
}
}
