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
} AudioTarget;

static void AudioBlock(StressAudio* audio, unsigned seed)
{
  static float in[2][kFrames], out[2][kFrames];
  float* ins[2] = {in[0], in[1]};
  float* outs[2] = {out[0], out[1]};
  const AudioTarget* target = (const AudioTarget*)audio->context;
  int i;
  MakeTestSignal(in[0], 2 * kFrames, seed);
  ProcessBlock(target->callbacks, target->instance, ins, outs, kFrames);
  for (i = 0; i < 2 * kFrames; ++i)
    if (!isfinite(out[i / kFrames][i % kFrames]))
      InterlockedIncrement(&audio->nonFinite);
}

void StressRun(const Callbacks* callbacks)
{
  static const char* const ids[] = {"1", "2", "11", "12", "13", "14", "15", "16", "17", "18"};
  static unsigned char written[kRecordBytes], readBack[kRecordBytes];
  double values[kPlugParameters] = {50, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 0};
  Instance instance;
  AudioTarget target;
  StressAudio audio;
  char* output = (char*)malloc(1 << 16);
  int k, mismatches = 0;

  CHECK(OpenInstance(&instance, callbacks, "T", 48000.0f, 2));
  if (!instance.face || !output)
  {
    CloseInstance(&instance);
    free(output);
    return;
  }
  target.callbacks = callbacks;
  target.instance = &instance;
  /* The module prints a line per block: kept from the log. */
  BeginCapture();
  StartStressAudio(&audio, AudioBlock, &target);
  for (k = 0; StressRoundDue(&audio, k, kRounds); ++k)
  {
    EffectParameters* face = instance.face;
    uint8_t equal = 0;
    values[0] = k % 101;
    values[10] = k & 1;
    values[1] = (k * 7) % 101;
    MakeRecord(written, kPlugChunkId, values, kStateBytes);
    if (face->vtbl->readChunk(face, kPlugChunkId, written) != kOk)
      ++mismatches;
    StressInterleave(&audio, (unsigned)k);
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
  StopStressAudio(&audio);
  EndCapture(output, 1 << 16);
  free(output);
  CHECK(mismatches == 0);
  CheckStressAudio(&audio);
  CHECK(CloseInstance(&instance));
  printf("stress: %d chunk rounds against %ld audio blocks (%s)\n", k, (long)audio.blocks,
         StressMode(&audio));
}
