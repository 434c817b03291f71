#pragma once

#include "AAX_ITaperDelegate.h"

// The taper of a framework parameter of kind Double: its minimum, maximum
// and shape, with the framework's mapping but no rounding to its step.
class AAX_CIPlugTaperDelegate final : public AAX_ITaperDelegate<double>
{
public:
  AAX_CIPlugTaperDelegate(double minimum, double maximum, double shape)
      : mMinimum(minimum), mMaximum(maximum), mShape(shape)
  {
  }

  AAX_CIPlugTaperDelegate* Clone() const override { return new AAX_CIPlugTaperDelegate(*this); }
  double MaximumValue() const override { return mMaximum; }
  double MinimumValue() const override { return mMinimum; }
  // The maximum is tested first.
  double ConstrainValue(double value) const override;
  double NormalizedToReal(double normalized) const override;
  // Limited to 0 to 1.
  double RealToNormalized(double value) const override;

private:
  double mMinimum;
  double mMaximum;
  double mShape;
};
