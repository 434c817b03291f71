// ProcessDouble of the effect on stereo 48 kHz sibilant speech, against the
// same processing written the straightforward way.

#include "ReferenceDeEsser.h"
#include "OfflineEffect.h"

#include <benchmark/benchmark.h>
#include <sndfile.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
struct Speech
{
  std::vector<double> left, right;
};

const Speech& LoadSpeech()
{
  static const Speech speech = [] {
    Speech s;
    SF_INFO info = {};
    SNDFILE* file = sf_open(ZL_BENCH_SPEECH, SFM_READ, &info);
    if (!file || info.channels != 2)
    {
      std::fprintf(stderr, "bench: cannot read %s\n", ZL_BENCH_SPEECH);
      std::exit(1);
    }
    std::vector<double> interleaved(info.frames * 2);
    sf_readf_double(file, interleaved.data(), info.frames);
    sf_close(file);
    for (sf_count_t f = 0; f < info.frames; ++f)
    {
      s.left.push_back(interleaved[2 * f]);
      s.right.push_back(interleaved[2 * f + 1]);
    }
    return s;
  }();
  return speech;
}

// Reported as seconds per frame ("n" for nanoseconds).
void SetFramesCounter(benchmark::State& state, long long frames)
{
  state.counters["per_frame"] =
      benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_ProcessDouble(benchmark::State& state)
{
  const int block = static_cast<int>(state.range(0));
  const Speech& speech = LoadSpeech();
  const int n = static_cast<int>(speech.left.size()) / block * block;
  OfflineEffect plug{IPlugOffline::InstanceInfo()};
  plug.SetUpProcessing(48000.0, block);
  plug.SetInputChannelConnections(0, 2, true);
  std::vector<double> out0(block), out1(block);
  long long frames = 0;
  for (auto _ : state)
  {
    for (int start = 0; start < n; start += block)
    {
      double* inputs[2] = {const_cast<double*>(speech.left.data()) + start,
                           const_cast<double*>(speech.right.data()) + start};
      double* outputs[2] = {out0.data(), out1.data()};
      plug.ProcessDouble(inputs, outputs, block);
    }
    benchmark::DoNotOptimize(out0.data());
    frames += n;
  }
  SetFramesCounter(state, frames);
}

void BM_Straightforward(benchmark::State& state)
{
  const int block = static_cast<int>(state.range(0));
  const Speech& speech = LoadSpeech();
  const int n = static_cast<int>(speech.left.size()) / block * block;
  ReferenceDeEsser reference(48000.0);
  std::vector<double> out0(block), out1(block);
  long long frames = 0;
  for (auto _ : state)
  {
    for (int start = 0; start < n; start += block)
      reference.Process(speech.left.data() + start, speech.right.data() + start, true, out0.data(),
                        out1.data(), block);
    benchmark::DoNotOptimize(out0.data());
    frames += n;
  }
  SetFramesCounter(state, frames);
}
}

BENCHMARK(BM_ProcessDouble)->Arg(64)->Arg(512)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Straightforward)->Arg(64)->Arg(512)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
