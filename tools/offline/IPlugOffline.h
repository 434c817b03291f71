#pragma once

#include "IPlugBase.h"

#include <vector>

// A wrapper for running an instance without a host: the render tool, the
// benchmarks and the tests build the effect on it. It has no transport and
// no host to tell of edits.
class IPlugOffline : public IPlugBase
{
public:
  // What a module's entry would hand the wrapper: here which host interface
  // the instance reports (the editor's input differs by it) and whether it
  // has an editor at all.
  struct InstanceInfo
  {
    PlugApi api = kApiVst3;
    bool editor = true;
  };

  IPlugOffline(InstanceInfo instanceInfo, int nParams, const char* channelIOStr, int nPresets,
               const char* effectName, const char* productName, const char* mfrName,
               int vendorVersion, int uniqueID, int mfrID, int latency, bool plugDoesMidi,
               bool plugDoesChunks, bool plugIsInst);

  // Sets the sample rate and block size as a host's set-up would.
  void SetUpProcessing(double sampleRate, int blockSize);
  // One block of 32-bit audio through the processing glue, with the first
  // nChannels inputs and outputs connected (all when negative), in parts of
  // the block size when it is longer; silence before any set-up.
  void ProcessBlock(float** inputs, float** outputs, int nFrames, int nChannels = -1);
  // The same for a block of interleaved frames of nChannels (1 or 2), as
  // audio files hold them; input and output may be the same buffer.
  void ProcessInterleaved(const float* input, float* output, int nFrames, int nChannels);

  void BeginHostEdit(int) override {}
  void SendHostEditValue(int, double) override {}
  void EndHostEdit(int) override {}
  void RefreshHostDisplay() override {}
  double GetSamplePosition() override { return 0.0; }
  double GetHostTempo() override { return 0.0; }
  void GetHostTimeSignature(int* numerator, int* denominator) override;
  void GetTransportInfo(TransportInfo* info) override;
  void ResizeEditorWindow(int, int) override {}
  bool SendMidiEvent(const IMidiEvent*) override { return false; }

private:
  std::vector<float> mPlanar[4];
};

inline bool WantsEditor(const IPlugOffline::InstanceInfo& info) { return info.editor; }
