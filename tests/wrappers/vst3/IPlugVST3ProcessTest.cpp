#include "Vst3Fakes.h"
#include "Vst3Effect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace
{
using namespace Steinberg;
using namespace Steinberg::Vst;

// An initialised, set-up instance and one stereo block of host buffers.
class Vst3Process : public testing::Test
{
protected:
  void SetUpPlug(int32 sampleSize, int32 maxBlock = 256)
  {
    plug->initialize(nullptr);
    ProcessSetup setup = {kRealtime, sampleSize, maxBlock, 44100.0};
    ASSERT_EQ(plug->setupProcessing(setup), kResultOk);
    plug->setActive(true);
  }

  void TearDown() override
  {
    plug->terminate();
    plug->release();
  }

  // Runs one block of n frames with the given input channel count.
  void Run32(int n, int inputChannels = 2, IParameterChanges* changes = nullptr)
  {
    in32.assign(2, std::vector<float>(n));
    out32.assign(2, std::vector<float>(n, -9.0f));
    for (int c = 0; c < 2; ++c)
      for (int f = 0; f < n; ++f)
        in32[c][f] = static_cast<float>(0.5 * std::sin(0.37 * f + c) * ((f / 40) % 2 ? 1.0 : 0.1));
    float* ins[2] = {in32[0].data(), in32[1].data()};
    float* outs[2] = {out32[0].data(), out32[1].data()};
    AudioBusBuffers input = {}, output = {};
    input.numChannels = inputChannels;
    input.channelBuffers32 = ins;
    output.numChannels = 2;
    output.channelBuffers32 = outs;
    ProcessData data = {};
    data.numSamples = n;
    data.numInputs = 1;
    data.numOutputs = 1;
    data.inputs = &input;
    data.outputs = &output;
    data.inputParameterChanges = changes;
    testing::internal::CaptureStdout();
    EXPECT_EQ(plug->process(data), kResultOk);
    testing::internal::GetCapturedStdout();
  }

  Vst3Effect* plug = new Vst3Effect(IPlugVST3::InstanceInfo());
  std::vector<std::vector<float>> in32, out32;
};

TEST_F(Vst3Process, DryWetZeroFromAQueuePassesTheInput)
{
  SetUpPlug(kSample32);
  fakes::ValueQueue dryWet(1, {0.7, 0.0});  // only the last point counts
  fakes::ParameterChanges changes;
  changes.queues = {&dryWet};
  Run32(256, 2, &changes);
  EXPECT_EQ(plug->GetParam(1)->Value(), 0.0);
  EXPECT_EQ(out32, in32);
}

TEST_F(Vst3Process, BypassFollowsTheLastPoint)
{
  SetUpPlug(kSample32);
  fakes::ValueQueue bypass(kBypassParamId, {0.2, 0.8});
  fakes::ParameterChanges changes;
  changes.queues = {&bypass};
  Run32(128, 2, &changes);
  EXPECT_TRUE(plug->IsBypassed());
  EXPECT_EQ(out32, in32);
  bypass.points = {0.5};
  Run32(128, 2, &changes);
  EXPECT_FALSE(plug->IsBypassed());
  bypass.points = {std::numeric_limits<double>::quiet_NaN()};
  plug->SetBypassed(true);
  Run32(128, 2, &changes);
  EXPECT_TRUE(plug->IsBypassed()) << "NaN is ignored";
}

TEST_F(Vst3Process, QueueValuesAreClampedAndPresetsApplied)
{
  SetUpPlug(kSample32);
  fakes::ValueQueue amount(0, {1.7});
  fakes::ValueQueue none(5, {0.25});
  fakes::ValueQueue empty(1, {});
  fakes::ParameterChanges changes;
  changes.queues = {&amount, &none, &empty, nullptr};
  Run32(64, 2, &changes);
  EXPECT_EQ(plug->GetParam(0)->Value(), 100.0);
  EXPECT_EQ(plug->Processing().Ratio(), 20.0);
  EXPECT_EQ(plug->GetParam(5)->Value(), 0.0) << "kind None, step 1: rounded";
  amount.points = {std::numeric_limits<double>::quiet_NaN()};
  Run32(64, 2, &changes);
  EXPECT_EQ(plug->GetParam(0)->Value(), 100.0);

  fakes::ValueQueue preset(kPresetParamId, {1.0});
  changes.queues = {&preset};
  Run32(64, 2, &changes);
  EXPECT_EQ(plug->GetParam(0)->Value(), 100.0) << "value 1.0 applies nothing";
  preset.points = {0.99};
  Run32(64, 2, &changes);
  EXPECT_EQ(plug->GetParam(0)->Value(), 50.0) << "preset 0 restores the defaults";
}

TEST_F(Vst3Process, EmptyBlocksLeaveNoHostPointerBehind)
{
  SetUpPlug(kSample32);
  Run32(64);
  ProcessData empty = {};
  empty.numSamples = 0;
  EXPECT_EQ(plug->process(empty), kResultOk);
  for (int c = 0; c < 2; ++c)
  {
    EXPECT_EQ(*plug->GetInChannel(c)->slot, plug->GetInChannel(c)->scratch.Get());
    EXPECT_EQ(plug->GetOutChannel(c)->hostDestination, nullptr);
  }
  ProcessData noBuses = {};
  noBuses.numSamples = 64;
  EXPECT_EQ(plug->process(noBuses), kResultOk);
}

TEST_F(Vst3Process, LongerBlockThanTheSetUpGrowsTheScratch)
{
  SetUpPlug(kSample32, 64);
  plug->GetParam(1)->Set(0.0);
  plug->ParamChanged(1, false);
  Run32(1000);
  EXPECT_EQ(plug->GetBlockSize(), 1000);
  EXPECT_EQ(out32, in32);
}

TEST_F(Vst3Process, InputThatIsNoLongerConnectedReadsSilence)
{
  SetUpPlug(kSample32);
  Run32(64, 2);
  Run32(64, 1);
  EXPECT_FALSE(plug->IsInputConnected(1));
  const IPlugInputChannel* second = plug->GetInChannel(1);
  for (int f = 0; f < 64; ++f)
    ASSERT_EQ(second->scratch.Get()[f], 0.0) << f;
}

TEST_F(Vst3Process, TransportComesFromTheLastContext)
{
  SetUpPlug(kSample32);
  TransportInfo before;
  plug->GetTransportInfo(&before);
  EXPECT_EQ(before.tempo, 0.0);
  ProcessContext context = {};
  context.state = ProcessContext::kPlaying | ProcessContext::kCycleActive;
  context.projectTimeSamples = (1LL << 32) + 77;
  context.projectTimeMusic = 12.5;
  context.barPositionMusic = 12.0;
  context.cycleStartMusic = 8.0;
  context.cycleEndMusic = 16.0;
  context.tempo = 96.0;
  context.timeSigNumerator = 6;
  context.timeSigDenominator = 8;
  ProcessData data = {};
  data.processContext = &context;
  plug->process(data);
  EXPECT_EQ(plug->GetSamplePosition(), 77.0) << "the low 32 bits";
  EXPECT_EQ(plug->GetHostTempo(), 96.0);
  int numerator = 0, denominator = 0;
  plug->GetHostTimeSignature(&numerator, &denominator);
  EXPECT_EQ(numerator, 6);
  EXPECT_EQ(denominator, 8);
  TransportInfo info;
  plug->GetTransportInfo(&info);
  EXPECT_EQ(info.samplePosition, static_cast<double>((1LL << 32) + 77));
  EXPECT_EQ(info.musicalPosition, 12.5);
  EXPECT_EQ(info.lastBarPosition, 12.0);
  EXPECT_EQ(info.cycleEnd, 16.0);
  EXPECT_TRUE(info.playing);
  EXPECT_TRUE(info.cycling);
}

TEST_F(Vst3Process, InPlace64BitBuffersMatchSeparateOnes)
{
  SetUpPlug(kSample64);
  Vst3Effect* other = new Vst3Effect(IPlugVST3::InstanceInfo());
  other->initialize(nullptr);
  ProcessSetup setup = {kRealtime, kSample64, 256, 44100.0};
  other->setupProcessing(setup);

  std::vector<double> left(256), right(256);
  for (int f = 0; f < 256; ++f)
  {
    left[f] = 0.6 * std::sin(0.9 * f) * ((f / 32) % 2);
    right[f] = 0.6 * std::cos(1.3 * f) * ((f / 32) % 2);
  }
  std::vector<double> inPlace0 = left, inPlace1 = right, out0(256), out1(256);
  for (int pass = 0; pass < 4; ++pass)
  {
    double* shared[2] = {inPlace0.data(), inPlace1.data()};
    AudioBusBuffers io = {};
    io.numChannels = 2;
    io.channelBuffers64 = shared;
    ProcessData data = {};
    data.numSamples = 256;
    data.numInputs = data.numOutputs = 1;
    data.inputs = data.outputs = &io;
    plug->process(data);

    double* ins[2] = {left.data(), right.data()};
    double* outs[2] = {out0.data(), out1.data()};
    AudioBusBuffers input = {}, output = {};
    input.numChannels = output.numChannels = 2;
    input.channelBuffers64 = ins;
    output.channelBuffers64 = outs;
    ProcessData separate = {};
    separate.numSamples = 256;
    separate.numInputs = separate.numOutputs = 1;
    separate.inputs = &input;
    separate.outputs = &output;
    other->process(separate);

    ASSERT_EQ(inPlace0, out0) << pass;
    ASSERT_EQ(inPlace1, out1) << pass;
    inPlace0 = left;
    inPlace1 = right;
  }
  other->terminate();
  other->release();
}
}
