#include "ACFExports.h"

#include "AAX_VCollection.h"
#include "AAX_VHostServices.h"
#include "CACFUnknown.h"
#include "HostEntryGuard.h"
#include "HostTrace.h"

#include <new>

int32_t ACF_EXPORT_CALL ACFCanUnloadNow(IACFUnknown*)
{
  return GuardedEntry([] { return CACFUnknown::LiveObjects(); });
}

int32_t ACF_EXPORT_CALL ACFGetClassFactory(AAX_Value, AAX_Value, AAX_Value, void** factory)
{
  return GuardedEntry([&] {
    if (factory)
      *factory = nullptr;
    return static_cast<int32_t>(kAAXNotSupported);
  });
}

int32_t ACF_EXPORT_CALL ACFGetSDKVersion(uint64_t* version)
{
  return GuardedEntry([&] {
    if (!version)
      return static_cast<int32_t>(kAAXRefused);
    *version = kACFSDKVersion;
    return static_cast<int32_t>(kAAXSuccess);
  });
}

int32_t ACF_EXPORT_CALL ACFRegisterComponent(AAX_Value, AAX_Value, uint32_t* answer)
{
  return GuardedEntry([&] {
    if (!answer)
      return static_cast<int32_t>(kAAXRefused);
    *answer = 0;
    return static_cast<int32_t>(kAAXSuccess);
  });
}

int32_t ACF_EXPORT_CALL ACFRegisterPlugin(IACFUnknown* host, void** definition)
{
  return GuardedEntry([&] {
    // Releases everything the description made, on every way out.
    AAX_VCollection collection(host);
    const int32_t described = DescribeEffects(&collection);
    if (described != kAAXSuccess)
      return described;
    if (!definition)
      return static_cast<int32_t>(kAAXRefused);
    *definition = nullptr;
    IACFUnknown* description = collection.HostInterface();
    if (!description || description->QueryInterface(&IID_ACFPluginDefinition, definition) != kAAXSuccess)
      return static_cast<int32_t>(kAAXRefused);
    return static_cast<int32_t>(kAAXSuccess);
  });
}

int32_t ACF_EXPORT_CALL ACFShutdown(IACFUnknown*)
{
  return GuardedEntry([] {
    AAX_IHostServices* services = GetHostServices();
    SetHostServices(nullptr);
    delete services;
    return static_cast<int32_t>(kAAXSuccess);
  });
}

int32_t ACF_EXPORT_CALL ACFStartup(IACFUnknown* host)
{
  return GuardedEntry([&] {
    if (!GetHostServices() && host)
      SetHostServices(new (std::nothrow) AAX_VHostServices(host));
    return static_cast<int32_t>(kAAXSuccess);
  });
}
