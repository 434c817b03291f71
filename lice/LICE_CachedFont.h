#pragma once

#include "HeapBuffer.h"
#include "LICE_IFont.h"

#include <cstdint>

// One character of a font's glyph cache.
struct GlyphEntry
{
  int offset;   // 1-based position of the mask in the coverage store; 0 not rendered yet; -1 nothing to draw
  int width;    // of the mask
  int height;
  int advance;  // how far the pen moves after the glyph
  int code;
};

// A font that renders each character once with the system's renderer and
// keeps it as an 8-bit coverage mask: codes below 128 by index, the others
// in a list sorted by code, all masks in one store trimmed to their ink.
// Fonts share the module's scratches: use them on one thread at a time.
class LICE_CachedFont : public LICE_IFont
{
public:
  LICE_CachedFont();
  ~LICE_CachedFont() override;
  LICE_CachedFont(const LICE_CachedFont&) = delete;
  LICE_CachedFont& operator=(const LICE_CachedFont&) = delete;

  void AdoptSystemFont(LiceFontHandle font, int flags) override;
  PixelArgb ExchangeTextColor(PixelArgb colour) override;
  PixelArgb ExchangeBackColor(PixelArgb colour) override;
  PixelArgb ExchangeEffectColor(PixelArgb colour) override;
  int ExchangeBackMode(int mode) override;
  void SetCompose(LiceCombine mode, float alpha) override;
  int DrawTextInto(LICE_IBitmap* target, const char* text, int length, LiceRect* bounds, int format) override;
  PixelArgb TextColor() override { return mTextColor; }
  LiceFontHandle SystemFont() override { return mFont; }
  int LineHeight() override { return mLineHeight; }
  // Composes the cached glyph (never renders it) with its top left at
  // (x, y), within clip and the target (a null clip: the whole target).
  // False when it is not cached or nothing of it is inside.
  virtual bool DrawGlyph(LICE_IBitmap* target, std::uint16_t code, int x, int y, const LiceRect* clip);

  // Renders the character into the cache. False, caching nothing, when the
  // line height is above 1023, for codes from 128 up under FontFixedCache,
  // and when the list cannot hold another entry.
  bool RenderGlyph(std::uint16_t code);
  // The entry of a code (below 128 always, rendered or not); null when
  // absent. Entries move when the list grows or is sorted.
  GlyphEntry* FindGlyph(std::uint16_t code);
  // The entry's width x height coverage bytes; null when it has none.
  const unsigned char* GlyphMask(const GlyphEntry* entry) const;

  // Decodes one character of NUL-terminated UTF-8 and returns the bytes it
  // took. Anything that is not a whole sequence is taken as one byte;
  // characters beyond 16 bits become a space. code may be null.
  static int DecodeUtf8Char(const char* text, std::uint16_t* code);
  static int CompareGlyphCode(const GlyphEntry* a, const GlyphEntry* b) { return a->code - b->code; }

private:
  int DrawTextImpl(LICE_IBitmap* target, const char* text, int length, LiceRect* bounds, int format);
  int MeasureGlyphs(const char* text, int length, LiceRect& bounds, int format);
  int DrawGlyphs(LICE_IBitmap* target, const char* text, int length, LiceRect& bounds, int format, bool noNative);
  // The entry of a code, rendered first when needed; null unless it has a
  // mask to draw.
  const GlyphEntry* CachedGlyph(std::uint16_t code);
  // Walks the text's glyphs with the pen at (x, y): a line break moves it a
  // line further on and back to the origin's column (or row, vertically);
  // each glyph that has a mask goes to onGlyph(code, entry), which moves it.
  template <class OnGlyph>
  void WalkGlyphs(const char* text, int length, int format, long long originX, long long originY, long long& x,
                  long long& y, OnGlyph onGlyph);
  // Renders the code into its entry: mask, advance and size, or nothing to
  // draw.
  void Rasterise(GlyphEntry& entry, std::uint16_t code);

  PixelArgb mTextColor = 0;
  PixelArgb mBackColor = 0xFFFFFFFF;
  PixelArgb mEffectColor = 0xFFFFFFFF;
  int mBackMode = 1;
  LiceCombine mMode = CombineCopy;
  float mAlpha = 1.0f;
  int mFlags = 0;
  int mLineHeight = 0;
  const int mLineSpacing = 0;  // extra pixels per line break
  GlyphEntry mDirect[128] = {};
  HeapArray<GlyphEntry> mExtension{4096};
  HeapBuffer mCoverage{65536};
  LiceFontHandle mFont = nullptr;
};
