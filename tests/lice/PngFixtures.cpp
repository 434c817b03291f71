#include "PngFixtures.h"

#include <png.h>

namespace
{
unsigned MaxSample(int bitDepth) { return (1u << bitDepth) - 1; }

// A sample at full depth scaled to 8 bits the way the loader must: a 16-bit
// one keeps its high byte, a low-depth grey spreads over 0..255.
unsigned To8(unsigned sample, int bitDepth)
{
  if (bitDepth == 16)
    return sample >> 8;
  return sample * (255 / MaxSample(bitDepth));
}

PixelArgb Argb(unsigned alpha, unsigned red, unsigned green, unsigned blue)
{
  return alpha << 24 | red << 16 | green << 8 | blue;
}

// As PNG stores a row: samples below 8 bits packed from the high bit, 16-bit
// ones big-endian.
std::vector<png_byte> PackRow(const PngImage& image, int y)
{
  const int count = image.width * image.Channels();
  const unsigned* samples = &image.samples[static_cast<std::size_t>(y) * count];
  std::vector<png_byte> row;
  if (image.bitDepth >= 8)
  {
    for (int i = 0; i < count; ++i)
    {
      if (image.bitDepth == 16)
        row.push_back(static_cast<png_byte>(samples[i] >> 8));
      row.push_back(static_cast<png_byte>(samples[i]));
    }
    return row;
  }
  row.assign((count * image.bitDepth + 7) / 8, 0);
  for (int i = 0; i < count; ++i)
  {
    const int bit = i * image.bitDepth;
    row[bit / 8] |= static_cast<png_byte>(samples[i] << (8 - image.bitDepth - bit % 8));
  }
  return row;
}

void AppendBytes(png_structp png, png_bytep data, png_size_t length)
{
  auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

// libpng's errors jump back here; nothing in this frame needs destroying.
bool Write(const PngImage& image, png_bytepp rows, png_colorp palette, std::vector<unsigned char>* out)
{
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info)
  {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  if (setjmp(png_jmpbuf(png)))
  {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, out, AppendBytes, NoFlush);
  png_set_IHDR(png, info, image.width, image.height, image.bitDepth, image.colorType,
               image.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (palette)
    png_set_PLTE(png, info, palette, static_cast<int>(image.palette.size() / 3));
  if (!image.paletteAlpha.empty())
    png_set_tRNS(png, info, const_cast<png_bytep>(image.paletteAlpha.data()),
                 static_cast<int>(image.paletteAlpha.size()), nullptr);
  if (image.keyed)
  {
    png_color_16 key = {};
    key.gray = static_cast<png_uint_16>(image.key[0]);
    key.red = static_cast<png_uint_16>(image.key[0]);
    key.green = static_cast<png_uint_16>(image.key[1]);
    key.blue = static_cast<png_uint_16>(image.key[2]);
    png_set_tRNS(png, info, nullptr, 0, &key);
  }
  if (image.colourChunks)
    png_set_sRGB_gAMA_and_cHRM(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}
}

int PngImage::Channels() const
{
  switch (colorType)
  {
  case PNG_COLOR_TYPE_RGB: return 3;
  case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
  case PNG_COLOR_TYPE_RGB_ALPHA: return 4;
  default: return 1;
  }
}

PngImage PatternImage(int colorType, int bitDepth, bool transparency, int width, int height)
{
  PngImage image;
  image.width = width;
  image.height = height;
  image.bitDepth = bitDepth;
  image.colorType = colorType;
  const unsigned max = MaxSample(bitDepth);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (int c = 0; c < image.Channels(); ++c)
      {
        const unsigned base = x * 29 + y * 53 + c * 97 + x * y * 11;
        image.samples.push_back(bitDepth == 16 ? base * 2473 & max : base & max);
      }
  if (bitDepth == 16)
    image.samples[0] = 0x12FF;
  if (colorType == PNG_COLOR_TYPE_PALETTE)
  {
    for (unsigned i = 0; i <= max; ++i)
    {
      image.palette.push_back(static_cast<unsigned char>(i * 53));
      image.palette.push_back(static_cast<unsigned char>(i * 97 + 31));
      image.palette.push_back(static_cast<unsigned char>(255 - i * 29));
      if (transparency && i < max)
        image.paletteAlpha.push_back(static_cast<unsigned char>(i * 71 + 5));
    }
  }
  else if (transparency && !(colorType & PNG_COLOR_MASK_ALPHA) && width >= 3)
  {
    const int channels = image.Channels();
    image.keyed = true;
    for (int c = 0; c < channels; ++c)
    {
      image.key[c] = image.samples[channels + c];
      image.samples[2 * channels + c] = image.key[c];
    }
    image.samples[3 * channels - 1] = image.key[channels - 1] ^ 1;
  }
  return image;
}

PngImage TallImage()
{
  PngImage image = PatternImage(PNG_COLOR_TYPE_RGB_ALPHA, 8, false, 96, 9696);
  image.colourChunks = true;
  return image;
}

std::vector<unsigned char> EncodePng(const PngImage& image)
{
  std::vector<std::vector<png_byte>> packed;
  std::vector<png_bytep> rows;
  for (int y = 0; y < image.height; ++y)
    packed.push_back(PackRow(image, y));
  for (auto& row : packed)
    rows.push_back(row.data());
  std::vector<png_color> palette;
  for (std::size_t i = 0; i + 2 < image.palette.size(); i += 3)
    palette.push_back({image.palette[i], image.palette[i + 1], image.palette[i + 2]});
  std::vector<unsigned char> out;
  if (!Write(image, rows.data(), palette.empty() ? nullptr : palette.data(), &out))
    out.clear();
  return out;
}

std::vector<PixelArgb> ExpectedPixels(const PngImage& image)
{
  std::vector<PixelArgb> pixels;
  const int channels = image.Channels();
  for (std::size_t p = 0; p < image.samples.size(); p += channels)
  {
    const unsigned* s = &image.samples[p];
    if (image.colorType == PNG_COLOR_TYPE_PALETTE)
    {
      const unsigned char* rgb = &image.palette[3 * s[0]];
      const unsigned alpha = s[0] < image.paletteAlpha.size() ? image.paletteAlpha[s[0]] : 255;
      pixels.push_back(Argb(alpha, rgb[0], rgb[1], rgb[2]));
      continue;
    }
    const bool grey = channels <= 2;
    const unsigned red = To8(s[0], image.bitDepth);
    const unsigned green = grey ? red : To8(s[1], image.bitDepth);
    const unsigned blue = grey ? red : To8(s[2], image.bitDepth);
    unsigned alpha = 255;
    if (image.colorType & PNG_COLOR_MASK_ALPHA)
      alpha = To8(s[channels - 1], image.bitDepth);
    else if (image.keyed && s[0] == image.key[0] && (grey || (s[1] == image.key[1] && s[2] == image.key[2])))
      alpha = 0;
    pixels.push_back(Argb(alpha, red, green, blue));
  }
  return pixels;
}

std::vector<PixelArgb> DisplayedPixels(LICE_IBitmap& bitmap)
{
  std::vector<PixelArgb> pixels;
  for (int y = 0; bitmap.PixelData() && y < bitmap.Height(); ++y)
  {
    const int row = bitmap.IsFlipped() ? bitmap.Height() - 1 - y : y;
    const PixelArgb* first = bitmap.PixelData() + static_cast<std::ptrdiff_t>(row) * bitmap.RowSpan();
    pixels.insert(pixels.end(), first, first + bitmap.Width());
  }
  return pixels;
}
