// Off Windows a path is bytes: its narrow form is the only one.

#include "LICE_PngPlatform.h"

std::FILE* lice::OpenPngFile(const char* path) { return std::fopen(path, "rb"); }
