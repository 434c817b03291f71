// Popup menus and the one-line text entry over a control, on Windows.

#include "IGraphicsWin.h"

#include "GuardedMessage.h"
#include "IMenu.h"
#include "IPlugParameter.h"

namespace
{
constexpr int kEntryId = 0x63;
constexpr int kEntryTextBytes = 32;
}

HMENU IGraphicsWin::BuildNativeMenu(IMenu* menu, int* runningId)
{
  HMENU native = CreatePopupMenu();
  if (!native)
    return nullptr;
  const int base = *runningId;
  *runningId += menu->NItems();
  StringBuffer label;
  for (int i = 0; i < menu->NItems(); ++i)
  {
    IMenuEntry* entry = menu->GetItem(i);
    if (entry->Flags() & IMenuEntry::kSeparator)
    {
      AppendMenuA(native, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    menu->EntryLabel(i, &label);
    const char* text = label.Get() ? label.Get() : "";
    if (IMenu* submenu = entry->Submenu())
    {
      if (HMENU nativeSubmenu = BuildNativeMenu(submenu, runningId))
        AppendMenuA(native, MF_POPUP, reinterpret_cast<UINT_PTR>(nativeSubmenu), text);
      continue;
    }
    UINT flags = MF_STRING;
    if (entry->Flags() & IMenuEntry::kGrayed)
      flags |= MF_GRAYED;
    if (entry->Flags() & IMenuEntry::kDisabled)
      flags |= MF_DISABLED;
    if (entry->Flags() & IMenuEntry::kChecked)
      flags |= MF_CHECKED;
    AppendMenuA(native, flags, static_cast<UINT_PTR>(base + i), text);
  }
  return native;
}

IMenu* IGraphicsWin::RunPopupMenu(IMenu* menu, IBounds* bounds)
{
  ResetMouseCapture();
  if (!menu || !bounds || !mWindow)
    return nullptr;
  int runningId = 0;
  HMENU native = BuildNativeMenu(menu, &runningId);
  if (!native)
    return nullptr;
  POINT point = {bounds->left, bounds->bottom};
  ClientToScreen(mWindow, &point);
  IMenu* result = nullptr;
  MSG command;
  if (TrackPopupMenu(native, TPM_LEFTBUTTON, point.x, point.y, 0, mWindow, nullptr) &&
      PeekMessageA(&command, mWindow, WM_COMMAND, WM_COMMAND, PM_REMOVE) && HIWORD(command.wParam) == 0)
  {
    int position = -1, count = 0;
    result = menu->FindMenuForItem(LOWORD(command.wParam), &position, &count);
    if (result)
      result->SetChosenItemIndex(position);
  }
  DestroyMenu(native);
  RECT all = {0, 0, Width(), Height()};
  InvalidateRect(mWindow, &all, FALSE);
  return result;
}

void IGraphicsWin::OpenTextEntry(IControl* control, ITextStyle* style, IBounds* bounds, const char* text,
                                 IPlugParameter* param)
{
  if (!control || !bounds || TextEntryOpen() || !mWindow)
    return;
  if (!style)
    style = &control->TextStyle();
  DWORD styles = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL;
  if (style->alignment == kAlignCenter)
    styles |= ES_CENTER;
  else if (style->alignment == kAlignFar)
    styles |= ES_RIGHT;
  mEntryWindow = CreateWindowExA(0, "EDIT", text ? text : "", styles, bounds->left, bounds->top,
                                 bounds->right - bounds->left + 1, bounds->bottom - bounds->top + 1, mWindow,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEntryId)), mModule, nullptr);
  if (!mEntryWindow)
  {
    ForgetTextEntry();
    return;
  }
  mEntryFont = CreateFontA(style->size, 0, 0, 0, style->style == 1 ? FW_BOLD : FW_DONTCARE, style->style == 2, 0, 0,
                           0, 0, 0, 0, 0, style->font);
  SendMessageA(mEntryWindow, WM_SETFONT, reinterpret_cast<WPARAM>(mEntryFont), 0);
  SendMessageA(mEntryWindow, EM_LIMITTEXT, static_cast<WPARAM>(control->EntryLengthLimit()), 0);
  SendMessageA(mEntryWindow, EM_SETSEL, 0, -1);
  SetFocus(mEntryWindow);
  // Subclassed only now: the focus given above leaves the entry idle.
  mPreviousEntryProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(mEntryWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TextEntryProc)));
  mEntryParam = param;
  mEntryControl = control;
}

void IGraphicsWin::CancelTextEntry()
{
  if (TextEntryOpen())
    mEntryState = 3;
}

LRESULT CALLBACK IGraphicsWin::TextEntryProc(HWND entry, UINT message, WPARAM wParam, LPARAM lParam)
{
  HWND parent = GetParent(entry);
  IGraphicsWin* editor = parent ? reinterpret_cast<IGraphicsWin*>(GetWindowLongPtrA(parent, GWLP_USERDATA)) : nullptr;
  if (!editor || editor->mWindow != parent || editor->mEntryWindow != entry || !editor->mPreviousEntryProc)
    return DefWindowProcA(entry, message, wParam, lParam);
  return HandleMessageGuarded(entry, message, wParam, lParam,
                              [&] { return editor->HandleEntryMessage(entry, message, wParam, lParam); });
}

LRESULT IGraphicsWin::HandleEntryMessage(HWND entry, UINT message, WPARAM wParam, LPARAM lParam)
{
  HideTooltip();
  switch (message)
  {
  case WM_SETFOCUS:
    mEntryState = 1;
    break;
  case WM_KILLFOCUS:
    mEntryState = 4;
    break;
  case WM_GETDLGCODE:
  {
    LRESULT code = CallWindowProcA(mPreviousEntryProc, entry, message, wParam, lParam);
    const MSG* queried = reinterpret_cast<const MSG*>(lParam);
    if (!mEntryParam && queried && queried->message == WM_KEYDOWN && queried->wParam == VK_RETURN)
      code |= DLGC_WANTALLKEYS;
    return code;
  }
  case WM_KEYDOWN:
    if (wParam == VK_RETURN)
    {
      mEntryState = 4;
      return 0;
    }
    if (wParam == VK_ESCAPE)
    {
      mEntryState = 3;
      return 0;
    }
    break;
  case WM_CHAR:
    if (mEntryParam && !EntryAcceptsCharacter(mEntryParam, static_cast<unsigned>(wParam)))
      return 0;
    break;
  case WM_COMMAND:
    // An accelerator of the host's window.
    if (HIWORD(wParam) == 1)
    {
      mEntryState = 4;
      return 0;
    }
    break;
  }
  return CallWindowProcA(mPreviousEntryProc, entry, message, wParam, lParam);
}

void IGraphicsWin::EndTextEntry(bool apply)
{
  if (apply)
  {
    char text[kEntryTextBytes] = {};
    SendMessageA(mEntryWindow, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    CommitEntryText(mEntryControl, mEntryParam, text);
  }
  SetWindowLongPtrA(mEntryWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(mPreviousEntryProc));
  DestroyWindow(mEntryWindow);
  ForgetTextEntry();
}

void IGraphicsWin::ForgetTextEntry()
{
  mEntryWindow = nullptr;
  mEntryControl = nullptr;
  mEntryParam = nullptr;
  mPreviousEntryProc = nullptr;
  mEntryState = 0;
  if (mEntryFont)
    DeleteObject(mEntryFont);
  mEntryFont = nullptr;
}
