// The glyph cache on the stand-in renderer.

#include "LICE_CachedFont.h"
#include "LICE_GlyphScratch.h"
#include "StandInGlyphs.h"
#include "TestBitmap.h"
#include "support/TestHeap.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
struct Mask
{
  int width, height;
  std::vector<unsigned char> bytes;
  bool operator==(const Mask& other) const
  {
    return width == other.width && height == other.height && bytes == other.bytes;
  }
};

std::ostream& operator<<(std::ostream& out, const Mask& mask)
{
  out << mask.width << " x " << mask.height << ":";
  for (std::size_t i = 0; i < mask.bytes.size(); ++i)
    out << (i % (mask.width ? mask.width : 1) ? " " : "\n  ") << static_cast<int>(mask.bytes[i]);
  return out;
}

Mask MaskOf(LICE_CachedFont& font, std::uint16_t code)
{
  const GlyphEntry* entry = font.FindGlyph(code);
  const unsigned char* bytes = font.GlyphMask(entry);
  if (!bytes)
    return {0, 0, {}};
  return {entry->width, entry->height, std::vector<unsigned char>(bytes, bytes + entry->width * entry->height)};
}

constexpr unsigned char X = 255, E = 128;

struct Dot
{
  int x, y;
  unsigned char value;
};

// A width x height image, 0 but for the dots.
std::vector<unsigned char> Dots(int width, int height, std::initializer_list<Dot> dots)
{
  std::vector<unsigned char> image(width * height, 0);
  for (const Dot& dot : dots)
    image[dot.y * width + dot.x] = dot.value;
  return image;
}

TEST(LiceCachedFont, Masks)
{
  const struct Case
  {
    const char* what;
    int flags;
    LiceStandInGlyph glyph;
    Mask expected;
  } cases[] = {
      {"trimmed to the advance", 0, StandInGlyph(4, 2, 2, {9, 0, 0, 7}), {4, 2, {9, 0, 0, 0, 0, 7, 0, 0}}},
      {"widened to the rightmost ink", 0, StandInGlyph(3, 2, 5, {1, 0, 0, 0, 0, 0, 0, 0, 0, 3}),
       {5, 2, {1, 0, 0, 0, 0, 0, 0, 0, 0, 3}}},
      {"ink past the cell is cut", 0, StandInGlyph(1, 1, 6, {1, 2, 3, 4, 5, 6}), {3, 1, {1, 2, 3}}},
      {"inverted, width from the ink", FontInvert, StandInGlyph(2, 2, 3, {0, 10, 0, 0, 0, 0}),
       {2, 2, {255, 245, 255, 255}}},
      {"mono: above 130 is ink", FontMono, StandInGlyph(3, 1, 3, {130, 131, 1}), {3, 1, {0, X, 0}}},
      {"shadow of one pixel", FontShadow, StandInGlyph(4, 4, 2, {0, 0, 0, 200}),
       {4, 4, {0, 0, 0, 0, 0, X, E, 0, 0, E, E, 0, 0, 0, 0, 0}}},
      {"outline of one pixel", FontOutline, StandInGlyph(4, 4, 2, {0, 0, 0, 200}),
       {4, 4, {0, E, 0, 0, E, X, E, 0, 0, E, 0, 0, 0, 0, 0, 0}}},
      {"the shadow wins over the outline", FontShadow | FontOutline, StandInGlyph(4, 4, 2, {0, 0, 0, 200}),
       {4, 4, {0, 0, 0, 0, 0, X, E, 0, 0, E, E, 0, 0, 0, 0, 0}}},
      // Ink in the last column: the next row's first byte is no neighbour.
      {"outline at the right edge", FontOutline, StandInGlyph(3, 2, 3, {0, 0, 200}), {3, 2, {0, E, X, 0, 0, E}}},
      {"shadow at the right edge", FontShadow, StandInGlyph(3, 2, 3, {0, 0, 200}), {3, 2, {0, 0, X, 0, 0, E}}},
      {"clockwise quarter turn", FontVertical, StandInGlyph(3, 2, 3, {1, 2, 3, 4, 5, 6}),
       {2, 3, {4, 1, 5, 2, 6, 3}}},
      {"counter-clockwise quarter turn", FontVertical | FontBottomUp, StandInGlyph(3, 2, 3, {1, 2, 3, 4, 5, 6}),
       {2, 3, {3, 6, 2, 5, 1, 4}}},
      {"turned, then outlined", FontVertical | FontOutline, StandInGlyph(3, 2, 3, {200, 0, 0, 0, 0, 0}),
       {2, 3, {E, X, 0, E, 0, 0}}},
      {"blur of one white pixel", FontBlur, StandInGlyph(5, 7, 7, Dots(7, 7, {{3, 3, 255}})),
       {5, 7, Dots(5, 7, {{3, 2, 31}, {2, 3, 31}, {3, 3, 127}, {4, 3, 31}, {3, 4, 31}})}},
  };
  for (const Case& c : cases)
  {
    LiceStandInFont standIn;
    standIn.lineHeight = 10;
    UseTable(standIn, {{'g', c.glyph}});
    LICE_CachedFont font;
    font.AdoptSystemFont(StandInFontHandle(&standIn), c.flags);
    EXPECT_TRUE(font.RenderGlyph('g')) << c.what;
    EXPECT_EQ(MaskOf(font, 'g'), c.expected) << c.what;
    EXPECT_EQ(font.FindGlyph('g')->advance, c.glyph.advance) << c.what;
  }
}

