// Renders a WAV file through the effect directly, on the offline wrapper,
// with the same 32-bit glue and blocks a host's module render uses: the
// reference a module's output must equal bit for bit.
// Usage: render_direct [--block N] IN.wav OUT.wav

#include "OfflineEffect.h"
#include "TestEnd.h"
#include "wav.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

static int Run(int argc, char** argv)
{
  int block = 512, i = 1;
  if (argc >= 3 && std::strcmp(argv[1], "--block") == 0)
  {
    block = std::atoi(argv[2]);
    i = 3;
  }
  if (argc - i != 2 || block < 1)
  {
    std::fprintf(stderr, "usage: render_direct [--block N] IN.wav OUT.wav\n");
    return 2;
  }
  WavAudio in;
  char error[128];
  if (WavRead(argv[i], &in, error))
  {
    std::fprintf(stderr, "render_direct: %s\n", error);
    return 1;
  }
  if (!std::freopen("NUL", "w", stdout))  // the glue's binding trace
    std::fprintf(stderr, "render_direct: standard output stays open\n");

  OfflineEffect plug{IPlugOffline::InstanceInfo()};
  plug.SetUpProcessing(in.sampleRate, block);
  WavAudio out = in;
  std::vector<float> samples(in.frames * in.channels);
  out.samples = samples.data();
  for (long start = 0; start < in.frames; start += block)
  {
    const int frames = static_cast<int>(in.frames - start < block ? in.frames - start : block);
    plug.ProcessInterleaved(in.samples + start * in.channels, samples.data() + start * in.channels, frames,
                            in.channels);
  }
  const int status = WavWrite(argv[i + 1], &out);
  WavFree(&in);
  return status;
}

int main(int argc, char** argv) { return RunToTheEnd(Run, argc, argv); }
