#include "IGraphicsWin.h"

#include "GuardedMessage.h"
#include "IPlugBase.h"
#include "LICE_Png.h"
#include "LICE_SysBitmap.h"

#include <cctype>
#include <cstring>

namespace
{
constexpr char kWindowClass[] = "IPlugWndClass";
constexpr UINT_PTR kTimerId = 2;

// Shared by every editor of the module, used on the user-interface thread.
int gClassUsers = 0;
double gFrameRate = 25.0;

bool RegisterEditorClass(HINSTANCE module, WNDPROC procedure)
{
  if (gClassUsers == 0)
  {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
  }
  ++gClassUsers;
  return true;
}

// Unregistering fails while a window of the class is still being
// destroyed: it is tried again once DestroyWindow has returned.
void UnregisterUnusedClass(HINSTANCE module)
{
  if (gClassUsers == 0)
    UnregisterClassA(kWindowClass, module);
}

void ReleaseEditorClass(HINSTANCE module)
{
  if (gClassUsers > 0)
    --gClassUsers;
  UnregisterUnusedClass(module);
}

IMouseKeys KeysOf(WPARAM wParam)
{
  IMouseKeys keys;
  keys.left = (wParam & MK_LBUTTON) != 0;
  keys.right = (wParam & MK_RBUTTON) != 0;
  keys.shift = (wParam & MK_SHIFT) != 0;
  keys.control = (wParam & MK_CONTROL) != 0;
  keys.alt = GetKeyState(VK_MENU) < 0;
  return keys;
}

int PositionX(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
int PositionY(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }

// The key codes of the controls; -1 for a key they are not told of.
int KeyCodeOf(WPARAM virtualKey)
{
  if (virtualKey == VK_SPACE)
    return 0;
  if (virtualKey == VK_UP)
    return 1;
  if (virtualKey == VK_DOWN)
    return 2;
  if (virtualKey == VK_LEFT)
    return 3;
  if (virtualKey == VK_RIGHT)
    return 4;
  if (virtualKey >= 0x30 && virtualKey <= 0x39)
    return static_cast<int>(virtualKey) - 0x2B;
  if (virtualKey >= 0x41 && virtualKey <= 0x5A)
    return static_cast<int>(virtualKey) - 0x32;
  if (virtualKey >= 0x61 && virtualKey <= 0x7A)
    return static_cast<int>(virtualKey) - 0x52;
  return -1;
}
}

IGraphicsWin::IGraphicsWin(IPlugBase* plug) : IGraphics(plug) {}

IGraphicsWin::~IGraphicsWin()
{
  // The plug-in is being destroyed: a gesture still open is dropped without
  // telling it.
  AbandonMouseGesture();
  CloseEditorWindow();
  delete[] mCustomColours;
}

void* IGraphicsWin::OpenEditorWindow(void* parent)
{
  // The one window moves to the parent given last (a host may give a new
  // one before it takes the old one away), always to its corner: a place
  // kept from the old parent means nothing in another.
  CloseEditorWindow();
  mParentWindow = static_cast<HWND>(parent);
  RegisterEditorClass(mModule, EditorWindowProc);
  gFrameRate = FramesPerSecond();
  mWindow = CreateWindowExA(0, kWindowClass, "IPlug", WS_CHILD | WS_VISIBLE, 0, 0, Width(), Height(),
                            mParentWindow, nullptr, mModule, this);
  if (!mWindow)
    ReleaseEditorClass(mModule);
  for (int i = 0; i < NControls(); ++i)
    GetControl(i)->MarkDirty(false);
  if (mWindow && TooltipsEnabled())
    SetUpTooltips();
  return mWindow;
}

void IGraphicsWin::CloseEditorWindow()
{
  if (!mWindow)
    return;
  CancelMouseGesture();
  if (mTooltipWindow)
  {
    DestroyWindow(mTooltipWindow);
    mTooltipWindow = nullptr;
    mTooltipShown = false;
    mTooltipControl = -1;
  }
  DestroyWindow(mWindow);  // WM_NCDESTROY gives up the window and the class
  UnregisterUnusedClass(mModule);
}

void IGraphicsWin::ForgetWindow()
{
  if (!mWindow)
    return;
  SetWindowLongPtrA(mWindow, GWLP_USERDATA, 0);
  mWindow = nullptr;
  // Its children and owned windows went with it: an open entry ends
  // unapplied, so that a later one can open.
  ForgetTextEntry();
  mTooltipWindow = nullptr;
  mTooltipShown = false;
  mTooltipControl = -1;
  ReleaseEditorClass(mModule);
}

bool IGraphicsWin::PresentFrame(const IBounds& r)
{
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(mWindow, &paint);
  LICE_SysBitmap* surface = DrawSurface();
  if (dc && surface)
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, reinterpret_cast<HDC>(surface->DeviceContext()),
           r.left, r.top, SRCCOPY);
  EndPaint(mWindow, &paint);
  return true;
}

