#pragma once

#include "LICE_IBitmap.h"

#include <string>
#include <vector>

// Test images, encoded by libpng's write side, with the PixelArgb words that
// a loader must give for them, worked out from the images' own samples.
struct PngImage
{
  int width = 0;
  int height = 0;
  int bitDepth = 8;
  int colorType = 6;  // the PNG colour type: 0 grey, 2 RGB, 3 palette, 4 grey+alpha, 6 RGBA
  bool interlaced = false;
  bool colourChunks = false;  // sRGB, gAMA and cHRM
  // Row by row, Channels() samples per pixel at bitDepth; a palette index
  // for a palette image.
  std::vector<unsigned> samples;
  std::vector<unsigned char> palette;       // red, green, blue per entry
  std::vector<unsigned char> paletteAlpha;  // tRNS of a palette image, may be shorter than it
  bool keyed = false;                       // tRNS of a grey or RGB image:
  unsigned key[3] = {};                     // grey, or red, green, blue, at bitDepth

  int Channels() const;
};

// An image whose samples vary over the whole range of the depth; a 16-bit
// one has 0x12FF in its first sample. With transparency it gets a tRNS
// chunk: per-entry alpha for a palette (shorter than the palette), a key
// for grey and RGB that pixel (1, 0) matches exactly and pixel (2, 0) misses
// by one in the last sample.
PngImage PatternImage(int colorType, int bitDepth, bool transparency, int width = 13, int height = 7);
// 96 x 9696 RGBA, every pixel with an alpha of its own, with colour chunks.
PngImage TallImage();

std::vector<unsigned char> EncodePng(const PngImage& image);
// Row by row, in display order.
std::vector<PixelArgb> ExpectedPixels(const PngImage& image);

// What a bitmap shows, row by row in display order.
std::vector<PixelArgb> DisplayedPixels(LICE_IBitmap& bitmap);
