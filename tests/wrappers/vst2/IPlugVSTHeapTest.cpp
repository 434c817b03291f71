// The VST2 module against a heap that counts and fails: the audio
// callbacks allocate nothing, whatever the length of a block, and the host's entries
// answer a failure instead of throwing or keeping a half-changed state.

#include "Vst2Host.h"
#include "effect/TestSignals.h"
#include "support/SameBits.h"
#include "support/StateBytes.h"
#include "support/TestHeap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{
// Silent outputs over constant inputs, or over sibilant speech from within
// a burst of hiss.
struct Buffers
{
  explicit Buffers(int frames, bool sibilant = false)
  {
    for (int c = 0; c < 2; ++c)
    {
      if (sibilant)
      {
        const std::vector<double> signal = SibilantSignal(kSibilantStretch + frames, 17u + c);
        in64[c].assign(signal.begin() + kSibilantStretch, signal.end());
        in[c].assign(in64[c].begin(), in64[c].end());
      }
      else
      {
        in[c].assign(frames, 0.25f * (c + 1));
        in64[c].assign(frames, 0.25 * (c + 1));
      }
      out[c].assign(frames, 0.0f);
      out64[c].assign(frames, 0.0);
      ins[c] = in[c].data();
      outs[c] = out[c].data();
      ins64[c] = in64[c].data();
      outs64[c] = out64[c].data();
    }
  }
  std::vector<float> in[2], out[2];
  std::vector<double> in64[2], out64[2];
  float* ins[2];
  float* outs[2];
  double* ins64[2];
  double* outs64[2];
};

TEST(Vst2Heap, AudioCallbacksAllocateNothingWithinTheBlockSize)
{
  Instance instance;
  AEffect* e = instance.effect;
  instance.Dispatch(effOpen);
  instance.Dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f);
  instance.Dispatch(effSetBlockSize, 0, 512);
  instance.Dispatch(effMainsChanged, 0, 1);
  Buffers buffers(512);
  VstSpeakerArrangement mono = {};
  mono.numChannels = 1;

  // The C runtime's standard output buffer, which the binding trace uses,
  // exists before counting.
  std::printf("counting allocations from here\n");
  const long long before = TestHeap::Allocations();
  for (int round = 0; round < 3; ++round)
  {
    e->processReplacing(e, buffers.ins, buffers.outs, 512);
    e->process(e, buffers.ins, buffers.outs, 300);
    e->processDoubleReplacing(e, buffers.ins64, buffers.outs64, 512);
    e->setParameter(e, 0, 0.1f * round);
    e->getParameter(e, 0);
    instance.Dispatch(effSetSpeakerArrangement, 0, reinterpret_cast<intptr_t>(&mono), &mono);
  }
  EXPECT_EQ(TestHeap::Allocations() - before, 0);
}

// A block size whose scratch cannot be had keeps the one before, and
// processing goes on with it.
TEST(Vst2Heap, BlockSizeWithoutMemoryKeepsTheOneBefore)
{
  Instance instance;
  AEffect* e = instance.effect;
  instance.Dispatch(effSetBlockSize, 0, 256);
  {
    TestHeap::Scope failing(true, true);
    EXPECT_EQ(instance.Dispatch(effSetBlockSize, 0, 100000), 0);
  }
  EXPECT_EQ(instance.plug()->GetBlockSize(), 256);
  for (int i = 0; i < 2; ++i)
    EXPECT_EQ(instance.plug()->GetInChannel(i)->scratch.Count(), 256);

  Buffers buffers(256);
  e->processReplacing(e, buffers.ins, buffers.outs, 256);
  e->processDoubleReplacing(e, buffers.ins64, buffers.outs64, 256);
  EXPECT_NE(buffers.out[0][255], 0.0f);
  EXPECT_NE(buffers.out64[0][255], 0.0);
}

