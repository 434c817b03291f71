#pragma once

// A window of the test that stands for a host's, for an editor to open in.

#include <windows.h>

#include <vector>

// A top-level parent window without a frame, as a host gives one, and the
// keys its window procedure saw.
struct HostWindow
{
  HostWindow()
  {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TestHostWindow";
    RegisterClassA(&windowClass);
    window = CreateWindowExA(0, "TestHostWindow", "host", WS_POPUP | WS_VISIBLE, 0, 0, 700, 400, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    sCurrent = this;
  }
  ~HostWindow()
  {
    if (window)
      DestroyWindow(window);
    if (sCurrent == this)
      sCurrent = nullptr;
  }
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
  {
    if (sCurrent && (message == WM_KEYDOWN || message == WM_KEYUP))
    {
      sCurrent->keys.push_back(static_cast<int>(wParam));
      // A host that hands every key straight back to the focused window.
      if (sCurrent->echoKeys && GetFocus() && GetFocus() != window)
        SendMessageA(GetFocus(), message, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }
  HWND window = nullptr;
  std::vector<int> keys;
  bool echoKeys = false;
  static HostWindow* sCurrent;
};
inline HostWindow* HostWindow::sCurrent = nullptr;
