#pragma once

#include "AAX_IDisplayDelegateDecorator.h"

// Appends a unit label to the wrapped display's text, without a separator,
// and reads a text with or without it.
template <class T>
class AAX_CUnitDisplayDelegateDecorator final : public AAX_IDisplayDelegateDecorator<T>
{
public:
  AAX_CUnitDisplayDelegateDecorator(const AAX_IDisplayDelegate<T>& wrapped, const AAX_CString& unit);

  AAX_CUnitDisplayDelegateDecorator* Clone() const override;
  // The unit is appended only when it fits within the limit whole.
  bool ValueToTextLimited(T value, int32_t limit, AAX_CString* text) const override;
  bool ValueToText(T value, AAX_CString* text) const override;
  bool TextToValue(const AAX_CString& text, T* value) const override;

private:
  AAX_CString mUnit;
};

extern template class AAX_CUnitDisplayDelegateDecorator<int32_t>;
extern template class AAX_CUnitDisplayDelegateDecorator<double>;
