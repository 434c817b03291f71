// The audio callback: sibilant speech through the contexts of a host equals
// the effect run directly on the offline wrapper, bit for bit; the master
// bypass, the host's channel layouts, MIDI, and the contexts a host may get
// wrong.

#include "AaxInstance.h"
#include "OfflineEffect.h"
#include "TestSignals.h"
#include "support/SameBits.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace
{
constexpr float kUntouched = -7.0f;

// Host buffers of a stereo signal: speech-like voice with bursts of hiss.
struct Audio
{
  explicit Audio(int frames, int channels = 2) : frames(frames)
  {
    for (int c = 0; c < channels; ++c)
    {
      const std::vector<double> signal = SibilantSignal(frames, 17u + c);
      in[c].assign(signal.begin(), signal.end());
      out[c].assign(frames, kUntouched);
    }
  }
  float** Inputs(int start)
  {
    for (int c = 0; c < 2; ++c)
      ins[c] = in[c].empty() ? nullptr : in[c].data() + start;
    return ins;
  }
  float** Outputs(int start)
  {
    for (int c = 0; c < 2; ++c)
      outs[c] = out[c].empty() ? nullptr : out[c].data() + start;
    return outs;
  }

  int frames;
  std::vector<float> in[2], out[2];
  float* ins[2] = {};
  float* outs[2] = {};
};

// The effect on the offline wrapper, in blocks of blockSize, with the
// first channels connected: the reference.
Audio Direct(int frames, int blockSize, int channels)
{
  Audio audio(frames, channels);
  OfflineEffect plug{IPlugOffline::InstanceInfo()};
  plug.SetUpProcessing(44100.0, blockSize);
  testing::internal::CaptureStdout();
  for (int start = 0; start < frames; start += blockSize)
    plug.ProcessBlock(audio.Inputs(start), audio.Outputs(start), std::min(blockSize, frames - start), channels);
  testing::internal::GetCapturedStdout();
  return audio;
}

// The host's render: contexts of contextFrames, several to a call, each
// with its own channel pointers.
void Render(AAX_IEffectParameters* face, Audio& audio, int contextFrames, int contextsPerCall)
{
  testing::internal::CaptureStdout();
  for (int start = 0; start < audio.frames;)
  {
    std::vector<std::unique_ptr<float* []>> pointers;
    std::vector<std::unique_ptr<Block>> blocks;
    std::vector<AAX_AlgorithmContext*> contexts;
    for (int n = 0; n < contextsPerCall && start < audio.frames; ++n, start += contextFrames)
    {
      pointers.emplace_back(new float* [4] {audio.Inputs(start)[0], audio.Inputs(start)[1],
                                           audio.Outputs(start)[0], audio.Outputs(start)[1]});
      blocks.push_back(std::make_unique<Block>(face, pointers.back().get(), pointers.back().get() + 2,
                                               std::min(contextFrames, audio.frames - start)));
      contexts.push_back(&blocks.back()->context);
    }
    ProcessContexts(contexts.data(), contexts.data() + contexts.size());
  }
  testing::internal::GetCapturedStdout();
}

TEST_F(AaxInstance, SpeechInContextsEqualsTheEffectRunDirectly)
{
  const int frames = 200 * 512;
  Audio audio(frames);
  Render(face, audio, 512, 3);
  const Audio direct = Direct(frames, 512, 2);
  EXPECT_TRUE(SameBits(audio.out[0], direct.out[0]));
  EXPECT_TRUE(SameBits(audio.out[1], direct.out[1]));
  // The hiss was lowered: the effect ran, not a copy.
  EXPECT_FALSE(SameBits(audio.out[0], audio.in[0]));
}

// Longer than the block size the instance was made with: the block goes in
// parts of that size, each bound and traced on its own, after the one line
// of the host block; the block size stays. A channel the host does not feed
// stays silent through every part.
void ExpectOneLongBlockInParts(AAX_IEffectParameters* face, const IPlugAAX* plug, int channels)
{
  ASSERT_EQ(plug->GetBlockSize(), 1024);
  Audio audio(2500, channels);
  Block block(face, audio.Inputs(0), audio.Outputs(0), 2500);
  testing::internal::CaptureStdout();
  block.Process();
  const std::string printed = testing::internal::GetCapturedStdout();
  const Audio direct = Direct(2500, 1024, channels);
  for (int c = 0; c < channels; ++c)
    EXPECT_TRUE(SameBits(audio.out[c], direct.out[c])) << c;
  EXPECT_EQ(plug->GetBlockSize(), 1024);
  const std::string part = "attaching channel 0 ...done\nattaching channel 1 ...done\n";
  EXPECT_EQ(printed, "attach input buffers: 0 - 2\n" + part + part + part);
}

TEST_F(AaxInstance, OneBlockLongerThanTheBlockSize) { ExpectOneLongBlockInParts(face, plug, 2); }

TEST_F(AaxInstance, OneMonoBlockLongerThanTheBlockSize)
{
  host.controller.inputLayout = 0x00000001;
  host.controller.outputLayout = 0x00000001;
  ExpectOneLongBlockInParts(face, plug, 1);
}

TEST_F(AaxInstance, MasterBypassGivesTheInputBack)
{
  EXPECT_EQ(face->UpdateParameterFromHost("MasterBypassID", 1.0, 0), 0);
  Audio audio(32 * 512);  // into the first burst of hiss
  Render(face, audio, 512, 2);
  EXPECT_TRUE(SameBits(audio.out[0], audio.in[0]));
  EXPECT_TRUE(SameBits(audio.out[1], audio.in[1]));

  EXPECT_EQ(face->UpdateParameterFromHost("MasterBypassID", 0.0, 0), 0);
  Render(face, audio, 512, 2);
  EXPECT_FALSE(SameBits(audio.out[0], audio.in[0]));
}

// A mono host connects input 0 and output 0 only: one host buffer each.
TEST_F(AaxInstance, MonoLayouts)
{
  host.controller.inputLayout = 0x00000001;
  host.controller.outputLayout = 0x00000001;
  Audio audio(8 * 512, 1);
  Render(face, audio, 512, 1);
  const Audio direct = Direct(8 * 512, 512, 1);
  EXPECT_TRUE(SameBits(audio.out[0], direct.out[0]));

  std::vector<float> in(16, 0.5f), out(16, kUntouched);
  float* ins[1] = {in.data()};
  float* outs[1] = {out.data()};
  Block block(face, ins, outs, 16);
  testing::internal::CaptureStdout();
  block.Process();
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "attach input buffers: 0 - 2\nattaching channel 0 ...done\nattaching channel 1 ...done\n");
  EXPECT_NE(out[0], kUntouched);
  EXPECT_EQ(plug->GetInChannel(1)->connected, false);
  EXPECT_EQ(plug->GetOutChannel(1)->connected, false);
}

