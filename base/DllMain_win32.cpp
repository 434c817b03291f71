// The entry point of a module: it keeps the module handle, through which
// the editor finds its image resources. Compiled into each module rather
// than into the base library, so that the runtime's default entry point
// never takes its place.

#include "ModuleHandle.h"

#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID)
{
  SetModuleInstance(instance);
  return TRUE;
}
