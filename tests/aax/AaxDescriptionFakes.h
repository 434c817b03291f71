#pragma once

// The host's side of an effect description: a host object whose factory
// makes collections, effect descriptors, components and property maps. Each
// made object is named by its kind and number ("collection1",
// "descriptor1", "component2", "map1"; its second interface with "v2" after
// the name); their references are kept in the ledger and their calls in the
// log of the whole host ("component1.AddAudioIn(0)", "map1v2.Release").
// Objects that the plug-in hands back appear in the log by name.

#include "AAX_DescriptionInterfaces.h"
#include "AaxHostFakes.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace descfakes
{
using hostfakes::HostLog;

class DescriptionHost;

// What the factory can make.
enum class Kind
{
  kCollection,
  kDescriptor,
  kComponent,
  kMap,
};

struct PartBase
{
  virtual ~PartBase() = default;
};

// One interface of a made object. It answers the query for its object's
// second interface (and, for a collection, for the plug-in definition);
// every operation returns the result the host holds for "name.Operation",
// else 0.
template <class Interface>
class Part : public Interface, public PartBase
{
public:
  Part(DescriptionHost* host, std::string name) : mHost(host), mName(std::move(name)) {}
  Part(const Part&) = delete;
  Part& operator=(const Part&) = delete;

  int32_t ACF_CALL QueryInterface(const ACFUID* iid, void** out) override;
  int32_t ACF_CALL AddRef() override;
  int32_t ACF_CALL Release() override;

  const std::string& Name() const { return mName; }
  // Set on a first interface: what its queries may answer.
  IACFUnknown* second = nullptr;
  ACFUID secondIid = {};
  IACFUnknown* definition = nullptr;

protected:
  template <class... Arguments>
  int32_t Log(const char* operation, const Arguments&... arguments);
  std::string NameOf(const void* object) const;
  DescriptionHost* Host() const { return mHost; }

private:
  DescriptionHost* mHost;
  std::string mName;
};

class Collection final : public Part<AAX_IACFCollection>
{
public:
  using Part::Part;
  int32_t ACF_CALL CollectionSlot3() override { return Log("CollectionSlot3"); }
  int32_t ACF_CALL CollectionSlot4() override { return Log("CollectionSlot4"); }
  int32_t ACF_CALL CollectionSlot5() override { return Log("CollectionSlot5"); }
  int32_t ACF_CALL CollectionSlot6() override { return Log("CollectionSlot6"); }
  int32_t ACF_CALL AddEffect(const char* bundleId, IACFUnknown* descriptor) override
  {
    return Log("AddEffect", bundleId, NameOf(descriptor));
  }
  int32_t ACF_CALL AddManufacturerName(const char* name) override { return Log("AddManufacturerName", name); }
  int32_t ACF_CALL AddProductName(const char* name) override { return Log("AddProductName", name); }
  int32_t ACF_CALL SetProductVersion(uint32_t version) override { return Log("SetProductVersion", version); }
  int32_t ACF_CALL CollectionCall7(IACFUnknown* map) override { return Log("CollectionCall7", NameOf(map)); }
};

class Descriptor final : public Part<AAX_IACFEffectDescriptor_V2>
{
public:
  using Part::Part;
  int32_t ACF_CALL AddComponent(IACFUnknown* component) override { return Log("AddComponent", NameOf(component)); }
  int32_t ACF_CALL AddName(const char* name) override { return Log("AddName", name); }
  int32_t ACF_CALL AddTypeFlags(uint32_t flags) override { return Log("AddTypeFlags", flags); }
  int32_t ACF_CALL EffectDescriptorCall5(AAX_Value a, AAX_Value b) override
  {
    return Log("EffectDescriptorCall5", a, b);
  }
  int32_t ACF_CALL AddCreateCallback(AAX_CreateCallback callback, uint32_t id) override;
  int32_t ACF_CALL EffectDescriptorCall8(IACFUnknown* map) override
  {
    return Log("EffectDescriptorCall8", NameOf(map));
  }
  int32_t ACF_CALL EffectDescriptorCall9(AAX_Value a, AAX_Value b) override
  {
    return Log("EffectDescriptorCall9", a, b);
  }
  int32_t ACF_CALL EffectDescriptorCall10(AAX_Value a, AAX_Value b, IACFUnknown* map) override
  {
    return Log("EffectDescriptorCall10", a, b, NameOf(map));
  }
  int32_t ACF_CALL EffectDescriptorCall11(AAX_Value a, AAX_Value b, AAX_Value c, AAX_Value d) override
  {
    return Log("EffectDescriptorCall11", a, b, c, d);
  }
};

class Component final : public Part<AAX_IACFComponentDescriptor_V2>
{
public:
  using Part::Part;
  int32_t ACF_CALL ComponentDescriptorCall1() override { return Log("ComponentDescriptorCall1"); }
  int32_t ACF_CALL ComponentDescriptorCall15(AAX_Value a, AAX_Value b) override
  {
    return Log("ComponentDescriptorCall15", a, b);
  }
  int32_t ACF_CALL AddAudioIn(uint32_t field) override { return Log("AddAudioIn", field); }
  int32_t ACF_CALL AddAudioOut(uint32_t field) override { return Log("AddAudioOut", field); }
  int32_t ACF_CALL AddAudioBufferLength(uint32_t field) override { return Log("AddAudioBufferLength", field); }
  int32_t ACF_CALL ComponentDescriptorCall5(AAX_Value v) override { return Log("ComponentDescriptorCall5", v); }
  int32_t ACF_CALL ComponentDescriptorCall6(AAX_Value v) override { return Log("ComponentDescriptorCall6", v); }
  int32_t ACF_CALL ComponentDescriptorCall7(AAX_Value v) override { return Log("ComponentDescriptorCall7", v); }
  int32_t ACF_CALL ComponentDescriptorCall8(AAX_Value a, AAX_Value b, AAX_Value c) override
  {
    return Log("ComponentDescriptorCall8", a, b, c);
  }
  int32_t ACF_CALL AddFieldEntry(uint32_t field, uint32_t id, uint32_t value) override
  {
    return Log("AddFieldEntry", field, id, value);
  }
  int32_t ACF_CALL AddPrivateData(uint32_t field, uint32_t size, uint32_t option) override
  {
    return Log("AddPrivateData", field, size, option);
  }
  int32_t ACF_CALL ComponentDescriptorCall12(AAX_Value a, AAX_Value b) override
  {
    return Log("ComponentDescriptorCall12", a, b);
  }
  int32_t ACF_CALL AddMidiNode(uint32_t field, int32_t type, const char* name, uint32_t mask) override
  {
    return Log("AddMidiNode", field, type, name, mask);
  }
  int32_t ACF_CALL AddProcessCallback(AAX_ProcessCallback callback, IACFUnknown* properties, AAX_Value a,
                                      AAX_Value b, AAX_Value c) override;
  int32_t ACF_CALL ComponentDescriptorCall19(AAX_Value a, AAX_Value b, IACFUnknown* map, AAX_Value c, AAX_Value d,
                                             AAX_Value e) override
  {
    return Log("ComponentDescriptorCall19", a, b, NameOf(map), c, d, e);
  }
  int32_t ACF_CALL AddIdListField(uint32_t field, const int32_t* ids, uint32_t count) override
  {
    std::string list;
    for (uint32_t i = 0; i < count; ++i)
      list += (i ? " " : "") + std::to_string(ids[i]);
    return Log("AddIdListField", field, list, count);
  }
  int32_t ACF_CALL ComponentDescriptorCall11(AAX_Value a, AAX_Value b) override
  {
    return Log("ComponentDescriptorCall11", a, b);
  }
};

// Keeps what is added; the first interface answers for the whole map.
class Map final : public Part<AAX_IACFPropertyMap_V2>
{
public:
  using Part::Part;
  AAX_Answer ACF_CALL PropertyMapCall1(AAX_PropertyId id, AAX_PropertyValue* value) override
  {
    Log("PropertyMapCall1", id);
    const auto found = properties.find(id);
    if (found == properties.end())
      return false;
    *value = found->second;
    return true;
  }
  int32_t ACF_CALL AddProperty(AAX_PropertyId id, AAX_PropertyValue value) override;
  int32_t ACF_CALL PropertyMapCall3(AAX_Value v) override { return Log("PropertyMapCall3", v); }
  int32_t ACF_CALL PropertyMapCall4(AAX_Value a, AAX_Value b, AAX_Value c) override
  {
    return Log("PropertyMapCall4", a, b, c);
  }
  int32_t ACF_CALL PropertyMapCall5(AAX_Value a, AAX_Value b, AAX_Value c) override
  {
    return Log("PropertyMapCall5", a, b, c);
  }

  std::map<AAX_PropertyId, AAX_PropertyValue> properties;
};

// Makes the description objects for their classes and interfaces, with the
// first reference for the caller.
class DescriptionFactory final : public hostfakes::Face<IACFHostObjectFactory>
{
public:
  DescriptionFactory(HostLog* log, DescriptionHost* host) : Face(log, "factory"), mHost(host) {}
  int32_t ACF_CALL CreateHostObject(const ACFUID* classId, IACFUnknown* outer, const ACFUID* iid,
                                    void** out) override;

private:
  DescriptionHost* mHost;
};

// The host object of a description: it offers the factory (unless
// withdrawn) and keeps every object made.
class DescriptionHost final : public IACFUnknown
{
public:
  DescriptionHost() = default;
  DescriptionHost(const DescriptionHost&) = delete;
  DescriptionHost& operator=(const DescriptionHost&) = delete;

  int32_t ACF_CALL QueryInterface(const ACFUID* iid, void** out) override
  {
    *out = nullptr;
    if (!offersFactory || *iid != IID_IACFHostObjectFactory)
      return kACFNoInterface;
    factory.AddRef();
    *out = static_cast<IACFHostObjectFactory*>(&factory);
    return kAAXSuccess;
  }
  int32_t ACF_CALL AddRef() override { return ++log.references["host"]; }
  int32_t ACF_CALL Release() override
  {
    log.calls.push_back("host.Release");
    return --log.references["host"];
  }

  // A made object by name (first or second interface), null when none.
  template <class T>
  T* Find(const std::string& name) const
  {
    for (const auto& [object, objectName] : mNames)
      if (objectName == name)
        return static_cast<T*>(static_cast<IACFUnknown*>(const_cast<void*>(object)));
    return nullptr;
  }
  std::string NameOf(const void* object) const
  {
    if (!object)
      return "null";
    const auto found = mNames.find(object);
    return found == mNames.end() ? "unknown" : found->second;
  }
  int32_t ResultOf(const std::string& call) const
  {
    const auto found = results.find(call);
    return found == results.end() ? 0 : found->second;
  }
  // Makes one object of the kind: its first interface, referenced once.
  IACFUnknown* Make(Kind kind);

  HostLog log;
  DescriptionFactory factory{&log, this};
  bool offersFactory = true;
  // Kinds the factory refuses to make, and kinds whose objects have no
  // second interface.
  std::set<Kind> refused;
  std::set<Kind> withoutSecond;
  // Whether a collection answers IID_ACFPluginDefinition.
  bool offersDefinition = true;
  hostfakes::Face<IACFUnknown> definition{&log, "definition"};
  // Results by "name.Operation", and of AddProperty by property id.
  std::map<std::string, int32_t> results;
  std::map<AAX_PropertyId, int32_t> propertyResults;
  std::vector<std::pair<uint32_t, AAX_CreateCallback>> createCallbacks;
  std::vector<AAX_ProcessCallback> processCallbacks;

private:
  template <class Object>
  Object* Keep(const std::string& name)
  {
    auto object = std::make_unique<Object>(this, name);
    Object* kept = object.get();
    mNames[static_cast<const void*>(static_cast<IACFUnknown*>(kept))] = name;
    mObjects.push_back(std::move(object));
    return kept;
  }
  template <class Object>
  IACFUnknown* MakeWithSecond(const std::string& name, const ACFUID& secondIid, Kind kind)
  {
    Object* first = Keep<Object>(name);
    if (!withoutSecond.count(kind))
    {
      first->second = Keep<Object>(name + "v2");
      first->secondIid = secondIid;
    }
    first->AddRef();
    return first;
  }

  std::map<Kind, int> mCounts;
  std::map<const void*, std::string> mNames;
  std::vector<std::unique_ptr<PartBase>> mObjects;
};

template <class Interface>
int32_t Part<Interface>::QueryInterface(const ACFUID* iid, void** out)
{
  *out = nullptr;
  IACFUnknown* answer = nullptr;
  if (second && *iid == secondIid)
    answer = second;
  else if (definition && *iid == IID_ACFPluginDefinition)
    answer = definition;
  if (!answer)
    return kACFNoInterface;
  answer->AddRef();
  *out = answer;
  return kAAXSuccess;
}

template <class Interface>
int32_t Part<Interface>::AddRef()
{
  return ++mHost->log.references[mName];
}

template <class Interface>
int32_t Part<Interface>::Release()
{
  mHost->log.calls.push_back(mName + ".Release");
  return --mHost->log.references[mName];
}

template <class Interface>
template <class... Arguments>
int32_t Part<Interface>::Log(const char* operation, const Arguments&... arguments)
{
  std::ostringstream text;
  text << mName << '.' << operation << '(';
  hostfakes::Append(text, arguments...);
  text << ')';
  mHost->log.calls.push_back(text.str());
  return mHost->ResultOf(mName + "." + operation);
}

template <class Interface>
std::string Part<Interface>::NameOf(const void* object) const
{
  return mHost->NameOf(object);
}

inline int32_t Descriptor::AddCreateCallback(AAX_CreateCallback callback, uint32_t id)
{
  Host()->createCallbacks.emplace_back(id, callback);
  return Log("AddCreateCallback", id);
}

inline int32_t Component::AddProcessCallback(AAX_ProcessCallback callback, IACFUnknown* properties, AAX_Value a,
                                             AAX_Value b, AAX_Value c)
{
  Host()->processCallbacks.push_back(callback);
  return Log("AddProcessCallback", NameOf(properties), a, b, c);
}

inline int32_t ACF_CALL Map::AddProperty(AAX_PropertyId id, AAX_PropertyValue value)
{
  properties[id] = value;
  const int32_t result = Log("AddProperty", id, value);
  const auto byId = Host()->propertyResults.find(id);
  return byId == Host()->propertyResults.end() ? result : byId->second;
}

inline IACFUnknown* DescriptionHost::Make(Kind kind)
{
  const std::string number = std::to_string(++mCounts[kind]);
  switch (kind)
  {
  case Kind::kCollection:
  {
    Collection* collection = Keep<Collection>("collection" + number);
    if (offersDefinition)
      collection->definition = &definition;
    collection->AddRef();
    return collection;
  }
  case Kind::kDescriptor:
    return MakeWithSecond<Descriptor>("descriptor" + number, IID_AAX_IACFEffectDescriptor_V2, kind);
  case Kind::kComponent:
    return MakeWithSecond<Component>("component" + number, IID_AAX_IACFComponentDescriptor_V2, kind);
  case Kind::kMap:
    return MakeWithSecond<Map>("map" + number, IID_AAX_IACFPropertyMap_V2, kind);
  }
  return nullptr;
}

inline int32_t DescriptionFactory::CreateHostObject(const ACFUID* classId, IACFUnknown* outer, const ACFUID* iid,
                                                    void** out)
{
  struct Class
  {
    ACFUID classId;
    ACFUID iid;
    Kind kind;
    const char* name;
  };
  static const Class kClasses[] = {
    {CLSID_AAX_Collection, IID_AAX_IACFCollection, Kind::kCollection, "collection"},
    {CLSID_AAX_EffectDescriptor, IID_AAX_IACFEffectDescriptor, Kind::kDescriptor, "descriptor"},
    {CLSID_AAX_ComponentDescriptor, IID_AAX_IACFComponentDescriptor, Kind::kComponent, "component"},
    {CLSID_AAX_PropertyMap, IID_AAX_IACFPropertyMap, Kind::kMap, "map"},
  };
  *out = nullptr;
  for (const Class& known : kClasses)
    if (known.classId == *classId)
    {
      Log("CreateHostObject", known.name, outer ? "outer" : "null");
      if (known.iid != *iid || mHost->refused.count(known.kind))
        return kACFNoInterface;
      *out = mHost->Make(known.kind);
      return kAAXSuccess;
    }
  Log("CreateHostObject", "unknown class");
  return kACFNoInterface;
}
}
