// The file and colour dialogs, the folders of the host, the plug-in, the
// desktop and the application data, and the clipboard's text.

#include "FileFilter.h"
#include "HeapBuffer.h"
#include "IGraphicsWin.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <new>

namespace
{
constexpr int kFileNameLength = 255;
constexpr int kModulePathLength = 256;
}

void IGraphicsWin::AskForFile(StringBuffer* file, int action, StringBuffer* folder, const char* extensions)
{
  FileFilter filter;
  if (!mWindow || !BuildFileFilter(extensions, &filter))
  {
    file->Set("");
    return;
  }
  // A starting name that does not fit the dialog's buffer is left out.
  char name[kFileNameLength + 1] = {};
  const char* current = file->Get();
  if (current && std::strlen(current) <= kFileNameLength)
    std::strcpy(name, current);

  if (folder && (!folder->Get() || !folder->Get()[0]))
    DesktopFolderPath(folder);

  // The pattern is the filter's description and its pattern alike.
  char filterText[2 * (FileFilter::kPatternLength + 1) + 1] = {};
  const size_t patternLength = std::strlen(filter.pattern);
  std::memcpy(filterText, filter.pattern, patternLength);
  std::memcpy(filterText + patternLength + 1, filter.pattern, patternLength);

  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = mWindow;
  dialog.lpstrFilter = patternLength ? filterText : nullptr;
  dialog.lpstrFile = name;
  dialog.nMaxFile = sizeof name;
  dialog.lpstrInitialDir = folder && folder->Get() ? folder->Get() : nullptr;
  dialog.lpstrDefExt = filter.defaultExtension[0] ? filter.defaultExtension : nullptr;
  const bool save = action == 1;
  dialog.Flags = save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  if (!(save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog)))
  {
    file->Set("");
    return;
  }
  char drive[_MAX_DRIVE] = {}, directory[_MAX_DIR] = {};
  _splitpath(name, drive, directory, nullptr, nullptr);
  if (folder && (drive[0] || directory[0]))
    folder->Printf(_MAX_DRIVE + _MAX_DIR, "%s%s", drive, directory);
  file->Set(name);
}

bool IGraphicsWin::AskForColor(IArgb* colour, const char* prompt)
{
  if (!mWindow || !colour)
    return false;
  if (!mCustomColours)
    mCustomColours = new (std::nothrow) COLORREF[16]();
  if (!mCustomColours)
    return false;
  CHOOSECOLORA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = mWindow;
  dialog.rgbResult = RGB(colour->red, colour->green, colour->blue);
  dialog.lpCustColors = mCustomColours;
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ENABLEHOOK | CC_SOLIDCOLOR | CC_ANYCOLOR;
  dialog.lCustData = reinterpret_cast<LPARAM>(prompt);
  dialog.lpfnHook = ColorDialogHook;
  if (!ChooseColorA(&dialog))
    return false;
  colour->red = GetRValue(dialog.rgbResult);
  colour->green = GetGValue(dialog.rgbResult);
  colour->blue = GetBValue(dialog.rgbResult);
  return true;
}

UINT_PTR CALLBACK IGraphicsWin::ColorDialogHook(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
  if (message == WM_INITDIALOG)
  {
    const CHOOSECOLORA* chooser = reinterpret_cast<const CHOOSECOLORA*>(lParam);
    if (chooser && chooser->lCustData)
      SetWindowTextA(dialog, reinterpret_cast<const char*>(chooser->lCustData));
  }
  return 0;
}

void IGraphicsWin::ModuleFolder(HMODULE module, StringBuffer* folder)
{
  char path[kModulePathLength] = {};
  const DWORD length = GetModuleFileNameA(module, path, kModulePathLength);
  // A path that fills the buffer was cut: no folder rather than a wrong one.
  const char* backslash = length > 0 && length < kModulePathLength ? std::strrchr(path, '\\') : nullptr;
  if (!backslash || !backslash[1])
  {
    folder->Set("");
    return;
  }
  folder->Set(path, static_cast<int>(backslash - path) + 1);
}

void IGraphicsWin::HostModulePath(StringBuffer* path) { ModuleFolder(nullptr, path); }

void IGraphicsWin::PluginModulePath(StringBuffer* path) { ModuleFolder(mModule, path); }

void IGraphicsWin::DesktopFolderPath(StringBuffer* path)
{
  char folder[MAX_PATH] = {};
  path->Set(SHGetSpecialFolderPathA(nullptr, folder, CSIDL_DESKTOP, FALSE) ? folder : "");
}

void IGraphicsWin::AppDataFolderPath(StringBuffer* path, bool common)
{
  char folder[MAX_PATH] = {};
  const int which = common ? CSIDL_COMMON_APPDATA : CSIDL_LOCAL_APPDATA;
  path->Set(SUCCEEDED(SHGetFolderPathA(nullptr, which, nullptr, 0, folder)) ? folder : "");
}

void IGraphicsWin::UserAppDataFolderPath(StringBuffer* path) { AppDataFolderPath(path, false); }

namespace
{
// The UTF-16 text as UTF-8; false when it cannot be converted or held.
bool ToUtf8(const wchar_t* wide, size_t length, StringBuffer* text)
{
  if (length == 0)
    return true;
  if (length > 0x7fffffff / 4)
    return false;
  const int count = static_cast<int>(length);
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, count, nullptr, 0, nullptr, nullptr);
  HeapBuffer utf8(128);
  if (bytes <= 0 || !utf8.Resize(bytes + 1) || utf8.Size() != bytes + 1)
    return false;
  char* out = static_cast<char*>(utf8.Get());
  if (WideCharToMultiByte(CP_UTF8, 0, wide, count, out, bytes, nullptr, nullptr) != bytes)
    return false;
  out[bytes] = 0;
  text->Set(out);
  return true;
}
}

bool IGraphicsWin::ClipboardText(StringBuffer* text)
{
  text->Set("");
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(mWindow))
    return false;
  bool read = false;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (const wchar_t* wide = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr)
  {
    // Not past the block, whether or not its text is terminated.
    read = ToUtf8(wide, wcsnlen(wide, GlobalSize(data) / sizeof(wchar_t)), text);
    GlobalUnlock(data);
  }
  CloseClipboard();
  return read;
}
