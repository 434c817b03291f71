// Off Windows there is no system font: each style gets a stand-in of its
// size whose characters are plain boxes, enough to lay text out and draw it
// the same way every time.

#include "PlatformFont.h"

#include "HostCallGuard.h"
#include "IGraphicsStructs.h"
#include "LICE_StandInFont.h"

#include <memory>
#include <vector>

namespace
{
LiceStandInGlyph BoxGlyph(int size, std::uint16_t code)
{
  LiceStandInGlyph glyph;
  const int height = size > 0 ? size : 1;
  glyph.cellHeight = height + height / 4;
  glyph.advance = code == ' ' ? height / 3 : height / 2 + 1;
  glyph.width = glyph.advance;
  glyph.image.assign(static_cast<std::size_t>(glyph.width) * glyph.cellHeight, 0);
  if (code == ' ')
    return glyph;
  const int top = glyph.cellHeight - height, right = glyph.width - 2;
  for (int y = top; y < glyph.cellHeight - 1; ++y)
    for (int x = 0; x <= right; ++x)
      if (x == 0 || x == right || y == top || y == glyph.cellHeight - 2)
        glyph.image[y * glyph.width + x] = 255;
  return glyph;
}
}

LiceFontHandle CreatePlatformFont(const ITextStyle& style)
{
  // Like a system font, a stand-in is made or not: without memory it is not.
  return GuardHostCall<LiceFontHandle>(nullptr, nullptr, [&style] {
    // Fonts are kept for the process's life, as the system's would be.
    static auto* fonts = new std::vector<std::unique_ptr<LiceStandInFont>>();
    std::unique_ptr<LiceStandInFont> font(new LiceStandInFont);
    const int size = style.size;
    font->lineHeight = (size > 0 ? size : 1) + (size > 0 ? size : 1) / 4;
    font->glyph = [size](std::uint16_t code) { return BoxGlyph(size, code); };
    fonts->push_back(std::move(font));
    return StandInFontHandle(fonts->back().get());
  });
}
