#include "AAX_CNumberDisplayDelegate.h"

#include "AAX_TruncateToInt32.h"

#include <type_traits>

template <class T>
AAX_CNumberDisplayDelegate<T>* AAX_CNumberDisplayDelegate<T>::Clone() const
{
  return new AAX_CNumberDisplayDelegate(*this);
}

template <class T>
bool AAX_CNumberDisplayDelegate<T>::ValueToText(T value, AAX_CString* text) const
{
  if (!text)
    return false;
  text->Clear();
  text->AppendNumber(static_cast<double>(value), kDecimals);
  return true;
}

template <class T>
bool AAX_CNumberDisplayDelegate<T>::ValueToTextLimited(T value, int32_t limit, AAX_CString* text) const
{
  if (!ValueToText(value, text))
    return false;
  const uint32_t length = limit < 0 ? 0 : static_cast<uint32_t>(limit);
  if (text->Length() > length)
    text->Erase(length, text->Length() - length);
  // A cut that ends on the point leaves a bare number.
  if (length > 0 && text->Length() == length && (*text)[length - 1] == '.')
    text->Erase(length - 1, 1);
  return true;
}

template <class T>
bool AAX_CNumberDisplayDelegate<T>::TextToValue(const AAX_CString& text, T* value) const
{
  if (!value)
    return false;
  double number = 0.0;
  const bool read = text.ToDouble(&number);
  if constexpr (std::is_same_v<T, double>)
    *value = number;
  else
    *value = read ? AAX_TruncateToInt32(number) : 0;
  return read;
}

template class AAX_CNumberDisplayDelegate<int32_t>;
template class AAX_CNumberDisplayDelegate<double>;
