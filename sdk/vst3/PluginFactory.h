#pragma once

#include "FObject.h"
#include "vst3_interfaces.h"

#include <vector>

namespace Steinberg
{
// The module's class factory: its own description and one create function
// per registered class.
class CPluginFactory : public FObject, public IPluginFactory3
{
public:
  typedef FUnknown* (*CreateFunction)(void* context);

  // owner, when given, is cleared when the factory is deleted, so that a
  // module holding the factory never uses it after the host's last release.
  CPluginFactory(const PFactoryInfo& info, CPluginFactory** owner);
  ~CPluginFactory() override;

  bool registerClass(const PClassInfo2& info, CreateFunction create, void* context);

  tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
  ZL_FOBJECT_FACE_REFCOUNT
  tresult PLUGIN_API getFactoryInfo(PFactoryInfo* info) override;
  int32 PLUGIN_API countClasses() override;
  tresult PLUGIN_API getClassInfo(int32 index, PClassInfo* info) override;
  tresult PLUGIN_API createInstance(FIDString cid, FIDString iid, void** obj) override;
  tresult PLUGIN_API getClassInfo2(int32 index, PClassInfo2* info) override;
  tresult PLUGIN_API getClassInfoUnicode(int32 index, PClassInfoW* info) override;
  tresult PLUGIN_API setHostContext(FUnknown* context) override;

private:
  FObject* AsFObject() { return this; }

  struct ClassEntry
  {
    PClassInfo2 info;
    CreateFunction create;
    void* context;
  };

  PFactoryInfo mInfo;
  std::vector<ClassEntry> mClasses;
  CPluginFactory** mOwner;
};
}
