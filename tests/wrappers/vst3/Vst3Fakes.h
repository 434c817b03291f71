#pragma once

// Host-side objects of the VST3 interface for the wrapper's tests.

#include "vst3_interfaces.h"

#include <cstring>
#include <string>
#include <vector>

namespace fakes
{
using namespace Steinberg;
using namespace Steinberg::Vst;

// An object that is never deleted through its references.
template <class Interface>
class Static : public Interface
{
public:
  tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override
  {
    if (SameUID(iid, FUnknown::iid.data) || SameUID(iid, Interface::iid.data))
    {
      *obj = static_cast<Interface*>(this);
      addRef();
      return kResultOk;
    }
    *obj = nullptr;
    return kNoInterface;
  }
  uint32 PLUGIN_API addRef() override { return ++refs; }
  uint32 PLUGIN_API release() override { return --refs; }
  int refs = 1;
};

class HostApplication : public Static<IHostApplication>
{
public:
  explicit HostApplication(const char* name) : name(name) {}
  tresult PLUGIN_API getName(String128 out) override
  {
    size_t i = 0;
    for (; i < name.size() && i < 127; ++i)
      out[i] = static_cast<char16>(name[i]);
    out[i] = 0;
    return kResultOk;
  }
  tresult PLUGIN_API createInstance(TUID, TUID, void** obj) override
  {
    *obj = nullptr;
    return kNoInterface;
  }
  std::string name;
};

class Stream : public Static<IBStream>
{
public:
  tresult PLUGIN_API read(void* buffer, int32 count, int32* got) override
  {
    int32 n = count;
    if (n > static_cast<int32>(bytes.size()) - position)
      n = static_cast<int32>(bytes.size()) - position;
    if (n < 0)
      n = 0;
    if (n > 0)
      std::memcpy(buffer, bytes.data() + position, n);
    position += n;
    if (got && reportsCounts)
      *got = n;
    return kResultOk;
  }
  tresult PLUGIN_API write(void* buffer, int32 count, int32* written) override
  {
    int32 n = count;
    if (capacity >= 0 && n > capacity - static_cast<int32>(bytes.size()))
      n = capacity - static_cast<int32>(bytes.size());
    const unsigned char* p = static_cast<const unsigned char*>(buffer);
    bytes.insert(bytes.end(), p, p + n);
    if (written && reportsCounts)
      *written = n;
    return kResultOk;
  }
  tresult PLUGIN_API seek(int64 pos, int32, int64* result) override
  {
    position = static_cast<int32>(pos);
    if (result)
      *result = position;
    return kResultOk;
  }
  tresult PLUGIN_API tell(int64* pos) override
  {
    *pos = position;
    return kResultOk;
  }
  std::vector<unsigned char> bytes;
  int32 position = 0;
  int32 capacity = -1;  // unlimited
  bool reportsCounts = true;  // some hosts' streams leave the counts alone
};

class ComponentHandler : public Static<IComponentHandler>
{
public:
  tresult PLUGIN_API beginEdit(ParamID id) override
  {
    log.push_back("begin " + std::to_string(id));
    return kResultOk;
  }
  tresult PLUGIN_API performEdit(ParamID id, ParamValue value) override
  {
    log.push_back("perform " + std::to_string(id) + " " + std::to_string(value));
    return kResultOk;
  }
  tresult PLUGIN_API endEdit(ParamID id) override
  {
    log.push_back("end " + std::to_string(id));
    return kResultOk;
  }
  tresult PLUGIN_API restartComponent(int32 flags) override
  {
    log.push_back("restart " + std::to_string(flags));
    return kResultOk;
  }
  std::vector<std::string> log;
};

// The host's context menu: logs where it pops up.
class ContextMenu : public Static<IContextMenu>
{
public:
  int32 PLUGIN_API getItemCount() override { return 0; }
  tresult PLUGIN_API getItem(int32, IContextMenuItem&, IContextMenuTarget**) override { return kResultFalse; }
  tresult PLUGIN_API addItem(const IContextMenuItem&, IContextMenuTarget*) override { return kResultFalse; }
  tresult PLUGIN_API removeItem(const IContextMenuItem&, IContextMenuTarget*) override { return kResultFalse; }
  tresult PLUGIN_API popup(int32 x, int32 y) override
  {
    log.push_back("popup " + std::to_string(x) + " " + std::to_string(y));
    return kResultOk;
  }
  std::vector<std::string> log;
};

// A component handler that also offers the host's parameter menus (or
// offers none when menus is false); its menu requests join the edit log.
class MenuComponentHandler : public ComponentHandler, public IComponentHandler3
{
public:
  tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override
  {
    if (SameUID(iid, IComponentHandler3::iid.data))
    {
      *obj = static_cast<IComponentHandler3*>(this);
      addRef();
      return kResultOk;
    }
    return ComponentHandler::queryInterface(iid, obj);
  }
  uint32 PLUGIN_API addRef() override { return ComponentHandler::addRef(); }
  uint32 PLUGIN_API release() override { return ComponentHandler::release(); }
  IContextMenu* PLUGIN_API createContextMenu(IPlugView* view, const ParamID* id) override
  {
    log.push_back("menu " + (id ? std::to_string(*id) : std::string("none")));
    menuView = view;
    if (!menus)
      return nullptr;
    menu.addRef();
    return &menu;
  }
  ContextMenu menu;
  IPlugView* menuView = nullptr;
  bool menus = true;
};

// The host's frame around a view: logs each resize request and answers it,
// and can take the new size at once (calling the view's onSize before it
// answers, as some hosts do).
class PlugFrame : public Static<IPlugFrame>
{
public:
  tresult PLUGIN_API resizeView(IPlugView* view, ViewRect* size) override
  {
    log.push_back("resize " + std::to_string(size->left) + " " + std::to_string(size->top) + " " +
                  std::to_string(size->right) + " " + std::to_string(size->bottom));
    lastView = view;
    if (sizesAtOnce)
      view->onSize(size);
    return answer;
  }
  std::vector<std::string> log;
  IPlugView* lastView = nullptr;
  tresult answer = kResultTrue;
  bool sizesAtOnce = false;
};

class ValueQueue : public Static<IParamValueQueue>
{
public:
  ValueQueue(ParamID id, std::vector<ParamValue> points) : id(id), points(std::move(points)) {}
  ParamID PLUGIN_API getParameterId() override { return id; }
  int32 PLUGIN_API getPointCount() override { return static_cast<int32>(points.size()); }
  tresult PLUGIN_API getPoint(int32 index, int32& offset, ParamValue& value) override
  {
    if (index < 0 || index >= getPointCount())
      return kResultFalse;
    offset = index;
    value = points[index];
    return kResultOk;
  }
  tresult PLUGIN_API addPoint(int32, ParamValue, int32&) override { return kResultFalse; }
  ParamID id;
  std::vector<ParamValue> points;
};

class ParameterChanges : public Static<IParameterChanges>
{
public:
  int32 PLUGIN_API getParameterCount() override { return static_cast<int32>(queues.size()); }
  IParamValueQueue* PLUGIN_API getParameterData(int32 index) override
  {
    return index >= 0 && index < getParameterCount() ? queues[index] : nullptr;
  }
  IParamValueQueue* PLUGIN_API addParameterData(const ParamID&, int32&) override { return nullptr; }
  std::vector<IParamValueQueue*> queues;
};

class EventList : public Static<IEventList>
{
public:
  int32 PLUGIN_API getEventCount() override { return static_cast<int32>(events.size()); }
  tresult PLUGIN_API getEvent(int32 index, Event& e) override
  {
    if (index < 0 || index >= getEventCount())
      return kResultFalse;
    e = events[index];
    return kResultOk;
  }
  tresult PLUGIN_API addEvent(Event&) override { return kResultFalse; }
  std::vector<Event> events;
};
}
