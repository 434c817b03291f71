#pragma once

#include "IPlugBase.h"

#include <vector>

// What the module's entry hands the wrapper; nothing here.
struct IPlugInstanceInfo
{
};

// A wrapper for running an instance without a host: the render tool, the
// benchmarks and the tests build the effect on it. It has no transport and
// records the host edits it is sent, in order.
class IPlugOffline : public IPlugBase
{
public:
  struct HostEdit
  {
    enum Kind
    {
      kBegin,
      kValue,
      kEnd
    } kind;
    int index;
    double normalized;
    bool operator==(const HostEdit& other) const
    {
      return kind == other.kind && index == other.index && normalized == other.normalized;
    }
  };

  IPlugOffline(IPlugInstanceInfo instanceInfo, int nParams, const char* channelIOStr, int nPresets,
               const char* effectName, const char* productName, const char* mfrName,
               int vendorVersion, int uniqueID, int mfrID, int latency, bool plugDoesMidi,
               bool plugDoesChunks, bool plugIsInst);

  // Sets the sample rate and block size as a host's set-up would.
  void SetUpProcessing(double sampleRate, int blockSize);
  // One block of 32-bit audio through the processing glue, with the first
  // nChannels inputs and outputs connected (all when negative).
  void ProcessBlock(float** inputs, float** outputs, int nFrames, int nChannels = -1);
  // The same for a block of interleaved frames of nChannels (1 or 2), as
  // audio files hold them; input and output may be the same buffer.
  void ProcessInterleaved(const float* input, float* output, int nFrames, int nChannels);

  void BeginHostEdit(int paramIdx) override;
  void SendHostEditValue(int paramIdx, double normalizedValue) override;
  void EndHostEdit(int paramIdx) override;
  void RefreshHostDisplay() override {}
  double GetSamplePosition() override { return 0.0; }
  double GetHostTempo() override { return 0.0; }
  void GetHostTimeSignature(int* numerator, int* denominator) override;
  void GetTransportInfo(TransportInfo* info) override;
  void ResizeEditorWindow(int, int) override {}
  bool SendMidiEvent(const IMidiEvent*) override { return false; }

  const std::vector<HostEdit>& HostEdits() const { return mHostEdits; }
  void ClearHostEdits() { mHostEdits.clear(); }

private:
  std::vector<HostEdit> mHostEdits;
  std::vector<float> mPlanar[4];
};

using IPlug = IPlugOffline;
