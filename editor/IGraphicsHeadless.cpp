#include "IGraphicsHeadless.h"

#include "LICE_Png.h"
#include "StringBuffer.h"

namespace
{
struct RegisteredImage
{
  int id;
  const void* png;
  int size;
};

constexpr int kMaxImages = 16;
RegisteredImage gImages[kMaxImages];
int gImageCount = 0;
}

void IGraphicsHeadless::RegisterImage(int id, const void* png, int size)
{
  for (int i = 0; i < gImageCount; ++i)
    if (gImages[i].id == id)
    {
      gImages[i] = {id, png, size};
      return;
    }
  if (gImageCount < kMaxImages)
    gImages[gImageCount++] = {id, png, size};
}

bool IGraphicsHeadless::PresentFrame(const IBounds& bounds)
{
  ++mPresentCount;
  mLastPresented = bounds;
  return true;
}

LICE_IBitmap* IGraphicsHeadless::LoadResourceImage(int id, const char*)
{
  for (int i = 0; i < gImageCount; ++i)
    if (gImages[i].id == id)
      return LICE_ReadPngMemory(gImages[i].png, gImages[i].size);
  return nullptr;
}

bool IGraphicsHeadless::HasImageResource(int id)
{
  for (int i = 0; i < gImageCount; ++i)
    if (gImages[i].id == id)
      return true;
  return false;
}

void IGraphicsHeadless::HostModulePath(StringBuffer* path) { path->Set(""); }
void IGraphicsHeadless::PluginModulePath(StringBuffer* path) { path->Set(""); }
void IGraphicsHeadless::DesktopFolderPath(StringBuffer* path) { path->Set(""); }
void IGraphicsHeadless::AppDataFolderPath(StringBuffer* path, bool) { path->Set(""); }
void IGraphicsHeadless::UserAppDataFolderPath(StringBuffer* path) { path->Set(""); }
void IGraphicsHeadless::AskForFile(StringBuffer* file, int, StringBuffer*, const char*) { file->Set(""); }
