// The tooltip of the editor window: one tool for the whole window whose
// text follows the control under the pointer.

#include "Assert.h"
#include "IGraphicsWin.h"

#include <commctrl.h>

#include <cstring>

namespace
{
// The size older common controls accept as well.
TOOLINFOA WindowTool(HWND window, const char* text)
{
  TOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window;
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  tool.lpszText = const_cast<char*>(text);
  return tool;
}
}

void IGraphicsWin::SetUpTooltips()
{
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_TAB_CLASSES};
  if (InitCommonControlsEx(&classes))
    mTooltipWindow = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, mWindow, nullptr,
                                     mModule, nullptr);
  if (!mTooltipWindow)
  {
    SetTooltipsEnabled(false);
    return;
  }
  SetWindowPos(mTooltipWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  TOOLINFOA tool = WindowTool(mWindow, nullptr);
  SendMessageA(mTooltipWindow, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void IGraphicsWin::SetTooltipText(const char* text)
{
  if (!mTooltipWindow)
    return;
  TOOLINFOA tool = WindowTool(mWindow, text);
  SendMessageA(mTooltipWindow, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void IGraphicsWin::ShowControlTooltip()
{
  IControl* control = GetControl(mTooltipControl);
  const char* tooltip = control ? control->Tooltip() : nullptr;
  if (!tooltip || !mTooltipWindow)
    return;
  ZL_REPORT(std::strlen(tooltip) < 80, "strlen(tooltip) < 80");
  SetTooltipText(tooltip);
  mTooltipShown = true;
}

void IGraphicsWin::HideTooltip()
{
  if (!mTooltipShown)
    return;
  SetTooltipText(nullptr);
  mTooltipShown = false;
}
