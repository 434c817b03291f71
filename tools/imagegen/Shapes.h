// Shapes the rasteriser fills, each described by its bounds and a signed
// distance (negative inside). The distance never overstates how far a point
// is from the edge, so a pixel whose centre is more than half a diagonal
// away lies wholly on one side and needs no supersampling.

#pragma once

#include "Geometry.h"

#include <vector>

struct Box
{
  double left = 0, top = 0, right = 0, bottom = 0;
};

class Shape
{
public:
  virtual ~Shape() = default;
  virtual Box Bounds() const = 0;
  virtual double SignedDistance(Point p) const = 0;
};

class Circle : public Shape
{
public:
  Circle(Point centre, double radius);
  Box Bounds() const override;
  double SignedDistance(Point p) const override;

private:
  Point centre_;
  double radius_;
};

class Ring : public Shape
{
public:
  Ring(Point centre, double innerRadius, double outerRadius);
  Box Bounds() const override;
  double SignedDistance(Point p) const override;

private:
  Point centre_;
  double inner_, outer_;
};

// A plain rectangle is one with radius 0.
class RoundedRect : public Shape
{
public:
  RoundedRect(Box box, double radius);
  Box Bounds() const override;
  double SignedDistance(Point p) const override;

private:
  Box box_;
  double radius_;
};

// Polylines stroked with round caps and joins, all as one shape, so that
// overlapping strokes (a glyph's, a scale's) are not painted twice.
class Strokes : public Shape
{
public:
  Strokes(std::vector<Polyline> lines, double width);
  Box Bounds() const override;
  double SignedDistance(Point p) const override;

private:
  std::vector<Polyline> lines_;
  double halfWidth_;
  Box bounds_;
};

// The part of the first shape that lies inside the second; both must outlive it.
class Intersection : public Shape
{
public:
  Intersection(const Shape& shape, const Shape& clip);
  Box Bounds() const override;
  double SignedDistance(Point p) const override;

private:
  const Shape& shape_;
  const Shape& clip_;
};
