#include "Color.h"

Rgba Mix(Rgba from, Rgba to, double t)
{
  const double a = from.a + (to.a - from.a) * t;
  if (a <= 0)
    return {};
  auto channel = [&](double x, double y) { return (x * from.a + (y * to.a - x * from.a) * t) / a; };
  return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b), a};
}
