// The panel's colours: graphite metal, light engraving and amber lamps.

#pragma once

#include "Color.h"

namespace palette
{
constexpr Rgba kPanelTop = Hex(0x36383d);
constexpr Rgba kPanelBottom = Hex(0x26272b);
constexpr Rgba kBaseTop = Hex(0x1c1d20);
constexpr Rgba kRecess = Hex(0x1a1b1e);
constexpr Rgba kWell = Hex(0x0d0e10);
constexpr Rgba kEdgeLight = Hex(0xffffff, 0.07);
constexpr Rgba kEdgeShadow = Hex(0x000000, 0.55);

constexpr Rgba kEngraving = Hex(0xd2d5da);
constexpr Rgba kEngravingDim = Hex(0x9599a1);
constexpr Rgba kTitle = Hex(0xe8e9ec);

constexpr Rgba kAmber = Hex(0xff9a2e);
constexpr Rgba kAmberDeep = Hex(0xc9490a);
constexpr Rgba kAmberUnlit = Hex(0x2b2019);

constexpr Rgba kKnobTop = Hex(0x4e5158);
constexpr Rgba kKnobBottom = Hex(0x1b1c1f);
constexpr Rgba kPointer = Hex(0xf2f2f0);
}  // namespace palette