// A layout the host could not give counts no channel: no host buffer is
// read or written.
TEST_F(AaxInstance, FailedLayoutQueriesCountNoChannels)
{
  host.controller.layoutResult = kAAXRefused;
  host.controller.inputLayout = host.controller.outputLayout = 0x00010002;
  Audio audio(512);
  Render(face, audio, 512, 1);
  for (int c = 0; c < 2; ++c)
    EXPECT_EQ(audio.out[c], std::vector<float>(512, kUntouched));
}

// The contexts a host may get wrong are skipped; the others run.
TEST_F(AaxInstance, BadContextsAreSkipped)
{
  struct Case
  {
    const char* what;
    void (*spoil)(Block& block);
  };
  static void* nothing = nullptr;
  const Case cases[] = {
    {"no cell", [](Block& b) { b.context.privateData = nullptr; }},
    {"empty cell", [](Block& b) { b.context.privateData = &nothing; }},
    {"no inputs", [](Block& b) { b.context.audioInputs = nullptr; }},
    {"no outputs", [](Block& b) { b.context.audioOutputs = nullptr; }},
    {"no length", [](Block& b) { b.context.bufferLength = nullptr; }},
    {"no frames", [](Block& b) { b.frames = 0; }},
    {"negative frames", [](Block& b) { b.frames = -512; }},
  };
  for (const Case& c : cases)
  {
    Audio audio(512);
    Block block(face, audio.Inputs(0), audio.Outputs(0), 512);
    c.spoil(block);
    Audio good(512);
    Block other(face, good.Inputs(0), good.Outputs(0), 512);
    AAX_AlgorithmContext* contexts[] = {nullptr, &block.context, &other.context};
    testing::internal::CaptureStdout();
    ProcessContexts(contexts, contexts + 3);
    ProcessContexts(contexts + 3, contexts);
    ProcessContexts(nullptr, contexts);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(audio.out[0], std::vector<float>(512, kUntouched)) << c.what;
    EXPECT_NE(good.out[0], std::vector<float>(512, kUntouched)) << c.what;
  }
}