// Large lines add line height / 16 to the cell: ink up to there is kept.
TEST(LiceCachedFont, CellOfALargeLine)
{
  LiceStandInFont standIn;
  standIn.lineHeight = 32;
  UseTable(standIn, {{'g', StandInGlyph(3, 1, 8, {1, 0, 0, 0, 0, 0, 7, 8})}});
  LICE_CachedFont font;
  font.AdoptSystemFont(StandInFontHandle(&standIn), 0);
  font.RenderGlyph('g');
  EXPECT_EQ(MaskOf(font, 'g'), (Mask{7, 1, {1, 0, 0, 0, 0, 0, 7}}));
}

TEST(LiceCachedFont, EmptyGlyphsHaveNothingToDraw)
{
  LiceStandInFont standIn;
  standIn.lineHeight = 10;
  UseTable(standIn, {{'a', StandInGlyph(0, 5, 1, {255})}, {'b', StandInGlyph(3, 0, 0, {})}});
  LICE_CachedFont font;
  font.AdoptSystemFont(StandInFontHandle(&standIn), 0);
  const std::uint16_t codes[] = {'a', 'b', 'c', 0x1234};
  for (std::uint16_t code : codes)
  {
    EXPECT_TRUE(font.RenderGlyph(code));
    const GlyphEntry* entry = font.FindGlyph(code);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->offset, -1);
    EXPECT_EQ(entry->advance, 0);
    EXPECT_EQ(font.GlyphMask(entry), nullptr);
  }
}

TEST(LiceCachedFont, ExtensionListStaysSorted)
{
  LiceStandInFont standIn;
  UseRule(standIn, 12);
  LICE_CachedFont font;
  font.AdoptSystemFont(StandInFontHandle(&standIn), 0);
  const std::uint16_t codes[] = {0x300, 0x100, 0xFFFF, 0x180, 0x2000, 0x80};
  for (std::uint16_t code : codes)
    EXPECT_TRUE(font.RenderGlyph(code));
  EXPECT_EQ(font.FindGlyph(0x181), nullptr);
  const std::uint16_t sorted[] = {0x80, 0x100, 0x180, 0x300, 0x2000, 0xFFFF};
  for (int i = 0; i < 6; ++i)
  {
    const GlyphEntry* entry = font.FindGlyph(sorted[i]);
    ASSERT_NE(entry, nullptr) << sorted[i];
    EXPECT_EQ(entry->code, sorted[i]);
    EXPECT_GT(entry->offset, 0);
    if (i > 0)
    {
      EXPECT_EQ(entry, font.FindGlyph(sorted[i - 1]) + 1) << "adjacent in code order";
    }
  }
}

