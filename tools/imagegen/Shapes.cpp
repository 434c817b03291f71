#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <limits>

Circle::Circle(Point centre, double radius) : centre_(centre), radius_(radius) {}

Box Circle::Bounds() const
{
  return {centre_.x - radius_, centre_.y - radius_, centre_.x + radius_, centre_.y + radius_};
}

double Circle::SignedDistance(Point p) const
{
  return std::hypot(p.x - centre_.x, p.y - centre_.y) - radius_;
}

Ring::Ring(Point centre, double innerRadius, double outerRadius)
  : centre_(centre), inner_(innerRadius), outer_(outerRadius)
{
}

Box Ring::Bounds() const
{
  return {centre_.x - outer_, centre_.y - outer_, centre_.x + outer_, centre_.y + outer_};
}

double Ring::SignedDistance(Point p) const
{
  const double r = std::hypot(p.x - centre_.x, p.y - centre_.y);
  return std::max(r - outer_, inner_ - r);
}

RoundedRect::RoundedRect(Box box, double radius) : box_(box), radius_(radius) {}

Box RoundedRect::Bounds() const
{
  return box_;
}

double RoundedRect::SignedDistance(Point p) const
{
  const double qx = std::fabs(p.x - (box_.left + box_.right) / 2) - (box_.right - box_.left) / 2 + radius_;
  const double qy = std::fabs(p.y - (box_.top + box_.bottom) / 2) - (box_.bottom - box_.top) / 2 + radius_;
  return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - radius_;
}

Strokes::Strokes(std::vector<Polyline> lines, double width) : lines_(std::move(lines)), halfWidth_(width / 2)
{
  const double inf = std::numeric_limits<double>::infinity();
  bounds_ = {inf, inf, -inf, -inf};
  for (const Polyline& line : lines_)
    for (const Point& p : line)
    {
      bounds_.left = std::min(bounds_.left, p.x - halfWidth_);
      bounds_.top = std::min(bounds_.top, p.y - halfWidth_);
      bounds_.right = std::max(bounds_.right, p.x + halfWidth_);
      bounds_.bottom = std::max(bounds_.bottom, p.y + halfWidth_);
    }
}

Box Strokes::Bounds() const
{
  return bounds_;
}

double Strokes::SignedDistance(Point p) const
{
  double nearest = std::numeric_limits<double>::infinity();
  for (const Polyline& line : lines_)
  {
    if (line.size() == 1)
      nearest = std::min(nearest, DistanceToSegment(p, line[0], line[0]));
    for (std::size_t i = 1; i < line.size(); ++i)
      nearest = std::min(nearest, DistanceToSegment(p, line[i - 1], line[i]));
  }
  return nearest - halfWidth_;
}

Intersection::Intersection(const Shape& shape, const Shape& clip) : shape_(shape), clip_(clip) {}

Box Intersection::Bounds() const
{
  const Box a = shape_.Bounds(), b = clip_.Bounds();
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

double Intersection::SignedDistance(Point p) const
{
  return std::max(shape_.SignedDistance(p), clip_.SignedDistance(p));
}