LRESULT CALLBACK IGraphicsWin::EditorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  if (message == WM_CREATE)
  {
    const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    SetTimer(window, kTimerId, static_cast<UINT>(static_cast<int>(1000.0 / gFrameRate)), nullptr);
    SetFocus(window);
    return 0;
  }
  IGraphicsWin* editor = reinterpret_cast<IGraphicsWin*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!editor || editor->mWindow != window)
    return DefWindowProcA(window, message, wParam, lParam);
  return HandleMessageGuarded(window, message, wParam, lParam,
                              [&] { return editor->HandleMessage(window, message, wParam, lParam); });
}

LRESULT IGraphicsWin::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  if (TextEntryOpen() && mEntryState == 1)
  {
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN)
    {
      mEntryState = 3;
      return 0;
    }
    if (message != WM_NCDESTROY)
      return DefWindowProcA(window, message, wParam, lParam);
  }
  switch (message)
  {
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
    return 0;
  case WM_PAINT:
  {
    RECT update;
    if (GetUpdateRect(window, &update, FALSE))
      RenderDirty(IBounds(update.left, update.top, update.right, update.bottom));
    // Without controls nothing was presented: validate all the same, or the
    // paint message comes back for ever.
    ValidateRect(window, nullptr);
    return 0;
  }
  case WM_CLOSE:
    CloseEditorWindow();
    return 0;
  case WM_NCDESTROY:
    ForgetWindow();
    return DefWindowProcA(window, message, wParam, lParam);
  case WM_KEYDOWN:
  {
    const int key = KeyCodeOf(wParam);
    if (key >= 0)
    {
      POINT cursor;
      GetCursorPos(&cursor);
      ScreenToClient(window, &cursor);
      if (DispatchKey(cursor.x, cursor.y, key))
        return 0;
    }
    ForwardKey(message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
  }
  case WM_KEYUP:
    ForwardKey(message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
  case WM_TIMER:
    if (wParam == kTimerId)
      TimerTick();
    return 0;
  case WM_CTLCOLOREDIT:
  {
    if (!mEntryControl)
      return 0;
    const ITextStyle& style = mEntryControl->TextStyle();
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetBkColor(dc, RGB(style.entryBackground.red, style.entryBackground.green, style.entryBackground.blue));
    SetTextColor(dc, RGB(style.entryColour.red, style.entryColour.green, style.entryColour.blue));
    SetBkMode(dc, OPAQUE);
    // The brush paints the entry's area beyond its text.
    SetDCBrushColor(dc, RGB(style.entryBackground.red, style.entryBackground.green, style.entryBackground.blue));
    return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
  }
  case WM_MOUSEMOVE:
  {
    IMouseKeys keys = KeysOf(wParam);
    if (keys.left || keys.right)
    {
      if (GetCapture() == window && !TextEntryOpen())
        DispatchMouseDrag(PositionX(lParam), PositionY(lParam), &keys);
      return 0;
    }
    if (DispatchMouseOver(PositionX(lParam), PositionY(lParam), &keys))
    {
      TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, HOVER_DEFAULT};
      if (TooltipsEnabled() && HoverIndex() != mTooltipControl)
      {
        mTooltipControl = HoverIndex();
        if (mTooltipControl >= 0)
          track.dwFlags |= TME_HOVER;
        HideTooltip();
      }
      TrackMouseEvent(&track);
    }
    return 0;
  }
  case WM_LBUTTONDOWN:
  case WM_RBUTTONDOWN:
  case WM_MBUTTONDOWN:
  {
    HideTooltip();
    if (TextEntryOpen())
    {
      mEntryState = 4;
      return 0;
    }
    SetFocus(window);
    SetCapture(window);
    IMouseKeys keys = KeysOf(wParam);
    DispatchMouseDown(PositionX(lParam), PositionY(lParam), &keys);
    return 0;
  }
  case WM_LBUTTONUP:
  case WM_RBUTTONUP:
  case WM_MBUTTONUP:
  {
    mReleasingCapture = true;
    ReleaseCapture();
    mReleasingCapture = false;
    IMouseKeys keys = KeysOf(wParam);
    DispatchMouseUp(PositionX(lParam), PositionY(lParam), &keys);
    return 0;
  }
  // The gesture ends without a release over the editor: the mouse went to
  // another window, or the system cancelled the mode. The host's edit is
  // ended once.
  case WM_CAPTURECHANGED:
    if (!mReleasingCapture && reinterpret_cast<HWND>(lParam) != window)
      CancelMouseGesture();
    return 0;
  case WM_CANCELMODE:
    CancelMouseGesture();
    return DefWindowProcA(window, message, wParam, lParam);
  case WM_LBUTTONDBLCLK:
  {
    IMouseKeys keys = KeysOf(wParam);
    if (DispatchDoubleClick(PositionX(lParam), PositionY(lParam), &keys))
      SetCapture(window);
    return 0;
  }
  case WM_MOUSEWHEEL:
  {
    if (TextEntryOpen())
    {
      mEntryState = 3;
      return 0;
    }
    RECT windowRect;
    GetWindowRect(window, &windowRect);
    IMouseKeys keys = KeysOf(GET_KEYSTATE_WPARAM(wParam));
    const int notches = static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA;
    DispatchWheel(PositionX(lParam) - windowRect.left, PositionY(lParam) - windowRect.top, &keys, notches);
    return 0;
  }
  case WM_MOUSEHOVER:
    ShowControlTooltip();
    return 0;
  case WM_MOUSELEAVE:
    HideTooltip();
    DispatchMouseOut();
    return 0;
  default:
    return DefWindowProcA(window, message, wParam, lParam);
  }
}

