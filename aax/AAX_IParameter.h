#pragma once

#include "AAX_CString.h"
#include "aax_base.h"

class AAX_IAutomationDelegate;
class AAX_ITaperDelegateBase;
class AAX_IDisplayDelegateBase;

// One host-visible parameter. The table crosses to the host (it may call any
// slot of a parameter it found), so slot 0 is a named deleting destructor
// and no slot throws. Texts are AAX_CString; values of a parameter's own type
// go through the typed slots 26 to 35, which refuse every other type.
class AAX_IParameter
{
public:
  virtual void AAX_MEMBER_CALL Destroy(uint32_t flags) = 0;  // 0
  virtual const char* AAX_MEMBER_CALL Identifier() const = 0;
  virtual void AAX_MEMBER_CALL SetName(const AAX_CString& name) = 0;
  virtual const AAX_CString& AAX_MEMBER_CALL Name() const = 0;
  virtual void AAX_MEMBER_CALL AddShortenedName(const AAX_CString& name) = 0;
  virtual const AAX_CString& AAX_MEMBER_CALL ShortenedName(int32_t limit) const = 0;  // 5
  virtual void AAX_MEMBER_CALL ClearShortenedNames() = 0;
  virtual bool AAX_MEMBER_CALL IsAutomatable() const = 0;
  virtual void AAX_MEMBER_CALL SetAutomationDelegate(AAX_IAutomationDelegate* delegate) = 0;
  virtual void AAX_MEMBER_CALL Touch() = 0;
  virtual void AAX_MEMBER_CALL ReleaseTouch() = 0;  // 10
  virtual void AAX_MEMBER_CALL SetNormalizedValue(double normalized) = 0;
  virtual double AAX_MEMBER_CALL NormalizedValue() const = 0;
  virtual void AAX_MEMBER_CALL SetNormalizedDefault(double normalized) = 0;
  virtual double AAX_MEMBER_CALL NormalizedDefault() const = 0;
  virtual void AAX_MEMBER_CALL ResetToDefault() = 0;  // 15
  virtual void AAX_MEMBER_CALL SetStepCount(uint32_t count) = 0;
  virtual uint32_t AAX_MEMBER_CALL StepCount() const = 0;
  virtual uint32_t AAX_MEMBER_CALL StepValue() const = 0;
  virtual void AAX_MEMBER_CALL SetStepValue(uint32_t step) = 0;
  virtual bool AAX_MEMBER_CALL ValueTextLimited(int32_t limit, AAX_CString* text) const = 0;  // 20
  virtual bool AAX_MEMBER_CALL ValueText(AAX_CString* text) const = 0;
  virtual bool AAX_MEMBER_CALL NormalizedFromText(const AAX_CString& text, double* normalized) const = 0;
  virtual bool AAX_MEMBER_CALL TextForNormalizedLimited(double normalized, int32_t limit, AAX_CString* text) const = 0;
  virtual bool AAX_MEMBER_CALL TextForNormalized(double normalized, AAX_CString* text) const = 0;
  virtual bool AAX_MEMBER_CALL SetValueFromText(const AAX_CString& text) = 0;  // 25
  virtual bool AAX_MEMBER_CALL GetBoolValue(bool* value) const = 0;
  virtual bool AAX_MEMBER_CALL GetIntValue(int32_t* value) const = 0;
  virtual bool AAX_MEMBER_CALL GetValueOfOtherType(float* value) const = 0;
  virtual bool AAX_MEMBER_CALL GetDoubleValue(double* value) const = 0;
  virtual bool AAX_MEMBER_CALL GetTextValue(AAX_CString* value) const = 0;  // 30
  virtual bool AAX_MEMBER_CALL SetBoolValue(bool value) = 0;
  virtual bool AAX_MEMBER_CALL SetIntValue(int32_t value) = 0;
  virtual bool AAX_MEMBER_CALL SetValueOfOtherType(float value) = 0;
  virtual bool AAX_MEMBER_CALL SetDoubleValue(double value) = 0;
  virtual bool AAX_MEMBER_CALL SetTextValue(const AAX_CString& value) = 0;  // 35
  virtual void AAX_MEMBER_CALL SetKind(int32_t kind) = 0;
  virtual int32_t AAX_MEMBER_CALL Kind() const = 0;
  virtual void AAX_MEMBER_CALL SetAuxValue(int32_t value) = 0;
  virtual int32_t AAX_MEMBER_CALL AuxValue() const = 0;
  // A taper or display of another value type is ignored.
  virtual void AAX_MEMBER_CALL SetTaperDelegate(const AAX_ITaperDelegateBase& taper, bool keepRealValue) = 0;  // 40
  virtual void AAX_MEMBER_CALL SetDisplayDelegate(const AAX_IDisplayDelegateBase& display) = 0;
  virtual void AAX_MEMBER_CALL ApplyNormalizedValue(double normalized) = 0;  // 42

protected:
  ~AAX_IParameter() = default;
};
