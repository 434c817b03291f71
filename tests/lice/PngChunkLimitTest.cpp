// Chunks the loader has no use for, shaped to hurt or merely odd: a chunk
// that declares far more than it holds ends the load at once, with little
// memory; odd chunks that libpng tolerates do not cost the image; malformed
// transparency or palette chunks do.

#include "LICE_Png.h"
#include "PngChunks.h"
#include "support/TestHeap.h"

#include <gtest/gtest.h>

#include <png.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

namespace
{
namespace fs = std::filesystem;
using Bitmap = std::unique_ptr<LICE_IBitmap>;
using Bytes = std::vector<unsigned char>;

Bitmap ReadMemory(const Bytes& png) { return Bitmap(LICE_ReadPngMemory(png.data(), static_cast<int>(png.size()))); }

Bitmap ReadFile(const Bytes& png)
{
  const fs::path path = fs::temp_directory_path() / ("zl-png-limit-" + std::to_string(std::random_device()()) + ".png");
  std::FILE* file = std::fopen(path.string().c_str(), "wb");
  if (!file)
    return nullptr;
  std::fwrite(png.data(), 1, png.size(), file);
  std::fclose(file);
  Bitmap bitmap(LICE_ReadPngFile(path.string().c_str(), nullptr));
  std::error_code ignored;
  fs::remove(path, ignored);
  return bitmap;
}

Bytes Word(std::uint32_t value)
{
  return {static_cast<unsigned char>(value >> 24), static_cast<unsigned char>(value >> 16),
          static_cast<unsigned char>(value >> 8), static_cast<unsigned char>(value)};
}

Bytes Join(std::initializer_list<Bytes> parts)
{
  Bytes joined;
  for (const Bytes& part : parts)
    joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

// A 4 x 2 image: RGBA rows, or rows of one sample (grey or palette index),
// each with its filter byte.
constexpr int kWidth = 4;
constexpr int kHeight = 2;

Bytes RgbaRows(int rows = kHeight)
{
  Bytes bytes;
  for (int y = 0; y < rows; ++y)
  {
    bytes.push_back(0);
    for (int i = 0; i < 4 * kWidth; ++i)
      bytes.push_back(static_cast<unsigned char>(y * 71 + i * 13 + 5));
  }
  return bytes;
}

Bytes SampleRows()
{
  Bytes bytes;
  for (int y = 0; y < kHeight; ++y)
  {
    bytes.push_back(0);
    for (int x = 0; x < kWidth; ++x)
      bytes.push_back(static_cast<unsigned char>((x + y) % 3));
  }
  return bytes;
}

// The RGBA image with chunks between its header and its data.
Bytes Rgba(const std::vector<std::pair<const char*, Bytes>>& chunks)
{
  PngChunks png;
  png.Header(kWidth, kHeight);
  for (const auto& chunk : chunks)
    png.Add(chunk.first, chunk.second);
  return png.ImageData(RgbaRows()).End().Bytes();
}

// The contents of sRGB, and of gAMA and cHRM as sRGB has them.
Bytes Srgb() { return {0}; }
Bytes SrgbGamma() { return Word(45455); }
Bytes SrgbChromaticities()
{
  return Join({Word(31270), Word(32900), Word(64000), Word(33000), Word(30000), Word(60000), Word(15000), Word(6000)});
}

std::vector<PixelArgb> Pixels(LICE_IBitmap& bitmap)
{
  std::vector<PixelArgb> pixels;
  for (int y = 0; y < bitmap.Height(); ++y)
    pixels.insert(pixels.end(), bitmap.PixelData() + y * bitmap.RowSpan(),
                  bitmap.PixelData() + y * bitmap.RowSpan() + bitmap.Width());
  return pixels;
}

// Each declares 1,627,717,794 bytes and holds 165: a file of 206 bytes.
// Parsed, each of the known ones had libpng allocate and clear the declared
// size before it found the file too short.
TEST(LicePngChunkLimits, AChunkThatDeclaresGigabytesEndsTheLoadWithLittleMemory)
{
  const char* const types[] = {"sCAL", "iTXt", "tEXt", "zTXt", "eXIf", "pCAL", "iCCP", "sPLT", "prVt"};
  for (const char* type : types)
  {
    const Bytes png = PngChunks().Header(kWidth, kHeight).Declare(type, 1627717794u, Bytes(165, 'A')).Bytes();
    ASSERT_EQ(png.size(), 206u);
    for (Bitmap (*read)(const Bytes&) : {ReadMemory, ReadFile})
    {
      const long long before = TestHeap::Allocations();
      TestHeap::TakeLargestRequest();
      EXPECT_EQ(read(png), nullptr) << type;
      ASSERT_GT(TestHeap::Allocations(), before) << "libpng takes its blocks from the heap routines";
      EXPECT_LT(TestHeap::TakeLargestRequest(), std::size_t{1} << 20) << type;
    }
  }
}

struct Case
{
  const char* what;
  Bytes png;
};

// Odd chunks that the loader has no use for are skipped unread, wherever
// they stand, and compressed data left over after the image is ignored: each
// file loads, equal to the plain image.
TEST(LicePngChunkLimits, OddButReadableFilesKeepTheImage)
{
  Bytes offChromaticities = SrgbChromaticities();
  offChromaticities[3] ^= 0x40;
  PngChunks before;
  before.Add("gAMA", SrgbGamma()).Header(kWidth, kHeight).ImageData(RgbaRows()).End();
  const Case cases[] = {
      {"sRGB, gAMA and cHRM", Rgba({{"sRGB", Srgb()}, {"gAMA", SrgbGamma()}, {"cHRM", SrgbChromaticities()}})},
      {"a gamma other than sRGB's", Rgba({{"sRGB", Srgb()}, {"gAMA", Word(100000)}})},
      {"chromaticities other than sRGB's", Rgba({{"cHRM", offChromaticities}, {"sRGB", Srgb()}})},
      {"two sRGB chunks", Rgba({{"sRGB", Srgb()}, {"sRGB", Srgb()}})},
      {"an ICC profile too short to be one", Rgba({{"iCCP", Join({{'x', 0, 0}, Deflate(Bytes(40, 0))})}})},
      {"a pHYs of 2 bytes", Rgba({{"pHYs", {1, 2}}})},
      {"7 MB of text", Rgba({{"tEXt", Join({{'k', 0}, Bytes(7000000, 't')})}})},
      {"gAMA before the header", before.Bytes()},
      {"bytes after the compressed data",
       PngChunks().Header(kWidth, kHeight).Add("IDAT", Join({Deflate(RgbaRows()), {1, 2, 3, 4}})).End().Bytes()},
      {"a row more than the image has", PngChunks().Header(kWidth, kHeight).ImageData(RgbaRows(kHeight + 1)).End().Bytes()},
  };
  const Bitmap plain = ReadMemory(Rgba({}));
  ASSERT_NE(plain, nullptr);
  for (const Case& input : cases)
  {
    const Bitmap bitmap = ReadMemory(input.png);
    ASSERT_NE(bitmap, nullptr) << input.what;
    EXPECT_EQ(Pixels(*bitmap), Pixels(*plain)) << input.what;
  }
}

// Transparency or a palette that the PNG format does not allow is no longer
// quietly dropped: the load ends.
TEST(LicePngChunkLimits, MalformedTransparencyOrPaletteEndsTheLoad)
{
  const Bytes palette(3 * 3, 0x80);
  const Case cases[] = {
      {"tRNS with an alpha channel", Rgba({{"tRNS", Bytes(6, 0)}})},
      {"tRNS longer than the palette", PngChunks()
                                           .Header(kWidth, kHeight, 8, PNG_COLOR_TYPE_PALETTE)
                                           .Add("PLTE", palette)
                                           .Add("tRNS", Bytes(4, 0))
                                           .ImageData(SampleRows())
                                           .End()
                                           .Bytes()},
      {"tRNS before PLTE", PngChunks()
                               .Header(kWidth, kHeight, 8, PNG_COLOR_TYPE_PALETTE)
                               .Add("tRNS", Bytes(3, 0))
                               .Add("PLTE", palette)
                               .ImageData(SampleRows())
                               .End()
                               .Bytes()},
      {"grey tRNS of an RGB key's length",
       PngChunks().Header(kWidth, kHeight, 8, PNG_COLOR_TYPE_GRAY).Add("tRNS", Bytes(6, 0)).ImageData(SampleRows()).End().Bytes()},
      {"PLTE in a grey image",
       PngChunks().Header(kWidth, kHeight, 8, PNG_COLOR_TYPE_GRAY).Add("PLTE", palette).ImageData(SampleRows()).End().Bytes()},
  };
  for (const Case& input : cases)
    EXPECT_EQ(ReadMemory(input.png), nullptr) << input.what;
}

// Whichever request of a load to the heap routines fails (libpng's own
// included), the load gives null and leaves nothing behind.
TEST(LicePngChunkLimits, EveryFailedAllocationGivesNull)
{
  const Bytes png = Rgba({{"sRGB", Srgb()}, {"tEXt", {'k', 0, 'v'}}});
  // With the first `granted` requests granted and every later one refused.
  long long granted = 0;
  for (;; ++granted)
  {
    ASSERT_LT(granted, 100);
    TestHeap::heapFailsAfter = granted;
    const bool loaded = ReadMemory(png) != nullptr;
    TestHeap::heapFailsAfter = -1;
    if (loaded)
      break;
  }
  EXPECT_GT(granted, 3) << "libpng takes its blocks from the heap routines";
}
}
