#include "LICE_Png.h"
#include "PngFixtures.h"

#include <gtest/gtest.h>

#include <png.h>

#include <memory>
#include <ostream>
#include <set>
#include <string>

namespace
{
using Bitmap = std::unique_ptr<LICE_IBitmap>;

Bitmap ReadMemory(const std::vector<unsigned char>& png)
{
  return Bitmap(LICE_ReadPngMemory(png.data(), static_cast<int>(png.size())));
}

Bitmap ReadImage(const PngImage& image) { return ReadMemory(EncodePng(image)); }

struct Format
{
  int colorType;
  int bitDepth;
  bool transparency;
};

const Format kFormats[] = {
    {PNG_COLOR_TYPE_GRAY, 1, false},       {PNG_COLOR_TYPE_GRAY, 2, false},
    {PNG_COLOR_TYPE_GRAY, 4, false},       {PNG_COLOR_TYPE_GRAY, 8, false},
    {PNG_COLOR_TYPE_GRAY, 16, false},      {PNG_COLOR_TYPE_GRAY, 1, true},
    {PNG_COLOR_TYPE_GRAY, 2, true},        {PNG_COLOR_TYPE_GRAY, 4, true},
    {PNG_COLOR_TYPE_GRAY, 8, true},        {PNG_COLOR_TYPE_GRAY, 16, true},
    {PNG_COLOR_TYPE_GRAY_ALPHA, 8, false}, {PNG_COLOR_TYPE_GRAY_ALPHA, 16, false},
    {PNG_COLOR_TYPE_RGB, 8, false},        {PNG_COLOR_TYPE_RGB, 16, false},
    {PNG_COLOR_TYPE_RGB, 8, true},         {PNG_COLOR_TYPE_RGB, 16, true},
    {PNG_COLOR_TYPE_RGB_ALPHA, 8, false},  {PNG_COLOR_TYPE_RGB_ALPHA, 16, false},
    {PNG_COLOR_TYPE_PALETTE, 1, false},    {PNG_COLOR_TYPE_PALETTE, 2, false},
    {PNG_COLOR_TYPE_PALETTE, 4, false},    {PNG_COLOR_TYPE_PALETTE, 8, false},
    {PNG_COLOR_TYPE_PALETTE, 1, true},     {PNG_COLOR_TYPE_PALETTE, 2, true},
    {PNG_COLOR_TYPE_PALETTE, 4, true},     {PNG_COLOR_TYPE_PALETTE, 8, true},
};

std::string Name(const Format& format)
{
  const char* names[] = {"Grey", "", "Rgb", "Palette", "GreyAlpha", "", "Rgba"};
  return names[format.colorType] + std::to_string(format.bitDepth) + (format.transparency ? "Trns" : "");
}

void PrintTo(const Format& format, std::ostream* out) { *out << Name(format); }
std::string FormatName(const testing::TestParamInfo<Format>& info) { return Name(info.param); }

class LicePngFormat : public testing::TestWithParam<Format>
{
};

// Plain and interlaced alike give the image's own samples as PixelArgb.
TEST_P(LicePngFormat, DecodesToTheImagesPixels)
{
  const Format format = GetParam();
  PngImage image = PatternImage(format.colorType, format.bitDepth, format.transparency);
  const std::vector<PixelArgb> expected = ExpectedPixels(image);
  for (bool interlaced : {false, true})
  {
    image.interlaced = interlaced;
    Bitmap bitmap = ReadImage(image);
    ASSERT_NE(bitmap, nullptr) << "interlaced " << interlaced;
    EXPECT_EQ(bitmap->Width(), image.width);
    EXPECT_EQ(bitmap->Height(), image.height);
    EXPECT_EQ(DisplayedPixels(*bitmap), expected) << "interlaced " << interlaced;
  }
}

INSTANTIATE_TEST_SUITE_P(Lice, LicePngFormat, testing::ValuesIn(kFormats), FormatName);

// The cases above in words of their own, so that the expected pixels do not
// rest on the generator alone.
TEST(LicePng, SixteenBitSamplesKeepTheirHighByte)
{
  Bitmap grey = ReadImage(PatternImage(PNG_COLOR_TYPE_GRAY, 16, false));
  Bitmap rgb = ReadImage(PatternImage(PNG_COLOR_TYPE_RGB, 16, false));
  ASSERT_TRUE(grey && rgb);
  EXPECT_EQ(grey->PixelData()[0], 0xFF121212u);  // the first sample is 0x12FF
  EXPECT_EQ(rgb->PixelData()[0] & 0xFFFF0000u, 0xFF120000u);
}

TEST(LicePng, OneBitGreyIsBlackOrWhite)
{
  Bitmap bitmap = ReadImage(PatternImage(PNG_COLOR_TYPE_GRAY, 1, false));
  ASSERT_NE(bitmap, nullptr);
  const std::vector<PixelArgb> pixels = DisplayedPixels(*bitmap);
  EXPECT_EQ(std::set<PixelArgb>(pixels.begin(), pixels.end()), (std::set<PixelArgb>{0xFF000000u, 0xFFFFFFFFu}));
}

// Pixel (1, 0) equals the key, pixel (2, 0) misses it in the lowest bit
// only: the 16-bit one then shows the same colour, opaque.
TEST(LicePng, AKeyMakesExactlyItsOwnValueTransparent)
{
  for (int colorType : {PNG_COLOR_TYPE_GRAY, PNG_COLOR_TYPE_RGB})
  {
    Bitmap bitmap = ReadImage(PatternImage(colorType, 16, true));
    ASSERT_NE(bitmap, nullptr);
    const PixelArgb keyed = bitmap->PixelData()[1], missed = bitmap->PixelData()[2];
    EXPECT_EQ(keyed >> 24, 0u) << colorType;
    EXPECT_EQ(missed, keyed | 0xFF000000u) << colorType;
  }
}

TEST(LicePng, PaletteAlphaComesFromTrnsEntries)
{
  const PngImage image = PatternImage(PNG_COLOR_TYPE_PALETTE, 2, true);
  ASSERT_EQ(image.paletteAlpha.size(), 3u);  // entry 3 has none: opaque
  Bitmap withAlpha = ReadImage(image);
  Bitmap opaque = ReadImage(PatternImage(PNG_COLOR_TYPE_PALETTE, 2, false));
  ASSERT_TRUE(withAlpha && opaque);
  std::set<unsigned> alphas, opaqueAlphas;
  for (PixelArgb pixel : DisplayedPixels(*withAlpha))
    alphas.insert(pixel >> 24);
  for (PixelArgb pixel : DisplayedPixels(*opaque))
    opaqueAlphas.insert(pixel >> 24);
  EXPECT_EQ(alphas, (std::set<unsigned>{5, 76, 147, 255}));
  EXPECT_EQ(opaqueAlphas, std::set<unsigned>{255});
}

// The editor's largest image: a row span of exactly its width, its own
// alpha everywhere, and its colour chunks change no pixel.
TEST(LicePng, TallRgbaImage)
{
  const PngImage image = TallImage();
  Bitmap bitmap = ReadImage(image);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->Width(), 96);
  EXPECT_EQ(bitmap->Height(), 9696);
  EXPECT_EQ(bitmap->RowSpan(), 96);
  const std::vector<PixelArgb> pixels = DisplayedPixels(*bitmap);
  EXPECT_TRUE(pixels == ExpectedPixels(image));
  std::set<unsigned> alphas;
  for (PixelArgb pixel : pixels)
    alphas.insert(pixel >> 24);
  EXPECT_EQ(alphas.size(), 256u);
}
}
