#pragma once

#include <atomic>
#include <cstdint>

// An operating-system mutex (a Win32 mutex object on Windows) that a thread
// holding it may take again without blocking: only its first Lock acquires,
// and only that holder's Unlock releases. Take it through
// RecursiveHostMutexGuard. When the mutex cannot be created, nothing locks.
class RecursiveHostMutex
{
public:
  RecursiveHostMutex();
  ~RecursiveHostMutex();
  RecursiveHostMutex(const RecursiveHostMutex&) = delete;
  RecursiveHostMutex& operator=(const RecursiveHostMutex&) = delete;

  // Whether this call acquired the mutex: false when the calling thread
  // already holds it, or when there is no mutex.
  bool Lock();
  // Releases it when the calling thread holds it; otherwise does nothing.
  void Unlock();

private:
  // The holder's thread identifier, 0 for nobody; Lock reads it unlocked.
  std::atomic<uint32_t> mOwner{0};
  // The platform mutex; null when it could not be created.
  void* mHandle;
};

// Holds the mutex for its lifetime when its Lock acquired it.
class RecursiveHostMutexGuard
{
public:
  explicit RecursiveHostMutexGuard(RecursiveHostMutex& mutex) : mMutex(mutex), mAcquired(mutex.Lock()) {}
  ~RecursiveHostMutexGuard()
  {
    if (mAcquired)
      mMutex.Unlock();
  }
  RecursiveHostMutexGuard(const RecursiveHostMutexGuard&) = delete;
  RecursiveHostMutexGuard& operator=(const RecursiveHostMutexGuard&) = delete;

private:
  RecursiveHostMutex& mMutex;
  bool mAcquired;
};
