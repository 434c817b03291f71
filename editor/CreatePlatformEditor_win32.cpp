#include "CreatePlatformEditor.h"

#include "IGraphicsWin.h"
#include "ModuleHandle.h"

IGraphics* CreatePlatformEditor(IPlugBase* plug)
{
  IGraphicsWin* editor = new IGraphicsWin(plug);
  // A test program has no module handle: its own executable holds the
  // resources then.
  editor->SetModule(static_cast<HINSTANCE>(GetModuleInstance()));
  return editor;
}
