// Text in a rectangle of the surface, through the font of the style.

#include "IGraphics.h"

#include "FontCache.h"
#include "LICE_CachedFont.h"
#include "LICE_SysBitmap.h"
#include "PlatformFont.h"

#include <new>

LICE_CachedFont* IGraphics::ObtainFont(ITextStyle* style)
{
  LICE_CachedFont* font = FontCacheFind(style);
  if (!font)
  {
    font = new (std::nothrow) LICE_CachedFont;
    if (!font)
      return nullptr;
    const LiceFontHandle handle = CreatePlatformFont(*style);
    if (handle)
      font->AdoptSystemFont(handle, FontOwnsHandle | FontNativeDraw);
    // Without a system font, or without room in the cache, the font is not
    // used: the style keeps none and the next draw tries again.
    if (!handle || !FontCacheAdd(font, style))
    {
      delete font;
      return nullptr;
    }
  }
  style->cachedFont = font;
  return font;
}

bool IGraphics::DrawTextInBounds(ITextStyle* style, const char* text, IBounds* bounds, bool measure)
{
  if (!text || !text[0])
    return true;
  LICE_IFont* font = style->cachedFont ? style->cachedFont : ObtainFont(style);
  if (!font)
    return false;
  font->ExchangeTextColor(style->colour.Packed());
  int flags = DT_SINGLELINE | DT_VCENTER | DT_NOCLIP;
  if (style->colour.alpha < 255)
    flags |= TextColorAlpha;
  if (style->alignment == kAlignCenter)
    flags |= DT_CENTER;
  else if (style->alignment == kAlignFar)
    flags |= DT_RIGHT;
  if (!measure)
  {
    LiceRect rect = {bounds->left, bounds->top, bounds->right, bounds->bottom};
    font->DrawTextInto(mDrawSurface, text, -1, &rect, flags);
    return true;
  }
  LiceRect size = {0, 0, 0, 0};
  font->DrawTextInto(mDrawSurface, text, -1, &size, flags | DT_CALCRECT);
  const int width = size.right, height = size.bottom;
  bounds->bottom = bounds->top + height;
  if (style->alignment == kAlignCenter)
  {
    bounds->left = static_cast<int>(static_cast<float>(bounds->left + bounds->right) * 0.5f) - width / 2;
    bounds->right = bounds->left + width;
  }
  else if (style->alignment == kAlignFar)
  {
    bounds->left = bounds->right - width;
  }
  else
  {
    bounds->right = bounds->left + width;
  }
  return true;
}
