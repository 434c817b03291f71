#pragma once

#include "aax_base.h"

#include <atomic>

// Base of every object the host holds by interface pointer: a thread-safe
// reference count, interface queries, and the module-wide count of live
// objects. A derived class puts its interface face first (its table pointer
// at the start of the object), forwards the face's three IACFUnknown
// operations to GetOuterUnknown() and answers its own identifiers in
// QueryInterfaceInner. The object is created with count 0 and destroyed by
// the Release that brings the count back to 0; nobody else deletes it.
class CACFUnknown
{
public:
  CACFUnknown();
  virtual ~CACFUnknown();
  CACFUnknown(const CACFUnknown&) = delete;
  CACFUnknown& operator=(const CACFUnknown&) = delete;

  // Run by the releasing thread when the count reaches 0, before destruction.
  virtual void StopInstance();
  virtual void DestroyInstance();
  // Answers only IID_IACFUnknown, with the private unknown (not a face):
  // 0 and a referenced pointer, or kACFNoInterface and null. A null out is
  // left alone.
  virtual int32_t QueryInterfaceInner(const ACFUID* iid, void** out);
  virtual int32_t AddRefInner();
  virtual int32_t ReleaseInner();

  // The controlling unknown, through which every face forwards.
  IACFUnknown* GetOuterUnknown() const { return mOuterUnknown; }

  // Objects constructed and not yet destroyed, module-wide.
  static int32_t LiveObjects();

private:
  class PrivateUnknown final : public IACFUnknown
  {
  public:
    explicit PrivateUnknown(CACFUnknown* owner) : mOwner(owner) {}
    int32_t ACF_CALL QueryInterface(const ACFUID* iid, void** out) override;
    int32_t ACF_CALL AddRef() override;
    int32_t ACF_CALL Release() override;

  private:
    CACFUnknown* mOwner;
  };

  std::atomic<int32_t> mRefCount{0};
  IACFUnknown* mOuterUnknown;
  PrivateUnknown mPrivateUnknown;
};
