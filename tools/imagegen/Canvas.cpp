#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace
{
const int kSamplesPerAxis = 8;
// A pixel centre farther than this from an edge has its whole square on one side.
const double kHalfDiagonal = 0.7072;

double Coverage(const Shape& shape, int x, int y)
{
  int inside = 0;
  for (int j = 0; j < kSamplesPerAxis; ++j)
    for (int i = 0; i < kSamplesPerAxis; ++i)
    {
      const Point sample{x + (i + 0.5) / kSamplesPerAxis, y + (j + 0.5) / kSamplesPerAxis};
      inside += shape.SignedDistance(sample) <= 0 ? 1 : 0;
    }
  return inside / double(kSamplesPerAxis * kSamplesPerAxis);
}

std::uint8_t ToByte(double value)
{
  return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}
}  // namespace

Canvas::Canvas(int width, int height)
  : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height)
{
}

void Canvas::Fill(const Shape& shape, const Paint& paint, double opacity)
{
  const Box bounds = shape.Bounds();
  const int left = std::max(0, static_cast<int>(std::floor(bounds.left)));
  const int top = std::max(0, static_cast<int>(std::floor(bounds.top)));
  const int right = std::min(width_, static_cast<int>(std::ceil(bounds.right)));
  const int bottom = std::min(height_, static_cast<int>(std::ceil(bounds.bottom)));
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
    {
      const Point centre{x + 0.5, y + 0.5};
      const double distance = shape.SignedDistance(centre);
      if (distance >= kHalfDiagonal)
        continue;
      const double coverage = distance <= -kHalfDiagonal ? 1.0 : Coverage(shape, x, y);
      if (coverage > 0)
        Over(x, y, paint(centre), coverage * opacity);
    }
}

void Canvas::ComposeFrame(const Image& strip, int frameHeight, int frame, int x, int y)
{
  const std::uint8_t* pixels = &strip.rgba[static_cast<std::size_t>(frame) * frameHeight * strip.width * 4];
  for (int row = 0; row < frameHeight; ++row)
    for (int column = 0; column < strip.width; ++column)
    {
      const std::uint8_t* p = &pixels[(static_cast<std::size_t>(row) * strip.width + column) * 4];
      Over(x + column, y + row, {p[0] / 255.0, p[1] / 255.0, p[2] / 255.0, p[3] / 255.0}, 1.0);
    }
}

Image Canvas::ToImage() const
{
  Image image(width_, height_);
  for (std::size_t i = 0; i < pixels_.size(); ++i)
  {
    const Premultiplied& p = pixels_[i];
    const std::uint8_t alpha = ToByte(p.a);
    std::uint8_t* out = &image.rgba[i * 4];
    out[3] = alpha;
    if (alpha == 0)
      continue;  // a transparent pixel stays all zero
    out[0] = ToByte(p.r / p.a);
    out[1] = ToByte(p.g / p.a);
    out[2] = ToByte(p.b / p.a);
  }
  return image;
}

void Canvas::Over(int x, int y, Rgba color, double opacity)
{
  if (x < 0 || y < 0 || x >= width_ || y >= height_)
    return;
  const double a = color.a * opacity;
  Premultiplied& p = pixels_[static_cast<std::size_t>(y) * width_ + x];
  p.r = color.r * a + p.r * (1 - a);
  p.g = color.g * a + p.g * (1 - a);
  p.b = color.b * a + p.b * (1 - a);
  p.a = a + p.a * (1 - a);
}
