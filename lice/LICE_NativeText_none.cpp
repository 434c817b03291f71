// Builds without a native text path: the glyph cache draws everything.

#include "LICE_NativeText.h"

bool lice::DrawNativeText(const NativeTextFont&, LICE_IBitmap*, const char*, int, LiceRect&, int, bool, int*)
{
  return false;
}
