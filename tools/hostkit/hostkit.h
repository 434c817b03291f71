/* What the C test hosts share as test programs: the count of checks, the
 * parent window a host gives an editor, and whether a second thread can be
 * started. Nothing here knows a plug-in interface. */
#ifndef ZL_HOSTKIT_H
#define ZL_HOSTKIT_H

#include <windows.h>

void Check(int condition, const char* what, int line);
#define CHECK(condition) Check((condition) != 0, #condition, __LINE__)
/* Prints the counts; the program's exit code: 1 when a check failed. */
int ReportChecks(void);

/* A visible top-level window without a frame, 500 x 230 at (0, 0), of a
 * class registered once under the given name. */
HWND CreateHostWindow(const char* className);

/* Where 32-bit Wine runs through qemu-user no second thread can be
 * started (ZL_NO_THREADS=1): work meant for another thread interleaves
 * with the test's calls on one thread. */
int ThreadsAvailable(void);

#endif
