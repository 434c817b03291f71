#pragma once

#include "IControl.h"

// A row of boxes that light from the right as the de-esser lowers the gain:
// the gain handed in by the effect, smoothed at the editor's frame rate
// (fast attack, slower release), in decibels.
class IGainReductionMeter : public IControl
{
public:
  explicit IGainReductionMeter(IPlugBase* plug);

  bool Render(IGraphics* graphics) override;
  // The meter does not grey; it only redraws.
  void SetGreyed(bool greyed) override;
  virtual void ComputeBallistics();

  double SmoothedGain() const { return mSmoothedGain; }

private:
  static constexpr int kTableSize = 1024;

  int mFrameRate = 0;
  int mSegments = 12;
  double mSmoothedGain = 0.0;
  double mAttack = 0.0;
  double mRelease = 0.0;
  double mDecibels[kTableSize];
};
