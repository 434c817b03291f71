#include "AAX_CUnitDisplayDelegateDecorator.h"

template <class T>
AAX_CUnitDisplayDelegateDecorator<T>::AAX_CUnitDisplayDelegateDecorator(const AAX_IDisplayDelegate<T>& wrapped,
                                                                        const AAX_CString& unit)
  : AAX_IDisplayDelegateDecorator<T>(wrapped), mUnit(unit)
{
}

template <class T>
AAX_CUnitDisplayDelegateDecorator<T>* AAX_CUnitDisplayDelegateDecorator<T>::Clone() const
{
  return new AAX_CUnitDisplayDelegateDecorator(*this);
}

template <class T>
bool AAX_CUnitDisplayDelegateDecorator<T>::ValueToText(T value, AAX_CString* text) const
{
  const bool shown = AAX_IDisplayDelegateDecorator<T>::ValueToText(value, text);
  if (text)
    text->Append(mUnit);
  return shown;
}

template <class T>
bool AAX_CUnitDisplayDelegateDecorator<T>::ValueToTextLimited(T value, int32_t limit, AAX_CString* text) const
{
  const bool shown = AAX_IDisplayDelegateDecorator<T>::ValueToTextLimited(value, limit, text);
  if (!text)
    return shown;
  const uint32_t length = limit < 0 ? 0 : static_cast<uint32_t>(limit);
  if (length > text->Length() && length - text->Length() >= mUnit.Length())
    text->Append(mUnit);
  return shown;
}

template <class T>
bool AAX_CUnitDisplayDelegateDecorator<T>::TextToValue(const AAX_CString& text, T* value) const
{
  const uint32_t length = text.Length();
  const uint32_t unitLength = mUnit.Length();
  if (length > unitLength)
  {
    AAX_CString tail;
    text.SubString(length - unitLength, unitLength, &tail);
    if (tail == mUnit)
    {
      AAX_CString number;
      text.SubString(0, length - unitLength, &number);
      return AAX_IDisplayDelegateDecorator<T>::TextToValue(number, value);
    }
  }
  return AAX_IDisplayDelegateDecorator<T>::TextToValue(text, value);
}

template class AAX_CUnitDisplayDelegateDecorator<int32_t>;
template class AAX_CUnitDisplayDelegateDecorator<double>;
