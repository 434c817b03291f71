#pragma once

#include <cstdio>

namespace lice
{
// Opens path for reading, untranslated; null when no file opens.
std::FILE* OpenPngFile(const char* path);
}
