#include "Mutex.h"

#include <mutex>
#include <new>

static_assert(sizeof(std::recursive_mutex) <= 64, "recursive mutex does not fit");

static std::recursive_mutex* Lock(unsigned char* storage)
{
  return std::launder(reinterpret_cast<std::recursive_mutex*>(storage));
}

Mutex::Mutex() { new (mLock) std::recursive_mutex; }
Mutex::~Mutex() { Lock(mLock)->~recursive_mutex(); }
void Mutex::Enter() { Lock(mLock)->lock(); }
void Mutex::Leave() { Lock(mLock)->unlock(); }
