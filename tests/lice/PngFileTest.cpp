#include "LICE_ImageLoader.h"
#include "LICE_MemBitmap.h"
#include "LICE_Png.h"
#include "PngChunks.h"
#include "PngFixtures.h"
#include "TestBitmap.h"
#include "support/TestHeap.h"

#include <gtest/gtest.h>

#include <png.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{
namespace fs = std::filesystem;
using Bitmap = std::unique_ptr<LICE_IBitmap>;

PngImage FileImage() { return PatternImage(PNG_COLOR_TYPE_RGB_ALPHA, 8, false, 7, 5); }

// Each test in a folder of its own, which it also works in; the folder and
// the working directory are restored afterwards.
class LicePngFile : public testing::Test
{
protected:
  void SetUp() override
  {
    mHome = fs::current_path();
    mFolder = fs::temp_directory_path() / ("zl-png-" + std::to_string(std::random_device()()));
    fs::create_directories(mFolder);
    fs::current_path(mFolder);
  }

  void TearDown() override
  {
    fs::current_path(mHome);
    std::error_code ignored;
    fs::remove_all(mFolder, ignored);
  }

  // Written by the narrow name, as the C runtime takes it.
  static void WriteNarrow(const std::string& name, const std::vector<unsigned char>& bytes)
  {
    std::FILE* file = std::fopen(name.c_str(), "wb");
    ASSERT_NE(file, nullptr) << name;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }

  // Written by the name read as UTF-8 (on Windows, its wide form).
  static void WriteUtf8(const std::string& name, const std::vector<unsigned char>& bytes)
  {
    std::ofstream file(fs::u8path(name), std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file.good()) << name;
  }

  fs::path mHome;
  fs::path mFolder;
};

// A flipped target is filled bottom-up and so shows the image upright; the
// padding and the pixels around the rows stay untouched.
TEST_F(LicePngFile, FillsATargetUpright)
{
  const PngImage image = FileImage();
  WriteNarrow("image.png", EncodePng(image));
  for (bool flipped : {false, true})
  {
    TestBitmap target(image.width, image.height, flipped);
    EXPECT_EQ(LICE_ReadPngFile("image.png", &target), &target);
    EXPECT_EQ(target.Pixels(), ExpectedPixels(image)) << "flipped " << flipped;
    EXPECT_TRUE(target.CanariesIntact()) << "flipped " << flipped;
  }
}

TEST_F(LicePngFile, ResizesATargetToTheImage)
{
  const PngImage image = FileImage();
  WriteNarrow("image.png", EncodePng(image));
  LICE_MemBitmap target(40, 30);
  EXPECT_EQ(LICE_ReadPngFile("image.png", &target), &target);
  EXPECT_EQ(target.Width(), image.width);
  EXPECT_EQ(target.Height(), image.height);
  EXPECT_EQ(DisplayedPixels(target), ExpectedPixels(image));
}

TEST_F(LicePngFile, AFailedDecodeLeavesTheTargetResized)
{
  const PngImage image = FileImage();
  std::vector<unsigned char> png = EncodePng(image);
  for (const ChunkPlace& chunk : ChunksOf(png))
    if (chunk.type == "IDAT")
      png[chunk.End() - 1] ^= 0x01;
  WriteNarrow("broken.png", png);
  LICE_MemBitmap target(40, 30);
  EXPECT_EQ(LICE_ReadPngFile("broken.png", &target), nullptr);
  EXPECT_EQ(target.Width(), image.width);
  EXPECT_EQ(target.Height(), image.height);
}

TEST_F(LicePngFile, WithoutTargetANewBitmap)
{
  const PngImage image = FileImage();
  WriteNarrow("image.png", EncodePng(image));
  Bitmap bitmap(LICE_ReadPngFile("image.png", nullptr));
  ASSERT_NE(dynamic_cast<LICE_MemBitmap*>(bitmap.get()), nullptr);
  EXPECT_EQ(DisplayedPixels(*bitmap), ExpectedPixels(image));
  EXPECT_EQ(Bitmap(LICE_ReadPngFile("missing.png", nullptr)), nullptr);
  EXPECT_EQ(Bitmap(LICE_ReadPngFile(nullptr, nullptr)), nullptr);
}

