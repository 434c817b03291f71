// The AAX wrapper between the host's audio thread and its other threads: a
// host that waits in its own callback for its audio engine is not held up
// by the wrapper, and the audio callback runs against state chunks, host
// parameter updates and editor ticks without a race.

#include "AaxInstance.h"
#include "EditorLayout.h"
#include "IControl.h"
#include "IGraphics.h"
#include "TestSignals.h"
#include "support/StateBytes.h"
#include "support/Threads.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

namespace
{
constexpr AAX_FourCC kZvLP = 0x5A764C50;
constexpr int kFrames = 256;
constexpr int kVoiceBlocks = 64;
// Far longer than a block takes: only a thread that cannot go on waits
// this long.
constexpr std::chrono::seconds kPatience(10);

// What the host's audio thread runs: blocks of sibilant speech through the
// process callback, counting the output samples that are not finite.
class AudioEngine
{
public:
  explicit AudioEngine(AAX_IEffectParameters* face) : mBlock(face, mIns, mOuts, kFrames)
  {
    const std::vector<double> voice = SibilantSignal(kFrames * kVoiceBlocks, 5);
    mVoice.assign(voice.begin(), voice.end());
  }

  void Process()
  {
    mIns[0] = mIns[1] = mVoice.data() + (mBlocks % kVoiceBlocks) * kFrames;
    mBlock.Process();
    for (int c = 0; c < 2; ++c)
      for (float sample : mOut[c])
        mNonFinite += !std::isfinite(sample);
    ++mBlocks;
  }

