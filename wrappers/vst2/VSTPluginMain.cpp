// The module's entry: one effect per call, on the VST2 wrapper, for the
// host whose callback is given. The legacy entry `main` is this function
// under a second export name (see the .def file), so that a callback above
// 4 GiB reaches the instance whole.

#include "CreatePlugInstance.h"
#include "HostCallGuard.h"
#include "IPlugVST.h"

#include <memory>

extern "C" AEffect* VSTCALLBACK VSTPluginMain(audioMasterCallback hostCallback)
{
  return GuardHostCall<AEffect*>(nullptr, nullptr, [&]() -> AEffect* {
    std::unique_ptr<IPlugVST> plug(CreatePlugInstance<IPlugVST>(IPlugVST::InstanceInfo{hostCallback}));
    if (!plug)
      return nullptr;
    AEffect* effect = plug->EffectForHost();
    plug.release();  // the host's until effClose
    return effect;
  });
}
