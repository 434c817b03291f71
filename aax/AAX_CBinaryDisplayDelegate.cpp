#include "AAX_CBinaryDisplayDelegate.h"

template <class T>
AAX_CBinaryDisplayDelegate<T>::AAX_CBinaryDisplayDelegate(const char* falseText, const char* trueText)
  : mFalseText(falseText), mTrueText(trueText)
{
}

template <class T>
AAX_CBinaryDisplayDelegate<T>* AAX_CBinaryDisplayDelegate<T>::Clone() const
{
  return new AAX_CBinaryDisplayDelegate(*this);
}

template <class T>
bool AAX_CBinaryDisplayDelegate<T>::ValueToTextLimited(T value, int32_t, AAX_CString* text) const
{
  return ValueToText(value, text);
}

template <class T>
bool AAX_CBinaryDisplayDelegate<T>::ValueToText(T value, AAX_CString* text) const
{
  if (!text)
    return false;
  *text = value ? mTrueText : mFalseText;
  return true;
}

template <class T>
bool AAX_CBinaryDisplayDelegate<T>::TextToValue(const AAX_CString& text, T* value) const
{
  if (!value)
    return false;
  if (text == mTrueText)
  {
    *value = true;
    return true;
  }
  *value = false;
  return text == mFalseText;
}

template class AAX_CBinaryDisplayDelegate<bool>;
