#pragma once

#include "AAX_CString.h"

#include <cstdint>

// Turns a parameter's real values into the host's texts and typed texts back
// into values. Displays stay inside the module and never change after
// construction; every call writes only its own out arguments.
class AAX_IDisplayDelegateBase
{
public:
  virtual ~AAX_IDisplayDelegateBase() = default;
};

template <class T>
class AAX_IDisplayDelegate : public AAX_IDisplayDelegateBase
{
public:
  // A copy that the caller owns.
  virtual AAX_IDisplayDelegate* Clone() const = 0;
  // The text of the value within limit bytes.
  virtual bool ValueToTextLimited(T value, int32_t limit, AAX_CString* text) const = 0;
  virtual bool ValueToText(T value, AAX_CString* text) const = 0;
  // False when the text is not recognised.
  virtual bool TextToValue(const AAX_CString& text, T* value) const = 0;
};