TEST(LiceCachedFont, FixedCacheRendersAsciiAtAdoptionAndNothingElse)
{
  LiceStandInFont standIn;
  UseRule(standIn, 12);
  LICE_CachedFont font;
  font.AdoptSystemFont(StandInFontHandle(&standIn), FontFixedCache);
  for (int code = 0; code < 128; ++code)
    EXPECT_NE(font.FindGlyph(static_cast<std::uint16_t>(code))->offset, 0) << code;
  EXPECT_FALSE(font.RenderGlyph(0xE9));
  EXPECT_EQ(font.FindGlyph(0xE9), nullptr);

  // Neither drawn nor moving the pen.
  LiceRect with = {0, 0, 0, 0}, without = {0, 0, 0, 0};
  font.DrawTextInto(nullptr, "A\xC3\xA9" "B", -1, &with, DT_CALCRECT);
  font.DrawTextInto(nullptr, "AB", -1, &without, DT_CALCRECT);
  EXPECT_EQ(with.right, without.right);
  EXPECT_GT(with.right, 0);
  TestBitmap drawnWith(40, 20), drawnWithout(40, 20);
  LiceRect bounds = {0, 0, 40, 20};
  font.DrawTextInto(&drawnWith, "A\xC3\xA9" "B", -1, &bounds, 0);
  font.DrawTextInto(&drawnWithout, "AB", -1, &bounds, 0);
  EXPECT_EQ(drawnWith.Pixels(), drawnWithout.Pixels());
  EXPECT_EQ(font.FindGlyph(0xE9), nullptr);
}

TEST(LiceCachedFont, LineHeightAbove1023CachesNothing)
{
  LiceStandInFont standIn;
  UseRule(standIn, 1024);
  LICE_CachedFont font;
  font.AdoptSystemFont(StandInFontHandle(&standIn), 0);
  EXPECT_EQ(font.LineHeight(), 1024);
  EXPECT_FALSE(font.RenderGlyph('A'));
  EXPECT_FALSE(font.RenderGlyph(0x100));
  EXPECT_EQ(font.FindGlyph('A')->offset, 0);
  EXPECT_EQ(font.FindGlyph(0x100), nullptr);
  LiceRect bounds = {5, 6, 0, 0};
  EXPECT_EQ(font.DrawTextInto(nullptr, "AB", -1, &bounds, DT_CALCRECT), 0);
  EXPECT_EQ(bounds.right, 5);
  EXPECT_EQ(bounds.bottom, 6);
}

TEST(LiceCachedFont, Readoption)
{
  const struct Case
  {
    const char* what;
    int firstFlags;
    bool sameHandle;
    int deletionsOfFirst;
  } cases[] = {
      {"same handle, owned", FontOwnsHandle, true, 0},
      {"other handle, owned", FontOwnsHandle, false, 1},
      {"other handle, not owned", 0, false, 0},
  };
  for (const Case& c : cases)
  {
    LiceStandInFont first, second;
    UseRule(first, 12);
    UseRule(second, 20);
    {
      LICE_CachedFont font;
      font.AdoptSystemFont(StandInFontHandle(&first), c.firstFlags);
      EXPECT_EQ(font.LineHeight(), 12);
      font.RenderGlyph('A');
      font.RenderGlyph(0x400);
      LiceStandInFont* next = c.sameHandle ? &first : &second;
      font.AdoptSystemFont(StandInFontHandle(next), 0);
      EXPECT_EQ(first.deletions, c.deletionsOfFirst) << c.what;
      EXPECT_EQ(font.SystemFont(), StandInFontHandle(next));
      EXPECT_EQ(font.LineHeight(), c.sameHandle ? 12 : 20) << c.what;
      EXPECT_EQ(font.FindGlyph('A')->offset, 0) << c.what << ": cache emptied";
      EXPECT_EQ(font.FindGlyph(0x400), nullptr) << c.what;
    }
    EXPECT_EQ(first.deletions + second.deletions, c.deletionsOfFirst) << c.what << ": not owned at the end";
  }
}

TEST(LiceCachedFont, DestructorDeletesAnOwnedHandle)
{
  LiceStandInFont standIn;
  UseRule(standIn, 12);
  {
    LICE_CachedFont font;
    font.AdoptSystemFont(StandInFontHandle(&standIn), FontOwnsHandle);
  }
  EXPECT_EQ(standIn.deletions, 1);
}

TEST(LiceCachedFont, NullHandleKeepsTheLineHeightAndDrawsNothing)
{
  LiceStandInFont standIn;
  UseRule(standIn, 12);
  LICE_CachedFont font;
  font.AdoptSystemFont(StandInFontHandle(&standIn), FontOwnsHandle);
  font.AdoptSystemFont(nullptr, 0);
  EXPECT_EQ(standIn.deletions, 1);
  EXPECT_EQ(font.LineHeight(), 12);
  EXPECT_TRUE(font.RenderGlyph('A'));
  EXPECT_EQ(font.FindGlyph('A')->offset, -1);
}

