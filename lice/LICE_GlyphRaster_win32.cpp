// Glyphs rendered with GDI on the scratch's memory device context.

#include "LICE_GlyphRaster.h"

#include <windows.h>

namespace
{
HDC DeviceContextOf(LICE_IBitmap* scratch) { return scratch ? scratch->DeviceContext() : nullptr; }
}

void lice::PrepareGlyphScratch(LICE_IBitmap* scratch)
{
  HDC dc = DeviceContextOf(scratch);
  if (!dc)
    return;
  SetTextColor(dc, RGB(255, 255, 255));
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, RGB(0, 0, 0));
}

bool lice::ReadLineHeight(LICE_IBitmap* scratch, LiceFontHandle font, int* height)
{
  HDC dc = DeviceContextOf(scratch);
  if (!dc || !font)
    return false;
  HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICA metrics;
  const bool read = GetTextMetricsA(dc, &metrics) != 0;
  if (previous)
    SelectObject(dc, previous);
  if (read)
    *height = metrics.tmHeight;
  return read;
}

void lice::DeleteFontHandle(LiceFontHandle font)
{
  if (font)
    DeleteObject(font);
}

lice::GlyphRaster::GlyphRaster(LICE_IBitmap* scratch, LiceFontHandle font) : mScratch(scratch), mFont(font)
{
  HDC dc = DeviceContextOf(mScratch);
  if (dc && mFont)
    mPrevious = SelectObject(dc, mFont);
}

lice::GlyphRaster::~GlyphRaster()
{
  HDC dc = DeviceContextOf(mScratch);
  if (dc && mPrevious)
    SelectObject(dc, static_cast<HGDIOBJ>(mPrevious));
}

lice::GlyphCell lice::GlyphRaster::Measure(std::uint16_t code) const
{
  HDC dc = DeviceContextOf(mScratch);
  RECT rect = {0, 0, 0, 0};
  const WCHAR unit = code;
  if (dc)
    DrawTextW(dc, &unit, 1, &rect, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
  return {rect.right, rect.bottom};
}

void lice::GlyphRaster::Draw(std::uint16_t code, int width, int height) const
{
  HDC dc = DeviceContextOf(mScratch);
  if (!dc)
    return;
  RECT rect = {0, 0, width, height};
  const WCHAR unit = code;
  DrawTextW(dc, &unit, 1, &rect, DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
  // The pixels are read next, past GDI.
  GdiFlush();
}
