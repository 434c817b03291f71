#pragma once

#include "LICE_IFont.h"

// Plain text drawn straight with the system's renderer: only the 64-bit
// Windows build has it; elsewhere all text goes through the glyph cache.
namespace lice
{
// What the system's renderer needs of a font.
struct NativeTextFont
{
  LiceFontHandle handle;
  int flags;
  int lineHeight;
  int lineSpacing;
  PixelArgb textColor;
  PixelArgb backColor;
  int backMode;
  float alpha;
};

// Draws or measures the text natively when the build, the target, the font
// and the format allow it, with DrawText's result in *result; false sends
// the text to the glyph cache. The format comes without TextNoNative.
bool DrawNativeText(const NativeTextFont& font, LICE_IBitmap* target, const char* text, int length, LiceRect& bounds,
                    int format, bool noNative, int* result);

// For tests of the 64-bit Windows build: replaces what the probe for Wine
// found (1 Wine, 0 not, -1 probe again).
void OverrideWineState(int state);
}
