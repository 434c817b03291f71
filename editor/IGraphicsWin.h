#pragma once

#include "IGraphics.h"

#include <windows.h>

// The editor on Windows: one child window per open editor inside the host's
// window, a timer that redraws at the editor's frame rate, the window
// procedure that turns messages into input for the controls, and the copy
// of the surface to the screen; popup menus and a text entry over a
// control; tooltips, dialogs, folders and the clipboard.
class IGraphicsWin : public IGraphics
{
public:
  explicit IGraphicsWin(IPlugBase* plug);
  ~IGraphicsWin() override;

  // The plug-in module: window class, resources and module paths.
  void SetModule(HINSTANCE module) { mModule = module; }
  HINSTANCE Module() const { return mModule; }

  bool PresentFrame(const IBounds& bounds) override;
  void CancelTextEntry() override;
  void ResizeEditor(int width, int height) override;
  bool HasWindow() override { return mWindow != nullptr; }
  const char* DrawingApiName() override { return "Windows GDI"; }
  int ShowMessageDialog(const char* text, const char* caption, int type) override;
  IMenu* RunPopupMenu(IMenu* menu, IBounds* bounds) override;
  void OpenTextEntry(IControl* control, ITextStyle* style, IBounds* bounds, const char* text,
                     IPlugParameter* param) override;
  void HostModulePath(StringBuffer* path) override;
  void PluginModulePath(StringBuffer* path) override;
  void DesktopFolderPath(StringBuffer* path) override;
  void AppDataFolderPath(StringBuffer* path, bool common) override;
  void UserAppDataFolderPath(StringBuffer* path) override;
  void AskForFile(StringBuffer* file, int action, StringBuffer* folder, const char* extensions) override;
  bool AskForColor(IArgb* colour, const char* prompt) override;
  void* OpenEditorWindow(void* parent) override;
  void CloseEditorWindow() override;
  void* WindowHandle() override { return mWindow; }
  bool ClipboardText(StringBuffer* text) override;
  void HidePointer() override;
  void ShowPointer() override;
  LICE_IBitmap* LoadResourceImage(int id, const char* name) override;
  bool HasImageResource(int id) override;

  static bool IsChildWindow(HWND window);
  HWND FindMainWindow();

  // A popup menu of the entries, item ids counted on from runningId
  // (IMenu::FindMenuForItem finds them again); null when none was made.
  static HMENU BuildNativeMenu(IMenu* menu, int* runningId);
  static LRESULT CALLBACK TextEntryProc(HWND entry, UINT message, WPARAM wParam, LPARAM lParam);

  // The tooltip of the editor window: a null text hides it.
  void SetTooltipText(const char* text);
  // The tooltip of the control under the pointer, when it has one.
  void ShowControlTooltip();
  // The prompt becomes the colour dialog's title.
  static UINT_PTR CALLBACK ColorDialogHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  // The folder of the module's file with its final backslash; empty when
  // it cannot be told.
  static void ModuleFolder(HMODULE module, StringBuffer* folder);

  // The parts of the window that tests look at.
  HWND EntryWindow() const { return mEntryWindow; }
  int EntryState() const { return mEntryState; }
  HFONT EntryFont() const { return mEntryFont; }
  HWND TooltipWindow() const { return mTooltipWindow; }
  bool TooltipShown() const { return mTooltipShown; }
  const COLORREF* CustomColours() const { return mCustomColours; }

private:
  static LRESULT CALLBACK EditorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM editor);
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleEntryMessage(HWND entry, UINT message, WPARAM wParam, LPARAM lParam);
  void TimerTick();
  // The tick that ends an entry: the text is applied or dropped, the entry
  // window destroyed and the entry forgotten.
  void EndTextEntry(bool apply);
  // Clears the entry's fields and deletes its font.
  void ForgetTextEntry();
  void ForwardKey(UINT message, WPARAM wParam, LPARAM lParam);
  // The window is gone (destroyed with the host's window, or closed): its
  // handle and its use of the class are given up once.
  void ForgetWindow();
  bool TextEntryOpen() const { return mEntryWindow != nullptr; }
  void SetUpTooltips();
  void HideTooltip();

  HINSTANCE mModule = nullptr;
  HWND mWindow = nullptr;
  HWND mEntryWindow = nullptr;
  HWND mTooltipWindow = nullptr;
  IControl* mEntryControl = nullptr;
  IPlugParameter* mEntryParam = nullptr;
  WNDPROC mPreviousEntryProc = nullptr;
  HFONT mEntryFont = nullptr;
  int mEntryState = 0;
  bool mTooltipShown = false;
  int mTooltipControl = -1;
  COLORREF* mCustomColours = nullptr;
  DWORD mProcessId = 0;
  HWND mParentWindow = nullptr;
  HWND mMainWindow = nullptr;
  StringBuffer mMainWindowClass;
  // Guards against a host that hands a forwarded key straight back.
  bool mForwardingKey = false;
  // Set while this editor releases the mouse itself after a button release.
  bool mReleasingCapture = false;
};
