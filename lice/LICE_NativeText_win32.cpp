// Plain text drawn with GDI: straight into a target that has a device
// context, else through the text scratch and composed back at the font's
// alpha. Built into the 64-bit modules only.

#include "LICE_NativeText.h"

#include "HeapAllocator.h"
#include "LICE_GlyphScratch.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace
{
// Targets that answer this code want the glyph cache.
constexpr int kGlyphPathQuery = 0x59555678;
constexpr int kGlyphOnlyFlags = FontFixedCache | FontVertical | FontBottomUp | FontBlur | FontInvert | FontMono |
                                FontShadow | FontOutline;

int gWineState = -1;

// Under Wine text goes through the glyph cache, which draws alike everywhere.
bool UnderWine()
{
  if (gWineState < 0)
  {
    HKEY key = nullptr;
    gWineState = RegOpenKeyA(HKEY_LOCAL_MACHINE, "Software\\Wine", &key) == ERROR_SUCCESS ? 1 : 0;
    if (gWineState)
      RegCloseKey(key);
  }
  return gWineState == 1;
}

bool TakesNativePath(const lice::NativeTextFont& font, LICE_IBitmap* target, int format, bool noNative)
{
  if (target && target->ExtraQuery(kGlyphPathQuery, 0))
    return false;
  // Masks of such lines would be large, and above 1023 the cache refuses them.
  if (font.lineHeight >= 256)
    return true;
  return (font.flags & FontNativeDraw) && font.handle && !noNative && !(format & TextColorAlpha) &&
         !(font.flags & kGlyphOnlyFlags) && (font.lineSpacing == 0 || (format & DT_SINGLELINE)) && !UnderWine();
}

bool Continuation(unsigned char byte) { return byte >= 0x80 && byte <= 0xBF; }

bool HoldsUtf8(const char* text)
{
  for (const auto* p = reinterpret_cast<const unsigned char*>(text); *p; ++p)
    if ((*p >= 0xC2 && *p <= 0xDF && Continuation(p[1])) ||
        (*p >= 0xC2 && *p <= 0xF4 && Continuation(p[1]) && Continuation(p[2])))
      return true;
  return false;
}

// The text as UTF-16 when it holds UTF-8 sequences that convert; otherwise
// null, and the text is drawn as multi-byte text.
class WideText
{
public:
  WideText(const char* text, int bytes)
  {
    if (!HoldsUtf8(text))
      return;
    const int count = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, bytes, nullptr, 0);
    if (count < 1)
      return;
    WCHAR* buffer = mOnStack;
    if (count >= 1000)
    {
      mOnHeap = static_cast<WCHAR*>(HeapAllocate((static_cast<std::size_t>(count) + 32) * sizeof(WCHAR)));
      if (!mOnHeap)
        return;
      buffer = mOnHeap;
    }
    const int converted = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, bytes, buffer, count);
    if (converted < 1)
      return;
    buffer[converted] = 0;
    mText = buffer;
  }
  ~WideText() { HeapRelease(mOnHeap); }
  WideText(const WideText&) = delete;
  WideText& operator=(const WideText&) = delete;

  int Draw(HDC dc, const char* text, int bytes, RECT* rect, UINT format) const
  {
    return mText ? DrawTextW(dc, mText, -1, rect, format) : DrawTextA(dc, text, bytes, rect, format);
  }

private:
  WCHAR mOnStack[1024];
  WCHAR* mOnHeap = nullptr;
  const WCHAR* mText = nullptr;
};

COLORREF ColorOf(PixelArgb colour)
{
  return RGB(lice::Channel(colour, 2), lice::Channel(colour, 1), lice::Channel(colour, 0));
}

void SetColours(HDC dc, const lice::NativeTextFont& font)
{
  SetTextColor(dc, ColorOf(font.textColor));
  SetBkMode(dc, font.backMode);
  if (font.backMode == 2)
    SetBkColor(dc, ColorOf(font.backColor));
}

HGDIOBJ SelectFont(HDC dc, LiceFontHandle font) { return font ? SelectObject(dc, font) : nullptr; }

void Deselect(HDC dc, HGDIOBJ previous)
{
  if (previous)
    SelectObject(dc, previous);
}

struct Call
{
  const lice::NativeTextFont& font;
  const WideText& wide;
  const char* text;
  int bytes;
  LiceRect& bounds;
  UINT format;  // without the library's own bits
};

