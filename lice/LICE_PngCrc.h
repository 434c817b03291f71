#pragma once

#include <png.h>

namespace lice
{
// What libpng does with a chunk whose CRC does not match, set on each new
// read structure before anything is read.
void ChoosePngCrcAction(png_structp png);
}
