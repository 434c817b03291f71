#include "RecursiveHostMutex.h"

#include <windows.h>

static_assert(sizeof(DWORD) == sizeof(uint32_t), "thread identifiers are 32-bit");

RecursiveHostMutex::RecursiveHostMutex() : mHandle(CreateMutexA(nullptr, FALSE, nullptr)) {}

RecursiveHostMutex::~RecursiveHostMutex()
{
  if (mHandle)
    CloseHandle(mHandle);
}

bool RecursiveHostMutex::Lock()
{
  if (!mHandle || mOwner.load() == GetCurrentThreadId())
    return false;
  // An abandoned mutex (its holder ended) is acquired all the same.
  if (WaitForSingleObject(mHandle, INFINITE) == WAIT_FAILED)
    return false;
  mOwner.store(GetCurrentThreadId());
  return true;
}

void RecursiveHostMutex::Unlock()
{
  if (!mHandle || mOwner.load() != GetCurrentThreadId())
    return;
  mOwner.store(0);
  ReleaseMutex(mHandle);
}
