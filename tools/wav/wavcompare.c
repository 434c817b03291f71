/* Compares two WAV files sample by sample: exactly, or within an absolute
 * tolerance.  Usage: wavcompare A.wav B.wav [TOLERANCE]
 * Exits 0 when they agree, 1 when not, 77 when B does not exist. */
#include "wav.h"

#include <math.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
  WavAudio a, b;
  char error[128];
  double tolerance = 0.0, worst = 0.0;
  long i, worstAt = -1, count;
  FILE* probe;
  if (argc < 3 || argc > 4)
  {
    fprintf(stderr, "usage: wavcompare A.wav B.wav [TOLERANCE]\n");
    return 2;
  }
  if (argc == 4)
    tolerance = atof(argv[3]);
  probe = fopen(argv[2], "rb");
  if (!probe)
  {
    printf("%s does not exist: skipped\n", argv[2]);
    return 77;
  }
  fclose(probe);
  if (WavRead(argv[1], &a, error) || WavRead(argv[2], &b, error))
  {
    fprintf(stderr, "wavcompare: %s\n", error);
    return 1;
  }
  if (a.channels != b.channels || a.frames != b.frames || a.sampleRate != b.sampleRate)
  {
    printf("layouts differ: %d x %ld at %d against %d x %ld at %d\n", a.channels, a.frames, a.sampleRate,
           b.channels, b.frames, b.sampleRate);
    return 1;
  }
  count = a.frames * a.channels;
  for (i = 0; i < count; ++i)
  {
    double d = fabs((double)a.samples[i] - (double)b.samples[i]);
    if (d > worst || (a.samples[i] != b.samples[i] && worstAt < 0))
    {
      worst = d;
      worstAt = i;
    }
  }
  printf("%ld samples, largest difference %.3g at %ld (tolerance %.3g)\n", count, worst, worstAt, tolerance);
  return (tolerance == 0.0 ? worstAt >= 0 : worst > tolerance) ? 1 : 0;
}
