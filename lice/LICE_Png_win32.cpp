// What PNG loading needs from Windows: module resources, and paths that are
// opened by their wide form when they are UTF-8.

#include "LICE_Png.h"
#include "LICE_PngPlatform.h"

#include <windows.h>

std::FILE* lice::OpenPngFile(const char* path)
{
  wchar_t wide[2048];
  if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path, -1, wide, 2048) > 0)
  {
    if (std::FILE* file = _wfopen(wide, L"rb"))
      return file;
  }
  // Not UTF-8, too long, or not found that way: the C runtime's code page.
  return std::fopen(path, "rb");
}

LICE_IBitmap* LICE_ReadPngResource(void* module, int id)
{
  HMODULE instance = static_cast<HMODULE>(module);
  HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(id & 0xFFFF), "PNG");
  if (!resource)
    return nullptr;
  const DWORD size = SizeofResource(instance, resource);
  if (size < 8)
    return nullptr;
  HGLOBAL loaded = LoadResource(instance, resource);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  return data ? LICE_ReadPngMemory(data, static_cast<int>(size)) : nullptr;
}
