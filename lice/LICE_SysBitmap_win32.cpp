// The pixels of a LICE_SysBitmap: a DIB section in a memory device context.

#include "LICE_SysBitmap.h"

#include <windows.h>

LICE_SysBitmap::LICE_SysBitmap(int width, int height)
{
  mDC = CreateCompatibleDC(nullptr);
  Resize(width, height);
}

LICE_SysBitmap::~LICE_SysBitmap()
{
  ReleasePixels();
  if (mDC)
    DeleteDC(mDC);
}

bool LICE_SysBitmap::CanHoldPixels() const { return mDC != nullptr; }

void LICE_SysBitmap::ReleasePixels()
{
  if (mPreviousObject && mDC)
    SelectObject(mDC, static_cast<HGDIOBJ>(mPreviousObject));
  mPreviousObject = nullptr;
  if (mSection)
    DeleteObject(static_cast<HGDIOBJ>(mSection));
  mSection = nullptr;
  mBits = nullptr;
}

void LICE_SysBitmap::CreatePixels()
{
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = mAllocatedWidth;
  info.bmiHeader.biHeight = IsFlipped() ? mAllocatedHeight : -mAllocatedHeight;  // negative: rows top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!section || !bits)
  {
    if (section)
      DeleteObject(section);
    return;
  }
  mSection = section;
  mBits = static_cast<PixelArgb*>(bits);
  mPreviousObject = SelectObject(mDC, section);
}
