#pragma once

#include "IPlugParameter.h"
#include "IPlugStructs.h"
#include "IdentifyHost.h"
#include "Mutex.h"
#include "PointerList.h"
#include "StateChunk.h"
#include "StringBuffer.h"

#include <atomic>

class IGraphics;
class LatencyDelayLine;

// The interface a module is built for.
enum PlugApi
{
  kApiVst2 = 0,
  kApiVst3 = 1,
  kApiAax = 4,
};

constexpr int kPlugVersion = 0x00010301;
constexpr int kPlugNameLength = 128;

// Four-character code, first character in the most significant byte.
constexpr int FourCharCode(const char (&code)[5])
{
  return static_cast<int>(static_cast<unsigned>(static_cast<unsigned char>(code[0])) << 24 |
                          static_cast<unsigned>(static_cast<unsigned char>(code[1])) << 16 |
                          static_cast<unsigned>(static_cast<unsigned char>(code[2])) << 8 |
                          static_cast<unsigned>(static_cast<unsigned char>(code[3])));
}

// The host-neutral base of every plug-in instance. A wrapper class per host
// interface derives from it and implements the host-facing operations; the
// effect derives from the wrapper of its module. The virtual operations are
// declared in slot order.
class IPlugBase
{
public:
  IPlugBase(int nParams, const char* channelIOStr, int nPresets, const char* effectName,
            const char* productName, const char* mfrName, int vendorVersion, int uniqueID,
            int mfrID, int latency, bool plugDoesMidi, bool plugDoesChunks, bool plugIsInst,
            PlugApi plugApi);
  IPlugBase(const IPlugBase&) = delete;
  IPlugBase& operator=(const IPlugBase&) = delete;

  virtual ~IPlugBase();

  virtual void ResetProcessing();
  // restoring is true only when called while parameter state is read back.
  virtual void ParamChanged(int paramIdx, bool restoring);
  virtual void ProcessDouble(double** inputs, double** outputs, int nFrames);
  virtual void ProcessFloat(float** inputs, float** outputs, int nFrames);
  virtual void EditorOpened() {}
  virtual void EditorClosing() {}
  virtual void SpareNotification() {}
  virtual void ActivationChanged(bool active);
  virtual void MidiEventIn(const IMidiEvent* event);
  virtual void SysExIn(const ISysExEvent* /*event*/) {}
  virtual bool GetMidiNoteName(int noteNumber, char* name);
  virtual bool SerializePlugState(StateChunk* chunk);
  virtual int UnserializePlugState(const StateChunk* chunk, int startPos);
  virtual bool StateMatches(const double* values, int position);
  virtual void EditorResized() {}
  virtual bool SpareQuery() { return false; }
  virtual void HostInitDone() {}
  virtual void ShowHostParamMenu(int /*paramIdx*/, int /*x*/, int /*y*/) {}
  virtual void SetParameterFromGUI(int paramIdx, double normalizedValue);
  virtual void BeginHostEdit(int paramIdx) = 0;
  virtual void SendHostEditValue(int paramIdx, double normalizedValue) = 0;
  virtual void EndHostEdit(int paramIdx) = 0;
  virtual void RefreshHostDisplay() = 0;
  virtual bool IsOfflineRender() { return false; }
  virtual double GetSamplePosition() = 0;
  virtual double GetHostTempo() = 0;
  virtual void GetHostTimeSignature(int* numerator, int* denominator) = 0;
  virtual void GetTransportInfo(TransportInfo* info) = 0;
  virtual HostApplication QueryHost() { return mHost; }
  virtual PlugApi ApiKind() { return mPlugApi; }
  virtual void ResizeEditorWindow(int width, int height) = 0;
  virtual void PrepareForHost() {}
  virtual void AttachEditor(IGraphics* editor);
  virtual void ChangeLatency(int samples);
  virtual bool SendMidiEvent(const IMidiEvent* event) = 0;
  virtual bool SendSysExEvent(const ISysExEvent* /*event*/) { return false; }
  virtual bool SerializeParams(StateChunk* chunk);
  virtual int UnserializeParams(const StateChunk* chunk, int startPos);
  virtual void RefreshParamControls();
  virtual void StateChangedNotification() {}
  virtual void PresetListChanged() {}
  virtual void ChangeBlockSize(int nFrames);

  bool LegalIO(int nIn, int nOut) const;
  bool IsInputConnected(int index) const;
  void NameInputBus(int index, const char* name);
  void NameOutputBus(int index, const char* name);
  void SetHost(const char* productName, int version);

