// Where the editor places the images and what it draws over them itself;
// the background is designed around these positions.

#pragma once

#include "Geometry.h"
#include "Shapes.h"

namespace layout
{
constexpr int kEditorWidth = 500;
constexpr int kEditorHeight = 230;
constexpr int kBackgroundHeight = 200;  // the rows below stay black

constexpr int kKnobSize = 96;
constexpr int kKnobFrames = 101;
constexpr Point kKnobOrigins[] = {{24, 53}, {379, 53}};
constexpr Point KnobCentre(int knob)
{
  return {kKnobOrigins[knob].x + kKnobSize / 2, kKnobOrigins[knob].y + kKnobSize / 2};
}
// Pointer angle, clockwise from straight up, for a value from 0 to 1.
constexpr double KnobDegrees(double value)
{
  return -135.0 + 270.0 * value;
}

constexpr int kBandCount = 8;
constexpr int kBandSize = 20;  // lights and switches alike
constexpr int kLightTop = 84;
constexpr int kSwitchTop = 112;
constexpr int kBandLabelTop = 88;  // the editor's white band names, down to the light's bottom
constexpr int BandLeft(int band)
{
  return 135 + 30 * band;
}

// The meter fills boxes of 7 x 12 every 9 pixels; box k lights above 12 - k
// dB of gain reduction.
constexpr Box kMeter = {245, 26, 361, 38};
constexpr int kMeterBoxes = 13;
constexpr int kMeterBoxWidth = 7;
constexpr int kMeterPitch = 9;
constexpr double MeterBoxCentre(int box)
{
  return kMeter.left + kMeterPitch * box + kMeterBoxWidth / 2.0;
}

// The version text, centred on this box in light grey.
constexpr Box kVersionText = {260, 177, 280, 189};
}  // namespace layout
