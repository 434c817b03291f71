// Rendering one character into the glyph cache: measured and drawn on the
// shared scratch, taken as coverage bytes trimmed to the ink, then turned,
// cut and outlined as the font's flags ask.

#include "LICE_CachedFont.h"

#include "LICE_GlyphRaster.h"
#include "LICE_GlyphScratch.h"
#include "LICE_Rows.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace
{
int LimitToInt(long long value) { return static_cast<int>(std::min<long long>(value, INT_MAX)); }

// The mask of width x height bytes into one of height x width, a quarter
// turn clockwise or counter-clockwise, through temporary memory of the
// same size.
void TurnQuarter(unsigned char* mask, int width, int height, unsigned char* temporary, bool counterClockwise)
{
  const std::size_t bytes = static_cast<std::size_t>(width) * height;
  std::memcpy(temporary, mask, bytes);
  // Output row k, column l (rows of height bytes).
  for (int k = 0; k < width; ++k)
    for (int l = 0; l < height; ++l)
    {
      const int row = counterClockwise ? l : height - 1 - l;
      const int column = counterClockwise ? width - 1 - k : k;
      mask[static_cast<std::size_t>(k) * height + l] = temporary[static_cast<std::size_t>(row) * width + column];
    }
}

void CutToTwoLevels(unsigned char* mask, std::size_t bytes)
{
  for (std::size_t i = 0; i < bytes; ++i)
    mask[i] = mask[i] > 130 ? 255 : 0;
}

// One pass from the top left; 128 marks an effect pixel and is not ink.
// Neighbours outside the mask count as no ink.
void MarkEffect(unsigned char* mask, int width, int height, bool shadow)
{
  auto ink = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < width && y < height && mask[static_cast<std::size_t>(y) * width + x] == 255;
  };
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
    {
      unsigned char& byte = mask[static_cast<std::size_t>(y) * width + x];
      if (byte)
        continue;
      const bool marked = shadow ? ink(x - 1, y) || ink(x, y - 1) || ink(x - 1, y - 1)
                                 : ink(x, y - 1) || ink(x, y + 1) || ink(x - 1, y) || ink(x + 1, y);
      if (marked)
        byte = 128;
    }
}

void MarkEmpty(GlyphEntry& entry)
{
  entry.offset = -1;
  entry.width = entry.height = entry.advance = 0;
}
}

bool LICE_CachedFont::RenderGlyph(std::uint16_t code)
{
  if (mLineHeight > 1023)
    return false;
  GlyphEntry* entry = FindGlyph(code);
  const bool append = !entry;
  if (append)
  {
    const int count = mExtension.Count();
    if ((mFlags & FontFixedCache) || !mExtension.Resize(count + 1))
      return false;
    entry = mExtension.Get() + count;
    *entry = GlyphEntry{0, 0, 0, 0, code};
  }
  Rasterise(*entry, code);
  if (append && mExtension.Count() > 1)
    std::sort(mExtension.Get(), mExtension.Get() + mExtension.Count(),
              [](const GlyphEntry& a, const GlyphEntry& b) { return CompareGlyphCode(&a, &b) < 0; });
  return true;
}

void LICE_CachedFont::Rasterise(GlyphEntry& entry, std::uint16_t code)
{
  LICE_SysBitmap* scratch = lice::MakeGlyphScratch();
  if (!scratch)
  {
    MarkEmpty(entry);
    return;
  }
  const int limit = std::max(mLineHeight, 1) * 2 + 8;
  if (scratch->Width() < limit || scratch->Height() < limit)
  {
    scratch->Resize(limit, limit);
    lice::PrepareGlyphScratch(scratch);
  }

  int advance, cellWidth, cellHeight;
  {
    const lice::GlyphRaster raster(scratch, mFont);
    const lice::GlyphCell cell = raster.Measure(code);
    const long long width = cell.advance + 2LL + (mLineHeight >= 16 ? mLineHeight / 16 : 0);
    LICE_FillBox(scratch, 0, 0, LimitToInt(width), cell.height, 0, 1.0f, CombineCopy);
    raster.Draw(code, LimitToInt(width), cell.height);
    advance = std::min(cell.advance, scratch->Width());
    cellWidth = LimitToInt(std::min<long long>(width, scratch->Width()));
    cellHeight = std::min(cell.height, scratch->Height());
  }
  if (advance < 1 || cellHeight < 1)
  {
    MarkEmpty(entry);
    return;
  }
  entry.advance = advance;
  if (mFlags & FontBlur)
    BlurGlyphScratch(cellWidth, cellHeight);

  const int start = mCoverage.Size();
  const long long end = start + static_cast<long long>(cellWidth) * cellHeight;
  if (end <= INT_MAX)
    mCoverage.Resize(static_cast<int>(end));
  if (mCoverage.Size() != end)
  {
    MarkEmpty(entry);
    return;
  }
  unsigned char* mask = static_cast<unsigned char*>(mCoverage.Get()) + start;
  const bool invert = mFlags & FontInvert;
  const lice::Rows rows(scratch, 0, 0);
  int width = advance;
  for (int y = 0; y < cellHeight; ++y)
  {
    const PixelArgb* pixels = rows.Row(y);
    unsigned char* out = mask + static_cast<std::size_t>(y) * cellWidth;
    for (int x = 0; x < cellWidth; ++x)
    {
      const int red = lice::Channel(pixels[x], 2);
      out[x] = static_cast<unsigned char>(invert ? 255 - red : red);
      if (red && x >= width)
        width = x + 1;
    }
  }
  int height = cellHeight;
  if (width < cellWidth)
  {
    for (int y = 1; y < height; ++y)
      std::memmove(mask + static_cast<std::size_t>(y) * width, mask + static_cast<std::size_t>(y) * cellWidth, width);
    mCoverage.Resize(start + width * height, false);
  }

  if (mFlags & FontVertical)
  {
    // The scratch's pixels hold at least the cell's bytes four times over.
    TurnQuarter(mask, width, height, reinterpret_cast<unsigned char*>(scratch->PixelData()),
                (mFlags & FontBottomUp) != 0);
    std::swap(width, height);
  }
  const std::size_t bytes = static_cast<std::size_t>(width) * height;
  if (mFlags & (FontMono | FontShadow | FontOutline))
    CutToTwoLevels(mask, bytes);
  if (mFlags & (FontShadow | FontOutline))
    MarkEffect(mask, width, height, (mFlags & FontShadow) != 0);

  entry.offset = start + 1;
  entry.width = width;
  entry.height = height;
}
