#pragma once

#include "aax_base.h"

// The text interface of every AAX operation that hands text over: hosts pass
// their own out strings through it, and ours cross to the host.
class AAX_IString
{
public:
  // Slot 0: the deleting destructor (kDeleteFreesMemory frees the object).
  virtual void AAX_MEMBER_CALL Destroy(uint32_t flags) = 0;
  virtual uint32_t AAX_MEMBER_CALL Length() const = 0;
  virtual uint32_t AAX_MEMBER_CALL MaxLength() const = 0;
  // NUL-terminated, valid until the next change.
  virtual const char* AAX_MEMBER_CALL CString() const = 0;
  virtual void AAX_MEMBER_CALL SetCString(const char* text) = 0;
  virtual AAX_IString& AAX_MEMBER_CALL AssignCString(const char* text) = 0;
  virtual AAX_IString& AAX_MEMBER_CALL AssignString(const AAX_IString& other) = 0;

protected:
  ~AAX_IString() = default;
};
