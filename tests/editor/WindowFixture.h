#pragma once

// The editor's window under Wine: a parent window as a host gives one, and
// an editor of one knob opened into it.

#include "EditorFixture.h"
#include "IGraphicsWin.h"

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

class EditorWindow : public testing::Test
{
protected:
  void SetUp() override
  {
    EditorImages::Seed();
    graphics = new IGraphicsWin(&plug);
    graphics->SetModule(GetModuleHandleA(nullptr));
    graphics->AttachBackdrop();
    knob = graphics->AddControl(new IKnobMultiControl(&plug, 24, 53, 0, EditorImages::Strip(101, 101)));
    plug.AttachEditor(graphics);
    plug.events.clear();
  }

  HWND Open() { return static_cast<HWND>(graphics->OpenEditorWindow(host.window)); }
  static LPARAM At(int x, int y) { return MAKELPARAM(x, y); }
  void Pump()
  {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }

  HostWindow host;
  StatePlug plug;
  IGraphicsWin* graphics = nullptr;
  int knob = -1;
};
