#pragma once

class LICE_IBitmap;

// A loader of one image format, linked into the process-wide loader list
// while the module initialises.
struct ImageLoaderEntry
{
  // Loads the file at path into target (resized to the image), or into a
  // new bitmap when target is null; null on failure. With checkExtension
  // set, a path without the loader's extension is refused.
  LICE_IBitmap* (*load)(const char* path, bool checkExtension, LICE_IBitmap* target);
  // Pairs of description and file pattern, each NUL-terminated, ended by an
  // empty text.
  const char* (*types)();
  ImageLoaderEntry* next;
};

// The first entry; null before any loader registered.
inline ImageLoaderEntry* ImageLoaderList = nullptr;
