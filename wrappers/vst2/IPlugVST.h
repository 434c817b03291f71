#pragma once

#include "IPlugBase.h"
#include "vst2_records.h"

// The VST2 wrapper: one IPlugBase instance behind the effect record that
// the module's entry hands the host. The host drives it through the
// record's dispatcher, audio callbacks and parameter entries; every request
// of the plug-in goes back through the host callback, which may be null.
class IPlugVST : public IPlugBase
{
public:
  // What the module's entry hands the wrapper: the host callback.
  struct InstanceInfo
  {
    audioMasterCallback hostCallback = nullptr;
  };

  IPlugVST(InstanceInfo instanceInfo, int nParams, const char* channelIOStr, int nPresets,
           const char* effectName, const char* productName, const char* mfrName, int vendorVersion,
           int uniqueID, int mfrID, int latency, bool plugDoesMidi, bool plugDoesChunks, bool plugIsInst);

  AEffect* Effect() { return &mEffect; }
  // Readies a new instance for its host (the default preset, at least one
  // program) and gives its record.
  AEffect* EffectForHost();
  const ERect& EditRect() const { return mEditRect; }
  int HostExtensionFlags() const { return mHostExtensionFlags; }

  // The record's entries. Each answers 0 (or does nothing) for a record
  // without an instance, lets no exception out, and holds the plug mutex.
  static intptr_t VSTCALLBACK VSTDispatcher(AEffect* effect, int32_t opcode, int32_t index, intptr_t value,
                                            void* ptr, float opt);
  static void VSTCALLBACK HostProcessAccumulate(AEffect* effect, float** inputs, float** outputs, int32_t nFrames);
  static void VSTCALLBACK HostProcessFloat(AEffect* effect, float** inputs, float** outputs, int32_t nFrames);
  static void VSTCALLBACK HostProcessDouble(AEffect* effect, double** inputs, double** outputs, int32_t nFrames);
  static void VSTCALLBACK HostSetParameter(AEffect* effect, int32_t index, float value);
  static float VSTCALLBACK HostGetParameter(AEffect* effect, int32_t index);

  // IPlugBase
  void BeginHostEdit(int paramIdx) override;
  void SendHostEditValue(int paramIdx, double normalizedValue) override;
  void EndHostEdit(int paramIdx) override;
  void RefreshHostDisplay() override;
  bool IsOfflineRender() override;
  double GetSamplePosition() override;
  double GetHostTempo() override;
  void GetHostTimeSignature(int* numerator, int* denominator) override;
  void GetTransportInfo(TransportInfo* info) override;
  HostApplication QueryHost() override;
  void ResizeEditorWindow(int width, int height) override;
  void PrepareForHost() override;
  void AttachEditor(IGraphics* editor) override;
  void ChangeLatency(int samples) override;
  bool SendMidiEvent(const IMidiEvent* event) override;
  bool SendSysExEvent(const ISysExEvent* event) override;

private:
  static IPlugVST* FromEffect(AEffect* effect)
  {
    return effect ? static_cast<IPlugVST*>(effect->object) : nullptr;
  }
  intptr_t HostCall(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr, float opt = 0.0f);
  const VstTimeInfo* HostTime(int32_t wantedFlags);
  void SetEditRectFromEditor();

  // The dispatcher's opcodes, run under the plug mutex.
  intptr_t Dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt);
  void Open();
  void CopyParamText(int32_t opcode, int index, void* ptr);
  void SetSampleRateFromHost(float rate);
  void SetBlockSizeFromHost(intptr_t frames);
  intptr_t OpenEditor(void* parent);
  intptr_t CloseEditor();
  void ProcessEvents(const VstEvents* events);
  intptr_t StringToParameter(int index, const char* text);
  intptr_t PinProperties(bool input, int index, VstPinProperties* properties);
  void SetSpeakerArrangements(const VstSpeakerArrangement* inputs, const VstSpeakerArrangement* outputs);
  intptr_t VendorSpecific(int32_t index, intptr_t value, void* ptr, float opt);
  intptr_t CanDo(const char* text);
  intptr_t MidiKeyNameOf(MidiKeyName* key);
  void SetProgram(intptr_t program);
  void SetProgramName(const char* name);
  intptr_t GetChunk(bool bank, void** data);
  intptr_t SetChunk(bool bank, intptr_t size, const void* data);

  // Whether the audio callbacks process a block at all.
  bool BeginHostBlock(bool hasBuffers, int nFrames);
  // A block of 32-bit audio rendered into the host's outputs (replacing or
  // adding to them).
  static void ProcessFloatBlock(AEffect* effect, float** inputs, float** outputs, int32_t nFrames,
                                void (IPlugBase::*render)(int));
  // The double callback's binding of the host's channel buffers, from frame
  // startFrame on, for one part of a block (ProcessInParts).
  void BindHostBuffersDouble(double** inputs, double** outputs, int startFrame, int nFrames);

  ERect mEditRect = {0, 0, 0, 0};
  audioMasterCallback mHostCallback;
  VstSpeakerArrangement mInputSpeakerArrangement;
  VstSpeakerArrangement mOutputSpeakerArrangement;
  bool mHostSetUpDone = false;
  int mHostExtensionFlags = 0;
  // What effGetChunk hands the host, one per kind: valid until the next
  // effGetChunk or effSetChunk of the same kind, or effClose.
  StateChunk mProgramChunk;
  StateChunk mBankChunk;
  AEffect mEffect;
};
