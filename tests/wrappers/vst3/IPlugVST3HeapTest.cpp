// The VST3 wrapper against a heap that counts and fails: the audio path
// allocates nothing, and the host entries that do allocate answer a failure
// instead of throwing into the host, leaving nothing half built.

#include "CreatePlugInstance.h"
#include "HostBlock.h"
#include "Vst3Effect.h"
#include "Vst3Fakes.h"
#include "effect/TestSignals.h"
#include "support/SameBits.h"
#include "support/TestHeap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace
{
using namespace Steinberg;
using namespace Steinberg::Vst;

constexpr int kLongest = 1500;

// Releases a plug-in as a host does, with the failing heap switched off.
struct Released
{
  explicit Released(IPlugVST3* plug) : plug(plug) {}
  ~Released()
  {
    TestHeap::newFailsAfter = -1;
    if (plug)
    {
      plug->terminate();
      plug->release();
    }
  }
  IPlugVST3* plug;
};

// An instance set up and activated as a host does before processing.
IPlugVST3* Prepared(int32 sampleSize, int32 maxSamplesPerBlock)
{
  IPlugVST3* plug = CreatePlugInstance<IPlugVST3>();
  if (!plug)
    return nullptr;
  plug->initialize(nullptr);
  SpeakerArrangement stereo = SpeakerArr::kStereo;
  plug->setBusArrangements(&stereo, 1, &stereo, 1);
  ProcessSetup setup = {kRealtime, sampleSize, maxSamplesPerBlock, 48000.0};
  plug->setupProcessing(setup);
  plug->setActive(true);
  return plug;
}

TEST(Vst3Heap, ProcessAllocatesNothingFromTheFirstBlockOn)
{
  for (int32 sampleSize : {kSample32, kSample64})
  {
    Released instance(Prepared(sampleSize, 512));
    IPlugVST3* plug = instance.plug;
    ASSERT_NE(plug, nullptr);
    ASSERT_EQ(plug->GetBlockSize(), 512);

    std::vector<float> in32[2], out32[2];
    std::vector<double> in64[2], out64[2];
    float* ins32[2];
    float* outs32[2];
    double* ins64[2];
    double* outs64[2];
    for (int c = 0; c < 2; ++c)
    {
      for (int f = 0; f < kLongest; ++f)
        in64[c].push_back(0.8 * std::sin(0.93 * f + c) * ((f / 60) % 2));
      in32[c].assign(in64[c].begin(), in64[c].end());
      out32[c].assign(kLongest, 0.0f);
      out64[c].assign(kLongest, 0.0);
      ins32[c] = in32[c].data();
      outs32[c] = out32[c].data();
      ins64[c] = in64[c].data();
      outs64[c] = out64[c].data();
    }
    HostBlock block(sampleSize, 512, ins32, outs32, ins64, outs64);
    fakes::ValueQueue amount(0, {0.8}), bypass(kBypassParamId, {0.0}), preset(kPresetParamId, {0.0});
    fakes::ParameterChanges changes;
    changes.queues = {&preset, &amount, &bypass};
    ProcessContext context = {};
    ProcessData& data = block.data;
    data.inputParameterChanges = &changes;
    data.processContext = &context;

    // The C runtime's standard output buffer, which the binding trace
    // uses, exists before counting.
    std::printf("counting allocations from here\n");
    const long long before = TestHeap::Allocations();
    for (int round = 0; round < 4; ++round)
    {
      bypass.points[0] = round == 2 ? 1.0 : 0.0;
      data.numSamples = round == 3 ? kLongest : 512;  // the last is longer than the set-up
      EXPECT_EQ(plug->process(data), kResultOk);
    }
    EXPECT_EQ(TestHeap::Allocations() - before, 0) << "sample size " << sampleSize;
    EXPECT_EQ(plug->GetParam(0)->Value(), 80.0);
  }
}

// Sibilant speech from within a burst of hiss, in both sample sizes.
struct Speech
{
  explicit Speech(int frames)
  {
    for (int c = 0; c < 2; ++c)
    {
      const std::vector<double> signal = SibilantSignal(kSibilantStretch + frames, 17u + c);
      in32[c].assign(signal.begin() + kSibilantStretch, signal.end());
      in64[c].assign(in32[c].begin(), in32[c].end());
      out32[c].assign(frames, 0.0f);
      out64[c].assign(frames, 0.0);
    }
  }
  // Frames start to start + n - 1 as one process call.
  void Process(IPlugVST3* plug, int32 sampleSize, int start, int n)
  {
    float* ins32[2] = {in32[0].data() + start, in32[1].data() + start};
    float* outs32[2] = {out32[0].data() + start, out32[1].data() + start};
    double* ins64[2] = {in64[0].data() + start, in64[1].data() + start};
    double* outs64[2] = {out64[0].data() + start, out64[1].data() + start};
    HostBlock block(sampleSize, n, ins32, outs32, ins64, outs64);
    plug->process(block.data);
  }
  std::vector<float> in32[2], out32[2];
  std::vector<double> in64[2], out64[2];
};

// A block eight times the set-up's longest goes in parts of that length:
// nothing is allocated, the block size stays, and the host hears what
// blocks of that length give, bit for bit.
TEST(Vst3Heap, LongBlockGoesInPartsOfTheSetUp)
{
  constexpr int kBlockSize = 512, kLong = 8 * kBlockSize;
  for (int32 sampleSize : {kSample32, kSample64})
  {
    Released whole(Prepared(sampleSize, kBlockSize)), parts(Prepared(sampleSize, kBlockSize));
    ASSERT_TRUE(whole.plug && parts.plug);
    Speech a(kLong), b(kLong);

    std::printf("counting allocations from here\n");
    const long long before = TestHeap::Allocations();
    a.Process(whole.plug, sampleSize, 0, kLong);
    EXPECT_EQ(TestHeap::Allocations() - before, 0) << "sample size " << sampleSize;
    EXPECT_EQ(whole.plug->GetBlockSize(), kBlockSize);

    for (int start = 0; start < kLong; start += kBlockSize)
      b.Process(parts.plug, sampleSize, start, kBlockSize);
    for (int c = 0; c < 2; ++c)
    {
      EXPECT_TRUE(SameBits(a.out32[c], b.out32[c])) << sampleSize << " " << c;
      EXPECT_TRUE(SameBits(a.out64[c], b.out64[c])) << sampleSize << " " << c;
    }
    if (sampleSize == kSample32)
      EXPECT_NE(a.out32[0], a.in32[0]) << "the effect ran";
    else
      EXPECT_NE(a.out64[0], a.in64[0]) << "the effect ran";
  }
}
}

