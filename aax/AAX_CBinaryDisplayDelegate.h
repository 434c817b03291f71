#pragma once

#include "AAX_IDisplayDelegate.h"

// Two texts, for false and for true.
template <class T>
class AAX_CBinaryDisplayDelegate final : public AAX_IDisplayDelegate<T>
{
public:
  AAX_CBinaryDisplayDelegate(const char* falseText, const char* trueText);

  AAX_CBinaryDisplayDelegate* Clone() const override;
  // No limit is applied.
  bool ValueToTextLimited(T value, int32_t limit, AAX_CString* text) const override;
  bool ValueToText(T value, AAX_CString* text) const override;
  // The true text reads as true; anything else as false, recognised only when
  // it is the false text.
  bool TextToValue(const AAX_CString& text, T* value) const override;

private:
  AAX_CString mFalseText;
  AAX_CString mTrueText;
};

extern template class AAX_CBinaryDisplayDelegate<bool>;
