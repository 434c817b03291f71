#pragma once

#include "AAX_ITaperDelegate.h"

#include <cstdint>

// Linear taper over a range of whole numbers.
template <class T>
class AAX_CLinearTaperDelegate final : public AAX_ITaperDelegate<T>
{
public:
  // The range should satisfy minimum < maximum; with minimum equal to maximum
  // every value normalises to 0.
  AAX_CLinearTaperDelegate(T minimum, T maximum) : mMinimum(minimum), mMaximum(maximum) {}

  AAX_CLinearTaperDelegate* Clone() const override;
  T MaximumValue() const override { return mMaximum; }
  T MinimumValue() const override { return mMinimum; }
  T ConstrainValue(T value) const override;
  // Truncated toward zero, not rounded, then constrained.
  T NormalizedToReal(double normalized) const override;
  double RealToNormalized(T value) const override;

private:
  T mMinimum;
  T mMaximum;
};

extern template class AAX_CLinearTaperDelegate<int32_t>;
