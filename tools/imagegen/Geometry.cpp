#include "Geometry.h"

#include <algorithm>
#include <cmath>

double DegreesToRadians(double degrees)
{
  return degrees * kPi / 180.0;
}

Point OnEllipse(Point centre, double rx, double ry, double degrees)
{
  const double a = DegreesToRadians(degrees);
  return {centre.x + rx * std::cos(a), centre.y + ry * std::sin(a)};
}

Polyline Arc(Point centre, double rx, double ry, double fromDegrees, double toDegrees)
{
  const double kMaxStepDegrees = 5.0;
  const int steps = std::max(1, static_cast<int>(std::ceil(std::fabs(toDegrees - fromDegrees) / kMaxStepDegrees)));
  Polyline points;
  for (int i = 0; i <= steps; ++i)
    points.push_back(OnEllipse(centre, rx, ry, fromDegrees + (toDegrees - fromDegrees) * i / steps));
  return points;
}

Point AtDialAngle(Point centre, double radius, double degrees)
{
  return OnEllipse(centre, radius, radius, degrees - 90.0);
}

Polyline Join(Polyline first, const Polyline& second)
{
  if (second.empty())
    return first;
  const bool shared = !first.empty() && std::hypot(first.back().x - second.front().x,
                                                   first.back().y - second.front().y) < 1e-9;
  first.insert(first.end(), second.begin() + (shared ? 1 : 0), second.end());
  return first;
}

double DistanceToSegment(Point p, Point a, Point b)
{
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}
