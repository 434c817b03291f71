#include "LICE_CachedFont.h"

#include "LICE_GlyphRaster.h"
#include "LICE_GlyphScratch.h"

#include <cstring>
#include <utility>

LICE_CachedFont::LICE_CachedFont() { lice::FontCreated(); }

LICE_CachedFont::~LICE_CachedFont()
{
  if ((mFlags & FontOwnsHandle) && mFont)
    lice::DeleteFontHandle(mFont);
  lice::FontDestroyed();
}

void LICE_CachedFont::AdoptSystemFont(LiceFontHandle font, int flags)
{
  if ((mFlags & FontOwnsHandle) && mFont && mFont != font)
    lice::DeleteFontHandle(mFont);
  mFlags = flags;
  mFont = font;
  if (font)
  {
    LICE_SysBitmap* scratch = lice::MakeGlyphScratch();
    if (scratch && (scratch->Width() < 256 || scratch->Height() < 256))
    {
      scratch->Resize(256, 256);
      lice::PrepareGlyphScratch(scratch);
    }
    lice::ReadLineHeight(scratch, font, &mLineHeight);
  }
  std::memset(mDirect, 0, sizeof(mDirect));
  mExtension.Resize(0, false);
  mCoverage.Resize(0);
  if (flags & FontFixedCache)
    for (int code = 0; code < 128; ++code)
      RenderGlyph(static_cast<std::uint16_t>(code));
}

PixelArgb LICE_CachedFont::ExchangeTextColor(PixelArgb colour) { return std::exchange(mTextColor, colour); }

PixelArgb LICE_CachedFont::ExchangeBackColor(PixelArgb colour) { return std::exchange(mBackColor, colour); }

PixelArgb LICE_CachedFont::ExchangeEffectColor(PixelArgb colour) { return std::exchange(mEffectColor, colour); }

int LICE_CachedFont::ExchangeBackMode(int mode) { return std::exchange(mBackMode, mode); }

void LICE_CachedFont::SetCompose(LiceCombine mode, float alpha)
{
  mMode = mode;
  mAlpha = alpha;
}

GlyphEntry* LICE_CachedFont::FindGlyph(std::uint16_t code)
{
  if (code < 128)
    return &mDirect[code];
  GlyphEntry* entries = mExtension.Get();
  const GlyphEntry key = {0, 0, 0, 0, code};
  int low = 0, high = mExtension.Count();
  while (low < high)
  {
    const int middle = low + (high - low) / 2;
    const int order = CompareGlyphCode(&entries[middle], &key);
    if (order == 0)
      return &entries[middle];
    if (order < 0)
      low = middle + 1;
    else
      high = middle;
  }
  return nullptr;
}

const unsigned char* LICE_CachedFont::GlyphMask(const GlyphEntry* entry) const
{
  if (!entry || entry->offset < 1 || entry->width < 1 || entry->height < 1)
    return nullptr;
  const long long end = entry->offset - 1LL + static_cast<long long>(entry->width) * entry->height;
  if (end > mCoverage.Size())
    return nullptr;
  return static_cast<const unsigned char*>(mCoverage.Get()) + (entry->offset - 1);
}

int LICE_CachedFont::DecodeUtf8Char(const char* text, std::uint16_t* code)
{
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  auto continuation = [](unsigned char b) { return b >= 0x80 && b <= 0xBF; };
  // Each test stops at the first byte that does not continue, so a NUL is
  // never passed.
  const unsigned char lead = bytes[0];
  int used = 1;
  std::uint16_t decoded = lead;
  if (lead >= 0xC2 && lead <= 0xDF && continuation(bytes[1]))
  {
    decoded = static_cast<std::uint16_t>((lead & 0x1F) << 6 | (bytes[1] & 0x3F));
    used = 2;
  }
  else if (lead >= 0xE0 && lead <= 0xEF && continuation(bytes[1]) && continuation(bytes[2]))
  {
    decoded = static_cast<std::uint16_t>((lead & 0x0F) << 12 | (bytes[1] & 0x3F) << 6 | (bytes[2] & 0x3F));
    used = 3;
  }
  else if (lead >= 0xF0 && lead <= 0xF4 && continuation(bytes[1]) && continuation(bytes[2]) &&
           continuation(bytes[3]))
  {
    decoded = 0x20;
    used = 4;
  }
  if (code)
    *code = decoded;
  return used;
}
