#pragma once

// A recursive operating-system lock: a critical section on Windows. The
// same thread may enter it again; every Enter is matched by one Leave.
class Mutex
{
public:
  Mutex();
  ~Mutex();
  Mutex(const Mutex&) = delete;
  Mutex& operator=(const Mutex&) = delete;

  void Enter();
  void Leave();

private:
  // Room for the platform lock (a CRITICAL_SECTION or a recursive mutex),
  // so that this header needs no platform header.
  alignas(8) unsigned char mLock[64];
};

// Holds a Mutex (which may be null) for its lifetime.
class MutexGuard
{
public:
  explicit MutexGuard(Mutex* mutex) : mMutex(mutex)
  {
    if (mMutex)
      mMutex->Enter();
  }
  ~MutexGuard()
  {
    if (mMutex)
      mMutex->Leave();
  }
  MutexGuard(const MutexGuard&) = delete;
  MutexGuard& operator=(const MutexGuard&) = delete;

private:
  Mutex* mMutex;
};
