// The module handle, kept for the editor's image resources.

#include "ModuleHandle.h"

#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID)
{
  SetModuleInstance(instance);
  return TRUE;
}