  // Processing glue, called by the wrapper for every block while it holds
  // the plug mutex: set the connections, then for each part of the block
  // (ProcessInParts) bind inputs, bind outputs, and render or bypass.
  void SetInputChannelConnections(int first, int count, bool connected);
  void SetOutputChannelConnections(int first, int count, bool connected);
  // Runs a host block of nFrames as consecutive parts of at most the block
  // size, the length of every scratch buffer: part (start, n) binds the
  // host's frames start to start + n - 1 and processes them. Hosts do send
  // more frames than they announced (offline bounces, a first block after a
  // change); such a block needs no memory and leaves the block size as it
  // is. False, with no part run, when there is no frame or no block size.
  template <class Part>
  bool ProcessInParts(int nFrames, Part&& part)
  {
    const int most = mBlockSize;
    if (nFrames <= 0 || most <= 0)
      return false;
    for (int start = 0; start < nFrames;)
    {
      const int n = nFrames - start < most ? nFrames - start : most;
      part(start, n);
      start += n;
    }
    return true;
  }
  // A host block of 32-bit buffers, taken by the channels in order: every
  // part bound and then rendered by render (RenderBuffers,
  // AccumulateFloatBuffers or BypassBuffers). False as ProcessInParts.
  bool RenderHostBlock(float** inputs, float** outputs, int nFrames, void (IPlugBase::*render)(int));
  // Host buffers are read and written from frame startFrame on; a host
  // buffer that is null reads as silence (inputs) or takes nothing (outputs).
  // A part longer than the block size is not converted, rendered or
  // bypassed.
  void BindInputBuffers(int first, int count, float** hostBuffers, int nFrames, int startFrame = 0);
  void BindOutputBuffers(int first, int count, float** hostBuffers, int startFrame = 0);
  void RenderBuffers(int nFrames);
  void BypassBuffers(int nFrames);
  // The bypass on double buffers: through the latency delay line when a
  // latency is reported, else the base pass-through (never the effect's).
  void BypassDouble(double** inputs, double** outputs, int nFrames);
  void ClearScratchBuffers();
  // 64-bit host buffers used in place: each connected channel takes the
  // next host buffer (from frame startFrame), and one whose host buffer is
  // null works in its scratch (silent, for an input); unconnected channels
  // keep their slots. nFrames must not exceed the block size.
  void BindInputBuffersInPlace(int first, int count, double** hostBuffers, int nFrames, int startFrame = 0);
  void BindOutputBuffersInPlace(int first, int count, double** hostBuffers, int startFrame = 0);
  // The normal path of a host that mixes into its outputs: the effect's
  // result is added to what the connected outputs' host buffers hold.
  void AccumulateFloatBuffers(int nFrames);
  // For hosts that offer more channels than they can feed: inputs from the
  // third on are disconnected and, with three outputs or more, outputs from
  // the third on connected.
  void LimitToStereoIO();

  // A parameter set from a host's normalised value, holding the plug mutex:
  // clamped to [0, 1] (a NaN changes nothing), pushed to the editor's
  // controls, then ParamChanged.
  void SetParameterFromHost(int paramIdx, double normalizedValue);

  // Restores the plug state from bytes a host handed over, from position
  // on, read over a copy of the current state: a value whose eight bytes did
  // not all arrive, or that is not finite, keeps the parameter's current
  // value. Returns the position behind the state, or -1 when the bytes were
  // too few (the values that did arrive are restored all the same).
  int RestorePlugState(const StateChunk* chunk, int position);

  bool StoreDefaultPreset(const char* name, int count);
  bool ApplyPreset(int index);
  // The empty text for an index outside the preset list.
  const char* GetPresetName(int index) const;

  // The current preset takes the current state and, when a name is given
  // and not empty, that name (at most 255 characters, read no further). Its
  // initialised flag stays; when memory cannot be had it keeps its state.
  void ModifyCurrentPreset(const char* name = nullptr);
  // The preset bank, appended in preset order. Per preset: its name as an
  // int32 length and the bytes, its initialised flag as one byte (1 or 0)
  // and, only when initialised, its stored state. False when an append
  // failed.
  bool SerializePresets(StateChunk* chunk);
  // Reads a bank from position on, preset by preset: the name (up to its
  // first zero byte, at most 255 characters) and the flag replace the
  // preset's, and an initialised preset's state is restored to the plug as
  // RestorePlugState restores it, then stored back into the preset as the
  // plug took it. Reading stops (-1) at an entry whose length word is
  // missing, negative or runs past the end (its preset keeps name and
  // flag), or that is cut short (a flag byte that did not arrive is not
  // changed). The current preset is applied at the end, whatever was read.
  // Returns the position behind the bank, or -1.
  int UnserializePresets(const StateChunk* chunk, int startPos);