// A UTF-8 name is opened by its wide form on Windows, where its bytes read
// in the ANSI code page name no file; a name that is not UTF-8 by its narrow
// form. Elsewhere both are plain bytes.
TEST_F(LicePngFile, Utf8AndNarrowNames)
{
#ifdef _WIN32
  if (GetACP() == CP_UTF8)
    GTEST_SKIP() << "the ANSI code page is UTF-8: there is no narrow-only name";
#endif
  const std::string utf8 = "Gr\xC3\xBC\xC3\x9F" "e-\xE6\x97\xA5\xE6\x9C\xAC.png";
  const std::string narrow = "caf\xE9.png";
  const PngImage image = FileImage();
  WriteUtf8(utf8, EncodePng(image));
  WriteNarrow(narrow, EncodePng(image));
#ifdef _WIN32
  EXPECT_EQ(std::fopen(utf8.c_str(), "rb"), nullptr) << "the narrow form of the UTF-8 name must name no file";
#endif
  for (const std::string& name : {utf8, narrow})
  {
    Bitmap bitmap(LICE_ReadPngFile(name.c_str(), nullptr));
    ASSERT_NE(bitmap, nullptr) << name;
    EXPECT_EQ(DisplayedPixels(*bitmap), ExpectedPixels(image));
  }
}

TEST_F(LicePngFile, NoPixelsOrNoRowTableGiveNull)
{
  const PngImage image = FileImage();
  const std::vector<unsigned char> png = EncodePng(image);
  WriteNarrow("image.png", png);
  {
    TestHeap::Scope fail(true, false);
    EXPECT_EQ(Bitmap(LICE_ReadPngMemory(png.data(), static_cast<int>(png.size()))), nullptr) << "no pixels";
  }
  TestHeap::newFailsAfter = 0;
  Bitmap noBitmap(LICE_ReadPngMemory(png.data(), static_cast<int>(png.size())));
  TestHeap::newFailsAfter = -1;
  EXPECT_EQ(noBitmap, nullptr) << "no bitmap";
  // A target that needs no allocation: only the row table fails.
  TestBitmap target(image.width, image.height);
  {
    TestHeap::Scope fail(true, false);
    EXPECT_EQ(LICE_ReadPngFile("image.png", &target), nullptr) << "no row table";
  }
  EXPECT_EQ(target.Pixels(), std::vector<PixelArgb>(image.width * image.height, 0));
  EXPECT_TRUE(target.CanariesIntact());
}

struct LoaderCase
{
  const char* path;
  bool checkExtension;
  bool loads;
};

// Every path names a PNG file: what the extension check refuses would load.
TEST_F(LicePngFile, LoaderEntryChecksTheExtension)
{
  const std::vector<unsigned char> png = EncodePng(FileImage());
  fs::create_directories("x.png");
  fs::create_directories("d.d");
  for (const char* name :
       {"a.png", "b.PNG", "c.PnG", "d.d/e.pNG", "f.png.bak", "x.png/g", "x.png\\h", "png", ".png", "i.jpg"})
    WriteNarrow(name, png);
  const LoaderCase cases[] = {
      {"a.png", true, true},
      {"b.PNG", true, true},
      {"c.PnG", true, true},
      {"d.d/e.pNG", true, true},
      {".png", true, true},  // the first character is never a separator: the whole name counts
      {"f.png.bak", true, false},
      {"x.png/g", true, false},
      {"x.png\\h", true, false},
      {"png", true, false},
      {"i.jpg", true, false},
      {"", true, false},
      {"f.png.bak", false, true},
      {"x.png/g", false, true},
      {"x.png\\h", false, true},
      {"png", false, true},
      {"i.jpg", false, true},
      {"missing.png", false, false},
  };
  for (const LoaderCase& c : cases)
  {
    Bitmap bitmap(PngLoaderLoad(c.path, c.checkExtension, nullptr));
    EXPECT_EQ(bitmap != nullptr, c.loads) << c.path << " checked " << c.checkExtension;
  }
}

TEST(LicePngLoader, TypesAndRegistration)
{
  std::vector<std::string> types;
  for (const char* text = PngLoaderTypes(); *text; text += types.back().size() + 1)
    types.push_back(text);
  EXPECT_EQ(types, (std::vector<std::string>{"PNG files (*.PNG)", "*.PNG"}));

  ASSERT_NE(ImageLoaderList, nullptr);
  EXPECT_EQ(ImageLoaderList->load, PngLoaderLoad);
  EXPECT_EQ(ImageLoaderList->types, PngLoaderTypes);
  EXPECT_EQ(ImageLoaderList->next, nullptr);
}
}
