#include "FontCache.h"

#include "IGraphicsStructs.h"
#include "LICE_CachedFont.h"
#include "Mutex.h"
#include "PointerList.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace
{
struct CachedFont
{
  int size;
  int orientation;
  int style;
  char name[kFontNameLength];
  LICE_CachedFont* font;
};

// Made while the module loads; its destructor, on the runtime's exit list,
// is the teardown at unload, after the last instance is gone.
struct FontCache
{
  ~FontCache() { Clear(); }

  void Clear()
  {
    MutexGuard lock(&mutex);
    for (int i = 0; i < records.Count(); ++i)
      delete records.Get(i)->font;
    records.DeleteAll();
  }

  Mutex mutex;
  PointerList<CachedFont> records;
};

FontCache gFontCache;
}

LICE_CachedFont* FontCacheFind(const ITextStyle* style)
{
  MutexGuard lock(&gFontCache.mutex);
  for (int i = 0; i < gFontCache.records.Count(); ++i)
  {
    const CachedFont* record = gFontCache.records.Get(i);
    if (record->size == style->size && record->orientation == style->orientation && record->style == style->style &&
        std::strncmp(record->name, style->font, kFontNameLength) == 0)
      return record->font;
  }
  return nullptr;
}

bool FontCacheAdd(LICE_CachedFont* font, const ITextStyle* style)
{
  CachedFont* record = new (std::nothrow) CachedFont{style->size, style->orientation, style->style, {}, font};
  if (!record)
    return false;
  std::snprintf(record->name, sizeof record->name, "%.*s", kFontNameLength - 1, style->font);
  MutexGuard lock(&gFontCache.mutex);
  if (gFontCache.records.Add(record))
    return true;
  delete record;
  return false;
}

void FontCacheReset() { gFontCache.Clear(); }
