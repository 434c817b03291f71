#pragma once

struct ITextStyle;
class LICE_CachedFont;

// Fonts by text key (size, orientation, style, face name; not colours,
// alignment or quality), shared by every instance in the module. The lock
// exists from module load; the fonts live until the module unloads.
LICE_CachedFont* FontCacheFind(const ITextStyle* style);
// Takes ownership of the font and answers true. False, the font still the
// caller's, when the cache cannot grow.
bool FontCacheAdd(LICE_CachedFont* font, const ITextStyle* style);
// Deletes every font, as module unload does; the cache stays usable (tests).
void FontCacheReset();
