#pragma once

#include "IPlugBase.h"

#include <string>
#include <vector>

// A wrapper of the tests: implements the host-facing operations of the base
// and records what reaches the "host", in order.
class TestPlug : public IPlugBase
{
public:
  struct HostEvent
  {
    std::string what;  // "begin", "value", "end", "changed"
    int index;
    double value;
    bool operator==(const HostEvent& other) const
    {
      return what == other.what && index == other.index && value == other.value;
    }
  };

  explicit TestPlug(int nParams = 18, const char* channelIOStr = "1-1 2-2", int nPresets = 1)
      : IPlugBase(nParams, channelIOStr, nPresets, "ZelvarLispera", "", "Zelvar", kPlugVersion,
                  FourCharCode("ZvLP"), FourCharCode("Zvlr"), 0, false, false, false, kApiVst3)
  {
  }

  void ParamChanged(int paramIdx, bool restoring) override
  {
    IPlugBase::ParamChanged(paramIdx, restoring);
    events.push_back({restoring ? "restored" : "changed", paramIdx, GetParam(paramIdx)->Value()});
  }

  void BeginHostEdit(int paramIdx) override { events.push_back({"begin", paramIdx, 0.0}); }
  void SendHostEditValue(int paramIdx, double normalized) override
  {
    events.push_back({"value", paramIdx, normalized});
  }
  void EndHostEdit(int paramIdx) override { events.push_back({"end", paramIdx, 0.0}); }
  void RefreshHostDisplay() override {}
  double GetSamplePosition() override { return 0.0; }
  double GetHostTempo() override { return 0.0; }
  void GetHostTimeSignature(int* numerator, int* denominator) override
  {
    *numerator = 0;
    *denominator = 0;
  }
  void GetTransportInfo(TransportInfo* info) override { *info = TransportInfo(); }
  void ResizeEditorWindow(int, int) override {}
  bool SendMidiEvent(const IMidiEvent*) override
  {
    ++midiSent;
    return false;
  }
  void PresetListChanged() override { ++presetListChanges; }

  std::vector<HostEvent> events;
  int midiSent = 0;
  int presetListChanges = 0;
};
