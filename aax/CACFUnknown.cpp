#include "CACFUnknown.h"

namespace
{
std::atomic<int32_t> gLiveObjects{0};
}

CACFUnknown::CACFUnknown() : mOuterUnknown(&mPrivateUnknown), mPrivateUnknown(this) { ++gLiveObjects; }

CACFUnknown::~CACFUnknown() { --gLiveObjects; }

int32_t CACFUnknown::LiveObjects() { return gLiveObjects.load(std::memory_order_relaxed); }

void CACFUnknown::StopInstance() {}

void CACFUnknown::DestroyInstance() { delete this; }

int32_t CACFUnknown::QueryInterfaceInner(const ACFUID* iid, void** out)
{
  if (!out)
    return kACFNoInterface;
  *out = nullptr;
  if (!iid || *iid != IID_IACFUnknown)
    return kACFNoInterface;
  *out = static_cast<IACFUnknown*>(&mPrivateUnknown);
  mPrivateUnknown.AddRef();
  return kAAXSuccess;
}

int32_t CACFUnknown::AddRefInner() { return mRefCount.fetch_add(1, std::memory_order_relaxed) + 1; }

int32_t CACFUnknown::ReleaseInner()
{
  // Only the thread whose own decrement reached 0 destroys the object.
  const int32_t count = mRefCount.fetch_sub(1, std::memory_order_acq_rel) - 1;
  if (count == 0)
  {
    StopInstance();
    DestroyInstance();
  }
  return count;
}

int32_t CACFUnknown::PrivateUnknown::QueryInterface(const ACFUID* iid, void** out)
{
  return mOwner->QueryInterfaceInner(iid, out);
}

int32_t CACFUnknown::PrivateUnknown::AddRef() { return mOwner->AddRefInner(); }

int32_t CACFUnknown::PrivateUnknown::Release() { return mOwner->ReleaseInner(); }
