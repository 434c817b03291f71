// Draws the editor's images: imagegen OUT_DIR writes bg.png, knob.png,
// filter.png and filter-onoff.png into OUT_DIR; imagegen --preview OUT.png
// writes a picture of the whole editor made from them.

#include "Images.h"
#include "PngWriter.h"
#include "TestEnd.h"

#include <cstdio>
#include <string>

namespace
{
int Usage()
{
  std::fprintf(stderr, "usage: imagegen OUT_DIR\n       imagegen --preview OUT.png\n");
  return 2;
}

bool Write(const Image& image, const std::string& path)
{
  std::string error;
  if (WritePng(image, path, &error))
    return true;
  std::fprintf(stderr, "imagegen: %s\n", error.c_str());
  return false;
}
}  // namespace

static int Run(int argc, char** argv)
{
  const bool preview = argc == 3 && std::string(argv[1]) == "--preview";
  if (!preview && (argc != 2 || argv[1][0] == '-'))
    return Usage();

  const Image background = RenderBackground();
  const Image knobStrip = RenderKnobStrip();
  const Image bandLight = RenderBandLight();
  const Image bandSwitch = RenderBandSwitch();
  if (preview)
    return Write(RenderPreview(background, knobStrip, bandLight, bandSwitch), argv[2]) ? 0 : 1;

  const std::string dir = std::string(argv[1]) + "/";
  const bool written = Write(background, dir + "bg.png") && Write(knobStrip, dir + "knob.png") &&
                       Write(bandLight, dir + "filter.png") && Write(bandSwitch, dir + "filter-onoff.png");
  return written ? 0 : 1;
}

int main(int argc, char** argv) { return RunToTheEnd(Run, argc, argv); }
