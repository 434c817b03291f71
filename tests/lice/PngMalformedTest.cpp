// Inputs that are not PNG images, or broken ones: each gives null. Every
// input is copied into a block of exactly its size, so that under
// AddressSanitizer a read past its end fails the test.

#include "LICE_Png.h"
#include "PngChunks.h"
#include "PngFixtures.h"

#include <gtest/gtest.h>

#include <png.h>

#include <memory>
#include <string>

namespace
{
using Bitmap = std::unique_ptr<LICE_IBitmap>;

Bitmap ReadExactly(const unsigned char* data, std::size_t size)
{
  std::unique_ptr<unsigned char[]> block(new unsigned char[size ? size : 1]);
  std::copy(data, data + size, block.get());
  return Bitmap(LICE_ReadPngMemory(block.get(), static_cast<int>(size)));
}

Bitmap ReadExactly(const std::vector<unsigned char>& bytes) { return ReadExactly(bytes.data(), bytes.size()); }

std::vector<unsigned char> SmallPng()
{
  PngImage image = PatternImage(PNG_COLOR_TYPE_PALETTE, 4, true, 9, 5);
  image.colourChunks = true;
  return EncodePng(image);
}

// Rows of an 8-bit RGBA image of this width, each with filter byte 0.
std::vector<unsigned char> BlankRows(int width, int rows)
{
  return std::vector<unsigned char>(static_cast<std::size_t>(rows) * (1 + 4 * static_cast<std::size_t>(width)), 0);
}

TEST(LicePngMalformed, ShortOrForeignBlocks)
{
  const std::vector<unsigned char> png = SmallPng();
  std::vector<unsigned char> foreign = png;
  foreign[1] = 'Q';
  EXPECT_EQ(ReadExactly(png.data(), 0), nullptr);
  EXPECT_EQ(ReadExactly(png.data(), 7), nullptr) << "below the signature";
  EXPECT_EQ(ReadExactly(png.data(), 8), nullptr) << "the signature alone";
  EXPECT_EQ(ReadExactly(foreign), nullptr) << "a wrong signature";
  EXPECT_EQ(Bitmap(LICE_ReadPngMemory(png.data(), -1)), nullptr);
  EXPECT_EQ(Bitmap(LICE_ReadPngMemory(nullptr, 100)), nullptr);
}

// Cut anywhere before the end of its last image data, a file gives null.
// Decoding stops there: the image loads whatever follows, even nothing.
TEST(LicePngMalformed, EveryPrefix)
{
  const std::vector<unsigned char> png = SmallPng();
  std::size_t imageEnd = 0;
  for (const ChunkPlace& chunk : ChunksOf(png))
    if (chunk.type == "IDAT")
      imageEnd = chunk.End();
  ASSERT_GT(imageEnd, 0u);
  for (std::size_t size = 0; size <= png.size(); ++size)
  {
    Bitmap bitmap = ReadExactly(png.data(), size);
    EXPECT_EQ(bitmap != nullptr, size >= imageEnd) << size << " of " << png.size() << " bytes";
  }
}

// A CRC error in a critical chunk ends the load; IEND is never read.
TEST(LicePngMalformed, BadCrcs)
{
  const std::vector<unsigned char> png = SmallPng();
  for (const ChunkPlace& chunk : ChunksOf(png))
  {
    std::vector<unsigned char> broken = png;
    broken[chunk.End() - 1] ^= 0x01;
    const bool critical = chunk.type[0] >= 'A' && chunk.type[0] <= 'Z';
    if (critical)
    {
      EXPECT_EQ(ReadExactly(broken) != nullptr, chunk.type == "IEND") << chunk.type;
    }
  }
}

struct Broken
{
  const char* what;
  std::vector<unsigned char> bytes;
};

TEST(LicePngMalformed, BadHeadersAndData)
{
  const std::vector<unsigned char> row = BlankRows(4, 1);
  std::vector<unsigned char> garbage(40);
  for (std::size_t i = 0; i < garbage.size(); ++i)
    garbage[i] = static_cast<unsigned char>(i * 37 + 11);
  const Broken cases[] = {
      {"zero width", PngChunks().Header(0, 4).ImageData(row).End().Bytes()},
      {"zero height", PngChunks().Header(4, 0).ImageData(row).End().Bytes()},
      {"width beyond 31 bits", PngChunks().Header(0x80000000u, 1).ImageData(row).End().Bytes()},
      {"bit depth 3", PngChunks().Header(4, 4, 3, PNG_COLOR_TYPE_GRAY).ImageData(row).End().Bytes()},
      {"colour type 5", PngChunks().Header(4, 4, 8, 5).ImageData(row).End().Bytes()},
      {"palette without PLTE", PngChunks().Header(4, 1, 8, PNG_COLOR_TYPE_PALETTE).ImageData(row).End().Bytes()},
      {"no IHDR", PngChunks().ImageData(row).End().Bytes()},
      {"one row of four", PngChunks().Header(4, 4).ImageData(row).End().Bytes()},
      {"no image data", PngChunks().Header(4, 1).End().Bytes()},
      {"data that does not inflate", PngChunks().Header(4, 1).Add("IDAT", garbage).End().Bytes()},
      // 65536 x 16385 x 4 bytes would wrap a 32-bit size to 262144: the
      // bitmap refuses it before a row is decoded.
      {"65536 x 16385", PngChunks().Header(65536, 16385).ImageData(BlankRows(65536, 2)).End().Bytes()},
  };
  for (const Broken& input : cases)
    EXPECT_EQ(ReadExactly(input.bytes), nullptr) << input.what;

  // A chunk that claims almost 2 GB, or almost as much as a chunk may hold,
  // and holds nothing: the load ends soon after the block does, not after
  // reading megabytes of zeros.
  for (std::uint32_t claim : {0x7FFFFFF0u, 7999999u})
    EXPECT_EQ(ReadExactly(PngChunks().Header(4, 1).Declare("tEXt", claim, {}).Bytes()), nullptr) << claim;
  // The builder itself makes images that load.
  EXPECT_NE(ReadExactly(PngChunks().Header(4, 1).ImageData(row).End().Bytes()), nullptr);
}
}
