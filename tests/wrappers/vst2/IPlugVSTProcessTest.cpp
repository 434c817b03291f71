// The VST2 audio callbacks and parameter entries: the three callbacks
// against the effect run on the offline wrapper, the blocks a host may get
// wrong, and the parameters a host sets and reads.

#include "IGraphics.h"
#include "OfflineEffect.h"
#include "Vst2Host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace
{
// A voice-like ramp under loud hiss, as floats exactly.
std::vector<float> Signal(int frames, unsigned seed)
{
  std::vector<float> samples(frames);
  for (int i = 0; i < frames; ++i)
  {
    seed = seed * 1664525u + 1013904223u;
    samples[i] = static_cast<float>(0.3 * ((i % 100) / 50.0 - 1.0) +
                                    0.4 * (static_cast<double>(seed >> 8) / 8388608.0 - 1.0));
  }
  return samples;
}

// A stereo host block: input and output buffers of both sample sizes.
struct Block
{
  // The channel pointers point into the vectors: moved, never copied.
  Block(const Block&) = delete;
  Block(Block&&) = default;
  explicit Block(int frames, unsigned seed = 1) : frames(frames)
  {
    for (int c = 0; c < 2; ++c)
    {
      in[c] = Signal(frames, seed + c);
      in64[c].assign(in[c].begin(), in[c].end());
      out[c].assign(frames, 0.0f);
      out64[c].assign(frames, 0.0);
      ins[c] = in[c].data();
      outs[c] = out[c].data();
      ins64[c] = in64[c].data();
      outs64[c] = out64[c].data();
    }
  }
  int frames;
  std::vector<float> in[2], out[2];
  std::vector<double> in64[2], out64[2];
  float* ins[2];
  float* outs[2];
  double* ins64[2];
  double* outs64[2];
};

// The instance set up as a host does before processing.
void Prepare(Instance& instance, float rate, int blockSize)
{
  instance.Dispatch(effOpen);
  instance.Dispatch(effSetSampleRate, 0, 0, nullptr, rate);
  instance.Dispatch(effSetBlockSize, 0, blockSize);
  instance.Dispatch(effMainsChanged, 0, 1);
}

// The effect on the offline wrapper, block by block: the reference.
std::vector<float> Reference(const std::vector<Block>& blocks, int channel, float rate, int blockSize)
{
  OfflineEffect plug{IPlugOffline::InstanceInfo()};
  plug.SetUpProcessing(rate, blockSize);
  std::vector<float> result;
  for (const Block& block : blocks)
  {
    std::vector<float> in[2] = {block.in[0], block.in[1]}, out[2];
    float* ins[2] = {in[0].data(), in[1].data()};
    out[0].assign(block.frames, 0.0f);
    out[1].assign(block.frames, 0.0f);
    float* outs[2] = {out[0].data(), out[1].data()};
    plug.ProcessBlock(ins, outs, block.frames);
    result.insert(result.end(), out[channel].begin(), out[channel].end());
  }
  return result;
}

enum class Callback
{
  Replacing,
  Double,
  Accumulate,
  ReplacingInPlace,
  DoubleInPlace,
};

// Frames start to start + n - 1 of a block through a callback, as one host
// block; the result as floats (the double path's narrowed). Accumulating
// outputs start at 0.
void ProcessPart(Instance& instance, Block& block, Callback callback, int start, int n)
{
  AEffect* e = instance.effect;
  float* ins[2];
  float* outs[2];
  double* ins64[2];
  double* outs64[2];
  for (int c = 0; c < 2; ++c)
  {
    ins[c] = block.ins[c] + start;
    outs[c] = block.outs[c] + start;
    ins64[c] = block.ins64[c] + start;
    outs64[c] = block.outs64[c] + start;
  }
  testing::internal::CaptureStdout();  // the glue's binding trace
  switch (callback)
  {
  case Callback::Replacing:
    e->processReplacing(e, ins, outs, n);
    break;
  case Callback::Accumulate:
    e->process(e, ins, outs, n);
    break;
  case Callback::ReplacingInPlace:
    for (int c = 0; c < 2; ++c)
      std::copy(ins[c], ins[c] + n, outs[c]);
    e->processReplacing(e, outs, outs, n);
    break;
  case Callback::Double:
  case Callback::DoubleInPlace:
    if (callback == Callback::DoubleInPlace)
      for (int c = 0; c < 2; ++c)
        std::copy(ins64[c], ins64[c] + n, outs64[c]);
    e->processDoubleReplacing(e, callback == Callback::Double ? ins64 : outs64, outs64, n);
    for (int c = 0; c < 2; ++c)
      for (int f = 0; f < n; ++f)
        outs[c][f] = static_cast<float>(outs64[c][f]);
    break;
  }
  testing::internal::GetCapturedStdout();
}

void Process(Instance& instance, Block& block, Callback callback)
{
  ProcessPart(instance, block, callback, 0, block.frames);
}

// Every callback gives what the effect gives on the offline wrapper, bit
// for bit: the host's doubles are its floats widened, and accumulating onto
// silence adds to zero.
TEST(IPlugVSTProcess, EveryCallbackMatchesTheEffectRunDirectly)
{
  auto makeBlocks = [] {
    std::vector<Block> blocks;
    blocks.reserve(12);
    for (int b = 0; b < 12; ++b)
      blocks.emplace_back(b == 5 ? 100 : 256, b * 7u);
    return blocks;
  };
  const std::vector<Block> blocks = makeBlocks();
  const std::vector<float> expected[2] = {Reference(blocks, 0, 48000.0f, 256), Reference(blocks, 1, 48000.0f, 256)};
  for (Callback callback : {Callback::Replacing, Callback::Double, Callback::Accumulate, Callback::ReplacingInPlace,
                            Callback::DoubleInPlace})
  {
    Instance instance;
    Prepare(instance, 48000.0f, 256);
    std::vector<float> result[2];
    for (Block& block : makeBlocks())
    {
      Process(instance, block, callback);
      for (int c = 0; c < 2; ++c)
        result[c].insert(result[c].end(), block.out[c].begin(), block.out[c].end());
    }
    EXPECT_EQ(result[0], expected[0]) << static_cast<int>(callback);
    EXPECT_EQ(result[1], expected[1]) << static_cast<int>(callback);
  }
  int changed = 0;
  for (size_t i = 0, f = 0; i < blocks.size(); f += blocks[i].frames, ++i)
    for (int j = 0; j < blocks[i].frames; ++j)
      changed += expected[0][f + j] != blocks[i].in[0][j];
  EXPECT_GT(changed, 100) << "the effect works on the signal";
}

TEST(IPlugVSTProcess, AccumulateAddsToWhatTheHostHolds)
{
  Instance replacing, accumulating;
  Prepare(replacing, 44100.0f, 128);
  Prepare(accumulating, 44100.0f, 128);
  Block a(128), b(128);
  for (int c = 0; c < 2; ++c)
    for (int f = 0; f < 128; ++f)
      b.out[c][f] = 0.125f * (f % 5) - 0.25f;
  const std::vector<float> before[2] = {b.out[0], b.out[1]};
  Process(replacing, a, Callback::Replacing);
  Process(accumulating, b, Callback::Accumulate);
  for (int c = 0; c < 2; ++c)
    for (int f = 0; f < 128; ++f)
      ASSERT_EQ(b.out[c][f], before[c][f] + a.out[c][f]) << c << " " << f;
}

// A block with no frames, or without the buffer arrays, processes nothing
// and leaves the host's outputs as they were.
TEST(IPlugVSTProcess, EmptyOrMissingBlocksProcessNothing)
{
  Instance instance;
  Prepare(instance, 44100.0f, 64);
  AEffect* e = instance.effect;
  Block block(64);
  for (int c = 0; c < 2; ++c)
  {
    block.out[c].assign(64, 7.0f);
    block.out64[c].assign(64, 7.0);
  }
  for (int32_t frames : {0, -1, -64, std::numeric_limits<int32_t>::min()})
  {
    e->processReplacing(e, block.ins, block.outs, frames);
    e->process(e, block.ins, block.outs, frames);
    e->processDoubleReplacing(e, block.ins64, block.outs64, frames);
  }
  e->processReplacing(e, nullptr, block.outs, 64);
  e->processReplacing(e, block.ins, nullptr, 64);
  e->process(e, nullptr, block.outs, 64);
  e->processDoubleReplacing(e, nullptr, block.outs64, 64);
  e->processDoubleReplacing(e, block.ins64, nullptr, 64);
  for (int c = 0; c < 2; ++c)
  {
    EXPECT_EQ(block.out[c], std::vector<float>(64, 7.0f));
    EXPECT_EQ(block.out64[c], std::vector<double>(64, 7.0));
  }
  EXPECT_EQ(instance.plug()->GetBlockSize(), 64);
}

// A block longer than the block size goes in parts of it, on every
// callback: the host hears what blocks of that size give, bit for bit, and
// the block size stays. With a disconnected input the double path reads
// that input's scratch within its length; a disconnected output takes
// nothing.
TEST(IPlugVSTProcess, LongerBlocksGoInPartsOfTheBlockSize)
{
  for (Callback callback : {Callback::Replacing, Callback::Double, Callback::Accumulate, Callback::ReplacingInPlace,
                            Callback::DoubleInPlace})
  {
    for (int channels : {2, 1})
    {
      Instance whole, parts;
      VstSpeakerArrangement arrangement = {};
      arrangement.numChannels = channels;
      for (Instance* instance : {&whole, &parts})
      {
        Prepare(*instance, 44100.0f, 64);
        instance->Dispatch(effSetSpeakerArrangement, 0, reinterpret_cast<intptr_t>(&arrangement), &arrangement);
      }
      Block a(1000), b(1000);
      if (channels == 1)
        for (int f = 0; f < 1000; ++f)
          a.out[1][f] = b.out[1][f] = a.out64[1][f] = b.out64[1][f] = 5.0f;
      Process(whole, a, callback);
      for (int start = 0; start < 1000; start += 64)
        ProcessPart(parts, b, callback, start, std::min(64, 1000 - start));
      EXPECT_EQ(whole.plug()->GetBlockSize(), 64);
      EXPECT_EQ(a.out[0], b.out[0]) << static_cast<int>(callback) << " " << channels;
      EXPECT_EQ(a.out[1], b.out[1]) << static_cast<int>(callback) << " " << channels;
      EXPECT_NE(a.out[0], a.in[0]) << "the effect ran";
      const bool inPlace = callback == Callback::ReplacingInPlace || callback == Callback::DoubleInPlace;
      if (channels == 1 && !inPlace)
      {
        EXPECT_EQ(a.out[1][999], 5.0f) << "a disconnected output takes nothing";
      }
    }
  }
}

// 32-bit input is converted into the channels' scratch; 64-bit host
// buffers are used in place.
TEST(IPlugVSTProcess, BindingOfEachSampleSize)
{
  Instance instance;
  Prepare(instance, 44100.0f, 64);
  Block block(64);
  Process(instance, block, Callback::Replacing);
  const IPlugInputChannel* input = instance.plug()->GetInChannel(1);
  const IPlugOutputChannel* output = instance.plug()->GetOutChannel(1);
  EXPECT_EQ(*input->slot, input->scratch.Get());
  EXPECT_EQ((*input->slot)[63], static_cast<double>(block.in[1][63]));
  EXPECT_EQ(*output->slot, output->scratch.Get());
  EXPECT_EQ(output->hostDestination, block.outs[1]);
  Process(instance, block, Callback::Double);
  EXPECT_EQ(*input->slot, block.ins64[1]);
  EXPECT_EQ(*output->slot, block.outs64[1]);
}

// Connected channels take the host's buffers in order; a null host buffer
// reads as silence and takes nothing.
TEST(IPlugVSTProcess, NullChannelBuffers)
{
  Instance silent, nulls;
  Prepare(silent, 44100.0f, 128);
  Prepare(nulls, 44100.0f, 128);
  Block a(128), b(128);
  std::fill(a.in[1].begin(), a.in[1].end(), 0.0f);
  std::fill(a.in64[1].begin(), a.in64[1].end(), 0.0);
  b.ins[1] = nullptr;
  b.outs[1] = nullptr;
  b.ins64[1] = nullptr;
  b.outs64[1] = nullptr;
  Process(silent, a, Callback::Replacing);
  Process(nulls, b, Callback::Replacing);
  EXPECT_EQ(a.out[0], b.out[0]);
  EXPECT_EQ(b.out[1], std::vector<float>(128, 0.0f));
  silent.effect->processDoubleReplacing(silent.effect, a.ins64, a.outs64, 128);
  nulls.effect->processDoubleReplacing(nulls.effect, b.ins64, b.outs64, 128);
  EXPECT_EQ(a.out64[0], b.out64[0]);
}

TEST(IPlugVSTProcess, WantMidiOnlyForAPlugInThatTakesMidi)
{
  for (bool doesMidi : {false, true})
  {
    TestVstPlug plug("1-1 2-2", doesMidi);
    plug.Dispatch(effSetBlockSize, 0, 32);
    Block block(32);
    AEffect* e = plug.Effect();
    e->processReplacing(e, block.ins, block.outs, 32);
    e->process(e, block.ins, block.outs, 32);
    e->processDoubleReplacing(e, block.ins64, block.outs64, 32);
    EXPECT_EQ(plug.host.Count(audioMasterWantMidi), doesMidi ? 3 : 0);
    EXPECT_EQ(plug.host.calls.size(), doesMidi ? 3u : 0u);
  }
}

TEST(IPlugVSTProcess, GetParameterIsTheNormalisedValue)
{
  Instance instance;
  AEffect* e = instance.effect;
  const struct
  {
    int32_t index;
    float expected;
  } cases[] = {{0, 0.5f}, {1, 1.0f}, {10, 0.0f}, {11, 1.0f}, {17, 0.0f}, {18, 0.0f}, {-1, 0.0f}, {1 << 30, 0.0f}};
  for (const auto& c : cases)
    EXPECT_EQ(e->getParameter(e, c.index), c.expected) << c.index;
}

// Hosts restore this module's settings through setParameter: the value is
// clamped, shown in the editor and passed to the effect, never sent back.
TEST(IPlugVSTProcess, SetParameter)
{
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const struct
  {
    int32_t index;
    float value;
    double expected;  // of parameter 0 ("Gain", -24 to 24 in steps of 0.5)
    bool changed;
  } cases[] = {
      {0, 0.75f, 12.0, true},  {0, 1.5f, 24.0, true},  {0, -2.0f, -24.0, true},  {0, nan, 0.0, false},
      {0, 0.0f, -24.0, true},  {18, 0.5f, 0.0, false}, {-1, 0.5f, 0.0, false},
  };
  for (const auto& c : cases)
  {
    TestVstPlug plug;
    plug.Effect()->setParameter(plug.Effect(), c.index, c.value);
    EXPECT_EQ(plug.GetParam(0)->Value(), c.expected) << c.index << " " << c.value;
    EXPECT_EQ(plug.log, c.changed ? std::vector<std::string>{"changed 0"} : std::vector<std::string>{});
    EXPECT_TRUE(plug.host.calls.empty());
  }

  Instance instance;
  IGraphics* editor = instance.plug()->GetGUI();
  instance.effect->setParameter(instance.effect, 10, 1.0f);
  instance.effect->setParameter(instance.effect, 0, 0.3f);
  EXPECT_EQ(instance.plug()->GetParam(10)->Value(), 1.0);
  EXPECT_EQ(instance.plug()->GetParam(0)->Value(), 30.0);
  EXPECT_EQ(instance.plug()->Processing().EnabledCount(), 7);
  for (int i = 0; i < editor->NControls(); ++i)
  {
    const IControl* control = editor->GetControl(i);
    if (control->ParamIdx() == 10)
    {
      EXPECT_EQ(control->Value(), 1.0);
    }
  }
  EXPECT_TRUE(instance.host.calls.empty());
}
}
