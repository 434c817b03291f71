// The four editor images and a preview of the editor made from them.

#pragma once

#include "Image.h"

Image RenderBackground();  // 500 x 200, opaque
Image RenderKnobStrip();   // 101 frames of 96 x 96, stacked, value (n - 1) / 100 in frame n
Image RenderBandLight();   // 2 frames of 20 x 20, stacked: off, on
Image RenderBandSwitch();  // 2 frames of 20 x 20, stacked: off, on

// The whole 500 x 230 editor as it appears with sample values, the text the
// editor draws itself approximated in the panel lettering.
Image RenderPreview(const Image& background, const Image& knobStrip, const Image& bandLight, const Image& bandSwitch);
