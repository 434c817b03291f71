#pragma once

#include "IPlugBase.h"
#include "SingleComponentEffect.h"

#include <atomic>
#include <vector>

class IPlugVST3View;

constexpr Steinberg::Vst::ParamID kBypassParamId = 0x62706173;  // 'bpas'
constexpr Steinberg::Vst::ParamID kPresetParamId = 0x70727374;  // 'prst'
// A plug-in that takes MIDI has one parameter per MIDI controller after its
// own parameters.
constexpr int kMidiControllers = 128;

// The VST3 wrapper: one IPlugBase instance as a single-component effect,
// processor and controller in one object.
class IPlugVST3 : public IPlugBase,
                  public Steinberg::Vst::IUnitInfo,
                  public Steinberg::Vst::SingleComponentEffect,
                  public Steinberg::Vst::IMidiMapping
{
public:
  // What the module's entry hands the wrapper: nothing (the module handle is
  // process-wide).
  struct InstanceInfo
  {
  };

  IPlugVST3(InstanceInfo instanceInfo, int nParams, const char* channelIOStr, int nPresets,
            const char* effectName, const char* productName, const char* mfrName, int vendorVersion,
            int uniqueID, int mfrID, int latency, bool plugDoesMidi, bool plugDoesChunks, bool plugIsInst);
  ~IPlugVST3() override;

  // FUnknown, the same on every face.
  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
  Steinberg::uint32 PLUGIN_API addRef() override { return AsFObject()->AddRef(); }
  Steinberg::uint32 PLUGIN_API release() override { return AsFObject()->Release(); }
  const char* isA() const override { return "IPlugVST3"; }
  bool isTypeOf(const char* name, bool askBaseClass = true) const override;

  // IPluginBase
  Steinberg::tresult PLUGIN_API initialize(Steinberg::FUnknown* context) override;
  Steinberg::tresult PLUGIN_API terminate() override;

  // IComponent
  Steinberg::tresult PLUGIN_API setActive(Steinberg::TBool state) override;
  Steinberg::tresult PLUGIN_API setState(Steinberg::IBStream* state) override;
  Steinberg::tresult PLUGIN_API getState(Steinberg::IBStream* state) override;

  // IAudioProcessor
  Steinberg::tresult PLUGIN_API setBusArrangements(Steinberg::Vst::SpeakerArrangement* inputs,
                                                   Steinberg::int32 numIns,
                                                   Steinberg::Vst::SpeakerArrangement* outputs,
                                                   Steinberg::int32 numOuts) override;
  Steinberg::tresult PLUGIN_API canProcessSampleSize(Steinberg::int32 symbolicSampleSize) override;
  Steinberg::uint32 PLUGIN_API getLatencySamples() override;
  Steinberg::tresult PLUGIN_API setupProcessing(Steinberg::Vst::ProcessSetup& setup) override;
  Steinberg::uint32 PLUGIN_API getTailSamples() override;
  Steinberg::tresult PLUGIN_API process(Steinberg::Vst::ProcessData& data) override;

  // IEditController
  Steinberg::tresult PLUGIN_API getParamStringByValue(Steinberg::Vst::ParamID id,
                                                      Steinberg::Vst::ParamValue valueNormalized,
                                                      Steinberg::String128 string) override;
  Steinberg::Vst::ParamValue PLUGIN_API plainParamToNormalized(Steinberg::Vst::ParamID id,
                                                               Steinberg::Vst::ParamValue plainValue) override;
  Steinberg::Vst::ParamValue PLUGIN_API getParamNormalized(Steinberg::Vst::ParamID id) override;
  Steinberg::tresult PLUGIN_API setParamNormalized(Steinberg::Vst::ParamID id,
                                                   Steinberg::Vst::ParamValue value) override;
  Steinberg::IPlugView* PLUGIN_API createView(Steinberg::FIDString name) override;

  // IUnitInfo
  Steinberg::int32 PLUGIN_API getUnitCount() override;
  Steinberg::tresult PLUGIN_API getUnitInfo(Steinberg::int32 unitIndex, Steinberg::Vst::UnitInfo& info) override;
  Steinberg::int32 PLUGIN_API getProgramListCount() override;
  Steinberg::tresult PLUGIN_API getProgramListInfo(Steinberg::int32 listIndex,
                                                   Steinberg::Vst::ProgramListInfo& info) override;
  Steinberg::tresult PLUGIN_API getProgramName(Steinberg::Vst::ProgramListID listId, Steinberg::int32 programIndex,
                                               Steinberg::String128 name) override;
  Steinberg::tresult PLUGIN_API getProgramInfo(Steinberg::Vst::ProgramListID listId, Steinberg::int32 programIndex,
                                               Steinberg::CString attributeId,
                                               Steinberg::String128 attributeValue) override;
  Steinberg::tresult PLUGIN_API hasProgramPitchNames(Steinberg::Vst::ProgramListID listId,
                                                     Steinberg::int32 programIndex) override;
  Steinberg::tresult PLUGIN_API getProgramPitchName(Steinberg::Vst::ProgramListID listId,
                                                    Steinberg::int32 programIndex, Steinberg::int16 midiPitch,
                                                    Steinberg::String128 name) override;
  Steinberg::Vst::UnitID PLUGIN_API getSelectedUnit() override;
  Steinberg::tresult PLUGIN_API selectUnit(Steinberg::Vst::UnitID unitId) override;
  Steinberg::tresult PLUGIN_API getUnitByBus(Steinberg::Vst::MediaType type, Steinberg::Vst::BusDirection dir,
                                             Steinberg::int32 busIndex, Steinberg::int32 channel,
                                             Steinberg::Vst::UnitID& unitId) override;
  Steinberg::tresult PLUGIN_API setUnitProgramData(Steinberg::int32 listOrUnitId, Steinberg::int32 programIndex,
                                                   Steinberg::IBStream* data) override;

  // IMidiMapping
  Steinberg::tresult PLUGIN_API getMidiControllerAssignment(Steinberg::int32 busIndex, Steinberg::int16 channel,
                                                            Steinberg::Vst::CtrlNumber midiControllerNumber,
                                                            Steinberg::Vst::ParamID& id) override;

  // IPlugBase
  void ShowHostParamMenu(int paramIdx, int x, int y) override;
  void BeginHostEdit(int paramIdx) override;
  void SendHostEditValue(int paramIdx, double normalizedValue) override;
  void EndHostEdit(int paramIdx) override;
  void RefreshHostDisplay() override {}
  bool IsOfflineRender() override;
  double GetSamplePosition() override;
  double GetHostTempo() override;
  void GetHostTimeSignature(int* numerator, int* denominator) override;
  void GetTransportInfo(TransportInfo* info) override;
  void ResizeEditorWindow(int width, int height) override;
  void ChangeLatency(int samples) override;
  bool SendMidiEvent(const IMidiEvent*) override { return false; }
  bool SendSysExEvent(const ISysExEvent*) override { return false; }

private:
  friend class IPlugVST3View;
  // A view leaves the list, and gives up the editor's window, when it is
  // destroyed.
  void ForgetView(IPlugVST3View* view);
  // The view the host hears of for the editor (its resizes and parameter
  // menus): the one whose host window holds the editor's window, else the
  // first one; null without a view.
  IPlugVST3View* ViewOfTheEditor() const;

  Steinberg::tresult ArrangeBuses(Steinberg::Vst::SpeakerArrangement* inputs, Steinberg::int32 numIns,
                                 Steinberg::Vst::SpeakerArrangement* outputs, Steinberg::int32 numOuts);
  void BuildBuses();
  void BuildParameters();
  Steinberg::Vst::UnitID UnitOfGroup(const char* group);
  void ApplyParameterChanges(Steinberg::Vst::IParameterChanges* changes);
  void ApplyNoteEvents(Steinberg::Vst::IEventList* events);
  void ConnectChannels(Steinberg::Vst::ProcessData& data, bool sample32);
  void BindBuffers32(Steinberg::Vst::ProcessData& data, int startFrame, int nFrames);
  void BindBuffers64(Steinberg::Vst::ProcessData& data, int startFrame, int nFrames);
  void SilenceHostOutputs(Steinberg::Vst::ProcessData& data, bool sample32);
  // The bypass heard, and the controller's value with it.
  void SetAudibleBypass(bool bypassed);

  int mSideChainChannels = 0;
  bool mInitialized = false;
  Steinberg::Vst::ProcessContext mProcessContext;
  // The bypass as the controller shows it: what the host set through
  // setParamNormalized, which hosts call from their user-interface thread
  // to keep the controller in step (possibly behind their automation); the
  // bypass heard changes only with process's parameter queue and state
  // restore, which set this value too.
  std::atomic<bool> mControllerBypass{false};
  // Open views in creation order, not owned.
  std::vector<IPlugVST3View*> mViews;
  // The view whose host window holds the editor's one window, or null. A
  // view attached later takes the window over; only this view closes it.
  IPlugVST3View* mWindowView = nullptr;
};
