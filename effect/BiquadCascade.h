#pragma once

// c1 and c2 are the feedback coefficients with their sign reversed (the
// recursion adds them); b0, b1, b2 feed forward.
struct BiquadCoefficients
{
  double c1 = 0.0, c2 = 0.0, b0 = 0.0, b1 = 0.0, b2 = 0.0;
};

// w1 is the most recent internal value, w2 the one before it.
struct BiquadState
{
  double w1 = 0.0, w2 = 0.0;
};

// A cascade of second-order sections over interleaved channels, in double
// precision. Each stage holds its current coefficients and a ramped copy
// that the two-lane path glides towards them over one block. Coefficients
// and state are held by value, up to kMaxChannels channels of kMaxStages
// stages.
class BiquadCascade
{
public:
  static constexpr int kMaxChannels = 2;
  static constexpr int kMaxStages = 4;

  // Counts are limited to 1..kMaxChannels and 1..kMaxStages.
  BiquadCascade(int channels, int stages);

  // Filters nFrames interleaved frames in place: a 2-channel filter takes
  // the two-lane ramped path when the processor has SSE3, every other one
  // the scalar path.
  void ProcessInterleaved(int nFrames, double* samples);
  // The scalar path, whatever the processor.
  void ProcessScalar(int nFrames, double* samples);
  // The two-lane path for one stage of a 2-channel filter.
  void ProcessStereoRamped(int nFrames, double* samples, int stage, BiquadState* state);

  int Channels() const { return mChannels; }
  int Stages() const { return mStages; }
  BiquadCoefficients& Coefficients(int stage) { return mCoefficients[stage]; }
  const BiquadCoefficients& Coefficients(int stage) const { return mCoefficients[stage]; }
  const BiquadCoefficients& Ramped(int stage) const { return mRamped[stage]; }
  BiquadState& State(int channel, int stage) { return mState[channel * mStages + stage]; }
  const BiquadState& State(int channel, int stage) const { return mState[channel * mStages + stage]; }
  void ClearState();

private:
  int mChannels;
  int mStages;
  BiquadState mState[kMaxChannels * kMaxStages];
  BiquadCoefficients mCoefficients[kMaxStages];
  BiquadCoefficients mRamped[kMaxStages];
};

// Band-pass of constant skirt gain (peak gain Q) at the normalised
// frequency (centre frequency / sample rate), into the first stage.
void DesignBandPass(BiquadCascade* filter, double normalizedFrequency, double q);
