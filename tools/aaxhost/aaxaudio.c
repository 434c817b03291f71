/* Audio through the process callback the description registered, in
 * contexts this host builds: stereo against mono, contexts that name no
 * instance, the master bypass, a block longer than the instance's buffers,
 * and blocks without frames. */

#include <math.h>
#include <stdio.h>
#include <string.h>

#include "aaxobjects.h"

enum
{
  kFrames = 256,
  kBlocks = 12,
  kLongBlock = 2048
};

static void Fill(float* samples, int count, float value)
{
  int i;
  for (i = 0; i < count; ++i)
    samples[i] = value;
}

static int AllAre(const float* samples, int count, float value)
{
  int i;
  for (i = 0; i < count; ++i)
    if (samples[i] != value)
      return 0;
  return 1;
}

static int Finite(const float* samples, int count)
{
  int i;
  for (i = 0; i < count; ++i)
    if (!isfinite(samples[i]))
      return 0;
  return 1;
}

static int Changed(const float* a, const float* b, int count)
{
  int i, changed = 0;
  for (i = 0; i < count; ++i)
    changed += a[i] != b[i];
  return changed;
}

/* A stereo instance fed the same signal on both inputs and a mono one fed
 * it once, in one call with two contexts that name no instance between
 * them: the mono output is the stereo left, bit for bit. */
static void CheckStereoAndMono(const Callbacks* callbacks)
{
  static float in[kFrames], stereo[2][kFrames], mono[kFrames], spare[2][kFrames];
  float* stereoIns[2] = {in, in};
  float* stereoOuts[2] = {stereo[0], stereo[1]};
  float* monoIns[1] = {in};
  float* monoOuts[1] = {mono};
  float* spareOuts[2] = {spare[0], spare[1]};
  Instance left, single;
  AlgorithmContext contexts[4];
  AlgorithmContext* list[4];
  void* noInstance = NULL;
  int32_t frames = kFrames;
  static char output[65536];
  LONG transportCalls = TransportNodeCalls(), midiCalls = MidiNodeCalls();
  int b, same = 1, finite = 1, changed = 0, k;

  CHECK(OpenInstance(&left, callbacks, "S", 44100.0f, 2));
  CHECK(OpenInstance(&single, callbacks, "M", 44100.0f, 1));
  if (!left.face || !single.face)
  {
    CloseInstance(&left);
    CloseInstance(&single);
    return;
  }
  FillContext(&contexts[0], stereoIns, stereoOuts, &frames, &left.cell);
  FillContext(&contexts[1], stereoIns, spareOuts, &frames, &noInstance);
  FillContext(&contexts[2], stereoIns, spareOuts, &frames, NULL);
  FillContext(&contexts[3], monoIns, monoOuts, &frames, &single.cell);
  for (k = 0; k < 4; ++k)
    list[k] = &contexts[k];
  Fill(spare[0], 2 * kFrames, 7.0f);
  ClearLog();
  BeginCapture();
  for (b = 0; b < kBlocks; ++b)
  {
    MakeTestSignal(in, kFrames, (unsigned)b);
    callbacks->process(list, list + 4);
    same &= memcmp(mono, stereo[0], sizeof mono) == 0 && memcmp(stereo[0], stereo[1], sizeof mono) == 0;
    finite &= Finite(stereo[0], 2 * kFrames) && Finite(mono, kFrames);
    changed += Changed(in, mono, kFrames);
  }
  EndCapture(output, sizeof output);
  CHECK(same);
  CHECK(finite);
  CHECK(changed > 0);
  CHECK(AllAre(spare[0], 2 * kFrames, 7.0f));
  /* Each block prints the plug-in's input count, and asks the transport
   * node once; the input MIDI node is not read without MIDI. */
  CHECK(CountLines(output, "attach input buffers: 0 - 2\n") == 2 * kBlocks);
  CHECK(TransportNodeCalls() - transportCalls == 2 * kBlocks);
  CHECK(MidiNodeCalls() == midiCalls);
  {
    int i, layouts = 0;
    for (i = 0; i < LogCount(); ++i)
      layouts += strcmp(LogEntry(i), "controllerM.GetInputChannelLayout") == 0 ||
                 strcmp(LogEntry(i), "controllerM.GetOutputChannelLayout") == 0;
    CHECK(layouts == 2 * kBlocks);
  }
  CHECK(CloseInstance(&left));
  CHECK(CloseInstance(&single));
}

