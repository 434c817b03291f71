// A drawing surface with coverage anti-aliasing: every shape is sampled on
// an 8 x 8 grid inside each pixel it touches and painted over what is there
// with the covered fraction as its opacity.

#pragma once

#include "Image.h"
#include "Paint.h"
#include "Shapes.h"

#include <vector>

class Canvas
{
public:
  // Starts fully transparent.
  Canvas(int width, int height);

  void Fill(const Shape& shape, const Paint& paint, double opacity = 1.0);

  // Composes frame `frame` (0-based) of a vertically stacked strip with its
  // top-left corner at (x, y), weighting by the strip's alpha as the editor
  // does.
  void ComposeFrame(const Image& strip, int frameHeight, int frame, int x, int y);

  Image ToImage() const;

private:
  struct Premultiplied
  {
    double r = 0, g = 0, b = 0, a = 0;
  };

  void Over(int x, int y, Rgba color, double opacity);

  int width_, height_;
  std::vector<Premultiplied> pixels_;
};
