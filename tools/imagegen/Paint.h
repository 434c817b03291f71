// What a filled shape is coloured with, as a function of the pixel centre.

#pragma once

#include "Color.h"
#include "Geometry.h"

#include <functional>
#include <vector>

using Paint = std::function<Rgba(Point)>;

struct GradientStop
{
  double at;  // 0 to 1, ascending
  Rgba color;
};

Paint Solid(Rgba color);

// Along the line from one point to the other, constant across it.
Paint LinearGradient(Point from, Point to, std::vector<GradientStop> stops);

// Outwards from a centre to an elliptic rim (at = 1), constant beyond it.
Paint RadialGradient(Point centre, double rx, double ry, std::vector<GradientStop> stops);