void IGraphicsWin::ForwardKey(UINT message, WPARAM wParam, LPARAM lParam)
{
  HWND root = GetAncestor(mWindow, GA_ROOT);
  if (!root || root == mWindow || mForwardingKey)
    return;
  mForwardingKey = true;
  SendMessageA(root, message, wParam, lParam);
  mForwardingKey = false;
}

void IGraphicsWin::TimerTick()
{
  if (TextEntryOpen() && mEntryState != 0)
  {
    if (mEntryState == 4 || mEntryState == 3)
      EndTextEntry(mEntryState == 4);
    else
      mEntryState = 0;
    return;
  }
  IBounds dirty;
  if (ShowControlBounds())
    dirty = DrawClip();
  else if (!CollectDirtyBounds(&dirty))
    return;
  RECT rect = {dirty.left, dirty.top, dirty.right, dirty.bottom};
  InvalidateRect(mWindow, &rect, FALSE);
  if (TextEntryOpen() && mEntryControl)
  {
    const IBounds& under = mEntryControl->DrawBounds();
    RECT entryRect = {under.left, under.top, under.right, under.bottom};
    ValidateRect(mWindow, &entryRect);
    UpdateWindow(mWindow);
    mEntryState = 2;
    return;
  }
  UpdateWindow(mWindow);
}