TEST(LiceCachedFont, ScratchesGoWithTheLastFont)
{
  LiceStandInFont standIn;
  UseRule(standIn, 12);
  ASSERT_EQ(lice::FontCount(), 0);
  {
    LICE_CachedFont first, second;
    EXPECT_EQ(lice::FontCount(), 2);
    first.AdoptSystemFont(StandInFontHandle(&standIn), 0);
    ASSERT_NE(lice::GlyphScratch(), nullptr);
    EXPECT_GE(lice::GlyphScratch()->Width(), 256);
    ASSERT_NE(lice::MakeTextScratch(), nullptr);
  }
  EXPECT_EQ(lice::FontCount(), 0);
  EXPECT_EQ(lice::GlyphScratch(), nullptr);
  EXPECT_EQ(lice::TextScratch(), nullptr);

  LICE_CachedFont again;
  EXPECT_EQ(lice::GlyphScratch(), nullptr) << "created on first need";
  again.AdoptSystemFont(StandInFontHandle(&standIn), 0);
  ASSERT_NE(lice::GlyphScratch(), nullptr);
  EXPECT_TRUE(again.RenderGlyph('A'));
  EXPECT_GT(again.FindGlyph('A')->offset, 0);
}

TEST(LiceCachedFont, ScratchGrowsForTallLines)
{
  LiceStandInFont standIn;
  UseRule(standIn, 200);
  LICE_CachedFont font;
  font.AdoptSystemFont(StandInFontHandle(&standIn), 0);
  EXPECT_TRUE(font.RenderGlyph('A'));
  EXPECT_GE(lice::GlyphScratch()->Width(), 408);
  EXPECT_GE(lice::GlyphScratch()->Height(), 408);
  EXPECT_EQ(font.FindGlyph('A')->height, 200);
}

TEST(LiceCachedFont, CoverageStoreThatCannotGrowLeavesNothingToDraw)
{
  LiceStandInFont standIn;
  UseRule(standIn, 12);
  LICE_CachedFont font;
  font.AdoptSystemFont(StandInFontHandle(&standIn), 0);  // sizes the scratch
  {
    TestHeap::Scope fail(true, false);
    EXPECT_TRUE(font.RenderGlyph('A'));
  }
  const GlyphEntry* entry = font.FindGlyph('A');
  EXPECT_EQ(entry->offset, -1);
  EXPECT_EQ(entry->advance, 0);
  EXPECT_EQ(entry->width, 0);
  LiceRect bounds = {0, 0, 0, 0};
  EXPECT_EQ(font.DrawTextInto(nullptr, "A", -1, &bounds, DT_CALCRECT), 0) << "skipped from then on";
  EXPECT_TRUE(font.RenderGlyph('B'));
  EXPECT_GT(font.FindGlyph('B')->offset, 0) << "the store grows again later";
}

TEST(LiceCachedFont, ListThatCannotGrowCachesNothing)
{
  LiceStandInFont standIn;
  UseRule(standIn, 12);
  LICE_CachedFont font;
  font.AdoptSystemFont(StandInFontHandle(&standIn), 0);
  {
    TestHeap::Scope fail(true, false);
    EXPECT_FALSE(font.RenderGlyph(0x100));
    LiceRect bounds = {0, 0, 0, 0};
    EXPECT_EQ(font.DrawTextInto(nullptr, "\xC4\x80", -1, &bounds, DT_CALCRECT), 0);
  }
  EXPECT_EQ(font.FindGlyph(0x100), nullptr);
}

TEST(LiceCachedFont, ExchangesReturnThePreviousValue)
{
  LICE_CachedFont font;
  EXPECT_EQ(font.ExchangeTextColor(0x11223344), 0u);
  EXPECT_EQ(font.ExchangeTextColor(5), 0x11223344u);
  EXPECT_EQ(font.TextColor(), 5u);
  EXPECT_EQ(font.ExchangeBackColor(1), 0xFFFFFFFFu);
  EXPECT_EQ(font.ExchangeBackColor(2), 1u);
  EXPECT_EQ(font.ExchangeEffectColor(3), 0xFFFFFFFFu);
  EXPECT_EQ(font.ExchangeEffectColor(4), 3u);
  EXPECT_EQ(font.ExchangeBackMode(2), 1);
  EXPECT_EQ(font.ExchangeBackMode(1), 2);
  EXPECT_EQ(font.SystemFont(), nullptr);
  EXPECT_EQ(font.LineHeight(), 0);
}
}
