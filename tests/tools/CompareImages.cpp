// Compares PNG images by their decoded pixels: the editor's committed images
// against what the generator makes now.
// Usage: compare-images DIR_A DIR_B NAME...   Exits 0 when all agree.

#include "LICE_Png.h"
#include "TestEnd.h"

#include <cstdio>
#include <memory>
#include <string>

namespace
{
bool Same(const std::string& a, const std::string& b)
{
  std::unique_ptr<LICE_IBitmap> left(LICE_ReadPngFile(a.c_str(), nullptr));
  std::unique_ptr<LICE_IBitmap> right(LICE_ReadPngFile(b.c_str(), nullptr));
  if (!left || !right)
  {
    std::printf("cannot read %s\n", left ? b.c_str() : a.c_str());
    return false;
  }
  if (left->Width() != right->Width() || left->Height() != right->Height())
  {
    std::printf("%s: %d x %d against %d x %d\n", a.c_str(), left->Width(), left->Height(), right->Width(),
                right->Height());
    return false;
  }
  for (int y = 0; y < left->Height(); ++y)
    for (int x = 0; x < left->Width(); ++x)
      if (left->PixelData()[y * left->RowSpan() + x] != right->PixelData()[y * right->RowSpan() + x])
      {
        std::printf("%s differs first at (%d, %d)\n", a.c_str(), x, y);
        return false;
      }
  return true;
}
}

static int Run(int argc, char** argv)
{
  if (argc < 4)
  {
    std::fprintf(stderr, "usage: compare-images DIR_A DIR_B NAME...\n");
    return 2;
  }
  bool same = true;
  for (int i = 3; i < argc; ++i)
    same = Same(std::string(argv[1]) + "/" + argv[i], std::string(argv[2]) + "/" + argv[i]) && same;
  return same ? 0 : 1;
}

int main(int argc, char** argv) { return RunToTheEnd(Run, argc, argv); }
