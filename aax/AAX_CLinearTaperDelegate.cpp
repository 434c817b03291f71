#include "AAX_CLinearTaperDelegate.h"

#include "AAX_TruncateToInt32.h"

template <class T>
AAX_CLinearTaperDelegate<T>* AAX_CLinearTaperDelegate<T>::Clone() const
{
  return new AAX_CLinearTaperDelegate(*this);
}

template <class T>
T AAX_CLinearTaperDelegate<T>::ConstrainValue(T value) const
{
  if (value > mMaximum)
    return mMaximum;
  if (value < mMinimum)
    return mMinimum;
  return value;
}

template <class T>
T AAX_CLinearTaperDelegate<T>::NormalizedToReal(double normalized) const
{
  const double minimum = mMinimum;
  const double real = (static_cast<double>(mMaximum) - minimum) * normalized + minimum;
  return ConstrainValue(AAX_TruncateToInt32(real));
}

template <class T>
double AAX_CLinearTaperDelegate<T>::RealToNormalized(T value) const
{
  const double span = static_cast<double>(mMaximum) - mMinimum;
  if (span == 0.0)
    return 0.0;
  return (static_cast<double>(ConstrainValue(value)) - mMinimum) / span;
}

template class AAX_CLinearTaperDelegate<int32_t>;