void IGraphicsWin::ResizeEditor(int width, int height)
{
  if (width == Width() && height == Height())
    return;
  const int dw = width - Width(), dh = height - Height();
  // The entry's control is about to be deleted.
  if (TextEntryOpen())
    EndTextEntry(false);
  IGraphics::ResizeEditor(width, height);
  if (!mWindow)
    return;
  auto grow = [dw, dh](HWND window) {
    RECT r;
    if (window && GetWindowRect(window, &r))
      SetWindowPos(window, nullptr, 0, 0, r.right - r.left + dw, r.bottom - r.top + dh,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  };
  HWND parent = IsChildWindow(mWindow) ? GetParent(mWindow) : nullptr;
  HWND grandparent = parent && IsChildWindow(parent) ? GetParent(parent) : nullptr;
  grow(mWindow);
  // A VST3 host resizes its own frame.
  if (Plug() && Plug()->ApiKind() != kApiVst3)
  {
    grow(parent);
    grow(grandparent);
  }
  RECT all = {0, 0, width, height};
  InvalidateRect(mWindow, &all, FALSE);
}

bool IGraphicsWin::IsChildWindow(HWND window)
{
  return window && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) &&
         !(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_MDICHILD);
}

HWND IGraphicsWin::FindMainWindow()
{
  if (mMainWindow)
    return mMainWindow;
  if (mParentWindow)
  {
    HWND window = mParentWindow;
    for (HWND parent = GetParent(window); parent; parent = GetParent(window))
      window = parent;
    mMainWindow = window;
    char className[128] = {};
    GetClassNameA(window, className, sizeof className);
    mMainWindowClass.Set(className);
    return mMainWindow;
  }
  const char* remembered = mMainWindowClass.Get();
  if (remembered && remembered[0])
  {
    mProcessId = GetCurrentProcessId();
    EnumWindows(MatchProcessWindow, reinterpret_cast<LPARAM>(this));
  }
  return mMainWindow;
}

BOOL CALLBACK IGraphicsWin::MatchProcessWindow(HWND window, LPARAM lParam)
{
  IGraphicsWin* editor = reinterpret_cast<IGraphicsWin*>(lParam);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != editor->mProcessId)
    return TRUE;
  char className[128] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::strcmp(className, editor->mMainWindowClass.Get()) != 0)
    return TRUE;
  editor->mMainWindow = window;
  return FALSE;
}

int IGraphicsWin::ShowMessageDialog(const char* text, const char* caption, int type)
{
  return MessageBoxA(FindMainWindow(), text, caption, static_cast<UINT>(type));
}

void IGraphicsWin::HidePointer()
{
  if (mPointerHidden)
    return;
  POINT position;
  GetCursorPos(&position);
  mHiddenPointerX = position.x;
  mHiddenPointerY = position.y;
  ShowCursor(FALSE);
  mPointerHidden = true;
}

void IGraphicsWin::ShowPointer()
{
  if (!mPointerHidden)
    return;
  SetCursorPos(mHiddenPointerX, mHiddenPointerY);
  ShowCursor(TRUE);
  mPointerHidden = false;
}

LICE_IBitmap* IGraphicsWin::LoadResourceImage(int id, const char* name)
{
  const char* dot = name ? std::strrchr(name, '.') : nullptr;
  if (!dot || std::strlen(dot + 1) != 3)
    return nullptr;
  for (int i = 0; i < 3; ++i)
    if (std::tolower(static_cast<unsigned char>(dot[1 + i])) != "png"[i])
      return nullptr;
  return LICE_ReadPngResource(mModule, id);
}

bool IGraphicsWin::HasImageResource(int id)
{
  return FindResourceA(mModule, MAKEINTRESOURCEA(id & 0xFFFF), "PNG") != nullptr;
}
