#include "LICE_GlyphScratch.h"

#include "HeapAllocator.h"
#include "LICE_Rows.h"

#include <cstring>
#include <new>

namespace
{
int gFontCount = 0;
LICE_SysBitmap* gGlyphScratch = nullptr;
LICE_SysBitmap* gTextScratch = nullptr;

LICE_SysBitmap* Make(LICE_SysBitmap*& scratch)
{
  if (!scratch)
    scratch = new (std::nothrow) LICE_SysBitmap(0, 0);
  return scratch;
}

// Per-byte halves, quarters and eighths of a word: no carry crosses a byte.
PixelArgb Half(PixelArgb p) { return (p >> 1) & 0x7F7F7F7F; }
PixelArgb Quarter(PixelArgb p) { return (p >> 2) & 0x3F3F3F3F; }
PixelArgb Eighth(PixelArgb p) { return (p >> 3) & 0x1F1F1F1F; }
}

int lice::FontCount() { return gFontCount; }

void lice::FontCreated() { ++gFontCount; }

void lice::FontDestroyed()
{
  if (--gFontCount > 0)
    return;
  delete gGlyphScratch;
  delete gTextScratch;
  gGlyphScratch = gTextScratch = nullptr;
}

LICE_SysBitmap* lice::GlyphScratch() { return gGlyphScratch; }
LICE_SysBitmap* lice::TextScratch() { return gTextScratch; }
LICE_SysBitmap* lice::MakeGlyphScratch() { return Make(gGlyphScratch); }
LICE_SysBitmap* lice::MakeTextScratch() { return Make(gTextScratch); }

void lice::SmoothTopLeft(LICE_IBitmap* bitmap, int width, int height)
{
  if (!bitmap || !bitmap->PixelData() || !bitmap->RowSpan())
    return;
  width = width < bitmap->Width() ? width : bitmap->Width();
  height = height < bitmap->Height() ? height : bitmap->Height();
  if (width < 2 || height < 2)
    return;
  // Two rows: the unsmoothed row above and the row being rewritten.
  PixelArgb onStack[2048];
  PixelArgb* onHeap =
      width > 1024 ? static_cast<PixelArgb*>(HeapAllocate(2 * static_cast<std::size_t>(width) * sizeof(PixelArgb)))
                   : nullptr;
  PixelArgb* saved = width > 1024 ? onHeap : onStack;
  const Rows rows(bitmap, 0, 0);
  for (int y = 0; y < height; ++y)
  {
    PixelArgb* row = rows.Row(y);
    const PixelArgb* below = y + 1 < height ? rows.Row(y + 1) : nullptr;
    const PixelArgb* above = nullptr;
    if (y > 0)
      above = saved && below ? saved + ((y - 1) & 1) * width : rows.Row(y - 1);
    if (saved)
      std::memcpy(saved + (y & 1) * width, row, width * sizeof(PixelArgb));
    PixelArgb left = 0;
    for (int x = 0; x < width; ++x)
    {
      const PixelArgb self = row[x];
      PixelArgb sum = Half(self);
      sum += !above ? Quarter(below[x]) : !below ? Quarter(above[x]) : Eighth(above[x]) + Eighth(below[x]);
      sum += x == 0 ? Quarter(row[1]) : x + 1 == width ? Quarter(left) : Eighth(left) + Eighth(row[x + 1]);
      left = self;
      row[x] = sum;
    }
  }
  HeapRelease(onHeap);
}

void BlurGlyphScratch(int width, int height) { lice::SmoothTopLeft(gGlyphScratch, width, height); }
