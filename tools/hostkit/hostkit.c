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

float TestSignalSample(unsigned* seed, int index)
{
  *seed = *seed * 1664525u + 1013904223u;
  return (float)(0.3 * ((index % 100) / 50.0 - 1.0) + 0.4 * ((double)(*seed >> 8) / 8388608.0 - 1.0));
}

void MakeTestSignal(float* samples, int count, unsigned seed)
{
  int i;
  for (i = 0; i < count; ++i)
    samples[i] = TestSignalSample(&seed, i);
}

static void RunStressBlock(StressAudio* audio, unsigned seed)
{
  audio->block(audio, seed);
  InterlockedIncrement(&audio->blocks);
}

static DWORD WINAPI StressAudioMain(void* argument)
{
  StressAudio* audio = (StressAudio*)argument;
  unsigned seed = 1;
  while (!audio->stop)
    RunStressBlock(audio, seed++);
  return 0;
}

void StartStressAudio(StressAudio* audio, void (*block)(StressAudio*, unsigned), void* context)
{
  memset(audio, 0, sizeof *audio);
  audio->block = block;
  audio->context = context;
  audio->threaded = ThreadsAvailable();
  if (audio->threaded)
    audio->thread = CreateThread(NULL, 0, StressAudioMain, audio, 0, NULL);
  CHECK(!audio->threaded || audio->thread != NULL);
}

int StressRoundDue(const StressAudio* audio, int k, int rounds)
{
  return k < rounds || (audio->threaded && audio->blocks < 200 && k < 2000000);
}

void StressInterleave(StressAudio* audio, unsigned seed)
{
  if (!audio->threaded)
    RunStressBlock(audio, seed);
}

void StopStressAudio(StressAudio* audio)
{
  audio->stop = 1;
  audio->ended = 1;
  if (audio->thread)
  {
    audio->ended = WaitForSingleObject(audio->thread, 60000) == WAIT_OBJECT_0;
    CloseHandle(audio->thread);
    audio->thread = NULL;
  }
}

void CheckStressAudio(const StressAudio* audio)
{
  CHECK(audio->ended); /* no deadlock */
  CHECK(audio->blocks > 0);
  CHECK(audio->nonFinite == 0);
}

const char* StressMode(const StressAudio* audio) { return audio->threaded ? "two threads" : "one thread"; }