// A block eight times the block size goes in parts of it on each callback:
// nothing is allocated, the block size stays, and the host hears what
// blocks of that size give, bit for bit.
TEST(Vst2Heap, LongBlockGoesInPartsOfTheBlockSize)
{
  constexpr int kBlockSize = 512, kLong = 8 * kBlockSize;
  enum Callback
  {
    Replacing,
    Accumulate,
    Double,
  };
  auto run = [](AEffect* e, Callback callback, Buffers& buffers, int start, int n) {
    float* ins[2] = {buffers.ins[0] + start, buffers.ins[1] + start};
    float* outs[2] = {buffers.outs[0] + start, buffers.outs[1] + start};
    double* ins64[2] = {buffers.ins64[0] + start, buffers.ins64[1] + start};
    double* outs64[2] = {buffers.outs64[0] + start, buffers.outs64[1] + start};
    if (callback == Replacing)
      e->processReplacing(e, ins, outs, n);
    else if (callback == Accumulate)
      e->process(e, ins, outs, n);
    else
      e->processDoubleReplacing(e, ins64, outs64, n);
  };
  for (Callback callback : {Replacing, Accumulate, Double})
  {
    Instance whole, parts;
    for (Instance* instance : {&whole, &parts})
    {
      instance->Dispatch(effOpen);
      instance->Dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f);
      instance->Dispatch(effSetBlockSize, 0, kBlockSize);
      instance->Dispatch(effMainsChanged, 0, 1);
    }
    Buffers a(kLong, true), b(kLong, true);

    std::printf("counting allocations from here\n");
    const long long before = TestHeap::Allocations();
    run(whole.effect, callback, a, 0, kLong);
    EXPECT_EQ(TestHeap::Allocations() - before, 0) << callback;
    EXPECT_EQ(whole.plug()->GetBlockSize(), kBlockSize) << callback;

    for (int start = 0; start < kLong; start += kBlockSize)
      run(parts.effect, callback, b, start, kBlockSize);
    for (int c = 0; c < 2; ++c)
    {
      EXPECT_TRUE(SameBits(a.out[c], b.out[c])) << callback << " " << c;
      EXPECT_TRUE(SameBits(a.out64[c], b.out64[c])) << callback << " " << c;
    }
    if (callback == Double)
      EXPECT_NE(a.out64[0], a.in64[0]) << "the effect ran";
    else
      EXPECT_NE(a.out[0], a.in[0]) << "the effect ran";
  }
}

// A chunk whose memory cannot be had answers 0: a set changes no parameter
// and leaves the block handed out before as it was; a get answers 0 until
// memory is back.
TEST(Vst2Heap, ChunksWithoutMemoryAnswerZero)
{
  for (int32_t index : {0, 1})
  {
    Instance instance;
    void* data = nullptr;
    const intptr_t size = instance.Dispatch(effGetChunk, index, 0, &data);
    ASSERT_GT(size, 0);
    std::vector<unsigned char> bytes(static_cast<unsigned char*>(data), static_cast<unsigned char*>(data) + size);
    // The same chunk with "Effect Amount" at 32, and zeros behind it.
    std::vector<unsigned char> larger(100000, 0);
    std::copy(bytes.begin(), bytes.end(), larger.begin());
    const std::vector<unsigned char> amount32 = StateBytes().Doubles({32.0}).data;
    std::copy(amount32.begin(), amount32.end(), larger.begin() + (index == 0 ? 14 : 8));
    const double amount = instance.plug()->GetParam(0)->Value();
    {
      TestHeap::Scope failing(true, false);
      EXPECT_EQ(instance.Dispatch(effSetChunk, index, static_cast<intptr_t>(larger.size()), larger.data()), 0);
      EXPECT_EQ(std::vector<unsigned char>(static_cast<unsigned char*>(data), static_cast<unsigned char*>(data) + size),
                bytes);
      EXPECT_EQ(instance.Dispatch(effGetChunk, index, 0, &data), 0);
    }
    EXPECT_EQ(instance.plug()->GetParam(0)->Value(), amount);
    EXPECT_EQ(instance.Dispatch(effGetChunk, index, 0, &data), size);
    EXPECT_EQ(std::vector<unsigned char>(static_cast<unsigned char*>(data), static_cast<unsigned char*>(data) + size),
              bytes);
  }
}

// Every allocation of the entry fails in turn: the host gets null, never
// an exception, and nothing leaks (AddressSanitizer).
TEST(Vst2Heap, EntryAnswersNullWhenMemoryRunsOut)
{
  int failures = 0;
  for (long long succeeding = 0;; ++succeeding)
  {
    TestHeap::newFailsAfter = succeeding;
    AEffect* effect = VSTPluginMain(FakeHost::Callback);
    TestHeap::newFailsAfter = -1;
    if (effect)
    {
      EXPECT_EQ(effect->numParams, 18);
      effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
      break;
    }
    ++failures;
  }
  EXPECT_GT(failures, 10) << "the sweep met every allocation of the entry";

  TestHeap::Scope failing(true, false);
  EXPECT_EQ(VSTPluginMain(FakeHost::Callback), nullptr);
}
}
