#include "Vst3Fakes.h"
#include "HostBlock.h"
#include "TestSignals.h"
#include "Vst3Effect.h"

#include <gtest/gtest.h>

#include <algorithm>
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

  // Hiss as the voice, which the effect lowers at once.
  void UseHiss()
  {
    const std::vector<double> speech = SibilantSignal(2 * 8820, 3, 1.0);
    voice.assign(speech.begin() + 8820, speech.begin() + 8820 + 256);
  }

  // Runs one block of n frames with the given input channel count: a tone,
  // or the voice when one is set.
  void Run32(int n, int inputChannels = 2, IParameterChanges* changes = nullptr)
  {
    in32.assign(2, std::vector<float>(n));
    out32.assign(2, std::vector<float>(n, -9.0f));
    for (int c = 0; c < 2; ++c)
      for (int f = 0; f < n; ++f)
        in32[c][f] = voice.empty() ? static_cast<float>(0.5 * std::sin(0.37 * f + c) * ((f / 40) % 2 ? 1.0 : 0.1))
                                   : static_cast<float>(voice[f % voice.size()]);
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
  std::vector<double> voice;
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

// Hosts keep the controller in step from their user-interface thread,
// possibly behind their automation: what they set there reads back, but the
// audio changes with the parameter queue only.
TEST_F(Vst3Process, ControllerBypassWaitsForTheQueue)
{
  SetUpPlug(kSample32);
  UseHiss();
  fakes::ValueQueue bypass(kBypassParamId, {1.0});
  fakes::ParameterChanges changes;
  changes.queues = {&bypass};
  Run32(256, 2, &changes);
  EXPECT_EQ(out32, in32);
  EXPECT_EQ(plug->getParamNormalized(kBypassParamId), 1.0);

  EXPECT_EQ(plug->setParamNormalized(kBypassParamId, 0.0), kResultOk);
  EXPECT_EQ(plug->getParamNormalized(kBypassParamId), 0.0);
  Run32(256);
  EXPECT_EQ(out32, in32) << "still bypassed";

  bypass.points = {0.0};
  Run32(256, 2, &changes);
  EXPECT_NE(out32, in32) << "processed";
  EXPECT_EQ(plug->getParamNormalized(kBypassParamId), 0.0);
}

// Hosts set up again on every change of sample rate or block size, and
// before many offline renders; they send a bypass point only when the value
// changes. The user's bypass outlives the new set-up: heard, shown and saved.
TEST_F(Vst3Process, ANewSetUpKeepsTheBypass)
{
  SetUpPlug(kSample32);
  UseHiss();
  fakes::ValueQueue bypass(kBypassParamId, {1.0});
  fakes::ParameterChanges changes;
  changes.queues = {&bypass};
  Run32(256, 2, &changes);
  ASSERT_EQ(out32, in32);

  plug->setActive(false);
  ProcessSetup setup = {kRealtime, kSample32, 256, 44100.0};
  ASSERT_EQ(plug->setupProcessing(setup), kResultOk);
  plug->setActive(true);
  for (int block = 0; block < 3; ++block)
  {
    Run32(256);
    EXPECT_EQ(out32, in32) << "block " << block;
  }
  EXPECT_EQ(plug->getParamNormalized(kBypassParamId), 1.0);
  fakes::Stream saved;
  ASSERT_EQ(plug->getState(&saved), kResultOk);
  ASSERT_EQ(saved.bytes.size(), 148u);
  EXPECT_EQ(std::vector<unsigned char>(saved.bytes.end() - 4, saved.bytes.end()),
            (std::vector<unsigned char>{1, 0, 0, 0}));

  bypass.points = {0.0};
  Run32(256, 2, &changes);
  EXPECT_NE(out32, in32) << "processed again";
  EXPECT_EQ(plug->getParamNormalized(kBypassParamId), 0.0);
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

// Runs n frames of stereo from start in one process call, through 32-bit or
// 64-bit host buffers.
void ProcessStereo(IAudioProcessor* processor, int32 sampleSize, std::vector<double>* in, std::vector<double>* out,
                   int start, int n)
{
  std::vector<float> in32[2], out32[2];
  float* ins32[2];
  float* outs32[2];
  double* ins64[2];
  double* outs64[2];
  for (int c = 0; c < 2; ++c)
  {
    in32[c].assign(in[c].begin() + start, in[c].begin() + start + n);
    out32[c].assign(n, 0.0f);
    ins32[c] = in32[c].data();
    outs32[c] = out32[c].data();
    ins64[c] = in[c].data() + start;
    outs64[c] = out[c].data() + start;
  }
  HostBlock block(sampleSize, n, ins32, outs32, ins64, outs64);
  processor->process(block.data);
  if (sampleSize == kSample32)
    for (int c = 0; c < 2; ++c)
      std::copy(out32[c].begin(), out32[c].end(), out[c].begin() + start);
}

TEST_F(Vst3Process, BlockLongerThanTheSetUpIsProcessedInParts)
{
  for (int32 size : {kSample32, kSample64})
  {
    Vst3Effect* whole = new Vst3Effect(IPlugVST3::InstanceInfo());
    Vst3Effect* parts = new Vst3Effect(IPlugVST3::InstanceInfo());
    for (Vst3Effect* p : {whole, parts})
    {
      p->initialize(nullptr);
      ProcessSetup setup = {kRealtime, size, 64, 44100.0};
      ASSERT_EQ(p->setupProcessing(setup), kResultOk);
    }
    std::vector<double> in[2], outWhole[2], outParts[2];
    for (int c = 0; c < 2; ++c)
    {
      for (int f = 0; f < 1000; ++f)
        in[c].push_back(0.7 * std::sin(0.9 * f + c) * ((f / 50) % 2));
      outWhole[c].assign(1000, 0.0);
      outParts[c].assign(1000, 0.0);
    }
    testing::internal::CaptureStdout();
    ProcessStereo(whole, size, in, outWhole, 0, 1000);
    for (int start = 0; start < 1000; start += 64)
      ProcessStereo(parts, size, in, outParts, start, start + 64 <= 1000 ? 64 : 1000 - start);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(whole->GetBlockSize(), 64) << "nothing grown on the audio thread";
    EXPECT_EQ(outWhole[0], outParts[0]) << size;
    EXPECT_EQ(outWhole[1], outParts[1]) << size;
    EXPECT_NE(outWhole[0], in[0]) << "the effect ran";
    for (Vst3Effect* p : {whole, parts})
    {
      p->terminate();
      p->release();
    }
  }
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

TEST_F(Vst3Process, NullHostChannelsReadSilenceAndTakeNothing)
{
  for (int32 size : {kSample32, kSample64})
  {
    Vst3Effect* p = new Vst3Effect(IPlugVST3::InstanceInfo());
    p->initialize(nullptr);
    ProcessSetup setup = {kRealtime, size, 64, 44100.0};
    p->setupProcessing(setup);
    std::vector<float> in32(64, 0.5f), out32(64, 7.0f);
    std::vector<double> in64(64, 0.5), out64(64, 7.0);
    float* ins32[2] = {nullptr, in32.data()};
    float* outs32[2] = {nullptr, out32.data()};
    double* ins64[2] = {nullptr, in64.data()};
    double* outs64[2] = {nullptr, out64.data()};
    HostBlock block(size, 64, ins32, outs32, ins64, outs64);
    p->GetParam(1)->Set(0.0);  // DryWet 0: the output is the input
    p->ParamChanged(1, false);
    testing::internal::CaptureStdout();
    p->process(block.data);
    testing::internal::GetCapturedStdout();
    if (size == kSample32)
      EXPECT_EQ(out32, std::vector<float>(64, 0.5f));
    else
      EXPECT_EQ(out64, std::vector<double>(64, 0.5));
    p->terminate();
    p->release();
  }
}

TEST_F(Vst3Process, NegativeChannelCountsOfExtraBusesAreHarmless)
{
  SetUpPlug(kSample64);
  std::vector<double> a(64, 0.25), b(64, 9.0), c(64, 9.0);
  double* ins[2] = {a.data(), a.data()};
  double* second[2] = {b.data(), c.data()};
  AudioBusBuffers input = {}, outputs[2] = {};
  input.numChannels = 2;
  input.channelBuffers64 = ins;
  outputs[0].numChannels = -1;
  outputs[0].channelBuffers64 = second;
  outputs[1].numChannels = 2;
  outputs[1].channelBuffers64 = second;
  ProcessData data = {};
  data.numSamples = 64;
  data.numInputs = 1;
  data.numOutputs = 2;
  data.inputs = &input;
  data.outputs = outputs;
  EXPECT_EQ(plug->process(data), kResultOk);
  EXPECT_EQ(b, std::vector<double>(64, 9.0)) << "the plug has no second output bus";
  input.numChannels = -5;
  EXPECT_EQ(plug->process(data), kResultOk);
  EXPECT_FALSE(plug->IsInputConnected(0));
}

TEST_F(Vst3Process, WithoutASetUpTheHostHearsSilence)
{
  plug->initialize(nullptr);
  Run32(64);
  EXPECT_EQ(out32, std::vector<std::vector<float>>(2, std::vector<float>(64, 0.0f)));
}

// A plug-in that takes MIDI, recording what reaches it.
class MidiPlug : public IPlugVST3
{
public:
  MidiPlug()
      : IPlugVST3(InstanceInfo(), 2, "2-2", 1, "Midi", "", "Zelvar", kPlugVersion, 1, 2, 0, true, false, false)
  {
  }
  void MidiEventIn(const IMidiEvent* event) override { received.push_back(*event); }
  std::vector<IMidiEvent> received;
};

TEST(Vst3Midi, ValuesOutsideTheirRangeAreLimited)
{
  MidiPlug* plug = new MidiPlug;
  plug->initialize(nullptr);
  ProcessSetup setup = {kRealtime, kSample32, 64, 44100.0};
  plug->setupProcessing(setup);
  fakes::ValueQueue loud(2 + 7, {5.0}), negative(2 + 1, {-3.0}), beyond(2 + 128, {0.5});
  fakes::ParameterChanges changes;
  changes.queues = {&loud, &negative, &beyond};
  fakes::EventList events;
  Event on = {}, off = {};
  on.type = Event::kNoteOnEvent;
  on.sampleOffset = 12;
  on.noteOn.channel = 3;
  on.noteOn.pitch = 300;
  on.noteOn.velocity = 2.5f;
  off.type = Event::kNoteOffEvent;
  off.noteOff.pitch = -4;
  events.events = {on, off};
  ProcessData data = {};
  data.inputParameterChanges = &changes;
  data.inputEvents = &events;
  plug->process(data);
  ASSERT_EQ(plug->received.size(), 4u) << "no controller past the 128";
  auto bytes = [](const IMidiEvent& e) { return std::vector<int>{e.offset, e.status, e.data1, e.data2}; };
  EXPECT_EQ(bytes(plug->received[0]), (std::vector<int>{0, 0xB0, 7, 127}));
  EXPECT_EQ(bytes(plug->received[1]), (std::vector<int>{0, 0xB0, 1, 0}));
  EXPECT_EQ(bytes(plug->received[2]), (std::vector<int>{12, 0x93, 127, 127}));
  EXPECT_EQ(bytes(plug->received[3]), (std::vector<int>{0, 0x80, 0, 0}));
  plug->terminate();
  plug->release();
}
}
