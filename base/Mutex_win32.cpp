#include "Mutex.h"

#include <windows.h>

static_assert(sizeof(CRITICAL_SECTION) <= 64, "critical section does not fit");

static CRITICAL_SECTION* Section(unsigned char* storage)
{
  return reinterpret_cast<CRITICAL_SECTION*>(storage);
}

Mutex::Mutex() { InitializeCriticalSection(Section(mLock)); }
Mutex::~Mutex() { DeleteCriticalSection(Section(mLock)); }
void Mutex::Enter() { EnterCriticalSection(Section(mLock)); }
void Mutex::Leave() { LeaveCriticalSection(Section(mLock)); }