  IPlugParameter* GetParam(int index) const { return mParams.Get(index); }
  int NParams() const { return mParams.Count(); }
  IPlugPreset* GetPreset(int index) const { return mPresets.Get(index); }
  int NPresets() const { return mPresets.Count(); }
  int GetCurrentPresetIdx() const { return mCurrentPresetIdx; }
  int NInChannels() const { return mInChannels.Count(); }
  int NOutChannels() const { return mOutChannels.Count(); }
  int NChannelConfigs() const { return mChannelConfigs.Count(); }
  const ChannelConfig* GetChannelConfig(int index) const { return mChannelConfigs.Get(index); }
  IPlugInputChannel* GetInChannel(int index) const { return mInChannels.Get(index); }
  IPlugOutputChannel* GetOutChannel(int index) const { return mOutChannels.Get(index); }
  // Null when no bus of that index has been named.
  const char* GetInputBusName(int index) const;
  const char* GetOutputBusName(int index) const;
  int NInputBusNames() const { return mInputBusNames.Count(); }
  int NOutputBusNames() const { return mOutputBusNames.Count(); }

  const char* GetEffectName() const { return mEffectName; }
  const char* GetProductName() const { return mProductName; }
  const char* GetMfrName() const { return mMfrName; }
  int GetUniqueID() const { return mUniqueID; }
  int GetMfrID() const { return mMfrID; }
  int GetEffectVersion() const { return mVersion; }
  HostApplication GetHost() const { return mHost; }
  int GetHostVersion() const { return mHostVersion; }
  bool DoesChunks() const { return mDoesChunks; }
  bool IsInstrument() const { return mIsInstrument; }
  bool DoesMIDI() const { return mDoesMidi; }
  bool IsBypassed() const { return mIsBypassed.load(std::memory_order_relaxed); }
  void SetBypassed(bool bypassed) { mIsBypassed.store(bypassed, std::memory_order_relaxed); }
  double GetSampleRate() const { return mSampleRate; }
  int GetBlockSize() const { return mBlockSize; }
  int GetLatency() const { return mLatency; }
  int GetTailSize() const { return mTailSize; }
  IGraphics* GetGUI() const { return mGraphics; }
  Mutex* GetMutex() { return &mMutex; }
  const LatencyDelayLine* GetLatencyDelayLine() const { return mDelayLine; }

protected:
  void SetSampleRate(double sampleRate) { mSampleRate = sampleRate; }
  void SetTailSize(int tailSize) { mTailSize = tailSize; }
  // Wrappers that offer a bypass create the delay line that keeps it aligned
  // with the reported latency.
  void CreateLatencyDelayLine();
  PointerList<const char>& ParamGroups() { return mParamGroups; }

private:
  void DeleteOwned();
  void ParseChannelIOStr(const char* channelIOStr, int* maxInputs, int* maxOutputs);
  void CreateChannels(int nInputs, int nOutputs);
  bool ResizeScratchBuffers(int nFrames);
  void WriteHostOutputs(int nFrames);
  void AddToHostOutputs(int nFrames);
  // Whether a part of nFrames fits the scratch buffers.
  bool FitsScratch(int nFrames) const { return nFrames > 0 && nFrames <= mBlockSize; }

  PointerList<ChannelConfig> mChannelConfigs;
  Mutex mMutex;
  char mEffectName[kPlugNameLength];
  char mProductName[kPlugNameLength];
  char mMfrName[kPlugNameLength];
  int mUniqueID;
  int mMfrID;
  int mVersion;
  PlugApi mPlugApi;
  HostApplication mHost = kHostUnidentified;
  int mHostVersion = 0;
  bool mDoesChunks;
  bool mIsInstrument;
  bool mDoesMidi;
  // Set by the audio thread and a host's controller calls alike.
  std::atomic<bool> mIsBypassed{false};
  int mCurrentPresetIdx = 0;
  double mSampleRate = 44100.0;
  int mBlockSize = 0;
  int mLatency;
  int mTailSize = 0;
  LatencyDelayLine* mDelayLine = nullptr;
  // Group-name texts of the parameters in order of first appearance; the
  // texts belong to the parameters.
  PointerList<const char> mParamGroups;
  IGraphics* mGraphics = nullptr;
  PointerList<IPlugParameter> mParams;
  PointerList<IPlugPreset> mPresets;
  HeapArray<double*> mInData{4096};
  HeapArray<double*> mOutData{4096};
  PointerList<IPlugInputChannel> mInChannels;
  PointerList<IPlugOutputChannel> mOutChannels;
  PointerList<StringBuffer> mInputBusNames;
  PointerList<StringBuffer> mOutputBusNames;
};
