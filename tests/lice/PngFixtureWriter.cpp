// Writes PNG fixtures by name into a folder, for what cannot make them
// itself: the test program's resources and the fuzz target's seeds.
// Usage: png_fixture_writer FOLDER NAME...

#include "PngChunks.h"
#include "PngFixtures.h"
#include "TestEnd.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace
{
using Bytes = std::vector<unsigned char>;

PngImage Interlaced(PngImage image)
{
  image.interlaced = true;
  return image;
}

PngImage WithColourChunks(PngImage image)
{
  image.colourChunks = true;
  return image;
}

// A small image of the pattern, 5 x 3 pixels, 9 x 9 when interlaced so that
// every pass has pixels.
Bytes Pattern(int colorType, int bitDepth, bool transparency = false, bool interlaced = false)
{
  PngImage image = PatternImage(colorType, bitDepth, transparency, interlaced ? 9 : 5, interlaced ? 9 : 3);
  image.interlaced = interlaced;
  return EncodePng(image);
}

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

// The parts, each but the last ended by a zero byte, as PNG separates the
// fields of its text chunks.
Bytes Fields(std::initializer_list<Bytes> parts)
{
  Bytes joined;
  for (const Bytes& part : parts)
  {
    if (&part != parts.begin())
      joined.push_back(0);
    joined.insert(joined.end(), part.begin(), part.end());
  }
  return joined;
}

// 3 x 2 RGBA rows, each with its filter byte.
Bytes RgbaRows()
{
  Bytes rows;
  for (int y = 0; y < 2; ++y)
  {
    rows.push_back(static_cast<unsigned char>(y));
    for (int i = 0; i < 12; ++i)
      rows.push_back(static_cast<unsigned char>(y * 37 + i * 19));
  }
  return rows;
}

// An RGBA image with each ancillary chunk that libpng knows for one, and a
// private chunk.
Bytes AncillaryChunks()
{
  // Compression method 0, then the data deflated.
  const auto compressed = [](const Bytes& data) {
    Bytes field{0};
    const Bytes deflated = Deflate(data);
    field.insert(field.end(), deflated.begin(), deflated.end());
    return field;
  };
  return PngChunks()
      .Header(3, 2)
      .Add("sRGB", {0})
      .Add("gAMA", {0, 0, 0xB1, 0x8F})
      .Add("cHRM", Bytes(32, 1))
      .Add("iCCP", Fields({Text("icc"), compressed(Bytes(132, 0))}))
      .Add("sBIT", {8, 8, 8, 8})
      .Add("bKGD", {0, 1, 0, 2, 0, 3})
      .Add("pHYs", {0, 0, 0x0B, 0x13, 0, 0, 0x0B, 0x13, 1})
      .Add("oFFs", {0, 0, 0, 1, 0, 0, 0, 2, 0})
      .Add("sCAL", Fields({{1, '1', '.', '5'}, Text("2.5")}))
      .Add("pCAL", Fields({Text("cal"), {0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 'm'}, Text("1")}))
      .Add("eXIf", {'M', 'M', 0, 42, 0, 0, 0, 8, 0, 0})
      .Add("tIME", {0x07, 0xE8, 1, 2, 3, 4, 5})
      .Add("tEXt", Fields({Text("Title"), Text("text")}))
      .Add("zTXt", Fields({Text("Comment"), compressed(Text("compressed text"))}))
      .Add("iTXt", Fields({Text("Author"), {0, 0, 'e', 'n'}, {}, Text("text")}))
      .Add("sTER", {0})
      .Add("prVt", {1, 2, 3})
      .ImageData(RgbaRows())
      .End()
      .Bytes();
}

// A palette image with the chunks that only a palette image carries.
Bytes PaletteChunks()
{
  return PngChunks()
      .Header(3, 2, 2, PNG_COLOR_TYPE_PALETTE)
      .Add("PLTE", {0, 0, 0, 255, 0, 0, 0, 255, 0})
      .Add("tRNS", {0, 128})
      .Add("bKGD", {1})
      .Add("hIST", {0, 1, 0, 2, 0, 3})
      .Add("sPLT", Fields({Text("suggested"), {8, 255, 0, 0, 255, 0, 1}}))
      .ImageData({0, 0x1B, 0, 0x24})
      .End()
      .Bytes();
}

// The image data over several IDAT chunks, the first of them empty, after a
// private chunk that stands before the header.
Bytes SplitData()
{
  const Bytes data = Deflate(RgbaRows());
  PngChunks png;
  png.Add("prVt", {1}).Header(3, 2).Add("IDAT", {});
  for (std::size_t at = 0; at < data.size(); at += 7)
    png.Add("IDAT", Bytes(data.begin() + at, data.begin() + std::min(at + 7, data.size())));
  return png.End().Bytes();
}

struct Fixture
{
  const char* name;
  Bytes (*bytes)();
};

const Fixture kFixtures[] = {
    {"tall.png", [] { return EncodePng(TallImage()); }},
    {"short.png",
     [] {
       Bytes signature = PngChunks().Bytes();
       signature.resize(7);
       return signature;
     }},
    {"signature.png", [] { return PngChunks().Bytes(); }},
    {"rgba8.png", [] { return EncodePng(WithColourChunks(PatternImage(PNG_COLOR_TYPE_RGB_ALPHA, 8, false, 6, 5))); }},
    {"rgb16-key.png", [] { return EncodePng(PatternImage(PNG_COLOR_TYPE_RGB, 16, true, 5, 3)); }},
    {"grey1.png", [] { return EncodePng(PatternImage(PNG_COLOR_TYPE_GRAY, 1, false, 17, 3)); }},
    {"grey4-key-interlaced.png", [] { return EncodePng(Interlaced(PatternImage(PNG_COLOR_TYPE_GRAY, 4, true, 9, 9))); }},
    {"grey-alpha16.png", [] { return EncodePng(PatternImage(PNG_COLOR_TYPE_GRAY_ALPHA, 16, false, 4, 4)); }},
    {"palette2-trns.png", [] { return EncodePng(PatternImage(PNG_COLOR_TYPE_PALETTE, 2, true, 7, 4)); }},
    {"grey2.png", [] { return Pattern(PNG_COLOR_TYPE_GRAY, 2); }},
    {"grey8.png", [] { return Pattern(PNG_COLOR_TYPE_GRAY, 8); }},
    {"grey16-key.png", [] { return Pattern(PNG_COLOR_TYPE_GRAY, 16, true); }},
    {"grey1-interlaced.png", [] { return Pattern(PNG_COLOR_TYPE_GRAY, 1, false, true); }},
    {"rgb8.png", [] { return Pattern(PNG_COLOR_TYPE_RGB, 8); }},
    {"rgb8-key-interlaced.png", [] { return Pattern(PNG_COLOR_TYPE_RGB, 8, true, true); }},
    {"palette1.png", [] { return Pattern(PNG_COLOR_TYPE_PALETTE, 1); }},
    {"palette4-trns.png", [] { return Pattern(PNG_COLOR_TYPE_PALETTE, 4, true); }},
    {"palette8.png", [] { return Pattern(PNG_COLOR_TYPE_PALETTE, 8); }},
    {"palette8-trns-interlaced.png", [] { return Pattern(PNG_COLOR_TYPE_PALETTE, 8, true, true); }},
    {"grey-alpha8.png", [] { return Pattern(PNG_COLOR_TYPE_GRAY_ALPHA, 8); }},
    {"grey-alpha16-interlaced.png", [] { return Pattern(PNG_COLOR_TYPE_GRAY_ALPHA, 16, false, true); }},
    {"rgba16.png", [] { return Pattern(PNG_COLOR_TYPE_RGB_ALPHA, 16); }},
    {"rgba8-interlaced.png", [] { return Pattern(PNG_COLOR_TYPE_RGB_ALPHA, 8, false, true); }},
    {"ancillary-chunks.png", AncillaryChunks},
    {"palette-chunks.png", PaletteChunks},
    {"split-data.png", SplitData},
};

bool Write(const std::string& path, const Bytes& bytes)
{
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file)
    return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}
}

static int Run(int argc, char** argv)
{
  if (argc < 3)
  {
    std::fprintf(stderr, "usage: png_fixture_writer FOLDER NAME...\n");
    return 2;
  }
  for (int i = 2; i < argc; ++i)
  {
    const Fixture* fixture = nullptr;
    for (const Fixture& f : kFixtures)
      if (argv[i] == std::string(f.name))
        fixture = &f;
    if (!fixture)
    {
      std::fprintf(stderr, "png_fixture_writer: no fixture %s\n", argv[i]);
      return 2;
    }
    const std::string path = std::string(argv[1]) + "/" + fixture->name;
    if (!Write(path, fixture->bytes()))
    {
      std::fprintf(stderr, "png_fixture_writer: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}

int main(int argc, char** argv) { return RunToTheEnd(Run, argc, argv); }
