#pragma once

#include "AAX_IDisplayDelegate.h"

#include <memory>

// Forwards to a display of its own, a clone of the one it was built from;
// derived decorators change what passes through.
template <class T>
class AAX_IDisplayDelegateDecorator : public AAX_IDisplayDelegate<T>
{
public:
  explicit AAX_IDisplayDelegateDecorator(const AAX_IDisplayDelegate<T>& wrapped);
  AAX_IDisplayDelegateDecorator(const AAX_IDisplayDelegateDecorator& other);
  AAX_IDisplayDelegateDecorator& operator=(const AAX_IDisplayDelegateDecorator&) = delete;

  AAX_IDisplayDelegateDecorator* Clone() const override;
  bool ValueToTextLimited(T value, int32_t limit, AAX_CString* text) const override;
  bool ValueToText(T value, AAX_CString* text) const override;
  bool TextToValue(const AAX_CString& text, T* value) const override;

private:
  std::unique_ptr<AAX_IDisplayDelegate<T>> mWrapped;
};

extern template class AAX_IDisplayDelegateDecorator<int32_t>;
extern template class AAX_IDisplayDelegateDecorator<double>;
