/* An audio thread in the process callback while the test thread reads and
 * writes chunks and updates parameters: no crash, no deadlock, finite
 * output, and every chunk written right after a read is what was read. */

#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "aaxobjects.h"

enum
{
  kFrames = 256,
  kRounds = 300
};

typedef struct
{
  const Callbacks* callbacks;
  Instance* instance;
  volatile LONG stop;
  volatile LONG blocks;
  volatile LONG nonFinite;
} AudioThread;

static void AudioBlock(AudioThread* audio, unsigned seed)
{
  static float in[2][kFrames], out[2][kFrames];
  float* ins[2] = {in[0], in[1]};
  float* outs[2] = {out[0], out[1]};
  int i;
  MakeSignal(in[0], 2 * kFrames, seed);
  ProcessBlock(audio->callbacks, audio->instance, ins, outs, kFrames);
  for (i = 0; i < 2 * kFrames; ++i)
    if (!isfinite(out[i / kFrames][i % kFrames]))
      InterlockedIncrement(&audio->nonFinite);
  InterlockedIncrement(&audio->blocks);
}

static DWORD WINAPI AudioThreadMain(void* context)
{
  AudioThread* audio = (AudioThread*)context;
  unsigned seed = 1;
  while (!audio->stop)
    AudioBlock(audio, seed++);
  return 0;
}

void StressRun(const Callbacks* callbacks)
{
  static const char* const ids[] = {"1", "2", "11", "12", "13", "14", "15", "16", "17", "18"};
  static unsigned char written[kRecordBytes], readBack[kRecordBytes];
  double values[kPlugParameters] = {50, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 0};
  Instance instance;
  AudioThread audio;
  HANDLE thread = NULL;
  char* output = (char*)malloc(1 << 16);
  int k, mismatches = 0, threaded = ThreadsAvailable();

  CHECK(OpenInstance(&instance, callbacks, "T", 48000.0f, 2));
  if (!instance.face || !output)
  {
    CloseInstance(&instance);
    free(output);
    return;
  }
  memset(&audio, 0, sizeof audio);
  audio.callbacks = callbacks;
  audio.instance = &instance;
  /* The module prints a line per block: kept from the log. */
  BeginCapture();
  if (threaded)
    thread = CreateThread(NULL, 0, AudioThreadMain, &audio, 0, NULL);
  CHECK(!threaded || thread != NULL);
  /* At least kRounds rounds, and on until the audio thread has run a good
   * number of blocks against them (bounded, so a stuck thread fails). */
  for (k = 0; k < kRounds || (threaded && audio.blocks < 200 && k < 2000000); ++k)
  {
    EffectParameters* face = instance.face;
    uint8_t equal = 0;
    values[0] = k % 101;
    values[10] = k & 1;
    values[1] = (k * 7) % 101;
    MakeRecord(written, kPlugChunkId, values, kStateBytes);
    if (face->vtbl->readChunk(face, kPlugChunkId, written) != kOk)
      ++mismatches;
    if (!threaded)
      AudioBlock(&audio, (unsigned)k);
    MakeRecord(readBack, kPlugChunkId, NULL, 0);
    if (face->vtbl->writeChunk(face, kPlugChunkId, readBack) != kOk ||
        memcmp(readBack, written, sizeof(ChunkHeader) + kStateBytes) != 0)
      ++mismatches;
    if (face->vtbl->compareChunk(face, written, &equal) != kOk || !equal)
      ++mismatches;
    face->vtbl->updateParameterFromHost(face, ids[k % 10], (k % 7) / 6.0, 0);
    {
      double value;
      face->vtbl->getParameterNormalized(face, ids[(k + 3) % 10], &value);
    }
    ClearLog();
  }
  audio.stop = 1;
  if (thread)
  {
    CHECK(WaitForSingleObject(thread, 60000) == WAIT_OBJECT_0); /* no deadlock */
    CloseHandle(thread);
  }
  EndCapture(output, 1 << 16);
  free(output);
  CHECK(mismatches == 0);
  CHECK(audio.blocks > 0);
  CHECK(audio.nonFinite == 0);
  CHECK(CloseInstance(&instance));
  printf("stress: %d chunk rounds against %ld audio blocks (%s)\n", k, (long)audio.blocks,
         threaded ? "two threads" : "one thread");
}
