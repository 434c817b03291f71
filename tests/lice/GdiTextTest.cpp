// Text with GDI under Wine: the glyph cache renders real letters, and the
// 64-bit build's native path draws and measures as DrawText does.

#include "LICE_CachedFont.h"
#include "LICE_MemBitmap.h"
#include "LICE_NativeText.h"
#include "LICE_SysBitmap.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace
{
HFONT Arial(int height)
{
  return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, "Arial");
}

// DrawText's own measure of a text with the font, on a memory context.
RECT MeasuredByGdi(HFONT font, const wchar_t* text, int count, RECT rect, UINT format)
{
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  DrawTextW(dc, text, count, &rect, format | DT_CALCRECT | DT_NOPREFIX);
  SelectObject(dc, previous);
  DeleteDC(dc);
  return rect;
}

PixelArgb& PixelAt(LICE_IBitmap& bitmap, int x, int y) { return bitmap.PixelData()[y * bitmap.RowSpan() + x]; }

void Fill(LICE_IBitmap& bitmap, PixelArgb (*colour)(int, int))
{
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      PixelAt(bitmap, x, y) = colour(x, y);
}

PixelArgb Black(int, int) { return 0; }

// Counts pixels with colour; fails for any outside the rectangle.
int InkInside(LICE_IBitmap& bitmap, const LiceRect& inside)
{
  GdiFlush();
  int ink = 0;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (PixelAt(bitmap, x, y) & 0xFFFFFF)
      {
        ++ink;
        EXPECT_TRUE(x >= inside.left && x < inside.right && y >= inside.top && y < inside.bottom) << x << "," << y;
      }
  return ink;
}

bool Cached(LICE_CachedFont& font, std::uint16_t code)
{
  const GlyphEntry* entry = font.FindGlyph(code);
  return entry && entry->offset != 0;
}

TEST(LiceGdiText, LettersGetInkAndAdvancesAreDrawTextsOwn)
{
  HFONT handle = Arial(12);
  ASSERT_NE(handle, nullptr);
  LICE_CachedFont font;
  font.AdoptSystemFont(handle, FontOwnsHandle);
  EXPECT_GT(font.LineHeight(), 8);
  for (wchar_t c : std::wstring(L"AHMWgjx019K"))
  {
    ASSERT_TRUE(font.RenderGlyph(static_cast<std::uint16_t>(c)));
    const GlyphEntry* entry = font.FindGlyph(static_cast<std::uint16_t>(c));
    ASSERT_GT(entry->offset, 0) << static_cast<char>(c);
    EXPECT_EQ(entry->advance, MeasuredByGdi(handle, &c, 1, {0, 0, 0, 0}, DT_SINGLELINE).right)
        << static_cast<char>(c);
    const unsigned char* mask = font.GlyphMask(entry);
    int strongest = 0;
    for (int i = 0; i < entry->width * entry->height; ++i)
      strongest = mask[i] > strongest ? mask[i] : strongest;
    EXPECT_GT(strongest, 128) << static_cast<char>(c) << " has ink";
  }
  font.RenderGlyph(' ');
  EXPECT_GT(font.FindGlyph(' ')->advance, 0);
}

TEST(LiceGdiText, GlyphPathDrawsTheLetters)
{
  LICE_CachedFont font;
  font.AdoptSystemFont(Arial(12), FontOwnsHandle);
  font.ExchangeTextColor(0xFFFFFFFF);
  LICE_MemBitmap bitmap(80, 30);
  Fill(bitmap, Black);
  LiceRect bounds = {5, 5, 75, 25};
  LiceRect measured = {0, 0, 0, 0};
  font.DrawTextInto(nullptr, "Hello", -1, &measured, DT_CALCRECT | TextNoNative);
  EXPECT_GT(font.DrawTextInto(&bitmap, "Hello", -1, &bounds, DT_CENTER | DT_VCENTER | TextNoNative), 0);
  EXPECT_GT(InkInside(bitmap, bounds), 10);
  EXPECT_TRUE(Cached(font, 'H'));
}

// A bitmap that asks for the glyph path and counts the asking.
class GlyphPathBitmap : public LICE_MemBitmap
{
public:
  using LICE_MemBitmap::LICE_MemBitmap;
  std::intptr_t ExtraQuery(int code, std::intptr_t) override
  {
    ++queries;
    return code == 0x59555678;
  }
  int queries = 0;
};

