/* What the module prints: its stdout is the C runtime's, which the host
 * shares, so descriptor 1 is pointed at a file for a while. */

#include <io.h>
#include <stdio.h>
#include <string.h>

#include "aaxobjects.h"

static FILE* gCapture;
static char gCapturePath[MAX_PATH];
static int gSavedOutput = -1;

void BeginCapture(void)
{
  char folder[MAX_PATH];
  fflush(stdout);
  gCapture = NULL;
  if (!GetTempPathA(sizeof folder, folder) || !GetTempFileNameA(folder, "aax", 0, gCapturePath))
    return;
  gCapture = fopen(gCapturePath, "w+b");
  if (!gCapture)
    return;
  gSavedOutput = _dup(1);
  _dup2(_fileno(gCapture), 1);
}

void EndCapture(char* text, int size)
{
  size_t got = 0;
  text[0] = 0;
  if (!gCapture)
    return;
  fflush(stdout);
  _dup2(gSavedOutput, 1);
  _close(gSavedOutput);
  rewind(gCapture);
  got = fread(text, 1, (size_t)size - 1, gCapture);
  text[got] = 0;
  fclose(gCapture);
  gCapture = NULL;
  DeleteFileA(gCapturePath);
}

int CountLines(const char* text, const char* line)
{
  size_t length = strlen(line);
  int count = 0;
  const char* p = text;
  while (*p)
  {
    if (strncmp(p, line, length) == 0)
      ++count;
    p = strchr(p, '\n');
    if (!p)
      break;
    ++p;
  }
  return count;
}