  // Whether the last block gave its input back unchanged.
  bool PassedThrough() const
  {
    return std::memcmp(mOut[0].data(), mIns[0], kFrames * sizeof(float)) == 0 &&
           std::memcmp(mOut[1].data(), mIns[1], kFrames * sizeof(float)) == 0;
  }
  int NonFinite() const { return mNonFinite; }

private:
  std::vector<float> mVoice, mOut[2] = {std::vector<float>(kFrames), std::vector<float>(kFrames)};
  float* mIns[2] = {};
  float* mOuts[2] = {mOut[0].data(), mOut[1].data()};
  Block mBlock;
  int mBlocks = 0;
  int mNonFinite = 0;
};

// The lines the module prints per block are kept from the test's output.
template <class Run>
void Quietly(Run run)
{
  testing::internal::CaptureStdout();
  run();
  testing::internal::GetCapturedStdout();
}

// Of the host, the audio thread calls only the controller, which logs
// nothing here: the fake host then orders nothing between the threads, and
// a race of the wrapper's stays in sight of the race detector.
class AaxThreads : public AaxInstance
{
protected:
  void SetUp() override
  {
    AaxInstance::SetUp();
    host.controller.logged = host.controller2.logged = false;
  }
};

ChunkRecord* AsRecord(std::vector<unsigned char>& bytes) { return reinterpret_cast<ChunkRecord*>(bytes.data()); }

// A host whose automation callback waits until its audio engine has
// finished a block: the wrapper must not hold the lock of the audio
// callback while it reports the host's value back, for a framework
// parameter and for the master bypass.
TEST_F(AaxThreads, HostCallbackWaitingForAnAudioBlock)
{
  if (ThreadsUnavailable())
    GTEST_SKIP() << "the wait needs a second thread";
  AudioEngine audio(face);
  const std::pair<const char*, double> updates[] = {{"1", 0.3}, {"MasterBypassID", 1.0}, {"12", 0.0}};
  for (const auto& [identifier, normalized] : updates)
  {
    std::mutex guard;
    std::condition_variable changed;
    bool inCallback = false, blockDone = false, callbackSawTheBlock = false;
    host.automation.whenCurrentValue = [&](const char*) {
      std::unique_lock<std::mutex> lock(guard);
      inCallback = true;
      changed.notify_all();
      callbackSawTheBlock = changed.wait_for(lock, kPatience, [&] { return blockDone; });
    };
    std::thread hostThread([&, identifier = identifier, normalized = normalized] {
      face->UpdateParameterFromHost(identifier, normalized, 0);
    });
    bool callbackEntered;
    {
      std::unique_lock<std::mutex> lock(guard);
      callbackEntered = changed.wait_for(lock, kPatience, [&] { return inCallback; });
    }
    Quietly([&] { audio.Process(); });
    {
      std::lock_guard<std::mutex> lock(guard);
      blockDone = true;
    }
    changed.notify_all();
    hostThread.join();
    host.automation.whenCurrentValue = nullptr;
    EXPECT_TRUE(callbackEntered) << identifier;
    EXPECT_TRUE(callbackSawTheBlock) << identifier << ": the audio block waited for the host's callback";
  }
}

// The host saves, restores and compares the state on its own thread while
// the audio runs: a chunk written right after a read holds what was read,
// and compares equal.
TEST_F(AaxThreads, ChunksAgainstTheAudioThread)
{
  int32_t size = 0;
  ASSERT_EQ(face->GetChunkByteSize(kZvLP, &size), 0);
  std::vector<unsigned char> restored(sizeof(ChunkRecord) + size), saved(restored.size());
  ASSERT_EQ(face->WriteChunk(kZvLP, AsRecord(restored)), 0);
  WriteChunkWord(AsRecord(restored)->chunkId, kZvLP);
  std::vector<double> values = DecodeDoubles(ChunkData(*AsRecord(restored)), size);
  ASSERT_EQ(values.size(), 18u);

  AudioEngine audio(face);
  std::atomic<bool> audioRunning{true};
  int rounds = 0, mismatches = 0;
  auto audioThread = [&] {
    for (int block = 0; block < 300; ++block)
      audio.Process();
    audioRunning.store(false);
  };
  auto hostThread = [&] {
    for (; audioRunning.load() || rounds < 100; ++rounds)
    {
      values[0] = rounds % 101;
      values[1] = (rounds * 7) % 101;
      values[11] = rounds & 1;
      StateBytes state;
      state.Doubles(values);
      std::memcpy(ChunkData(*AsRecord(restored)), state.data.data(), state.data.size());
      bool equal = false;
      int32_t savedSize = 0;
      const bool roundTrip =
        face->ReadChunk(kZvLP, AsRecord(restored)) == 0 && face->GetChunkByteSize(kZvLP, &savedSize) == 0 &&
        savedSize == size && face->WriteChunk(kZvLP, AsRecord(saved)) == 0 &&
        std::memcmp(ChunkData(*AsRecord(saved)), ChunkData(*AsRecord(restored)), size) == 0 &&
        face->CompareChunk(AsRecord(restored), &equal) == 0 && equal;
      mismatches += !roundTrip;
    }
  };
  Quietly([&] { RunConcurrently(audioThread, hostThread); });
  EXPECT_EQ(mismatches, 0) << "of " << rounds << " rounds";
  EXPECT_EQ(audio.NonFinite(), 0);
}

// The host sets parameters and the master bypass on its own thread, which
// also ticks the editor, while the audio runs: at the end the parameters,
// the editor's controls and the audio follow the host's last values.
// Updates of the master bypass alone take no lock on the host's thread, so
// that nothing there orders them with the audio.
TEST_F(AaxThreads, HostUpdatesAndEditorTicksAgainstTheAudioThread)
{
  const std::vector<const char*> cases[] = {{"MasterBypassID"}, {"1", "2", "11", "12", "MasterBypassID"}};
  IGraphics* editor = plug->GetGUI();
  ASSERT_NE(editor, nullptr);
  AudioEngine audio(face);
  for (const std::vector<const char*>& identifiers : cases)
  {
    std::atomic<bool> audioRunning{true};
    auto audioThread = [&] {
      for (int block = 0; block < 200; ++block)
        audio.Process();
      audioRunning.store(false);
    };
    auto hostThread = [&] {
      for (size_t round = 0; audioRunning.load() || round < 100; ++round)
      {
        face->UpdateParameterFromHost(identifiers[round % identifiers.size()], (round % 3) / 2.0, 0);
        DrawDirty(editor);
      }
      for (const char* identifier : identifiers)
        face->UpdateParameterFromHost(identifier, 1.0, 0);
      DrawDirty(editor);
    };
    Quietly([&] { RunConcurrently(audioThread, hostThread); });
    EXPECT_EQ(audio.NonFinite(), 0);
    Quietly([&] { audio.Process(); });
    EXPECT_TRUE(audio.PassedThrough()) << identifiers.size();
  }

  const int params[] = {0, 1, 10, 11};
  for (int param : params)
    EXPECT_EQ(plug->GetParam(param)->GetNormalized(), 1.0) << param;
  int shown = 0;
  for (int i = 0; i < editor->NControls(); ++i)
    for (int param : params)
      if (editor->GetControl(i)->ParamIdx() == param)
      {
        EXPECT_EQ(editor->GetControl(i)->Value(), 1.0) << param;
        ++shown;
      }
  EXPECT_EQ(shown, 4);
}
}
