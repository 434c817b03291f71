#include "PlatformFont.h"

#include "IGraphicsStructs.h"

#include <windows.h>

namespace
{
DWORD QualityOf(int quality)
{
  switch (quality)
  {
  case 0: return DEFAULT_QUALITY;
  case 2: return ANTIALIASED_QUALITY;
  case 3: return CLEARTYPE_QUALITY;
  default: return NONANTIALIASED_QUALITY;
  }
}
}

LiceFontHandle CreatePlatformFont(const ITextStyle& style)
{
  HFONT font = CreateFontA(style.size, 0, style.orientation * 10, style.orientation * 10,
                           style.style == 1 ? FW_BOLD : FW_NORMAL, style.style == 2, FALSE, FALSE, 0,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, QualityOf(style.quality), 0, style.font);
  return reinterpret_cast<LiceFontHandle>(font);
}
