// effSetChunk with arbitrary bytes, as a program and as a bank, on the
// effect and on a plug with three programs (one never initialised): never a
// crash, every parameter finite and in range, and what effGetChunk hands
// out afterwards, handed back through the same pointer, answers 1 and
// leaves every parameter and every program as it was.

#include "Vst2Host.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace
{
struct ThreeProgramPlug : TestVstPlug
{
  ThreeProgramPlug() : TestVstPlug("1-1 2-2", false, "TestVstPlug", "Zelvar", "", 3)
  {
    StoreDefaultPreset("zero", 1);
    GetParam(0)->Set(6.0);
    StoreDefaultPreset("six", 1);
    ApplyPreset(0);
  }
};

// Every parameter's bits, and every program's name, flag and state.
std::string Snapshot(const IPlugBase& plug)
{
  std::string bytes;
  for (int i = 0; i < plug.NParams(); ++i)
  {
    const double value = plug.GetParam(i)->Value();
    bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
  }
  for (int i = 0; i < plug.NPresets(); ++i)
  {
    const IPlugPreset* preset = plug.GetPreset(i);
    bytes += preset->name;
    bytes += preset->initialised ? '1' : '0';
    bytes.append(reinterpret_cast<const char*>(preset->state.Get()), preset->state.Size());
  }
  return bytes;
}

void CheckValues(const IPlugBase& plug)
{
  for (int i = 0; i < plug.NParams(); ++i)
  {
    const IPlugParameter* param = plug.GetParam(i);
    if (!std::isfinite(param->Value()) || param->Value() < param->Min() || param->Value() > param->Max())
      __builtin_trap();
  }
}

template <class Host>
void SetThenRoundTrip(Host& host, IPlugBase& plug, int32_t index, const std::uint8_t* data, std::size_t size)
{
  host.Dispatch(effSetChunk, index, static_cast<intptr_t>(size), const_cast<std::uint8_t*>(data));
  CheckValues(plug);

  void* chunk = nullptr;
  const intptr_t chunkSize = host.Dispatch(effGetChunk, index, 0, &chunk);
  if (chunkSize <= 0 || !chunk)
    __builtin_trap();
  const std::vector<unsigned char> handedOut(static_cast<unsigned char*>(chunk),
                                             static_cast<unsigned char*>(chunk) + chunkSize);
  const std::string before = Snapshot(plug);
  if (host.Dispatch(effSetChunk, index, chunkSize, chunk) != 1 || Snapshot(plug) != before)
    __builtin_trap();
  void* again = nullptr;
  const intptr_t againSize = host.Dispatch(effGetChunk, index, 0, &again);
  if (againSize != chunkSize || std::memcmp(again, handedOut.data(), handedOut.size()) != 0)
    __builtin_trap();
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  if (size == 0 || size > 1 << 16)
    return 0;
  static Instance* effect = new Instance;
  static ThreeProgramPlug* three = new ThreeProgramPlug;
  // The first byte frames the rest: with bit 0 set, a chunk version header
  // goes in front (the fuzzer is slow to find its magic), so that the bank
  // format is reached from the first runs; else the bytes go as they are.
  static const std::uint8_t kHeader[8] = {0x74, 0x66, 0x66, 0x70, 0, 0, 1, 0};
  std::vector<std::uint8_t> bytes;
  if (data[0] & 1)
    bytes.assign(kHeader, kHeader + sizeof kHeader);
  bytes.insert(bytes.end(), data + 1, data + size);
  for (int32_t index : {1, 0})
  {
    SetThenRoundTrip(*effect, *effect->plug(), index, bytes.data(), bytes.size());
    SetThenRoundTrip(*three, *three, index, bytes.data(), bytes.size());
  }
  effect->host.calls.clear();
  three->log.clear();
  return 0;
}
