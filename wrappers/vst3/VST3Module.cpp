// The module's exports: DllMain, InitDll, ExitDll and GetPluginFactory, the
// class factory with its one effect class, and the instance factory.

#include "CreatePlugInstance.h"
#include "HostCallGuard.h"
#include "IPlugVST3.h"
#include "ModuleHandle.h"
#include "PluginFactory.h"
#include "UString.h"

#include <windows.h>

#include <memory>

using namespace Steinberg;

namespace
{
HINSTANCE gDllInstance = nullptr;
CPluginFactory* gFactory = nullptr;

// 0D E7 AE F2 DE 00 4E 4F, then the maker code and the product code.
FUIDBytes PlugClassId()
{
  return MakeUID(0xF2AEE70D, 0x00DE4F4E, static_cast<uint32>(FourCharCode("Zvlr")),
                 static_cast<uint32>(FourCharCode("ZvLP")));
}

PFactoryInfo MakeFactoryInfo()
{
  PFactoryInfo info;
  CopyField(info.vendor, sizeof info.vendor, "Zelvar");
  CopyField(info.url, sizeof info.url, "https://zelvar.example");
  CopyField(info.email, sizeof info.email, "mailto:plugins@zelvar.example");
  info.flags = PFactoryInfo::kUnicode;
  return info;
}

PClassInfo2 MakeClassInfo(const FUIDBytes& cid)
{
  PClassInfo2 info;
  std::memset(&info, 0, sizeof info);
  std::memcpy(info.cid, cid.data, sizeof info.cid);
  info.cardinality = PClassInfo::kManyInstances;
  CopyField(info.category, sizeof info.category, "Audio Module Class");
  CopyField(info.name, sizeof info.name, "ZelvarLispera");
  info.classFlags = 2;  // kSimpleModeSupported
  CopyField(info.subCategories, sizeof info.subCategories, "Fx|Dynamics");
  CopyField(info.version, sizeof info.version, "1.3.1");
  CopyField(info.sdkVersion, sizeof info.sdkVersion, "VST 3.5.2");
  return info;
}
}

namespace
{
FUnknown* CreateVst3Instance(void*)
{
  IPlugVST3* plug = CreatePlugInstance<IPlugVST3>();
  return plug ? static_cast<Vst::IAudioProcessor*>(plug) : nullptr;
}
}

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
  if (reason == DLL_PROCESS_ATTACH)
  {
    gDllInstance = instance;
    // A host that never calls InitDll still gets a working module handle.
    SetModuleInstance(instance);
  }
  return TRUE;
}

bool PLUGIN_API InitDll()
{
  SetModuleInstance(gDllInstance);
  return true;
}

bool PLUGIN_API ExitDll() { return true; }

IPluginFactory* PLUGIN_API GetPluginFactory()
{
  return GuardHostCall<IPluginFactory*>(nullptr, nullptr, []() -> IPluginFactory* {
    if (gFactory)
    {
      gFactory->addRef();
      return gFactory;
    }
    static const PFactoryInfo factoryInfo = MakeFactoryInfo();
    static const PClassInfo2 classInfo = MakeClassInfo(PlugClassId());
    // The factory clears gFactory when the host's last release deletes it.
    std::unique_ptr<CPluginFactory> factory(new CPluginFactory(factoryInfo, &gFactory));
    factory->registerClass(classInfo, CreateVst3Instance, nullptr);
    gFactory = factory.release();
    return gFactory;
  });
}
}
