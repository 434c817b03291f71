#pragma once

#include "LICE_Compose.h"

// The font handle of Windows (HFONT), without its header. Off Windows it
// points to a stand-in description of a font (LICE_StandInFont.h).
struct HFONT__;
using LiceFontHandle = HFONT__*;

// Font flags (LICE_IFont::AdoptSystemFont).
constexpr int FontVertical = 0x1;     // masks turned a quarter turn, lines run top to bottom
constexpr int FontBottomUp = 0x2;     // with FontVertical: counter-clockwise, text runs upwards
constexpr int FontFixedCache = 0x4;   // codes 0..127 rendered at adoption, others never drawn
constexpr int FontBlur = 0x10;        // each cell smoothed before its mask is taken
constexpr int FontInvert = 0x20;      // mask = 255 - intensity
constexpr int FontMono = 0x40;        // masks cut to 0 or 255, drawn without coverage weight
constexpr int FontShadow = 0x80;      // ink casts a shadow right and down in the effect colour
constexpr int FontOutline = 0x100;    // ink is outlined in the effect colour (the shadow wins)
constexpr int FontOwnsHandle = 0x200; // the handle is deleted when replaced and with the font
constexpr int FontNativeDraw = 0x400; // plain text may go straight to the system's renderer

// Format bits of DrawTextInto: the DrawText values of Windows, under their
// own names (the system header, where present, defines the same values),
// and two of the library's own.
#ifndef DT_CENTER
constexpr int DT_CENTER = 0x1;
#endif
#ifndef DT_RIGHT
constexpr int DT_RIGHT = 0x2;
#endif
#ifndef DT_VCENTER
constexpr int DT_VCENTER = 0x4;
#endif
#ifndef DT_BOTTOM
constexpr int DT_BOTTOM = 0x8;
#endif
#ifndef DT_SINGLELINE
constexpr int DT_SINGLELINE = 0x20;
#endif
#ifndef DT_NOCLIP
constexpr int DT_NOCLIP = 0x100;
#endif
#ifndef DT_CALCRECT
constexpr int DT_CALCRECT = 0x400;
#endif
#ifndef DT_NOPREFIX
constexpr int DT_NOPREFIX = 0x800;
#endif
// Scale the font's alpha by the text colour's alpha for this call.
constexpr int TextColorAlpha = 0x40000000;
// Never use the system's renderer (kept for the measuring calls text
// drawing makes of itself).
constexpr int TextNoNative = static_cast<int>(0x80000000u);

// A font of the raster library: a system font handle, the colours, combine
// mode and alpha text is drawn with. It never crosses a module boundary.
class LICE_IFont
{
public:
  virtual ~LICE_IFont() {}
  // Takes the handle and flags and empties the glyph cache.
  virtual void AdoptSystemFont(LiceFontHandle font, int flags) = 0;
  // Each stores its argument and returns the previous value.
  virtual PixelArgb ExchangeTextColor(PixelArgb colour) = 0;
  virtual PixelArgb ExchangeBackColor(PixelArgb colour) = 0;
  virtual PixelArgb ExchangeEffectColor(PixelArgb colour) = 0;
  // 1 transparent; 2 fills each glyph's cell with the background colour.
  virtual int ExchangeBackMode(int mode) = 0;
  virtual void SetCompose(LiceCombine mode, float alpha) = 0;
  // Draws the UTF-8 text (NUL-terminated; a positive length stops earlier)
  // within bounds, or with DT_CALCRECT measures it into bounds' right and
  // bottom. Returns the text's height (its width when vertical).
  virtual int DrawTextInto(LICE_IBitmap* target, const char* text, int length, LiceRect* bounds, int format) = 0;
  virtual PixelArgb TextColor() = 0;
  virtual LiceFontHandle SystemFont() = 0;
  virtual int LineHeight() = 0;
};
