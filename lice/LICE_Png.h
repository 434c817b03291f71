#pragma once

#include "LICE_IBitmap.h"

// PNG images decoded into PixelArgb bitmaps. Every failure gives null; a
// bitmap created here belongs to the caller.
//
// Bounds: an image of more than kMostPngPixels pixels is refused before
// anything is allocated for it (a long frame strip of fewer pixels loads,
// up to libpng's own limit of 1,000,000 pixels a side). Chunks other than
// the header, palette, transparency and image data are skipped unread,
// whatever size they declare; decoding stops at the last row.

// 2^26 pixels: 256 MiB as PixelArgb.
constexpr unsigned long long kMostPngPixels = 1ull << 26;

// A new bitmap from the PNG bytes at data (only read, not kept).
LICE_IBitmap* LICE_ReadPngMemory(const void* data, int size);

// The PNG file at path (UTF-8, else the C runtime's narrow text) into target,
// resized to the image and filled upright even when it is flipped; a new
// bitmap when target is null. After a decoding error target keeps the new
// size and the rows decoded so far.
LICE_IBitmap* LICE_ReadPngFile(const char* path, LICE_IBitmap* target);

#ifdef _WIN32
// A new bitmap from the resource of type "PNG" in module (an HINSTANCE);
// only the low 16 bits of id count.
LICE_IBitmap* LICE_ReadPngResource(void* module, int id);
#endif

// The PNG entry of the image loader list (LICE_ImageLoader.h).
LICE_IBitmap* PngLoaderLoad(const char* path, bool checkExtension, LICE_IBitmap* target);
const char* PngLoaderTypes();
