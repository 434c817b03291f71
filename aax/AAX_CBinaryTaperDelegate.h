#pragma once

#include "AAX_ITaperDelegate.h"

// Two-state taper: any positive normalised value is true.
template <class T>
class AAX_CBinaryTaperDelegate final : public AAX_ITaperDelegate<T>
{
public:
  AAX_CBinaryTaperDelegate* Clone() const override;
  T MaximumValue() const override { return true; }
  T MinimumValue() const override { return false; }
  T ConstrainValue(T value) const override { return value; }
  // False for 0, negative values and a value that is not a number.
  T NormalizedToReal(double normalized) const override { return normalized > 0.0; }
  double RealToNormalized(T value) const override { return value ? 1.0 : 0.0; }
};

extern template class AAX_CBinaryTaperDelegate<bool>;
