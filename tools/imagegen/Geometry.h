// Points and polylines in pixel space (y grows downwards) and the arcs that
// glyphs, scales and knob pointers are built from.

#pragma once

#include <vector>

struct Point
{
  double x = 0, y = 0;
};

using Polyline = std::vector<Point>;

constexpr double kPi = 3.14159265358979323846;

double DegreesToRadians(double degrees);

// Point on an ellipse; 0 degrees is +x and 90 degrees is +y (down).
Point OnEllipse(Point centre, double rx, double ry, double degrees);

// Elliptic arc from one angle to the other, in either direction, finely
// enough subdivided to pass for a curve at the sizes drawn here.
Polyline Arc(Point centre, double rx, double ry, double fromDegrees, double toDegrees);

// Point at a distance from a knob-style centre, the angle measured clockwise
// from straight up.
Point AtDialAngle(Point centre, double radius, double degrees);

// Polyline followed by another one, sharing the joint point once.
Polyline Join(Polyline first, const Polyline& second);

double DistanceToSegment(Point p, Point a, Point b);
