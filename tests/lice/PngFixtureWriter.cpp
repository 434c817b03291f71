// Writes PNG fixtures by name into a folder, for what cannot make them
// itself: the test program's resources and the fuzz target's seeds.
// Usage: png_fixture_writer FOLDER NAME...

#include "PngChunks.h"
#include "PngFixtures.h"

#include <png.h>

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

int main(int argc, char** argv)
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
