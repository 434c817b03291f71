#pragma once

#include "IGraphics.h"

// An editor without a window, for builds and tools that have none (and the
// tests): presenting records the rectangle; images come from PNG bytes
// registered by id; every dialog, menu and text entry answers as refused.
class IGraphicsHeadless : public IGraphics
{
public:
  explicit IGraphicsHeadless(IPlugBase* plug) : IGraphics(plug) {}

  // The PNG bytes of image id (kept by the caller for the program's life).
  static void RegisterImage(int id, const void* png, int size);

  bool PresentFrame(const IBounds& bounds) override;
  void CancelTextEntry() override {}
  int ShowMessageDialog(const char*, const char*, int) override { return 0; }
  IMenu* RunPopupMenu(IMenu*, IBounds*) override { return nullptr; }
  void OpenTextEntry(IControl*, ITextStyle*, IBounds*, const char*, IPlugParameter*) override {}
  void HostModulePath(StringBuffer* path) override;
  void PluginModulePath(StringBuffer* path) override;
  void DesktopFolderPath(StringBuffer* path) override;
  void AppDataFolderPath(StringBuffer* path, bool) override;
  void UserAppDataFolderPath(StringBuffer* path) override;
  void AskForFile(StringBuffer* file, int, StringBuffer*, const char*) override;
  bool AskForColor(IArgb*, const char*) override { return false; }
  void* OpenEditorWindow(void*) override { return nullptr; }
  void CloseEditorWindow() override {}
  void* WindowHandle() override { return nullptr; }
  bool ClipboardText(StringBuffer*) override { return false; }
  LICE_IBitmap* LoadResourceImage(int id, const char* name) override;
  bool HasImageResource(int id) override;

  int PresentCount() const { return mPresentCount; }
  const IBounds& LastPresented() const { return mLastPresented; }

private:
  int mPresentCount = 0;
  IBounds mLastPresented;
};