#ifdef _WIN64
// Stands in for the Wine probe while it lives, then lets it probe again.
struct WineState
{
  explicit WineState(int state) { lice::OverrideWineState(state); }
  ~WineState() { lice::OverrideWineState(-1); }
};

TEST(LiceGdiText, NativePathDrawsIntoTheContextAndMeasuresAsDrawText)
{
  const WineState notWine(0);
  HFONT handle = Arial(12);
  LICE_CachedFont font;
  font.AdoptSystemFont(handle, FontOwnsHandle | FontNativeDraw);
  font.ExchangeTextColor(0xFFFFFFFF);
  font.SetCompose(CombineCopy, 0.5f);  // GDI draws at full strength
  LICE_SysBitmap bitmap(100, 40);
  Fill(bitmap, Black);
  LiceRect bounds = {10, 5, 90, 35};
  EXPECT_GT(font.DrawTextInto(&bitmap, "Hello", -1, &bounds, DT_CENTER | DT_VCENTER | DT_SINGLELINE), 0);
  EXPECT_GT(InkInside(bitmap, bounds), 10);
  bool full = false;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 100; ++x)
      full = full || (PixelAt(bitmap, x, y) & 0xFFFFFF) == 0xFFFFFF;
  EXPECT_TRUE(full) << "the font's alpha plays no part";
  EXPECT_FALSE(Cached(font, 'H'));

  const RECT gdi = MeasuredByGdi(handle, L"Hello\x20AC", -1, {3, 4, 3, 4}, DT_SINGLELINE);
  for (LICE_IBitmap* target : {static_cast<LICE_IBitmap*>(&bitmap), static_cast<LICE_IBitmap*>(nullptr)})
  {
    LiceRect measured = {3, 4, 3, 4};
    font.DrawTextInto(target, "Hello\xE2\x82\xAC", -1, &measured, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(measured.right, gdi.right) << (target ? "context" : "scratch");
    EXPECT_EQ(measured.bottom, gdi.bottom) << (target ? "context" : "scratch");
  }
  EXPECT_FALSE(Cached(font, 'H'));
}

PixelArgb Pattern(int x, int y)
{
  return 0xFF000000u | static_cast<PixelArgb>(x * 3) << 16 | static_cast<PixelArgb>(y * 5) << 8 |
         static_cast<PixelArgb>((x + y) & 0xFF);
}

// Without a device context the text is drawn on the scratch over a copy of
// the target's box and composed back at the font's alpha: at 1.0 it equals
// GDI's own drawing, at 0.5 the half-way mix of that with the target.
TEST(LiceGdiText, ScratchVariantComposesBackAtTheFontsAlpha)
{
  const WineState notWine(0);
  HFONT handle = Arial(12);
  LICE_CachedFont font;
  font.AdoptSystemFont(handle, FontOwnsHandle | FontNativeDraw);
  font.ExchangeTextColor(0xFFE0C0A0);
  const LiceRect bounds = {10, 5, 90, 35};
  const RECT text = MeasuredByGdi(handle, L"Hello", -1, {10, 5, 10, 5}, DT_SINGLELINE);
  const LiceRect box = {10, 5, static_cast<int>(text.right), static_cast<int>(text.bottom)};
  for (float alpha : {1.0f, 0.5f})
  {
    font.SetCompose(CombineCopy, alpha);
    LICE_SysBitmap reference(100, 40);
    LICE_MemBitmap target(100, 40);
    Fill(reference, Pattern);
    Fill(target, Pattern);
    LiceRect b1 = bounds, b2 = bounds;
    font.DrawTextInto(&reference, "Hello", -1, &b1, DT_SINGLELINE);
    font.DrawTextInto(&target, "Hello", -1, &b2, DT_SINGLELINE);
    GdiFlush();
    int changed = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 100; ++x)
      {
        const PixelArgb drawn = PixelAt(reference, x, y), before = Pattern(x, y);
        const bool inBox = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
        PixelArgb expected = before;
        if (inBox)
          expected = alpha == 1.0f ? drawn : ((drawn >> 1) & 0x7F7F7F7F) + ((before >> 1) & 0x7F7F7F7F);
        changed += drawn != before;
        ASSERT_EQ(PixelAt(target, x, y), expected) << alpha << " at " << x << "," << y;
      }
    EXPECT_GT(changed, 10);
  }
  EXPECT_FALSE(Cached(font, 'H'));
}

