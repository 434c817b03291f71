#include "LICE_GlyphLoops.h"
#include "LICE_Rows.h"
#include "RasterModel.h"
#include "TestBitmap.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace
{
const lice::GlyphFamily kFamilies[] = {lice::GlyphFamily::Plain, lice::GlyphFamily::Mono,
                                       lice::GlyphFamily::Effect};

lice::GlyphColours ColoursOf(PixelArgb text, PixelArgb effect)
{
  return {lice::Channel(text, 2),   lice::Channel(text, 1),   lice::Channel(text, 0),
          lice::Channel(effect, 2), lice::Channel(effect, 1), lice::Channel(effect, 0)};
}

// Composes width x height of the mask at (x, y) of the bitmap.
void Compose(TestBitmap& bitmap, lice::GlyphFamily family, int mode, const std::vector<unsigned char>& mask, int stride,
             int x, int y, int width, int height, PixelArgb text, PixelArgb effect, int weight)
{
  const lice::Rows rows(&bitmap, x, y);
  lice::ComposeGlyphMask(family, mode, mask.data(), stride, rows.first, rows.step, width, height,
                         ColoursOf(text, effect), weight);
}

// Every mode (and one that draws nothing) of every family at every weight,
// flipped and not, against the plain model; the canaries stay.
TEST(LiceGlyphLoops, EveryLoopMatchesTheModel)
{
  std::mt19937 random(17);
  const int weights[] = {1, 64, 127, 128, 192, 255, 256, 300, -50};
  for (lice::GlyphFamily family : kFamilies)
    for (int mode = 0; mode <= 6; ++mode)
      for (int weight : weights)
        for (bool flipped : {false, true})
        {
          // Coverage of every kind: none, full, the effect mark, anything.
          std::vector<unsigned char> mask(9 * 6);
          for (unsigned char& c : mask)
          {
            const unsigned pick = random() % 5;
            c = pick == 0 ? 0 : pick == 1 ? 255 : pick == 2 ? 128 : static_cast<unsigned char>(random());
          }
          TestBitmap bitmap(12, 9, flipped), expected(12, 9);
          for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 12; ++x)
              expected.At(x, y) = bitmap.At(x, y) = random();
          const PixelArgb text = random(), effect = random();
          Compose(bitmap, family, mode, mask, 9, 2, 1, 8, 6, text, effect, weight);
          model::GlyphMask(&expected, mask.data(), 9, 2, 1, 8, 6, static_cast<int>(family), mode, weight, text, effect);
          ASSERT_EQ(bitmap.Pixels(), expected.Pixels())
              << "family " << static_cast<int>(family) << " mode " << mode << " weight " << weight << " flipped "
              << flipped;
          ASSERT_TRUE(bitmap.CanariesIntact());
        }
}

TEST(LiceGlyphLoops, Cases)
{
  struct Case
  {
    const char* what;
    lice::GlyphFamily family;
    int mode, weight, coverage;
    PixelArgb text, destination, result;
  } cases[] = {
      {"plain copy at 1.0, full coverage: the text colour, alpha 255", lice::GlyphFamily::Plain, CombineCopy, 256, 255,
       0x00123456, 0x80ABCDEF, 0xFF123456},
      {"plain copy at 1.0, coverage 127: halfway (w 128)", lice::GlyphFamily::Plain, CombineCopy, 256, 127,
       0x00102030, 0x8090A0B0, 0xC0506070},
      {"plain copy at 0.5, full coverage: w 127", lice::GlyphFamily::Plain, CombineCopy, 128, 255, 0xFF000000,
       0x00FFFFFF, 0x7F808080},
      {"mono at 0.5, faint coverage: halfway", lice::GlyphFamily::Mono, CombineCopy, 128, 1, 0xFF000000, 0x00FFFFFF,
       0x807F7F7F},
      {"add of black raises only alpha", lice::GlyphFamily::Plain, CombineAdd, 256, 127, 0x00000000, 0x10ABCDEF,
       0x8FABCDEF},
      {"multiply by white at w 256", lice::GlyphFamily::Plain, CombineMultiply, 256, 255, 0x00FFFFFF, 0xFFFFFFFF,
       0xFEFEFEFE},
      {"effect mark takes the effect colour", lice::GlyphFamily::Effect, CombineCopy, 256, 128, 0x00123456,
       0x00000000, 0xFF654321},
      {"effect ink takes the text colour", lice::GlyphFamily::Effect, CombineCopy, 256, 255, 0x00123456, 0x00000000,
       0xFF123456},
      {"copy at a negative weight draws nothing", lice::GlyphFamily::Mono, CombineCopy, -50, 255, 0x00123456,
       0x00ABCDEF, 0x00ABCDEF},
      {"zero coverage is left alone", lice::GlyphFamily::Plain, CombineAdd, 256, 0, 0xFFFFFFFF, 0x01020304,
       0x01020304},
  };
  for (const Case& c : cases)
  {
    TestBitmap bitmap(1, 1);
    bitmap.At(0, 0) = c.destination;
    const std::vector<unsigned char> mask = {static_cast<unsigned char>(c.coverage)};
    Compose(bitmap, c.family, c.mode, mask, 1, 0, 0, 1, 1, c.text, 0x00654321, c.weight);
    EXPECT_EQ(bitmap.At(0, 0), c.result) << c.what << std::hex << ": " << bitmap.At(0, 0);
  }
}

TEST(LiceGlyphLoops, HsvLeavesAlpha255OnInk)
{
  for (lice::GlyphFamily family : kFamilies)
    for (int coverage : {1, 128, 255})
    {
      TestBitmap bitmap(1, 1);
      bitmap.At(0, 0) = 0x00406080;
      const std::vector<unsigned char> mask = {static_cast<unsigned char>(coverage)};
      Compose(bitmap, family, CombineHsvAdjust, mask, 1, 0, 0, 1, 1, 0x00C08040, 0x00102030, 200);
      EXPECT_EQ(bitmap.At(0, 0) >> 24, 255u) << static_cast<int>(family) << " " << coverage;
    }
}
}
