// ProcessDouble of the effect on stereo 48 kHz sibilant speech, against the
// same processing written the straightforward way, and against a whole VST3
// process call around it (32-bit and 64-bit host buffers), also with host
// blocks longer than the set-up.

#include "HostBlock.h"
#include "IPlugVST3.h"
#include "OfflineEffect.h"
#include "ReferenceDeEsser.h"

#include <benchmark/benchmark.h>
#include <sndfile.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
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

// With the editor attached the effect also shows each block in it.
void BM_ProcessDouble(benchmark::State& state)
{
  const int block = static_cast<int>(state.range(0));
  const bool withEditor = state.range(1) != 0;
  const Speech& speech = LoadSpeech();
  const int n = static_cast<int>(speech.left.size()) / block * block;
  OfflineEffect plug{IPlugOffline::InstanceInfo{kApiVst3, withEditor}};
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

// The module's audio entry as a host calls it, per block: parameter queue
// (empty here), connections, binding (and conversion for 32-bit buffers),
// the effect, and the binding trace on standard output. The host sends
// blocks of hostBlock frames to an instance set up for at most setUpBlock;
// each iteration runs the speech up to a whole number of spans.
void RunVst3Process(benchmark::State& state, int hostBlock, int setUpBlock, int span, Steinberg::int32 sampleSize)
{
  using namespace Steinberg;
  using namespace Steinberg::Vst;
  const Speech& speech = LoadSpeech();
  const int n = static_cast<int>(speech.left.size()) / span * span;
  ZelvarLispera<IPlugVST3>* plug = new ZelvarLispera<IPlugVST3>(IPlugVST3::InstanceInfo());
  plug->initialize(nullptr);
  ProcessSetup setup = {kRealtime, sampleSize, setUpBlock, 48000.0};
  plug->setupProcessing(setup);
  plug->setActive(true);
  std::vector<float> left32(speech.left.begin(), speech.left.end()), right32(speech.right.begin(), speech.right.end());
  std::vector<float> out32[2] = {std::vector<float>(hostBlock), std::vector<float>(hostBlock)};
  std::vector<double> out64[2] = {std::vector<double>(hostBlock), std::vector<double>(hostBlock)};
  long long frames = 0;
  for (auto _ : state)
  {
    for (int start = 0; start < n; start += hostBlock)
    {
      float* ins32[2] = {left32.data() + start, right32.data() + start};
      float* outs32[2] = {out32[0].data(), out32[1].data()};
      double* ins64[2] = {const_cast<double*>(speech.left.data()) + start,
                          const_cast<double*>(speech.right.data()) + start};
      double* outs64[2] = {out64[0].data(), out64[1].data()};
      HostBlock data(sampleSize, hostBlock, ins32, outs32, ins64, outs64);
      plug->process(data.data);
    }
    benchmark::DoNotOptimize(out32[0].data());
    benchmark::DoNotOptimize(out64[0].data());
    frames += n;
  }
  SetFramesCounter(state, frames);
  plug->terminate();
  plug->release();
}

void BM_Vst3Process(benchmark::State& state)
{
  const int block = static_cast<int>(state.range(0));
  RunVst3Process(state, block, block, block, static_cast<Steinberg::int32>(state.range(1)));
}

// One 4096-frame host block to an instance set up for 512 (processed in
// eight parts of 512), against eight 512-frame host blocks: both run the
// same frames of the speech.
void BM_Vst3LongBlock(benchmark::State& state)
{
  RunVst3Process(state, static_cast<int>(state.range(0)), 512, 4096, static_cast<Steinberg::int32>(state.range(1)));
}
}

BENCHMARK(BM_ProcessDouble)
    ->ArgNames({"block", "editor"})
    ->Args({64, 0})
    ->Args({64, 1})
    ->Args({512, 0})
    ->Args({512, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Straightforward)->Arg(64)->Arg(512)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Vst3Process)
    ->ArgNames({"block", "sample_size"})
    ->Args({64, 0})
    ->Args({512, 0})
    ->Args({64, 1})
    ->Args({512, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Vst3LongBlock)
    ->ArgNames({"host_block", "sample_size"})
    ->Args({4096, 0})
    ->Args({512, 0})
    ->Args({4096, 1})
    ->Args({512, 1})
    ->Unit(benchmark::kMillisecond);

// The processing glue traces every channel it binds on standard output: the
// reports go to standard error, and standard output to nowhere.
int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  if (!std::freopen("/dev/null", "w", stdout))
    std::fprintf(stderr, "bench: standard output stays open\n");
  benchmark::ConsoleReporter reporter;
  reporter.SetOutputStream(&std::cerr);
  reporter.SetErrorStream(&std::cerr);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
