// Colours as the drawing code uses them: straight (not premultiplied)
// components from 0 to 1.

#pragma once

#include <cstdint>

struct Rgba
{
  double r = 0, g = 0, b = 0, a = 0;
};

// From 0xRRGGBB, the way the palette is written down.
constexpr Rgba Hex(std::uint32_t rgb, double alpha = 1.0)
{
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
}

constexpr Rgba WithAlpha(Rgba color, double alpha)
{
  return {color.r, color.g, color.b, alpha};
}

// Interpolates premultiplied, so that fading into a transparent stop keeps
// the hue instead of darkening towards the stop's black.
Rgba Mix(Rgba from, Rgba to, double t);
