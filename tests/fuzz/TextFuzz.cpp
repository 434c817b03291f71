// Text measured and drawn from arbitrary bytes on the stand-in renderer:
// random text, length, format bits, font flags, line height, bounds, mode
// and alpha. Nothing outside the small target may be touched, and the
// measure must start at the bounds' left and top.

#include "LICE_CachedFont.h"
#include "StandInGlyphs.h"
#include "TestBitmap.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>

namespace
{
constexpr int kHeader = 10;

const int kFlagBits[] = {FontVertical, FontBottomUp, FontFixedCache, FontBlur,
                         FontInvert,   FontMono,     FontShadow,     FontOutline};
const int kFormatBits[] = {DT_CENTER, DT_RIGHT, DT_VCENTER, DT_BOTTOM, DT_SINGLELINE, DT_NOCLIP, TextColorAlpha,
                           TextNoNative};

int Bits(std::uint8_t byte, const int (&table)[8])
{
  int bits = 0;
  for (int i = 0; i < 8; ++i)
    if (byte & (1 << i))
      bits |= table[i];
  return bits;
}

// A coordinate near the target mostly, at the ends of the int range now and
// then.
int Coordinate(std::uint8_t byte)
{
  if (byte == 0xFF)
    return INT_MAX;
  if (byte == 0xFE)
    return INT_MIN;
  return static_cast<int>(byte % 64) - 20;
}

int Length(std::uint8_t byte)
{
  switch (byte >> 6)
  {
  case 0: return -1;
  case 1: return byte & 0x3F;
  case 2: return byte & 1 ? INT_MAX : INT_MIN;
  default: return 0;
  }
}

void Check(bool condition)
{
  if (!condition)
    __builtin_trap();
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  if (size < kHeader)
    return 0;
  const int flags = Bits(data[0], kFlagBits);
  const int format = Bits(data[1], kFormatBits);
  const int lineHeight = data[2] == 0xFF ? 1024 : data[2] % 40;
  const int length = Length(data[3]);
  const LiceRect bounds = {Coordinate(data[4]), Coordinate(data[5]), Coordinate(data[6]), Coordinate(data[7])};
  const int mode = (data[8] & 7) | (data[8] & 8 ? CombineUseSourceAlpha : 0);
  const float alpha = static_cast<float>(static_cast<std::int8_t>(data[9])) / 64.0f;
  const std::string text(reinterpret_cast<const char*>(data + kHeader), size - kHeader);

  LiceStandInFont standIn;
  UseRule(standIn, lineHeight);
  LICE_CachedFont font;
  font.AdoptSystemFont(StandInFontHandle(&standIn), flags | FontOwnsHandle);
  font.ExchangeTextColor(static_cast<PixelArgb>(data[8]) << 24 | 0x336699);
  font.ExchangeBackMode(data[8] & 0x10 ? 2 : 1);
  font.SetCompose(mode, alpha);

  LiceRect measured = bounds;
  font.DrawTextInto(nullptr, text.c_str(), length, &measured, format | DT_CALCRECT);
  Check(measured.left == bounds.left && measured.top == bounds.top);
  Check(static_cast<long long>(measured.right) >= bounds.left && static_cast<long long>(measured.bottom) >= bounds.top);

  TestBitmap target(24, 16, data[9] & 1);
  LiceRect drawn = bounds;
  font.DrawTextInto(&target, text.c_str(), length, &drawn, format);
  Check(target.CanariesIntact());
  for (std::size_t i = kHeader; i + 1 < size; i += 2)
    font.DrawGlyph(&target, data[i], Coordinate(data[i + 1]), Coordinate(data[i]), &bounds);
  Check(target.CanariesIntact());
  return 0;
}
