// Text layout on the glyph cache: measuring, drawing glyph by glyph, and
// composing one glyph; plain text may go to the native path first.

#include "LICE_CachedFont.h"

#include "LICE_GlyphLoops.h"
#include "LICE_NativeText.h"
#include "LICE_Rows.h"

#include <algorithm>
#include <climits>

namespace
{
int ToInt(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)); }

// The characters of a text up to its NUL; with a length of 0 or more also
// until that many bytes are used (the last sequence may run past it).
class TextReader
{
public:
  TextReader(const char* text, int length) : mText(text), mRemaining(length), mLimited(length >= 0) {}

  bool Next(std::uint16_t* code)
  {
    if ((mLimited && mRemaining <= 0) || !*mText)
      return false;
    const int used = LICE_CachedFont::DecodeUtf8Char(mText, code);
    mText += used;
    if (mLimited)
      mRemaining = mRemaining > used ? mRemaining - used : 0;
    return true;
  }

private:
  const char* mText;
  int mRemaining;
  bool mLimited;
};

// A carriage return is dropped; a line feed is a space on a single line.
enum class Character
{
  Skip,
  LineBreak,
  Glyph
};

Character Classify(std::uint16_t& code, int format)
{
  if (code == '\r')
    return Character::Skip;
  if (code == '\n')
  {
    if (!(format & DT_SINGLELINE))
      return Character::LineBreak;
    code = ' ';
  }
  return Character::Glyph;
}

// Puts the member back on every way out.
class AlphaRestore
{
public:
  explicit AlphaRestore(float& alpha) : mAlpha(alpha), mSaved(alpha) {}
  ~AlphaRestore() { mAlpha = mSaved; }
  AlphaRestore(const AlphaRestore&) = delete;
  AlphaRestore& operator=(const AlphaRestore&) = delete;

private:
  float& mAlpha;
  float mSaved;
};
}

int LICE_CachedFont::DrawTextInto(LICE_IBitmap* target, const char* text, int length, LiceRect* bounds, int format)
{
  return DrawTextImpl(target, text, length, bounds, format);
}

int LICE_CachedFont::DrawTextImpl(LICE_IBitmap* target, const char* text, int length, LiceRect* bounds, int format)
{
  if (!target && !(format & DT_CALCRECT))
    return 0;
  const bool noNative = format & TextNoNative;
  format &= ~TextNoNative;
  if (!text)
    text = "";
  LiceRect none = {0, 0, 0, 0};
  LiceRect& box = bounds ? *bounds : none;
  const lice::NativeTextFont native = {mFont,      mFlags,      mLineHeight, mLineSpacing,
                                       mTextColor, mBackColor, mBackMode,   mAlpha};
  int result = 0;
  if (lice::DrawNativeText(native, target, text, length, box, format, noNative, &result))
    return result;
  return format & DT_CALCRECT ? MeasureGlyphs(text, length, box, format)
                              : DrawGlyphs(target, text, length, box, format, noNative);
}

const GlyphEntry* LICE_CachedFont::CachedGlyph(std::uint16_t code)
{
  const GlyphEntry* entry = FindGlyph(code);
  if (!entry)
  {
    const int count = mExtension.Count();
    RenderGlyph(code);
    if (mExtension.Count() > count)
      entry = FindGlyph(code);
  }
  else if (entry->offset == 0)
  {
    RenderGlyph(code);
    entry = FindGlyph(code);  // the list may have been sorted
  }
  return GlyphMask(entry) ? entry : nullptr;
}

template <class OnGlyph>
void LICE_CachedFont::WalkGlyphs(const char* text, int length, int format, long long originX, long long originY,
                                 long long& x, long long& y, OnGlyph onGlyph)
{
  const bool vertical = mFlags & FontVertical;
  const long long lineAdvance = static_cast<long long>(mLineHeight) + mLineSpacing;
  TextReader reader(text, length);
  std::uint16_t code;
  while (reader.Next(&code))
  {
    const Character kind = Classify(code, format);
    if (kind == Character::Skip)
      continue;
    if (kind == Character::LineBreak)
    {
      if (vertical)
        x += lineAdvance, y = originY;
      else
        y += lineAdvance, x = originX;
      continue;
    }
    if (const GlyphEntry* entry = CachedGlyph(code))
      onGlyph(code, *entry);
  }
}

int LICE_CachedFont::MeasureGlyphs(const char* text, int length, LiceRect& bounds, int format)
{
  const bool vertical = mFlags & FontVertical;
  long long x = 0, y = 0, right = 0, bottom = 0;
  WalkGlyphs(text, length, format, 0, 0, x, y, [&](std::uint16_t, const GlyphEntry& entry) {
    if (vertical)
    {
      bottom = std::max({bottom, y + entry.advance, y + entry.height});
      right = std::max(right, x + entry.width);
      y += entry.advance;
    }
    else
    {
      right = std::max({right, x + entry.advance, x + entry.width});
      bottom = std::max(bottom, y + entry.height);
      x += entry.advance;
    }
  });
  bounds.right = ToInt(bounds.left + right);
  bounds.bottom = ToInt(bounds.top + bottom);
  return ToInt(vertical ? right : bottom);
}

