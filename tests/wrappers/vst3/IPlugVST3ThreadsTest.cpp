// The VST3 wrapper between the host's audio thread and its set-up thread: a
// host that sets up processing again (a new sample rate or block size)
// while another thread still processes meets no race, and the audio stays
// finite.

#include "HostBlock.h"
#include "TestSignals.h"
#include "Vst3Effect.h"
#include "support/Threads.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
using namespace Steinberg;
using namespace Steinberg::Vst;

constexpr int kFrames = 256;

TEST(Vst3Threads, SetUpAgainstTheAudioThread)
{
  Vst3Effect* plug = new Vst3Effect(IPlugVST3::InstanceInfo());
  plug->initialize(nullptr);
  ProcessSetup first = {kRealtime, kSample32, kFrames, 48000.0};
  ASSERT_EQ(plug->setupProcessing(first), kResultOk);
  plug->setActive(true);

  const std::vector<double> voice = SibilantSignal(kFrames, 5);
  std::vector<float> in(voice.begin(), voice.end());
  std::vector<float> out[2] = {std::vector<float>(kFrames), std::vector<float>(kFrames)};
  float* ins[2] = {in.data(), in.data()};
  float* outs[2] = {out[0].data(), out[1].data()};
  HostBlock block(kSample32, kFrames, ins, outs, nullptr, nullptr);
  int nonFinite = 0;

  testing::internal::CaptureStdout();
  RunConcurrently(
      [&] {
        for (int i = 0; i < 400; ++i)
        {
          plug->process(block.data);
          for (const std::vector<float>& channel : out)
            for (float sample : channel)
              nonFinite += !std::isfinite(sample);
        }
      },
      [&] {
        for (int i = 0; i < 200; ++i)
        {
          ProcessSetup setup = {i % 3 == 0 ? kOffline : kRealtime, kSample32, i % 2 ? 2 * kFrames : kFrames,
                                i % 2 ? 44100.0 : 96000.0};
          plug->setupProcessing(setup);
        }
      });
  testing::internal::GetCapturedStdout();

  EXPECT_EQ(nonFinite, 0);
  EXPECT_EQ(plug->GetBlockSize(), 2 * kFrames);
  EXPECT_EQ(plug->GetSampleRate(), 44100.0);
  plug->setActive(false);
  plug->terminate();
  plug->release();
}
}
