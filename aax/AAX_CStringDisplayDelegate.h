#pragma once

#include "AAX_IDisplayDelegate.h"

#include <map>

// A text for each of a set of values. A text shared by several values reads
// back as the smallest of them.
template <class T>
class AAX_CStringDisplayDelegate final : public AAX_IDisplayDelegate<T>
{
public:
  explicit AAX_CStringDisplayDelegate(const std::map<T, AAX_CString>& textOfValue);

  AAX_CStringDisplayDelegate* Clone() const override;
  // No limit is applied.
  bool ValueToTextLimited(T value, int32_t limit, AAX_CString* text) const override;
  // A value without a text gives "String Not Found" and false.
  bool ValueToText(T value, AAX_CString* text) const override;
  // A text without a value gives 0 and false.
  bool TextToValue(const AAX_CString& text, T* value) const override;

private:
  std::map<T, AAX_CString> mTextOfValue;
  std::map<AAX_CString, T> mValueOfText;
};

extern template class AAX_CStringDisplayDelegate<int32_t>;
