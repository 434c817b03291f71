#pragma once

#include "HostCallGuard.h"

#include <windows.h>

// The editor's window procedures run inside the system's dispatch and the
// host's message loop, which no exception may unwind. A message whose
// handling throws (a control, or a container that could not allocate)
// gets the system's default handling instead; for WM_PAINT that also
// validates the window, so the paint does not come back for ever.
template <class Handle>
LRESULT HandleMessageGuarded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Handle&& handle) noexcept
{
  LRESULT result = 0;
  if (GuardHostCall(false, false, [&] {
        result = handle();
        return true;
      }))
    return result;
  return DefWindowProcA(window, message, wParam, lParam);
}
