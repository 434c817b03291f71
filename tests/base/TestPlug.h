#pragma once

#include "IPlugOffline.h"

#include <string>
#include <vector>

// The base on the offline wrapper, recording what reaches the "host" and
// every parameter change, in one list in order.
class TestPlug : public IPlugOffline
{
public:
  struct Event
  {
    std::string what;  // "begin", "value", "end", "changed", "restored"
    int index;
    double value;
    bool operator==(const Event& other) const
    {
      return what == other.what && index == other.index && value == other.value;
    }
  };

  explicit TestPlug(int nParams = 18, const char* channelIOStr = "1-1 2-2", int nPresets = 1,
                    PlugApi api = kApiVst3)
      : IPlugOffline(InstanceInfo{api}, nParams, channelIOStr, nPresets, "ZelvarLispera", "",
                     "Zelvar", kPlugVersion, FourCharCode("ZvLP"), FourCharCode("Zvlr"), 0, false,
                     false, false)
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
  void ShowHostParamMenu(int paramIdx, int x, int y) override
  {
    events.push_back({"menu", paramIdx, x * 1000.0 + y});
  }
  void ResizeEditorWindow(int width, int height) override
  {
    events.push_back({"resize", width, static_cast<double>(height)});
  }
  bool SendMidiEvent(const IMidiEvent*) override
  {
    ++midiSent;
    return false;
  }
  void PresetListChanged() override { ++presetListChanges; }

  std::vector<Event> events;
  int midiSent = 0;
  int presetListChanges = 0;
};
