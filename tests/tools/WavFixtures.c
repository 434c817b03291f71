/* Writes the small WAV files that the tests of wavcompare compare:
 *   wav_fixtures DIR
 * reference.wav (stereo, 4 frames), close.wav (within 1e-6 of it), far.wav
 * (one sample 0.01 off), nan.wav and infinite.wav (one sample not finite)
 * and mono.wav (another layout). */
#include "TestEnd.h"
#include "wav.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

enum
{
  kFrames = 4,
  kChannels = 2
};

static int Write(const char* dir, const char* name, float* samples, int channels)
{
  char path[1024];
  WavAudio audio = {channels, 48000, kFrames, samples};
  snprintf(path, sizeof path, "%s/%s", dir, name);
  if (WavWrite(path, &audio) != 0)
  {
    fprintf(stderr, "wav_fixtures: cannot write %s\n", path);
    return 1;
  }
  return 0;
}

static int Run(int argc, char** argv)
{
  const float reference[kFrames * kChannels] = {0.0f, 0.25f, -0.5f, 0.5f, 0.75f, -0.75f, 1.0f, -1.0f};
  float changed[kFrames * kChannels];
  int failed = 0;
  if (argc != 2)
  {
    fprintf(stderr, "usage: wav_fixtures DIR\n");
    return 2;
  }
  memcpy(changed, reference, sizeof changed);
  failed |= Write(argv[1], "reference.wav", changed, kChannels);
  failed |= Write(argv[1], "mono.wav", changed, 1);
  changed[3] += 5e-7f;
  failed |= Write(argv[1], "close.wav", changed, kChannels);
  changed[3] = reference[3] + 0.01f;
  failed |= Write(argv[1], "far.wav", changed, kChannels);
  changed[3] = reference[3];
  changed[5] = NAN;
  failed |= Write(argv[1], "nan.wav", changed, kChannels);
  changed[5] = -INFINITY;
  failed |= Write(argv[1], "infinite.wav", changed, kChannels);
  return failed;
}

int main(int argc, char** argv) { return RunToTheEnd(Run, argc, argv); }
