#include "PluginFactory.h"

#include "UString.h"

namespace Steinberg
{
CPluginFactory::CPluginFactory(const PFactoryInfo& info, CPluginFactory** owner) : mInfo(info), mOwner(owner) {}

CPluginFactory::~CPluginFactory()
{
  if (mOwner && *mOwner == this)
    *mOwner = nullptr;
}

bool CPluginFactory::registerClass(const PClassInfo2& info, CreateFunction create, void* context)
{
  mClasses.push_back({info, create, context});
  return true;
}

tresult PLUGIN_API CPluginFactory::queryInterface(const TUID iid, void** obj)
{
  if (!obj)
    return kInvalidArgument;
  if (SameUID(iid, FUnknown::iid.data) || SameUID(iid, IPluginFactory::iid.data) ||
      SameUID(iid, IPluginFactory2::iid.data) || SameUID(iid, IPluginFactory3::iid.data))
    return GiveInterface(static_cast<IPluginFactory3*>(this), this, obj);
  *obj = nullptr;
  return kNoInterface;
}

tresult PLUGIN_API CPluginFactory::getFactoryInfo(PFactoryInfo* info)
{
  if (!info)
    return kInvalidArgument;
  *info = mInfo;
  return kResultOk;
}

int32 PLUGIN_API CPluginFactory::countClasses() { return static_cast<int32>(mClasses.size()); }

tresult PLUGIN_API CPluginFactory::getClassInfo(int32 index, PClassInfo* info)
{
  if (!info || index < 0 || index >= countClasses())
    return kInvalidArgument;
  const PClassInfo2& source = mClasses[index].info;
  std::memcpy(info->cid, source.cid, sizeof(TUID));
  info->cardinality = source.cardinality;
  std::memcpy(info->category, source.category, sizeof info->category);
  std::memcpy(info->name, source.name, sizeof info->name);
  return kResultOk;
}

tresult PLUGIN_API CPluginFactory::getClassInfo2(int32 index, PClassInfo2* info)
{
  if (!info || index < 0 || index >= countClasses())
    return kInvalidArgument;
  *info = mClasses[index].info;
  return kResultOk;
}

tresult PLUGIN_API CPluginFactory::getClassInfoUnicode(int32 index, PClassInfoW* info)
{
  if (!info || index < 0 || index >= countClasses())
    return kInvalidArgument;
  const PClassInfo2& source = mClasses[index].info;
  std::memset(info, 0, sizeof *info);
  std::memcpy(info->cid, source.cid, sizeof(TUID));
  info->cardinality = source.cardinality;
  std::memcpy(info->category, source.category, sizeof info->category);
  WidenText(info->name, 64, source.name);
  info->classFlags = source.classFlags;
  std::memcpy(info->subCategories, source.subCategories, sizeof info->subCategories);
  WidenText(info->vendor, 64, source.vendor);
  WidenText(info->version, 64, source.version);
  WidenText(info->sdkVersion, 64, source.sdkVersion);
  return kResultOk;
}

tresult PLUGIN_API CPluginFactory::createInstance(FIDString cid, FIDString iid, void** obj)
{
  if (!obj)
    return kInvalidArgument;
  *obj = nullptr;
  if (!cid || !iid)
    return kInvalidArgument;
  for (const ClassEntry& entry : mClasses)
  {
    if (!SameUID(cid, entry.info.cid))
      continue;
    FUnknown* instance = entry.create(entry.context);
    if (!instance)
      return kNoInterface;
    const tresult result = instance->queryInterface(iid, obj);
    instance->release();  // the creation reference
    if (result != kResultOk)
      *obj = nullptr;
    return result;
  }
  return kNoInterface;
}

tresult PLUGIN_API CPluginFactory::setHostContext(FUnknown* /*context*/) { return kNotImplemented; }
}
