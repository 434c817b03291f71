#include "AAX_CIPlugTaperDelegate.h"

#include <cmath>

double AAX_CIPlugTaperDelegate::ConstrainValue(double value) const
{
  if (value > mMaximum)
    return mMaximum;
  if (value < mMinimum)
    return mMinimum;
  return value;
}

double AAX_CIPlugTaperDelegate::NormalizedToReal(double normalized) const
{
  return ConstrainValue(std::pow(normalized, mShape) * (mMaximum - mMinimum) + mMinimum);
}

double AAX_CIPlugTaperDelegate::RealToNormalized(double value) const
{
  const double normalized = std::pow((ConstrainValue(value) - mMinimum) / (mMaximum - mMinimum), 1.0 / mShape);
  if (normalized < 0.0)
    return 0.0;
  if (normalized > 1.0)
    return 1.0;
  return normalized;
}
