#include "AAX_IDisplayDelegateDecorator.h"

template <class T>
AAX_IDisplayDelegateDecorator<T>::AAX_IDisplayDelegateDecorator(const AAX_IDisplayDelegate<T>& wrapped)
  : mWrapped(wrapped.Clone())
{
}

template <class T>
AAX_IDisplayDelegateDecorator<T>::AAX_IDisplayDelegateDecorator(const AAX_IDisplayDelegateDecorator& other)
  : AAX_IDisplayDelegateDecorator(*other.mWrapped)
{
}

template <class T>
AAX_IDisplayDelegateDecorator<T>* AAX_IDisplayDelegateDecorator<T>::Clone() const
{
  return new AAX_IDisplayDelegateDecorator(*this);
}

template <class T>
bool AAX_IDisplayDelegateDecorator<T>::ValueToTextLimited(T value, int32_t limit, AAX_CString* text) const
{
  return mWrapped->ValueToTextLimited(value, limit, text);
}

template <class T>
bool AAX_IDisplayDelegateDecorator<T>::ValueToText(T value, AAX_CString* text) const
{
  return mWrapped->ValueToText(value, text);
}

template <class T>
bool AAX_IDisplayDelegateDecorator<T>::TextToValue(const AAX_CString& text, T* value) const
{
  return mWrapped->TextToValue(text, value);
}

template class AAX_IDisplayDelegateDecorator<int32_t>;
template class AAX_IDisplayDelegateDecorator<double>;
