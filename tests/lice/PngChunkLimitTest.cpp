// What bounds a load. Chunks the loader has no use for, shaped to hurt or
// merely odd: a chunk that declares far more than it holds ends the load at
// once, with little memory; a large one that holds what it declares, and
// odd chunks that libpng tolerates, do not cost the image; malformed
// transparency or palette chunks do. An image of too many pixels is refused
// before anything is allocated for it, and compressed data after the last
// row is not inflated.

#include "LICE_Png.h"
#include "PngChunks.h"
#include "PngFixtures.h"
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

// libpng checks a chunk's declared length against its bound before it knows
// that the chunk is to be skipped: skipped, a chunk of more than 8,000,000
// bytes that holds what it declares costs nothing; the chunks the loader
// parses stay bound.
TEST(LicePngChunkLimits, ALargeSkippedChunkKeepsTheImage)
{
  const Bitmap plain = ReadMemory(Rgba({}));
  ASSERT_NE(plain, nullptr);
  const Case cases[] = {
      {"9 MB of text", Rgba({{"tEXt", Join({{'k', 0}, Bytes(9000000, 't')})}})},
      {"a private chunk of 9 MB", Rgba({{"prVt", Bytes(9000000, 0x5A)}})},
  };
  for (const Case& input : cases)
    for (Bitmap (*read)(const Bytes&) : {ReadMemory, ReadFile})
    {
      TestHeap::TakeLargestRequest();
      const Bitmap bitmap = read(input.png);
      ASSERT_NE(bitmap, nullptr) << input.what;
      EXPECT_EQ(Pixels(*bitmap), Pixels(*plain)) << input.what;
      EXPECT_LT(TestHeap::TakeLargestRequest(), std::size_t{1} << 20) << input.what;
    }

  const Bytes palette(9000000, 0x80);
  const Case bound[] = {
      {"a PLTE of 9 MB",
       PngChunks().Header(kWidth, kHeight, 8, PNG_COLOR_TYPE_PALETTE).Add("PLTE", palette).ImageData(SampleRows()).End().Bytes()},
      {"a tRNS of 9 MB", Rgba({{"tRNS", palette}})},
  };
  for (const Case& input : bound)
  {
    TestHeap::TakeLargestRequest();
    EXPECT_EQ(ReadMemory(input.png), nullptr) << input.what;
    EXPECT_LT(TestHeap::TakeLargestRequest(), std::size_t{1} << 20) << input.what;
  }
}

// Valid files of more than 2^26 pixels: a 1-bit image of 23,168 x 23,168
// (65 KB of file, 2.1 GB as a bitmap) and 8192 x 8193 pixels. Each is
// refused before its bitmap is allocated. A long strip of few pixels loads,
// up to libpng's own limit of 1,000,000 pixels a side.
TEST(LicePngChunkLimits, AnImageOfMoreThan2To26PixelsIsRefusedBeforeAllocating)
{
  struct Size
  {
    std::uint32_t width, height;
    int bitDepth;
    std::size_t rowBytes;
  };
  const Size refused[] = {{23168, 23168, 1, 1 + 23168 / 8}, {8192, 8193, 8, 1 + 8192}};
  for (const Size& size : refused)
  {
    const Bytes png = PngChunks()
                          .Header(size.width, size.height, size.bitDepth, PNG_COLOR_TYPE_GRAY)
                          .Add("IDAT", Deflate({}, size.rowBytes * size.height))
                          .End()
                          .Bytes();
    ASSERT_LT(png.size(), std::size_t{100000});
    TestHeap::TakeLargestRequest();
    EXPECT_EQ(ReadMemory(png), nullptr) << size.width << " x " << size.height;
    EXPECT_LT(TestHeap::TakeLargestRequest(), std::size_t{1} << 20) << size.width << " x " << size.height;
  }

  const Bytes strip =
      PngChunks().Header(1, 1000000, 8, PNG_COLOR_TYPE_GRAY).Add("IDAT", Deflate({}, 2 * 1000000)).End().Bytes();
  const Bitmap bitmap = ReadMemory(strip);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->Width(), 1);
  EXPECT_EQ(bitmap->Height(), 1000000);
  EXPECT_EQ(bitmap->PixelData()[999999 * bitmap->RowSpan()], 0xFF000000u);
}

// The last IDAT chunk's CRC, broken.
Bytes WithTheLastDataCrcBroken(Bytes png)
{
  std::size_t lastDataEnd = 0;
  for (const ChunkPlace& chunk : ChunksOf(png))
    if (chunk.type == "IDAT")
      lastDataEnd = chunk.End();
  png[lastDataEnd - 1] ^= 0x01;
  return png;
}

// Compressed data after the last row, 4 MB of it inflated, in IDAT chunks
// of 1 KB whose last one has a broken CRC: decoding stops at the last row,
// before that chunk, and the image loads (libpng would inflate it all, read
// the last chunk and fail on its CRC). Plain and interlaced images of every
// small height, whose last pass ends on a row it decodes or on one it does
// not.
TEST(LicePngChunkLimits, DecodingStopsAtTheLastRow)
{
  for (const bool interlaced : {false, true})
    for (const int width : {1, 5})
      for (const int height : {1, 2, 3, 8, 9})
      {
        PngImage image = PatternImage(PNG_COLOR_TYPE_RGB_ALPHA, 8, false, width, height);
        image.interlaced = interlaced;
        const Bytes png = WithTheLastDataCrcBroken(RecompressImageData(EncodePng(image), 4 << 20, 1024));
        const Bitmap bitmap = ReadMemory(png);
        ASSERT_NE(bitmap, nullptr) << width << " x " << height << (interlaced ? " interlaced" : "");
        EXPECT_EQ(DisplayedPixels(*bitmap), ExpectedPixels(image)) << width << " x " << height;
      }
}
}
