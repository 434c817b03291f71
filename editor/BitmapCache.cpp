#include "BitmapCache.h"

#include "LICE_IBitmap.h"
#include "Mutex.h"
#include "PointerList.h"

#include <new>

namespace
{
struct CachedBitmap
{
  int id;
  LICE_IBitmap* bitmap;
};

// Made while the module loads; its destructor, on the runtime's exit list,
// is the teardown at unload, after the last instance is gone.
struct BitmapCache
{
  ~BitmapCache() { Clear(); }

  void Clear()
  {
    MutexGuard lock(&mutex);
    for (int i = 0; i < records.Count(); ++i)
      delete records.Get(i)->bitmap;
    records.DeleteAll();
  }

  Mutex mutex;
  PointerList<CachedBitmap> records;
};

BitmapCache gBitmapCache;
}

LICE_IBitmap* BitmapCacheFind(int id)
{
  MutexGuard lock(&gBitmapCache.mutex);
  for (int i = 0; i < gBitmapCache.records.Count(); ++i)
  {
    const CachedBitmap* record = gBitmapCache.records.Get(i);
    if (record->id == id)
      return record->bitmap;
  }
  return nullptr;
}

bool BitmapCacheAdd(LICE_IBitmap* bitmap, int id)
{
  if (!bitmap)
    return true;
  CachedBitmap* record = new (std::nothrow) CachedBitmap{id, bitmap};
  if (!record)
    return false;
  MutexGuard lock(&gBitmapCache.mutex);
  if (gBitmapCache.records.Add(record))
    return true;
  delete record;
  return false;
}

void BitmapCacheReset() { gBitmapCache.Clear(); }
