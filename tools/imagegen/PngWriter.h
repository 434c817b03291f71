// Writes an image as an 8-bit RGBA, non-interlaced PNG with nothing but the
// pixels in it (no time or text chunk), so the same image always gives the
// same bytes.

#pragma once

#include "Image.h"

#include <string>

bool WritePng(const Image& image, const std::string& path, std::string* error);
