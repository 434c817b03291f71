#pragma once

#include "AAX_IDisplayDelegate.h"
#include "AAX_IParameter.h"
#include "AAX_ITaperDelegate.h"

#include <map>
#include <memory>

// A parameter over int32, double or bool. A change that starts in the
// plug-in is a request to the host while an automation delegate is set
// (touch, set request, release); only ApplyNormalizedValue, the host's
// answer, stores a value and reports it back. Without a delegate a request
// applies itself. A normalised value that is not finite is ignored.
template <class T>
class AAX_CParameter final : public AAX_IParameter
{
public:
  // The identifier is cut to 31 characters (null counts as empty); the
  // delegates are cloned. The value starts as the default through the taper
  // both ways. May throw std::bad_alloc.
  AAX_CParameter(const char* identifier, const AAX_CString& name, T defaultValue,
                 const AAX_ITaperDelegate<T>& taper, const AAX_IDisplayDelegate<T>& display, bool automatable);
  ~AAX_CParameter();
  AAX_CParameter(const AAX_CParameter&) = delete;
  AAX_CParameter& operator=(const AAX_CParameter&) = delete;

  void AAX_MEMBER_CALL Destroy(uint32_t flags) override;
  const char* AAX_MEMBER_CALL Identifier() const override { return mIdentifier; }
  void AAX_MEMBER_CALL SetName(const AAX_CString& name) override;
  const AAX_CString& AAX_MEMBER_CALL Name() const override { return mName; }
  // Replaces a shortened name of the same length.
  void AAX_MEMBER_CALL AddShortenedName(const AAX_CString& name) override;
  // The longest shortened name within the limit, else the shortest one; the
  // full name when it fits, when there are none or the limit is negative.
  const AAX_CString& AAX_MEMBER_CALL ShortenedName(int32_t limit) const override;
  void AAX_MEMBER_CALL ClearShortenedNames() override { mShortenedNames.clear(); }
  bool AAX_MEMBER_CALL IsAutomatable() const override { return mAutomatable; }
  // The old delegate unregisters the identifier, a new one registers it.
  void AAX_MEMBER_CALL SetAutomationDelegate(AAX_IAutomationDelegate* delegate) override;
  void AAX_MEMBER_CALL Touch() override;
  void AAX_MEMBER_CALL ReleaseTouch() override;
  // Requests the normalised value of the real value it maps to.
  void AAX_MEMBER_CALL SetNormalizedValue(double normalized) override;
  double AAX_MEMBER_CALL NormalizedValue() const override { return mTaper->RealToNormalized(mValue); }
  // Constrained; nothing is reported and the value stays.
  void AAX_MEMBER_CALL SetNormalizedDefault(double normalized) override;
  double AAX_MEMBER_CALL NormalizedDefault() const override { return mTaper->RealToNormalized(mDefault); }
  void AAX_MEMBER_CALL ResetToDefault() override { Request(mTaper->RealToNormalized(mDefault)); }
  void AAX_MEMBER_CALL SetStepCount(uint32_t count) override { mStepCount = count; }
  uint32_t AAX_MEMBER_CALL StepCount() const override { return mStepCount; }
  // 0 with fewer than 2 steps.
  uint32_t AAX_MEMBER_CALL StepValue() const override;
  // Does nothing with fewer than 2 steps.
  void AAX_MEMBER_CALL SetStepValue(uint32_t step) override;
  // The limit is not applied.
  bool AAX_MEMBER_CALL ValueTextLimited(int32_t limit, AAX_CString* text) const override;
  bool AAX_MEMBER_CALL ValueText(AAX_CString* text) const override;
  // False, with out untouched, for an unrecognised text; false, with out
  // written, for a value outside the taper's range.
  bool AAX_MEMBER_CALL NormalizedFromText(const AAX_CString& text, double* normalized) const override;
  // False when the display refuses or the real value is outside the range;
  // the display's text stays.
  bool AAX_MEMBER_CALL TextForNormalizedLimited(double normalized, int32_t limit, AAX_CString* text) const override;
  bool AAX_MEMBER_CALL TextForNormalized(double normalized, AAX_CString* text) const override;
  bool AAX_MEMBER_CALL SetValueFromText(const AAX_CString& text) override;
  bool AAX_MEMBER_CALL GetBoolValue(bool* value) const override;
  bool AAX_MEMBER_CALL GetIntValue(int32_t* value) const override;
  bool AAX_MEMBER_CALL GetValueOfOtherType(float*) const override { return false; }
  bool AAX_MEMBER_CALL GetDoubleValue(double* value) const override;
  bool AAX_MEMBER_CALL GetTextValue(AAX_CString*) const override { return false; }
  bool AAX_MEMBER_CALL SetBoolValue(bool value) override;
  bool AAX_MEMBER_CALL SetIntValue(int32_t value) override;
  bool AAX_MEMBER_CALL SetValueOfOtherType(float) override { return false; }
  bool AAX_MEMBER_CALL SetDoubleValue(double value) override;
  bool AAX_MEMBER_CALL SetTextValue(const AAX_CString&) override { return false; }
  void AAX_MEMBER_CALL SetKind(int32_t kind) override { mKind = kind; }
  int32_t AAX_MEMBER_CALL Kind() const override { return mKind; }
  void AAX_MEMBER_CALL SetAuxValue(int32_t value) override { mAuxValue = value; }
  int32_t AAX_MEMBER_CALL AuxValue() const override { return mAuxValue; }
  // Keeps the real value (requesting it anew) or the normalised position.
  void AAX_MEMBER_CALL SetTaperDelegate(const AAX_ITaperDelegateBase& taper, bool keepRealValue) override;
  void AAX_MEMBER_CALL SetDisplayDelegate(const AAX_IDisplayDelegateBase& display) override;
  void AAX_MEMBER_CALL ApplyNormalizedValue(double normalized) override;

private:
  static constexpr int kIdentifierRoom = 32;

  // Requests the value of a real value.
  void SetValue(T value) { Request(mTaper->RealToNormalized(value)); }
  void Request(double normalized);
  bool IsInRange(T value) const { return !(value > mTaper->MaximumValue()) && !(value < mTaper->MinimumValue()); }
  // The typed accessors: only the parameter's own type succeeds.
  template <class V>
  bool GetTyped(V* value) const;
  template <class V>
  bool SetTyped(V value);

  char mIdentifier[kIdentifierRoom];
  AAX_CString mName;
  std::map<int32_t, AAX_CString> mShortenedNames;
  bool mAutomatable;
  uint32_t mStepCount = 128;
  int32_t mKind = 1;
  int32_t mAuxValue = 0;
  std::unique_ptr<AAX_ITaperDelegate<T>> mTaper;
  std::unique_ptr<AAX_IDisplayDelegate<T>> mDisplay;
  AAX_IAutomationDelegate* mAutomation = nullptr;
  bool mForceNotify = true;
  T mValue;
  T mDefault;
};

extern template class AAX_CParameter<int32_t>;
extern template class AAX_CParameter<double>;
extern template class AAX_CParameter<bool>;
