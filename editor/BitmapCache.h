#pragma once

class LICE_IBitmap;

// Decoded editor images by id, shared by every instance in the module. The
// lock exists from module load; the images live until the module unloads.
// Nothing is removed before then.
LICE_IBitmap* BitmapCacheFind(int id);
// Takes ownership and answers true; a null bitmap is not cached, so that a
// later load can try again. False, the bitmap still the caller's, when the
// cache cannot grow.
bool BitmapCacheAdd(LICE_IBitmap* bitmap, int id);
// Deletes every image, as module unload does; the cache stays usable (tests).
void BitmapCacheReset();
