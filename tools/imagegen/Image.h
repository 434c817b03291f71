// An 8-bit RGBA picture with straight alpha, as it goes into a PNG file.

#pragma once

#include <cstdint>
#include <vector>

struct Image
{
  Image(int width, int height);

  // Copies another image's pixels in, its top-left corner at (x, y);
  // it must fit.
  void Paste(const Image& part, int x, int y);

  int width, height;
  std::vector<std::uint8_t> rgba;  // row by row, four bytes a pixel
};

// Frames of one size, one under the other.
Image StackFrames(const std::vector<Image>& frames);
