#include "AAX_CParameter.h"

#include "AAX_IAutomationDelegate.h"
#include "HostCallGuard.h"

#include <cmath>
#include <cstring>
#include <iterator>
#include <type_traits>
#include <utility>

namespace
{
// Runs a host entry's work; when memory cannot be had it did nothing.
template <class Work>
bool Guarded(Work&& work) noexcept
{
  return GuardHostCall(false, false, std::forward<Work>(work));
}
}

template <class T>
AAX_CParameter<T>::AAX_CParameter(const char* identifier, const AAX_CString& name, T defaultValue,
                                  const AAX_ITaperDelegate<T>& taper, const AAX_IDisplayDelegate<T>& display,
                                  bool automatable)
  : mName(name),
    mAutomatable(automatable),
    mTaper(taper.Clone()),
    mDisplay(display.Clone()),
    mValue(defaultValue),
    mDefault(defaultValue)
{
  size_t length = 0;
  while (identifier && length < kIdentifierRoom - 1 && identifier[length])
    ++length;
  if (length)
    std::memcpy(mIdentifier, identifier, length);
  mIdentifier[length] = '\0';
  ResetToDefault();
}

template <class T>
AAX_CParameter<T>::~AAX_CParameter()
{
  if (mAutomation)
    mAutomation->UnregisterParameter(mIdentifier);
  mAutomation = nullptr;
  mTaper.reset();
  mDisplay.reset();
}

template <class T>
void AAX_CParameter<T>::Destroy(uint32_t flags)
{
  if (flags & kDeleteFreesMemory)
    delete this;
  else
    this->~AAX_CParameter();
}

template <class T>
void AAX_CParameter<T>::SetName(const AAX_CString& name)
{
  Guarded([&] {
    mName = name;
    return true;
  });
}

template <class T>
void AAX_CParameter<T>::AddShortenedName(const AAX_CString& name)
{
  Guarded([&] {
    mShortenedNames[static_cast<int32_t>(name.Length())] = name;
    return true;
  });
}

template <class T>
const AAX_CString& AAX_CParameter<T>::ShortenedName(int32_t limit) const
{
  if (limit < 0 || static_cast<uint32_t>(limit) >= mName.Length() || mShortenedNames.empty())
    return mName;
  const auto longer = mShortenedNames.upper_bound(limit);
  if (longer == mShortenedNames.begin())
    return longer->second;
  return std::prev(longer)->second;
}

template <class T>
void AAX_CParameter<T>::SetAutomationDelegate(AAX_IAutomationDelegate* delegate)
{
  if (mAutomation)
    mAutomation->UnregisterParameter(mIdentifier);
  mAutomation = delegate;
  if (mAutomation)
    mAutomation->RegisterParameter(mIdentifier);
}

template <class T>
void AAX_CParameter<T>::Touch()
{
  if (mAutomation)
    mAutomation->PostTouch(mIdentifier);
}

template <class T>
void AAX_CParameter<T>::ReleaseTouch()
{
  if (mAutomation)
    mAutomation->PostReleaseTouch(mIdentifier);
}

template <class T>
void AAX_CParameter<T>::Request(double normalized)
{
  if (!std::isfinite(normalized))
    return;
  if (mAutomation)
  {
    Touch();
    mAutomation->PostSetValueRequest(mIdentifier, normalized);
    ReleaseTouch();
    return;
  }
  mForceNotify = true;
  ApplyNormalizedValue(normalized);
}

template <class T>
void AAX_CParameter<T>::SetNormalizedValue(double normalized)
{
  // The host is asked for the position of the real value, not for x itself.
  if (std::isfinite(normalized))
    Request(mTaper->RealToNormalized(mTaper->NormalizedToReal(normalized)));
}

template <class T>
void AAX_CParameter<T>::SetNormalizedDefault(double normalized)
{
  if (std::isfinite(normalized))
    mDefault = mTaper->ConstrainValue(mTaper->NormalizedToReal(normalized));
}

template <class T>
uint32_t AAX_CParameter<T>::StepValue() const
{
  const double steps = mStepCount;
  if (steps < 2)
    return 0;
  double step = NormalizedValue() / (1.0 / (steps - 1)) + 0.5;
  if (!(step >= 0))
    return 0;
  if (step > steps - 1)
    step = steps - 1;
  return static_cast<uint32_t>(step);
}

