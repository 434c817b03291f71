#include "LiveInstances.h"

#include "IPlugAAX.h"
#include "Mutex.h"

namespace
{
// Made on first use: it exists before anything can join.
Mutex& RegistryLock()
{
  static Mutex lock;
  return lock;
}

LiveInstanceEntry* gFirst = nullptr;
}

void LiveInstanceEntry::Join(IPlugAAX* instance)
{
  MutexGuard lock(&RegistryLock());
  if (mInstance || !instance)
    return;
  mInstance = instance;
  mPrevious = nullptr;
  mNext = gFirst;
  if (gFirst)
    gFirst->mPrevious = this;
  gFirst = this;
}

void LiveInstanceEntry::Leave()
{
  MutexGuard lock(&RegistryLock());
  if (!mInstance)
    return;
  if (mPrevious)
    mPrevious->mNext = mNext;
  else
    gFirst = mNext;
  if (mNext)
    mNext->mPrevious = mPrevious;
  mInstance = nullptr;
  mPrevious = mNext = nullptr;
}

IPlugAAX* LiveInstanceEntry::Find(const AAX_IEffectParameters* face)
{
  if (!face)
    return nullptr;
  MutexGuard lock(&RegistryLock());
  for (const LiveInstanceEntry* entry = gFirst; entry; entry = entry->mNext)
    if (static_cast<const AAX_IEffectParameters*>(entry->mInstance) == face)
      return entry->mInstance;
  return nullptr;
}