/* Bypassed, the outputs are the inputs; then the effect again. */
static void CheckBypass(const Callbacks* callbacks, Instance* instance)
{
  static float in[2][kFrames], out[2][kFrames];
  float* ins[2] = {in[0], in[1]};
  float* outs[2] = {out[0], out[1]};
  EffectParameters* face = instance->face;
  int b, changed = 0;
  static char output[65536];
  BeginCapture();
  CHECK(face->vtbl->updateParameterFromHost(face, "MasterBypassID", 1.0, 0) == kOk);
  MakeTestSignal(in[0], 2 * kFrames, 99);
  ProcessBlock(callbacks, instance, ins, outs, kFrames);
  CHECK(memcmp(in, out, sizeof in) == 0);
  CHECK(face->vtbl->updateParameterFromHost(face, "MasterBypassID", 0.0, 0) == kOk);
  for (b = 0; b < kBlocks; ++b)
  {
    MakeTestSignal(in[0], 2 * kFrames, (unsigned)b);
    ProcessBlock(callbacks, instance, ins, outs, kFrames);
    changed += Changed(in[0], out[0], 2 * kFrames);
  }
  EndCapture(output, sizeof output);
  CHECK(changed > 0);
}

/* A block of 2048 frames, longer than the buffers an instance starts
 * with: every frame processed, and every frame passed through when
 * bypassed. (That it equals the effect run directly in blocks of the
 * instance's size, the render comparisons show.) */
static void CheckLongBlock(const Callbacks* callbacks)
{
  static float in[2][kLongBlock], out[2][kLongBlock];
  float* ins[2] = {in[0], in[1]};
  float* outs[2] = {out[0], out[1]};
  static char output[65536];
  Instance instance;
  CHECK(OpenInstance(&instance, callbacks, "L", 48000.0f, 2));
  if (!instance.face)
  {
    CloseInstance(&instance);
    return;
  }
  MakeTestSignal(in[0], 2 * kLongBlock, 5);
  Fill(out[0], 2 * kLongBlock, NAN);
  BeginCapture();
  ProcessBlock(callbacks, &instance, ins, outs, kLongBlock);
  CHECK(Finite(out[0], 2 * kLongBlock));
  CHECK(Changed(in[0] + kLongBlock / 2, out[0] + kLongBlock / 2, kLongBlock / 2) > 0);
  instance.face->vtbl->updateParameterFromHost(instance.face, "MasterBypassID", 1.0, 0);
  ProcessBlock(callbacks, &instance, ins, outs, kLongBlock);
  CHECK(memcmp(in, out, sizeof in) == 0);
  EndCapture(output, sizeof output);
  CHECK(CloseInstance(&instance));
}

/* Blocks without frames, and empty or reversed lists of contexts, write
 * nothing. */
static void CheckEmptyBlocks(const Callbacks* callbacks, Instance* instance)
{
  static float in[2][kFrames], out[2][kFrames];
  float* ins[2] = {in[0], in[1]};
  float* outs[2] = {out[0], out[1]};
  AlgorithmContext context;
  AlgorithmContext* list[1] = {&context};
  int32_t frames = kFrames;
  static char output[65536];
  MakeTestSignal(in[0], 2 * kFrames, 3);
  Fill(out[0], 2 * kFrames, 7.0f);
  BeginCapture();
  ProcessBlock(callbacks, instance, ins, outs, 0);
  ProcessBlock(callbacks, instance, ins, outs, -5);
  FillContext(&context, ins, outs, &frames, &instance->cell);
  callbacks->process(list + 1, list);
  callbacks->process(list, list);
  callbacks->process(NULL, NULL);
  EndCapture(output, sizeof output);
  CHECK(AllAre(out[0], 2 * kFrames, 7.0f));
}

void CheckAudio(const Callbacks* callbacks, Instance* instance)
{
  CheckStereoAndMono(callbacks);
  CheckBypass(callbacks, instance);
  CheckLongBlock(callbacks);
  CheckEmptyBlocks(callbacks, instance);
}
