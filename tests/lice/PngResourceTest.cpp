#include "LICE_Png.h"
#include "PngFixtures.h"
#include "PngResourceIds.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

namespace
{
using Bitmap = std::unique_ptr<LICE_IBitmap>;

HMODULE Self() { return GetModuleHandleA(nullptr); }

DWORD ResourceSize(int id)
{
  HRSRC resource = FindResourceA(Self(), MAKEINTRESOURCEA(id), "PNG");
  return resource ? SizeofResource(Self(), resource) : 0;
}

// Only the low 16 bits of the id count.
TEST(LicePngResource, LoadsAnEmbeddedImage)
{
  const PngImage image = TallImage();
  const std::vector<PixelArgb> expected = ExpectedPixels(image);
  for (int id : {ZL_TEST_TALL_PNG, ZL_TEST_TALL_PNG | 0x70000})
  {
    Bitmap bitmap(LICE_ReadPngResource(Self(), id));
    ASSERT_NE(bitmap, nullptr) << id;
    EXPECT_EQ(bitmap->Width(), 96);
    EXPECT_EQ(bitmap->Height(), 9696);
    EXPECT_EQ(bitmap->RowSpan(), 96);
    EXPECT_TRUE(DisplayedPixels(*bitmap) == expected) << id;
  }
}

// 7 bytes are refused before decoding; the 8-byte signature fails in libpng
// without a read past the resource.
TEST(LicePngResource, NoImageGivesNull)
{
  ASSERT_EQ(ResourceSize(ZL_TEST_SHORT_PNG), 7u);
  ASSERT_EQ(ResourceSize(ZL_TEST_SIGNATURE_PNG), 8u);
  for (int id : {ZL_TEST_SHORT_PNG, ZL_TEST_SIGNATURE_PNG, ZL_TEST_TALL_RCDATA, 999, 0})
    EXPECT_EQ(Bitmap(LICE_ReadPngResource(Self(), id)), nullptr) << id;
}
}