// Every allocation of initialize fails in turn: the host gets kOutOfMemory,
// no half-built parameter list or bus list stays behind, and a later
// initialize builds everything.
TEST(Vst3Heap, InitializeAnswersOutOfMemoryAndKeepsNothingHalfBuilt)
{
  int failures = 0;
  fakes::HostApplication host("Cubase");
  for (long long succeeding = 0;; ++succeeding)
  {
    Released instance(CreatePlugInstance<IPlugVST3>());
    IPlugVST3* plug = instance.plug;
    ASSERT_NE(plug, nullptr);
    TestHeap::newFailsAfter = succeeding;
    const tresult result = plug->initialize(&host);
    TestHeap::newFailsAfter = -1;
    if (result == kResultOk)
    {
      EXPECT_EQ(plug->getParameterCount(), 12);
      break;
    }
    ++failures;
    ASSERT_EQ(result, kOutOfMemory) << succeeding;
    EXPECT_EQ(plug->getParameterCount(), 0) << succeeding;
    EXPECT_EQ(plug->getBusCount(kAudio, kInput), 0) << succeeding;
    EXPECT_EQ(host.refs, 1) << "the context is not kept";
    ASSERT_EQ(plug->initialize(&host), kResultOk);
    EXPECT_EQ(plug->getParameterCount(), 12);
    EXPECT_EQ(plug->getBusCount(kAudio, kOutput), 1);
  }
  EXPECT_GT(failures, 10) << "the sweep met every allocation of initialize";
}

TEST(Vst3Heap, RefusedBusArrangementKeepsTheBuses)
{
  Released instance(CreatePlugInstance<IPlugVST3>());
  IPlugVST3* plug = instance.plug;
  ASSERT_EQ(plug->initialize(nullptr), kResultOk);
  SpeakerArrangement mono = SpeakerArr::kMono;
  TestHeap::newFailsAfter = 0;
  EXPECT_EQ(plug->setBusArrangements(&mono, 1, &mono, 1), kOutOfMemory);
  TestHeap::newFailsAfter = -1;
  BusInfo info;
  ASSERT_EQ(plug->getBusInfo(kAudio, kInput, 0, info), kResultOk);
  EXPECT_EQ(info.channelCount, 2);
  EXPECT_EQ(plug->setBusArrangements(&mono, 1, &mono, 1), kResultTrue);
  plug->getBusInfo(kAudio, kOutput, 0, info);
  EXPECT_EQ(info.channelCount, 1);
}

// Both allocations of createView (the view, its entry in the plug's list)
// fail in turn: the host gets no view, and the plug keeps neither a
// reference nor a list entry for it.
TEST(Vst3Heap, CreateViewAnswersNullWhenMemoryRunsOut)
{
  Released instance(CreatePlugInstance<IPlugVST3>());
  IPlugVST3* plug = instance.plug;
  int failures = 0;
  for (long long succeeding = 0;; ++succeeding)
  {
    TestHeap::newFailsAfter = succeeding;
    IPlugView* view = plug->createView(ViewType::kEditor);
    TestHeap::newFailsAfter = -1;
    if (view)
    {
      view->release();
      break;
    }
    ++failures;
    EXPECT_EQ(plug->RefCount(), 1u) << succeeding;
  }
  EXPECT_EQ(failures, 2);
  EXPECT_EQ(plug->RefCount(), 1u);
  plug->ResizeEditorWindow(600, 300);  // no view left behind to ask
}

// Every allocation of the effect's construction fails in turn: the factory
// gets null, and nothing made before the failure is left behind (the leak
// checker of the native build watches).
TEST(Vst3Heap, InstanceCreationAnswersNullWhenMemoryRunsOut)
{
  int failures = 0;
  for (long long succeeding = 0;; ++succeeding)
  {
    TestHeap::newFailsAfter = succeeding;
    IPlugVST3* plug = CreatePlugInstance<IPlugVST3>();
    TestHeap::newFailsAfter = -1;
    if (plug)
    {
      EXPECT_EQ(plug->NParams(), 18);
      plug->release();
      break;
    }
    ++failures;
  }
  EXPECT_GT(failures, 20);
}
