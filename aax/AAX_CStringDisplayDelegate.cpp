#include "AAX_CStringDisplayDelegate.h"

template <class T>
AAX_CStringDisplayDelegate<T>::AAX_CStringDisplayDelegate(const std::map<T, AAX_CString>& textOfValue)
  : mTextOfValue(textOfValue)
{
  // Ascending values: the first value of a text stays.
  for (const auto& entry : mTextOfValue)
    mValueOfText.emplace(entry.second, entry.first);
}

template <class T>
AAX_CStringDisplayDelegate<T>* AAX_CStringDisplayDelegate<T>::Clone() const
{
  return new AAX_CStringDisplayDelegate(*this);
}

template <class T>
bool AAX_CStringDisplayDelegate<T>::ValueToTextLimited(T value, int32_t, AAX_CString* text) const
{
  return ValueToText(value, text);
}

template <class T>
bool AAX_CStringDisplayDelegate<T>::ValueToText(T value, AAX_CString* text) const
{
  if (!text)
    return false;
  const auto found = mTextOfValue.find(value);
  if (found == mTextOfValue.end())
  {
    text->SetCString("String Not Found");
    return false;
  }
  *text = found->second;
  return true;
}

template <class T>
bool AAX_CStringDisplayDelegate<T>::TextToValue(const AAX_CString& text, T* value) const
{
  if (!value)
    return false;
  const auto found = mValueOfText.find(text);
  *value = found == mValueOfText.end() ? T() : found->second;
  return found != mValueOfText.end();
}

template class AAX_CStringDisplayDelegate<int32_t>;
