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

/* The test signal, every sample a float exactly: a voice-like ramp and
 * bursts of hiss from the seed. */
float TestSignalSample(unsigned* seed, int index);
void MakeTestSignal(float* samples, int count, unsigned seed);

/* The audio side of a stress run: block(audio, seed) processes one block
 * and counts the samples that are not finite into nonFinite; blocks counts
 * the blocks run. It runs on a
 * thread of its own from StartStressAudio on; where no second thread can
 * start, StressInterleave runs one block on the test's thread instead. */
typedef struct StressAudio
{
  void (*block)(struct StressAudio* audio, unsigned seed);
  void* context;
  volatile LONG stop;
  volatile LONG blocks;
  volatile LONG nonFinite;
  HANDLE thread;
  int threaded;
  int ended;
} StressAudio;

void StartStressAudio(StressAudio* audio, void (*block)(StressAudio*, unsigned), void* context);
/* Whether the test runs round k: at least rounds of them, and on until the
 * audio thread has run a good number of blocks (bounded, so a stuck thread
 * fails). */
int StressRoundDue(const StressAudio* audio, int k, int rounds);
void StressInterleave(StressAudio* audio, unsigned seed);
void StopStressAudio(StressAudio* audio);
/* Checks that the audio thread ended when stopped (no deadlock), that
 * blocks ran and that every sample was finite. */
void CheckStressAudio(const StressAudio* audio);
const char* StressMode(const StressAudio* audio);

#endif