template <class T>
void AAX_CParameter<T>::SetStepValue(uint32_t step)
{
  const double steps = mStepCount;
  if (steps < 2)
    return;
  double normalized = 1.0 / (steps - 1) * step;
  if (normalized < 0)
    normalized = 0;
  if (normalized > 1)
    normalized = 1;
  SetNormalizedValue(normalized);
}

template <class T>
bool AAX_CParameter<T>::ValueTextLimited(int32_t, AAX_CString* text) const
{
  return ValueText(text);
}

template <class T>
bool AAX_CParameter<T>::ValueText(AAX_CString* text) const
{
  return text && Guarded([&] { return mDisplay->ValueToText(mValue, text); });
}

template <class T>
bool AAX_CParameter<T>::NormalizedFromText(const AAX_CString& text, double* normalized) const
{
  return normalized && Guarded([&] {
    T value{};
    if (!mDisplay->TextToValue(text, &value))
      return false;
    *normalized = mTaper->RealToNormalized(value);
    return IsInRange(value);
  });
}

template <class T>
bool AAX_CParameter<T>::TextForNormalizedLimited(double normalized, int32_t limit, AAX_CString* text) const
{
  return text && Guarded([&] {
    const T value = mTaper->NormalizedToReal(normalized);
    return mDisplay->ValueToTextLimited(value, limit, text) && IsInRange(value);
  });
}

template <class T>
bool AAX_CParameter<T>::TextForNormalized(double normalized, AAX_CString* text) const
{
  return text && Guarded([&] {
    const T value = mTaper->NormalizedToReal(normalized);
    return mDisplay->ValueToText(value, text) && IsInRange(value);
  });
}

template <class T>
bool AAX_CParameter<T>::SetValueFromText(const AAX_CString& text)
{
  return Guarded([&] {
    T value{};
    if (!mDisplay->TextToValue(text, &value))
      return false;
    SetValue(value);
    return true;
  });
}

template <class T>
template <class V>
bool AAX_CParameter<T>::GetTyped(V* value) const
{
  if constexpr (std::is_same_v<T, V>)
  {
    if (!value)
      return false;
    *value = mValue;
    return true;
  }
  return false;
}

template <class T>
template <class V>
bool AAX_CParameter<T>::SetTyped(V value)
{
  if constexpr (std::is_same_v<T, V>)
  {
    SetValue(value);
    return true;
  }
  return false;
}

template <class T>
bool AAX_CParameter<T>::GetBoolValue(bool* value) const
{
  return GetTyped(value);
}

template <class T>
bool AAX_CParameter<T>::GetIntValue(int32_t* value) const
{
  return GetTyped(value);
}

template <class T>
bool AAX_CParameter<T>::GetDoubleValue(double* value) const
{
  return GetTyped(value);
}

template <class T>
bool AAX_CParameter<T>::SetBoolValue(bool value)
{
  return SetTyped(value);
}

template <class T>
bool AAX_CParameter<T>::SetIntValue(int32_t value)
{
  return SetTyped(value);
}

template <class T>
bool AAX_CParameter<T>::SetDoubleValue(double value)
{
  return SetTyped(value);
}

template <class T>
void AAX_CParameter<T>::SetTaperDelegate(const AAX_ITaperDelegateBase& taper, bool keepRealValue)
{
  const auto* typed = dynamic_cast<const AAX_ITaperDelegate<T>*>(&taper);
  if (!typed)
    return;
  Guarded([&] {
    const double normalized = NormalizedValue();
    mTaper.reset(typed->Clone());
    mForceNotify = true;
    if (keepRealValue)
      SetValue(mValue);
    else
      ApplyNormalizedValue(normalized);
    return true;
  });
}

template <class T>
void AAX_CParameter<T>::SetDisplayDelegate(const AAX_IDisplayDelegateBase& display)
{
  const auto* typed = dynamic_cast<const AAX_IDisplayDelegate<T>*>(&display);
  if (!typed)
    return;
  Guarded([&] {
    mDisplay.reset(typed->Clone());
    if (mAutomation)
      mAutomation->PostCurrentValue(mIdentifier, NormalizedValue());
    return true;
  });
}

template <class T>
void AAX_CParameter<T>::ApplyNormalizedValue(double normalized)
{
  if (!std::isfinite(normalized))
    return;
  const T value = mTaper->NormalizedToReal(normalized);
  if (!mForceNotify && value == mValue)
    return;
  mValue = value;
  if (mAutomation)
    mAutomation->PostCurrentValue(mIdentifier, normalized);
  mForceNotify = false;
}

template class AAX_CParameter<int32_t>;
template class AAX_CParameter<double>;
template class AAX_CParameter<bool>;
