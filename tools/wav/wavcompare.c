/* Compares two WAV files sample by sample: exactly, or within an absolute
 * tolerance.  Usage: wavcompare A.wav B.wav [TOLERANCE]
 * Exits 0 when they agree, 1 when not, 2 on bad usage, 77 when B does not
 * exist. A sample that is not finite (NaN or infinite) on either side never
 * agrees: a render gone wrong must not pass for a close one. */
#include "TestEnd.h"
#include "wav.h"

#include <math.h>
#include <stdio.h>
#include <stdlib.h>

static int ReadTolerance(const char* text, double* tolerance)
{
  char* end = NULL;
  *tolerance = strtod(text, &end);
  return end != text && *end == '\0' && isfinite(*tolerance) && *tolerance >= 0.0;
}

/* The verdict on two read files: 0 when they agree within tolerance. */
static int Compare(const WavAudio* a, const WavAudio* b, const char* nameA, const char* nameB, double tolerance)
{
  double worst = 0.0;
  long i, worstAt = -1, count, nonFinite = 0, firstNonFinite = -1;
  if (a->channels != b->channels || a->frames != b->frames || a->sampleRate != b->sampleRate)
  {
    fprintf(stderr, "wavcompare: layouts differ: %d x %ld at %d against %d x %ld at %d\n", a->channels, a->frames,
            a->sampleRate, b->channels, b->frames, b->sampleRate);
    return 1;
  }
  count = a->frames * a->channels;
  for (i = 0; i < count; ++i)
  {
    const double x = a->samples[i], y = b->samples[i];
    double d;
    if (!isfinite(x) || !isfinite(y))
    {
      if (nonFinite++ == 0)
        firstNonFinite = i;
      continue;
    }
    d = fabs(x - y);
    if (d > worst || (x != y && worstAt < 0))
    {
      worst = d;
      worstAt = i;
    }
  }
  printf("%ld samples, largest difference %.3g at %ld (tolerance %.3g)\n", count, worst, worstAt, tolerance);
  if (nonFinite > 0)
  {
    fprintf(stderr,
            "wavcompare: %ld samples are not finite, the first at %ld (frame %ld, channel %ld): %g in %s, %g in %s\n",
            nonFinite, firstNonFinite, firstNonFinite / a->channels, firstNonFinite % a->channels,
            a->samples[firstNonFinite], nameA, b->samples[firstNonFinite], nameB);
    return 1;
  }
  if (tolerance == 0.0 ? worstAt >= 0 : worst > tolerance)
  {
    fprintf(stderr, "wavcompare: %s and %s differ by %.3g at %ld\n", nameA, nameB, worst, worstAt);
    return 1;
  }
  return 0;
}

static int Run(int argc, char** argv)
{
  WavAudio a = {0, 0, 0, NULL}, b = {0, 0, 0, NULL};
  char error[128];
  double tolerance = 0.0;
  int result;
  FILE* probe;
  if (argc < 3 || argc > 4 || (argc == 4 && !ReadTolerance(argv[3], &tolerance)))
  {
    fprintf(stderr, "usage: wavcompare A.wav B.wav [TOLERANCE], TOLERANCE a finite number >= 0\n");
    return 2;
  }
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
    result = 1;
  }
  else
  {
    result = Compare(&a, &b, argv[1], argv[2], tolerance);
  }
  WavFree(&a);
  WavFree(&b);
  return result;
}

int main(int argc, char** argv) { return RunToTheEnd(Run, argc, argv); }