int LICE_CachedFont::DrawGlyphs(LICE_IBitmap* target, const char* text, int length, LiceRect& bounds, int format,
                                bool noNative)
{
  const AlphaRestore restore(mAlpha);
  if (format & TextColorAlpha)
    mAlpha = (static_cast<float>(lice::Channel(mTextColor, 3)) / 255.0f) * mAlpha;
  if (mAlpha == 0.0f)
    return 0;

  const bool vertical = mFlags & FontVertical;
  const bool bottomUp = vertical && (mFlags & FontBottomUp);
  long long startX = bounds.left, startY = bounds.top;
  const int alignment = format & (DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM);
  if (alignment || bottomUp)
  {
    LiceRect measured = {0, 0, 0, 0};
    DrawTextImpl(target, text, length, &measured,
                 DT_CALCRECT | (format & DT_SINGLELINE) | (noNative ? TextNoNative : 0));
    const long long width = measured.right, height = measured.bottom;
    if (format & DT_CENTER)
      startX = bounds.left + (bounds.right - width - bounds.left) / 2;
    else if (format & DT_RIGHT)
      startX = bounds.right - width;
    if (format & DT_VCENTER)
      startY = bounds.top + (bounds.bottom - height - bounds.top) / 2;
    else if (format & DT_BOTTOM)
      startY = bounds.bottom - height;
    if (bottomUp)
      startY += height;
  }

  LiceRect clip = {0, 0, target->Width(), target->Height()};
  if (!(format & DT_NOCLIP))
    clip = {std::max(bounds.left, 0), std::max(bounds.top, 0), std::min(bounds.right, clip.right),
            std::min(bounds.bottom, clip.bottom)};
  if (clip.right <= clip.left || clip.bottom <= clip.top)
    return 0;

  long long x = startX, y = startY, rightExtent = startX, bottomExtent = startY;
  WalkGlyphs(text, length, format, startX, startY, x, y, [&](std::uint16_t code, const GlyphEntry& entry) {
    const int advance = entry.advance, width = entry.width, height = entry.height;
    if (bottomUp)
      y -= height;
    const bool drawn = DrawGlyph(target, code, ToInt(x), ToInt(y), &clip);
    if (vertical)
    {
      y += bottomUp ? height - advance : advance;
      if (drawn)
        rightExtent = std::max(rightExtent, x + width);
    }
    else
    {
      x += advance;
      if (drawn)
        bottomExtent = std::max(bottomExtent, y + height);
    }
  });
  return ToInt(vertical ? rightExtent - startX : bottomExtent - startY);
}

bool LICE_CachedFont::DrawGlyph(LICE_IBitmap* target, std::uint16_t code, int x, int y, const LiceRect* clip)
{
  const GlyphEntry* entry = FindGlyph(code);
  const unsigned char* mask = GlyphMask(entry);
  if (!mask || !target || !target->PixelData() || !target->RowSpan())
    return false;
  long long left = 0, top = 0, right = target->Width(), bottom = target->Height();
  if (clip)
  {
    left = std::max<long long>(left, clip->left);
    top = std::max<long long>(top, clip->top);
    right = std::min<long long>(right, clip->right);
    bottom = std::min<long long>(bottom, clip->bottom);
  }
  long long gx = x, gy = y;
  if (gx >= right || gy >= bottom || gx + entry->width <= left || gy + entry->height <= top)
    return false;
  long long skipColumns = 0, skipRows = 0;
  if (gx < left)
    skipColumns = left - gx, gx = left;
  if (gy < top)
    skipRows = top - gy, gy = top;
  const long long width = std::min(entry->width - skipColumns, right - gx);
  const long long height = std::min(entry->height - skipRows, bottom - gy);
  if (width <= 0 || height <= 0)
    return false;
  const int w = static_cast<int>(width), h = static_cast<int>(height);
  const int px = static_cast<int>(gx), py = static_cast<int>(gy);
  mask += skipRows * entry->width + skipColumns;

  if (mBackMode == 2)
    LICE_FillBox(target, px, py, w, h, mBackColor, mAlpha, mMode & ~CombineUseSourceAlpha);

  const lice::GlyphFamily family = (mFlags & FontMono)                    ? lice::GlyphFamily::Mono
                                   : (mFlags & (FontShadow | FontOutline)) ? lice::GlyphFamily::Effect
                                                                           : lice::GlyphFamily::Plain;
  const lice::Rows rows(target, px, py);
  const int modeByte = mMode & CombineModeMask;
  if (family != lice::GlyphFamily::Plain && mAlpha == 1.0f && modeByte == CombineCopy)
  {
    // Whole colour words, alpha included.
    for (int row = 0; row < h; ++row)
    {
      const unsigned char* coverage = mask + static_cast<long long>(row) * entry->width;
      PixelArgb* p = rows.Row(row);
      for (int column = 0; column < w; ++column)
        if (const int c = coverage[column])
          p[column] = family == lice::GlyphFamily::Mono || c == 255 ? mTextColor : mEffectColor;
    }
    return true;
  }
  int weight = LiceWeight(mAlpha);
  if (family != lice::GlyphFamily::Plain)
    weight = std::min(weight, 256);
  if (weight)
  {
    const lice::GlyphColours colours = {lice::Channel(mTextColor, 2),   lice::Channel(mTextColor, 1),
                                        lice::Channel(mTextColor, 0),   lice::Channel(mEffectColor, 2),
                                        lice::Channel(mEffectColor, 1), lice::Channel(mEffectColor, 0)};
    lice::ComposeGlyphMask(family, modeByte, mask, entry->width, rows.Row(0), rows.step, w, h, colours, weight);
  }
  return true;
}
