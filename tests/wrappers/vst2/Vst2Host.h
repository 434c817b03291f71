#pragma once

#include "IPlugVST.h"
#include "ZelvarLispera.h"

#include <cstring>
#include <string>
#include <vector>

// The module's entry, as a host finds it.
extern "C" AEffect* VSTCALLBACK VSTPluginMain(audioMasterCallback hostCallback);

// The effect as the VST2 module builds it.
using Vst2Effect = ZelvarLispera<IPlugVST>;

// A host callback that answers from a script and logs every call. It serves
// the instance whose record's user field points at it.
struct FakeHost
{
  struct Call
  {
    int32_t opcode;
    int32_t index;
    intptr_t value;
    float opt;
  };

  static intptr_t VSTCALLBACK Callback(AEffect* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                       float opt)
  {
    FakeHost* host = effect ? static_cast<FakeHost*>(effect->user) : nullptr;
    return host ? host->Answer(opcode, index, value, ptr, opt) : 0;
  }

  intptr_t Answer(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
  {
    calls.push_back({opcode, index, value, opt});
    switch (opcode)
    {
    case audioMasterGetProductString:
      std::memcpy(ptr, product.c_str(), product.size() + 1);
      return 1;
    case audioMasterGetVendorVersion:
      return vendorVersion;
    case audioMasterGetCurrentProcessLevel:
      return processLevel;
    case audioMasterGetTime:
      return hasTime ? reinterpret_cast<intptr_t>(&time) : 0;
    case audioMasterProcessEvents:
    {
      const VstEvents* events = static_cast<const VstEvents*>(ptr);
      eventCounts.push_back(events->numEvents);
      std::memcpy(lastEvent, events->events[0], events->events[0]->byteSize);
      return eventsAnswer;
    }
    default:
      return 0;
    }
  }

  int Count(int32_t opcode) const
  {
    int n = 0;
    for (const Call& call : calls)
      n += call.opcode == opcode;
    return n;
  }

  std::string product;
  intptr_t vendorVersion = 0;
  intptr_t processLevel = 0;
  bool hasTime = false;
  VstTimeInfo time = {};
  intptr_t eventsAnswer = 1;
  std::vector<Call> calls;
  std::vector<int32_t> eventCounts;
  alignas(8) unsigned char lastEvent[48] = {};
};

// One instance made through the module's entry, with its host; closed as a
// host closes it.
struct Instance
{
  explicit Instance(audioMasterCallback callback = FakeHost::Callback) : effect(VSTPluginMain(callback))
  {
    if (effect)
      effect->user = &host;
  }
  ~Instance()
  {
    if (effect)
      Dispatch(effClose);
  }
  Instance(const Instance&) = delete;
  Instance& operator=(const Instance&) = delete;

  intptr_t Dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr, float opt = 0.0f)
  {
    return effect->dispatcher(effect, opcode, index, value, ptr, opt);
  }
  Vst2Effect* plug() const { return static_cast<Vst2Effect*>(static_cast<IPlugVST*>(effect->object)); }

  FakeHost host;
  AEffect* effect;
};

// A plug-in on the VST2 wrapper with channels, names and presets of its
// choosing and no editor, recording what reaches its own virtual
// operations.
class TestVstPlug : public IPlugVST
{
public:
  explicit TestVstPlug(const char* channelIOStr = "1-1 2-2", bool doesMidi = false,
                       const char* effectName = "TestVstPlug", const char* makerName = "Zelvar",
                       const char* productName = "", int nPresets = 1)
      : IPlugVST(InstanceInfo{FakeHost::Callback}, 18, channelIOStr, nPresets, effectName, productName, makerName,
                 kPlugVersion, FourCharCode("ZvLP"), FourCharCode("Zvlr"), 0, doesMidi, false, false)
  {
    Effect()->user = &host;
    GetParam(0)->SetupDouble("Gain", 0.0, -24.0, 24.0, 0.5, "dB");
    GetParam(1)->SetupBool("Switch", false);
    GetParam(1)->AppendDisplayText(2, "both");  // a third text, out of the range
  }

  intptr_t Dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr, float opt = 0.0f)
  {
    return Effect()->dispatcher(Effect(), opcode, index, value, ptr, opt);
  }

  void ParamChanged(int paramIdx, bool restoring) override
  {
    IPlugVST::ParamChanged(paramIdx, restoring);
    log.push_back((restoring ? "restored " : "changed ") + std::to_string(paramIdx));
  }
  void ResetProcessing() override { log.push_back("reset"); }
  void ActivationChanged(bool active) override { log.push_back(active ? "active" : "inactive"); }
  void PresetListChanged() override { log.push_back("preset list changed"); }
  void HostInitDone() override { log.push_back("host init done"); }
  void MidiEventIn(const IMidiEvent* event) override
  {
    log.push_back("midi " + std::to_string(event->offset) + " " + std::to_string(event->status) + " " +
                  std::to_string(event->data1) + " " + std::to_string(event->data2));
  }
  void SysExIn(const ISysExEvent* event) override
  {
    log.push_back("sysex " + std::to_string(event->offset) + " " + std::to_string(event->size) + " " +
                  std::string(reinterpret_cast<const char*>(event->data), event->size));
  }
  bool GetMidiNoteName(int noteNumber, char* name) override
  {
    if (noteNumber != 60)
      return IPlugVST::GetMidiNoteName(noteNumber, name);
    std::memset(name, 'C', 100);  // longer than the host's field
    name[100] = 0;
    return true;
  }

  FakeHost host;
  std::vector<std::string> log;
};
