#pragma once

#include <cstdint>

// One pixel: alpha << 24 | red << 16 | green << 8 | blue, stored
// little-endian (bytes blue, green, red, alpha), not premultiplied.
using PixelArgb = std::uint32_t;

// The device-context handle of Windows (HDC), without its header.
struct HDC__;
using LiceDeviceContext = HDC__*;

// A rectangle of 32-bit pixels. Pixel (x, y) lies at PixelData() + row *
// RowSpan() + x, where row is y, or Height() - 1 - y when IsFlipped(). Every
// raster routine works through this interface only.
class LICE_IBitmap
{
public:
  virtual ~LICE_IBitmap() {}
  // The first pixel of row 0; null when there are no pixels.
  virtual PixelArgb* PixelData() = 0;
  virtual int Width() = 0;
  virtual int Height() = 0;
  // Pixels from one row to the next, at least Width().
  virtual int RowSpan() = 0;
  virtual bool IsFlipped() { return false; }
  // True when the stored size changed (each class says when).
  virtual bool Resize(int width, int height) = 0;
  virtual LiceDeviceContext DeviceContext() { return nullptr; }
  // An extension hook; 0 means not supported.
  virtual std::intptr_t ExtraQuery(int /*code*/, std::intptr_t /*argument*/) { return 0; }
};
