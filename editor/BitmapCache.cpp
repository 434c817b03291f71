#include "BitmapCache.h"

#include "LICE_IBitmap.h"
#include "Mutex.h"
#include "PointerList.h"

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

void BitmapCacheAdd(LICE_IBitmap* bitmap, int id)
{
  if (!bitmap)
    return;
  MutexGuard lock(&gBitmapCache.mutex);
  CachedBitmap* record = new CachedBitmap{id, bitmap};
  // A list that cannot grow leaves the image uncached: the caller's controls
  // go on using it, so it is not deleted.
  if (!gBitmapCache.records.Add(record))
    delete record;
}

void BitmapCacheReset() { gBitmapCache.Clear(); }
