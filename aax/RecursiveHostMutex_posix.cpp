#include "RecursiveHostMutex.h"

#include <mutex>
#include <new>

namespace
{
// Small nonzero identifiers for threads, as Windows gives them.
uint32_t CurrentThreadId()
{
  static std::atomic<uint32_t> next{1};
  thread_local const uint32_t id = next++;
  return id;
}

std::mutex* Handle(void* handle) { return static_cast<std::mutex*>(handle); }
}

RecursiveHostMutex::RecursiveHostMutex() : mHandle(new (std::nothrow) std::mutex) {}

RecursiveHostMutex::~RecursiveHostMutex() { delete Handle(mHandle); }

bool RecursiveHostMutex::Lock()
{
  if (!mHandle || mOwner.load() == CurrentThreadId())
    return false;
  Handle(mHandle)->lock();
  mOwner.store(CurrentThreadId());
  return true;
}

void RecursiveHostMutex::Unlock()
{
  if (!mHandle || mOwner.load() != CurrentThreadId())
    return;
  mOwner.store(0);
  Handle(mHandle)->unlock();
}
