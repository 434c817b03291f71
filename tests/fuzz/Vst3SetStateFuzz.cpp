// The VST3 state stream read back from arbitrary bytes, through both faces:
// never a crash, every parameter finite and in range, and what getState
// writes afterwards reads back unchanged.

#include "Vst3Effect.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace
{
using namespace Steinberg;

class Stream : public IBStream
{
public:
  tresult PLUGIN_API queryInterface(const TUID, void** obj) override
  {
    *obj = nullptr;
    return kNoInterface;
  }
  uint32 PLUGIN_API addRef() override { return 1; }
  uint32 PLUGIN_API release() override { return 1; }
  tresult PLUGIN_API read(void* buffer, int32 count, int32* got) override
  {
    int32 n = count < static_cast<int32>(bytes.size()) - position ? count : static_cast<int32>(bytes.size()) - position;
    n = n < 0 ? 0 : n;
    if (n)
      std::memcpy(buffer, bytes.data() + position, n);
    position += n;
    if (got)
      *got = n;
    return kResultOk;
  }
  tresult PLUGIN_API write(void* buffer, int32 count, int32* written) override
  {
    const unsigned char* p = static_cast<const unsigned char*>(buffer);
    bytes.insert(bytes.end(), p, p + count);
    if (written)
      *written = count;
    return kResultOk;
  }
  tresult PLUGIN_API seek(int64, int32, int64*) override { return kResultFalse; }
  tresult PLUGIN_API tell(int64*) override { return kResultFalse; }
  std::vector<unsigned char> bytes;
  int32 position = 0;
};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  if (size > 4096)
    return 0;
  static Vst3Effect* plug = [] {
    Vst3Effect* p = new Vst3Effect(IPlugVST3::InstanceInfo());
    p->initialize(nullptr);
    return p;
  }();
  Stream in;
  in.bytes.assign(data, data + size);
  const bool viaComponent = size && (data[0] & 1);
  if (viaComponent)
    static_cast<Vst::IComponent*>(plug)->setState(&in);
  else
    static_cast<Vst::IEditController*>(plug)->setState(&in);

  for (int i = 0; i < plug->NParams(); ++i)
  {
    const IPlugParameter* param = plug->GetParam(i);
    if (!std::isfinite(param->Value()) || param->Value() < param->Min() || param->Value() > param->Max())
      __builtin_trap();
  }
  Stream out;
  if (static_cast<Vst::IEditController*>(plug)->getState(&out) != kResultOk || out.bytes.size() != 148)
    __builtin_trap();
  Stream again;
  again.bytes = out.bytes;
  if (static_cast<Vst::IEditController*>(plug)->setState(&again) != kResultOk)
    __builtin_trap();
  Stream check;
  static_cast<Vst::IEditController*>(plug)->getState(&check);
  if (check.bytes != out.bytes)
    __builtin_trap();
  return 0;
}