int DrawIntoContext(const Call& call, HDC dc)
{
  HGDIOBJ previous = SelectFont(dc, call.font.handle);
  SetColours(dc, call.font);
  RECT rect = {call.bounds.left, call.bounds.top, call.bounds.right, call.bounds.bottom};
  const int result = call.wide.Draw(dc, call.text, call.bytes, &rect, call.format | DT_NOPREFIX);
  GdiFlush();
  if (call.format & DT_CALCRECT)
    call.bounds = {static_cast<int>(rect.left), static_cast<int>(rect.top), static_cast<int>(rect.right),
                   static_cast<int>(rect.bottom)};
  Deselect(dc, previous);
  return result;
}

// Measured on the scratch; drawn there over a copy of the target's box and
// composed back.
int DrawThroughScratch(const Call& call, LICE_IBitmap* target)
{
  LICE_SysBitmap* scratch = lice::MakeTextScratch();
  if (!scratch)
    return 0;
  if (scratch->Width() < 4 || scratch->Height() < 4)
    scratch->Resize(4, 4);
  HDC dc = scratch->DeviceContext();
  HGDIOBJ previous = SelectFont(dc, call.font.handle);
  RECT measure = {0, 0, 0, 0};
  int result = call.wide.Draw(dc, call.text, call.bytes, &measure, (call.format & ~0xFu) | DT_CALCRECT | DT_NOPREFIX);
  const long long w = measure.right, h = measure.bottom;
  const LiceRect& b = call.bounds;
  if (call.format & DT_CALCRECT)
  {
    call.bounds.right = static_cast<int>(std::min<long long>(b.left + w, INT_MAX));
    call.bounds.bottom = static_cast<int>(std::min<long long>(b.top + h, INT_MAX));
  }
  else if (target)
  {
    const long long x = (call.format & DT_RIGHT)    ? b.right - w
                        : (call.format & DT_CENTER) ? (static_cast<long long>(b.left) + b.right - w) / 2
                                                    : b.left;
    const long long y = (call.format & DT_BOTTOM)    ? b.bottom - h
                        : (call.format & DT_VCENTER) ? (static_cast<long long>(b.top) + b.bottom - h) / 2
                                                     : b.top;
    long long left = x, top = y, right = std::min<long long>(x + w, target->Width());
    long long bottom = std::min<long long>(y + h, target->Height());
    long long minLeft = 0, minTop = 0;
    if (!(call.format & DT_NOCLIP))
    {
      right = std::min<long long>(right, b.right);
      bottom = std::min<long long>(bottom, b.bottom);
      minLeft = std::max(b.left, 0);
      minTop = std::max(b.top, 0);
    }
    const long long offsetLeft = std::min(left - minLeft, 0LL), offsetTop = std::min(top - minTop, 0LL);
    left = std::max(left, minLeft);
    top = std::max(top, minTop);
    if (right > left && bottom > top)
    {
      const int width = static_cast<int>(right - left), height = static_cast<int>(bottom - top);
      if (scratch->Width() < width || scratch->Height() < height)
      {
        Deselect(dc, previous);
        scratch->Resize(std::max(scratch->Width(), width), std::max(scratch->Height(), height));
        previous = SelectFont(dc, call.font.handle);
      }
      const LiceRect box = {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                            static_cast<int>(bottom)};
      LICE_Compose(scratch, target, 0, 0, &box, 1.0f, CombineCopy);
      SetColours(dc, call.font);
      RECT rect = {static_cast<LONG>(offsetLeft), static_cast<LONG>(offsetTop), width, height};
      result = call.wide.Draw(dc, call.text, call.bytes, &rect, (call.format & ~(0xFu | DT_NOCLIP)) | DT_NOPREFIX);
      GdiFlush();
      const LiceRect drawn = {0, 0, width, height};
      LICE_Compose(target, scratch, box.left, box.top, &drawn, call.font.alpha, CombineCopy);
    }
  }
  Deselect(dc, previous);
  return result;
}
}

void lice::OverrideWineState(int state) { gWineState = state; }

bool lice::DrawNativeText(const NativeTextFont& font, LICE_IBitmap* target, const char* text, int length,
                          LiceRect& bounds, int format, bool noNative, int* result)
{
  if (!TakesNativePath(font, target, format, noNative))
    return false;
  // A length past the NUL must not read past it.
  const int bytes = length < 0 ? -1 : static_cast<int>(strnlen(text, static_cast<std::size_t>(length)));
  const WideText wide(text, bytes);
  const Call call = {font, wide, text, bytes, bounds, static_cast<UINT>(format & ~TextColorAlpha)};
  HDC dc = target ? target->DeviceContext() : nullptr;
  *result = dc ? DrawIntoContext(call, dc) : DrawThroughScratch(call, target);
  return true;
}