// After the uninitialisation there is neither master bypass nor
// controller: blocks are skipped until the host initialises again.
TEST_F(AaxInstance, NoBlockWithoutInitialisation)
{
  EXPECT_EQ(face->UninitializeEffect(), 0);
  Audio audio(512);
  Render(face, audio, 512, 1);
  EXPECT_EQ(audio.out[0], std::vector<float>(512, kUntouched));
  EXPECT_EQ(face->InitializeEffect(&host), 0);
  Render(face, audio, 512, 1);
  EXPECT_NE(audio.out[0], std::vector<float>(512, kUntouched));
}

// An instance that takes MIDI: each packet of the input node, in order.
class MidiPlug final : public IPlugAAX
{
public:
  MidiPlug()
      : IPlugAAX(InstanceInfo(), 1, "1-1 2-2", 1, "MIDI", "", "Zelvar", kPlugVersion, FourCharCode("ZvLP"),
                 FourCharCode("Zvlr"), 0, true, false, false)
  {
    GetParam(0)->SetupBool("switch", false);
  }
  void MidiEventIn(const IMidiEvent* event) override
  {
    events.push_back(std::to_string(event->offset) + ":" + std::to_string(event->status) + "," +
                     std::to_string(event->data1) + "," + std::to_string(event->data2));
  }
  std::vector<std::string> events;
};

TEST(AaxMidi, PacketsOfTheInputNode)
{
  hostfakes::Host host;
  auto* plug = new MidiPlug;
  plug->AddRef();
  ASSERT_EQ(plug->InitializeEffect(&host), 0);
  AAX_MidiPacket packets[2] = {};
  const uint32_t offsets[2] = {3, 100};
  for (int i = 0; i < 2; ++i)
  {
    std::memcpy(packets[i].timestamp, &offsets[i], sizeof offsets[i]);
    packets[i].status = static_cast<unsigned char>(0x90 + i);
    packets[i].data1 = 60;
    packets[i].data2 = static_cast<unsigned char>(100 - i);
  }
  hostfakes::MidiNode node;
  node.stream = {2, packets};
  Audio audio(128);
  Block block(plug, audio.Inputs(0), audio.Outputs(0), 128);
  block.context.inputMidiNode = &node;
  testing::internal::CaptureStdout();
  block.Process();
  block.context.inputMidiNode = nullptr;
  block.Process();
  node.stream.packets = nullptr;
  block.context.inputMidiNode = &node;
  block.Process();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(plug->events, (std::vector<std::string>{"3:144,60,100", "100:145,60,99"}));
  plug->UninitializeEffect();
  EXPECT_EQ(plug->Release(), 0);
  EXPECT_TRUE(host.log.Balanced());
}

// The de-esser takes no MIDI: its node is never asked.
TEST_F(AaxInstance, NoMidiForTheEffect)
{
  class CountingNode final : public AAX_IMidiNode
  {
  public:
    void AAX_MEMBER_CALL Destroy(uint32_t) override {}
    const AAX_MidiStream* AAX_MEMBER_CALL GetNodeBuffer() override
    {
      ++asked;
      return nullptr;
    }
    int asked = 0;
  } node;
  Audio audio(64);
  Block block(face, audio.Inputs(0), audio.Outputs(0), 64);
  block.context.inputMidiNode = &node;
  testing::internal::CaptureStdout();
  block.Process();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(node.asked, 0);
}
}
