#pragma once

#include "LICE_IFont.h"

struct ITextStyle;

// The system font of a text style: a GDI font on Windows, a stand-in of the
// style's size elsewhere. Null when it cannot be made.
LiceFontHandle CreatePlatformFont(const ITextStyle& style);
