#pragma once

#include "LICE_IBitmap.h"

namespace lice
{
// The rows of a clipped rectangle of one bitmap, in display order: a flipped
// bitmap is walked from its mirrored row with a negative step.
struct Rows
{
  PixelArgb* first;
  std::ptrdiff_t step;  // pixels from one row to the next in display order

  Rows(LICE_IBitmap* bitmap, int x, int y)
  {
    const std::ptrdiff_t span = bitmap->RowSpan();
    const int row = bitmap->IsFlipped() ? bitmap->Height() - 1 - y : y;
    first = bitmap->PixelData() + row * span + x;
    step = bitmap->IsFlipped() ? -span : span;
  }
  PixelArgb* Row(int i) const { return first + i * step; }
};
}
