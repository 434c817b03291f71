#pragma once

// The editor's window under Wine: a parent window as a host gives one, and
// an editor of one knob opened into it.

#include "EditorFixture.h"
#include "HostWindow.h"
#include "IGraphicsWin.h"

#include <windows.h>

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
