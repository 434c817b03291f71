#pragma once

#include "Bus.h"
#include "FObject.h"
#include "Parameters.h"
#include "vst3_interfaces.h"

namespace Steinberg
{
namespace Vst
{
// Processor and controller in one object: the host context, the component
// handler, the parameter container, the buses and the stored set-up, with
// the default answers of every face. A plug-in derives and overrides.
class SingleComponentEffect : public FObject,
                              public IEditController,
                              public IEditController2,
                              public IComponent,
                              public IAudioProcessor,
                              public IConnectionPoint
{
public:
  SingleComponentEffect();
  ~SingleComponentEffect() override;

  // FUnknown, the same on every face.
  tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
  ZL_FOBJECT_FACE_REFCOUNT

  // IPluginBase
  tresult PLUGIN_API initialize(FUnknown* context) override;
  tresult PLUGIN_API terminate() override;

  // IComponent
  tresult PLUGIN_API getControllerClassId(TUID classId) override;
  tresult PLUGIN_API setIoMode(IoMode mode) override;
  int32 PLUGIN_API getBusCount(MediaType type, BusDirection dir) override;
  tresult PLUGIN_API getBusInfo(MediaType type, BusDirection dir, int32 index, BusInfo& bus) override;
  tresult PLUGIN_API getRoutingInfo(RoutingInfo& inInfo, RoutingInfo& outInfo) override;
  tresult PLUGIN_API activateBus(MediaType type, BusDirection dir, int32 index, TBool state) override;
  tresult PLUGIN_API setActive(TBool state) override;

  // IAudioProcessor
  tresult PLUGIN_API setBusArrangements(SpeakerArrangement* inputs, int32 numIns, SpeakerArrangement* outputs,
                                        int32 numOuts) override;
  tresult PLUGIN_API getBusArrangement(BusDirection dir, int32 index, SpeakerArrangement& arr) override;
  tresult PLUGIN_API canProcessSampleSize(int32 symbolicSampleSize) override;
  uint32 PLUGIN_API getLatencySamples() override;
  tresult PLUGIN_API setupProcessing(ProcessSetup& setup) override;
  tresult PLUGIN_API setProcessing(TBool state) override;
  uint32 PLUGIN_API getTailSamples() override;

  // IEditController
  tresult PLUGIN_API setComponentState(IBStream* state) override;
  int32 PLUGIN_API getParameterCount() override;
  tresult PLUGIN_API getParameterInfo(int32 paramIndex, ParameterInfo& info) override;
  tresult PLUGIN_API getParamStringByValue(ParamID id, ParamValue valueNormalized, String128 string) override;
  tresult PLUGIN_API getParamValueByString(ParamID id, TChar* string, ParamValue& valueNormalized) override;
  ParamValue PLUGIN_API normalizedParamToPlain(ParamID id, ParamValue valueNormalized) override;
  ParamValue PLUGIN_API plainParamToNormalized(ParamID id, ParamValue plainValue) override;
  ParamValue PLUGIN_API getParamNormalized(ParamID id) override;
  tresult PLUGIN_API setParamNormalized(ParamID id, ParamValue value) override;
  tresult PLUGIN_API setComponentHandler(IComponentHandler* handler) override;
  IPlugView* PLUGIN_API createView(FIDString name) override;

  // IEditController2
  tresult PLUGIN_API setKnobMode(KnobMode mode) override;
  tresult PLUGIN_API openHelp(TBool onlyCheck) override;
  tresult PLUGIN_API openAboutBox(TBool onlyCheck) override;

  // IConnectionPoint
  tresult PLUGIN_API connect(IConnectionPoint* other) override;
  tresult PLUGIN_API disconnect(IConnectionPoint* other) override;
  tresult PLUGIN_API notify(IMessage* message) override;

  const char* isA() const override { return "SingleComponentEffect"; }
  bool isTypeOf(const char* name, bool askBaseClass = true) const override;

  // Host edits, forwarded to the component handler when one is set.
  tresult beginEdit(ParamID id);
  tresult performEdit(ParamID id, ParamValue valueNormalized);
  tresult endEdit(ParamID id);

protected:
  FObject* AsFObject() { return this; }
  BusList* getBusList(MediaType type, BusDirection dir);

  FUnknown* hostContext = nullptr;
  IComponentHandler* componentHandler = nullptr;
  IConnectionPoint* peerConnection = nullptr;
  ParameterContainer parameters;
  BusList audioInputs{kAudio, kInput};
  BusList audioOutputs{kAudio, kOutput};
  BusList eventInputs{kEvent, kInput};
  BusList eventOutputs{kEvent, kOutput};
  ProcessSetup processSetup{kRealtime, kSample32, 1024, 44100.0};
};
}
}