TEST(LiceGdiText, WhatKeepsTextOffTheNativePath)
{
  const WineState notWine(0);
  LICE_CachedFont font;
  font.AdoptSystemFont(Arial(12), FontOwnsHandle | FontNativeDraw);
  LiceRect bounds = {0, 0, 60, 20};
  GlyphPathBitmap asking(60, 20);
  font.DrawTextInto(&asking, "H", -1, &bounds, 0);
  EXPECT_TRUE(Cached(font, 'H')) << "a target that asks";
  EXPECT_GT(asking.queries, 0);
  LICE_SysBitmap bitmap(60, 20);
  const struct Case
  {
    const char* what;
    int flags, format;
    std::uint16_t code;
  } cases[] = {
      {"TextNoNative", FontNativeDraw, TextNoNative, 'a'},
      {"TextColorAlpha", FontNativeDraw, TextColorAlpha, 'b'},
      {"no FontNativeDraw", 0, 0, 'c'},
      {"a glyph-only flag", FontNativeDraw | FontMono, 0, 'd'},
  };
  for (const Case& c : cases)
  {
    LICE_CachedFont other;
    other.AdoptSystemFont(Arial(12), FontOwnsHandle | c.flags);
    other.ExchangeTextColor(0xFFFFFFFF);
    const char text[2] = {static_cast<char>(c.code), 0};
    other.DrawTextInto(&bitmap, text, -1, &bounds, c.format);
    EXPECT_TRUE(Cached(other, c.code)) << c.what;
  }
}

TEST(LiceGdiText, TheWineProbeFindsWine)
{
  lice::OverrideWineState(-1);
  LICE_CachedFont font;
  font.AdoptSystemFont(Arial(12), FontOwnsHandle | FontNativeDraw);
  LICE_SysBitmap bitmap(60, 20);
  LiceRect bounds = {0, 0, 60, 20};
  font.DrawTextInto(&bitmap, "H", -1, &bounds, 0);
  EXPECT_TRUE(Cached(font, 'H')) << "under Wine the glyph path";
}

TEST(LiceGdiText, TallLinesGoNativeEvenUnderWine)
{
  const WineState wine(1);
  LICE_CachedFont font;
  font.AdoptSystemFont(Arial(300), FontOwnsHandle | FontMono);
  EXPECT_GE(font.LineHeight(), 256);
  font.ExchangeTextColor(0xFFFFFFFF);
  LICE_SysBitmap bitmap(300, 360);
  Fill(bitmap, Black);
  LiceRect bounds = {0, 0, 300, 360};
  EXPECT_GE(font.DrawTextInto(&bitmap, "I", -1, &bounds, 0), 256);
  EXPECT_GT(InkInside(bitmap, bounds), 100);
  EXPECT_FALSE(Cached(font, 'I'));
}
#else
TEST(LiceGdiText, NeverNative)
{
  LICE_CachedFont font;
  font.AdoptSystemFont(Arial(12), FontOwnsHandle | FontNativeDraw);
  font.ExchangeTextColor(0xFFFFFFFF);
  GlyphPathBitmap counting(60, 20);
  LiceRect bounds = {0, 0, 60, 20};
  font.DrawTextInto(&counting, "H", -1, &bounds, 0);
  EXPECT_EQ(counting.queries, 0) << "no ExtraQuery";
  EXPECT_TRUE(Cached(font, 'H'));
  LICE_SysBitmap bitmap(60, 20);
  font.DrawTextInto(&bitmap, "i", -1, &bounds, 0);
  EXPECT_TRUE(Cached(font, 'i'));

  LICE_CachedFont tall;
  tall.AdoptSystemFont(Arial(1100), FontOwnsHandle | FontNativeDraw);
  EXPECT_GE(tall.LineHeight(), 1024);
  tall.ExchangeTextColor(0xFFFFFFFF);
  LICE_SysBitmap big(400, 400);
  Fill(big, Black);
  LiceRect all = {0, 0, 400, 400};
  EXPECT_EQ(tall.DrawTextInto(&big, "I", -1, &all, 0), 0);
  EXPECT_EQ(InkInside(big, all), 0);
}
#endif
}
