#include "hostkit.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int gPassed, gFailed;

void Check(int condition, const char* what, int line)
{
  if (condition)
    ++gPassed;
  else
  {
    ++gFailed;
    printf("FAILED (line %d): %s\n", line, what);
  }
}

int ReportChecks(void)
{
  printf("%d passed, %d failed\n", gPassed, gFailed);
  return gFailed ? 1 : 0;
}

HWND CreateHostWindow(const char* className)
{
  WNDCLASSA windowClass;
  HINSTANCE instance = GetModuleHandleA(NULL);
  if (!GetClassInfoA(instance, className, &windowClass))
  {
    memset(&windowClass, 0, sizeof windowClass);
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
  }
  return CreateWindowExA(0, className, className, WS_POPUP | WS_VISIBLE, 0, 0, 500, 230, NULL, NULL, instance, NULL);
}

int ThreadsAvailable(void)
{
  const char* value = getenv("ZL_NO_THREADS");
  return !(value && value[0] == '1');
}
