#include "PngWriter.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

namespace
{
// libpng reports failure by longjmp; this keeps the setjmp frame free of
// objects with destructors.
bool WriteRows(FILE* file, const Image& image, png_bytepp rows)
{
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info)
  {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png)))
  {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_compression_level(png, 9);
  png_set_IHDR(png, info, image.width, image.height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}
}  // namespace

bool WritePng(const Image& image, const std::string& path, std::string* error)
{
  std::vector<png_bytep> rows(image.height);
  for (int y = 0; y < image.height; ++y)
    rows[y] = const_cast<png_bytep>(&image.rgba[static_cast<std::size_t>(y) * image.width * 4]);
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file)
    return *error = "cannot open " + path + " for writing", false;
  const bool written = WriteRows(file, image, rows.data());
  if (std::fclose(file) != 0 || !written)
    return *error = "cannot write " + path, false;
  return true;
}
