#pragma once

#include "AAX_CIPlugParameters.h"
#include "IPlugBase.h"
#include "LiveInstances.h"

// The AAX wrapper: one IPlugBase instance that is at the same time the
// effect-parameters object the host talks to. The host sees the master
// bypass ("MasterBypassID") and one AAX parameter per framework parameter
// that has a kind, identified by the decimal text of its index + 1; its
// state is one chunk of the plug-in's unique id holding the parameter state.
// The host holds the object by reference; its last Release deletes it.
// From construction to destruction it is one of the module's live instances
// (LiveInstances.h), which the editor object looks for.
class IPlugAAX : public IPlugBase, public AAX_CIPlugParameters
{
public:
  // What the module's create callback hands the wrapper: nothing.
  struct InstanceInfo
  {
  };

  IPlugAAX(InstanceInfo instanceInfo, int nParams, const char* channelIOStr, int nPresets, const char* effectName,
           const char* productName, const char* mfrName, int vendorVersion, int uniqueID, int mfrID, int latency,
           bool plugDoesMidi, bool plugDoesChunks, bool plugIsInst);
  ~IPlugAAX() override;

  // The effect-parameters side. Initialisation and uninitialisation hold
  // the plug's lock, so that no audio block sees the proxies or the master
  // bypass half made or half gone.
  int32_t ACF_CALL InitializeEffect(IACFUnknown* controller) override;
  int32_t ACF_CALL UninitializeEffect() override;
  // The AAX parameter takes the value the host accepted; a framework
  // parameter's also goes to the framework, the editor and the effect.
  int32_t ACF_CALL UpdateParameterFromHost(const char* identifier, double normalized, AAX_Value source) override;
  int32_t ACF_CALL ChunkIdAt(int32_t index, AAX_FourCC* chunkId) const override;
  int32_t ACF_CALL GetChunkByteSize(AAX_FourCC chunkId, int32_t* size) override;
  int32_t ACF_CALL WriteChunk(AAX_FourCC chunkId, ChunkRecord* record) override;
  // Restores the parameter state and asks the host to take every restored
  // value. A negative size word is refused; no more than the parameter
  // state is read.
  int32_t ACF_CALL ReadChunk(AAX_FourCC chunkId, const ChunkRecord* record) override;
  // Equal when every parameter matches its stored value; a record too short
  // to hold them all is unequal.
  int32_t ACF_CALL CompareChunk(const ChunkRecord* record, bool* equal) override;
  int32_t CreateAAXParameters() override;
  void ProcessAlgorithmContext(const AAX_AlgorithmContext& context) override;

  // The IPlugBase side. Edits in the editor are requests to the host.
  void BeginHostEdit(int paramIdx) override;
  void SendHostEditValue(int paramIdx, double normalizedValue) override;
  void EndHostEdit(int paramIdx) override;
  void RefreshHostDisplay() override {}
  // The transport of the last audio block; zeros before the first.
  double GetSamplePosition() override;
  double GetHostTempo() override;
  void GetHostTimeSignature(int* numerator, int* denominator) override;
  void GetTransportInfo(TransportInfo* info) override;
  // The host view (the AAX_IViewContainer that the editor object set as
  // the editor's view container) is asked to take the new size.
  void ResizeEditorWindow(int width, int height) override;
  void ChangeLatency(int samples) override;
  bool SendMidiEvent(const IMidiEvent*) override { return false; }
  void StateChangedNotification() override { CountChange(); }

  // The identifier text of a framework parameter, null outside the
  // parameters (and when the texts could not be made).
  const char* ParameterIdentifier(int paramIdx) const;

private:
  void AddMasterBypass();
  void AddFrameworkParameter(int paramIdx, const char* identifier);
  bool AddIdentifier(int paramIdx);
  void ReceiveMidi(AAX_IMidiNode* node);

  PointerList<StringBuffer> mIdentifiers;
  LiveInstanceEntry mLiveEntry;
};
