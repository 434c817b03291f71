#include "Paint.h"

#include <cmath>
#include <utility>

namespace
{
Rgba AlongStops(const std::vector<GradientStop>& stops, double t)
{
  if (t <= stops.front().at)
    return stops.front().color;
  for (std::size_t i = 1; i < stops.size(); ++i)
    if (t <= stops[i].at)
      return Mix(stops[i - 1].color, stops[i].color, (t - stops[i - 1].at) / (stops[i].at - stops[i - 1].at));
  return stops.back().color;
}
}  // namespace

Paint Solid(Rgba color)
{
  return [color](Point) { return color; };
}

Paint LinearGradient(Point from, Point to, std::vector<GradientStop> stops)
{
  const double dx = to.x - from.x, dy = to.y - from.y;
  const double length2 = dx * dx + dy * dy;
  return [=, stops = std::move(stops)](Point p)
  { return AlongStops(stops, ((p.x - from.x) * dx + (p.y - from.y) * dy) / length2); };
}

Paint RadialGradient(Point centre, double rx, double ry, std::vector<GradientStop> stops)
{
  return [=, stops = std::move(stops)](Point p)
  { return AlongStops(stops, std::hypot((p.x - centre.x) / rx, (p.y - centre.y) / ry)); };
}
