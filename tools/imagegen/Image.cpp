#include "Image.h"

#include <algorithm>

Image::Image(int width, int height)
  : width(width), height(height), rgba(static_cast<std::size_t>(width) * height * 4)
{
}

void Image::Paste(const Image& part, int x, int y)
{
  for (int row = 0; row < part.height; ++row)
  {
    const auto from = part.rgba.begin() + static_cast<std::ptrdiff_t>(row) * part.width * 4;
    std::copy(from, from + part.width * 4, rgba.begin() + ((static_cast<std::ptrdiff_t>(y) + row) * width + x) * 4);
  }
}

Image StackFrames(const std::vector<Image>& frames)
{
  Image strip(frames.front().width, frames.front().height * static_cast<int>(frames.size()));
  for (std::size_t i = 0; i < frames.size(); ++i)
    strip.Paste(frames[i], 0, static_cast<int>(i) * frames.front().height);
  return strip;
}
