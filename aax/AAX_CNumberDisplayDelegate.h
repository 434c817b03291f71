#pragma once

#include "AAX_IDisplayDelegate.h"

// A number with two decimals; within a limit it is cut, not rounded again.
template <class T>
class AAX_CNumberDisplayDelegate final : public AAX_IDisplayDelegate<T>
{
public:
  static constexpr int32_t kDecimals = 2;

  AAX_CNumberDisplayDelegate* Clone() const override;
  bool ValueToTextLimited(T value, int32_t limit, AAX_CString* text) const override;
  bool ValueToText(T value, AAX_CString* text) const override;
  // The int form truncates toward zero (INT32_MIN outside the int32 range).
  bool TextToValue(const AAX_CString& text, T* value) const override;
};

extern template class AAX_CNumberDisplayDelegate<int32_t>;
extern template class AAX_CNumberDisplayDelegate<double>;
