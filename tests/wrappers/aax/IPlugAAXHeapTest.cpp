// The wrapper when memory runs out while the host initialises it: nothing
// is thrown into the host, nothing is left behind, and what could be made
// works; and its audio callback, which needs no memory at all.

#include "AAXDescription.h"
#include "AAX_CEffectGUI_IPLUG.h"
#include "AaxInstance.h"
#include "effect/TestSignals.h"
#include "support/SameBits.h"
#include "support/TestHeap.h"

#include <cstdio>
#include <string>

namespace
{
// Without the framework's heap no identifier text can be made: none is
// kept, so no text ever names another parameter, while the AAX parameters
// are all there. Edits in the editor then reach no host parameter.
TEST(AaxWrapperWithoutMemory, IdentifierTextsAllOrNone)
{
  hostfakes::Host host;
  IPlugAAX* plug = CreatePlugInstance<IPlugAAX>();
  ASSERT_NE(plug, nullptr);
  plug->AddRef();
  {
    TestHeap::Scope noHeap(true, false);
    EXPECT_EQ(plug->InitializeEffect(&host), 0);
  }
  for (int i = 0; i < plug->NParams(); ++i)
    EXPECT_EQ(plug->ParameterIdentifier(i), nullptr) << i;
  int32_t count = 0;
  plug->CountParameters(&count);
  EXPECT_EQ(count, 11);
  host.log.calls.clear();
  plug->SetParameterFromGUI(0, 0.3);
  EXPECT_TRUE(host.log.calls.empty());
  EXPECT_EQ(plug->UpdateParameterFromHost("1", 0.3, 0), 0);
  EXPECT_EQ(plug->GetParam(0)->Value(), 30.0);

  // Initialised again with memory, every text is there.
  EXPECT_EQ(plug->InitializeEffect(&host), 0);
  EXPECT_STREQ(plug->ParameterIdentifier(17), "18");
  plug->UninitializeEffect();
  EXPECT_EQ(plug->Release(), 0);
  EXPECT_TRUE(host.log.Balanced());
}

// Whichever allocation of the initialisation fails, nothing is thrown into
// the host (a failure is reported), the parameters that could be made are
// there and the rest are left out, and the master bypass is named only
// when the host has it.
TEST(AaxWrapperWithoutMemory, InitialisationAtEveryAllocation)
{
  int32_t count = 0;
  long long succeeding = 0;
  for (; count != 11; ++succeeding)
  {
    IPlugAAX* plug = CreatePlugInstance<IPlugAAX>();
    ASSERT_NE(plug, nullptr);
    plug->AddRef();
    TestHeap::newFailsAfter = succeeding;
    const int32_t result = plug->InitializeEffect(nullptr);
    TestHeap::newFailsAfter = -1;
    EXPECT_TRUE(result == 0 || result == kACFUnexpected) << succeeding;
    plug->CountParameters(&count);
    AAX_CString bypass;
    plug->GetMasterBypassId(&bypass);
    const bool named = std::string(bypass.CString()) == "MasterBypassID";
    AAX_IParameter* found = nullptr;
    EXPECT_EQ(plug->FindParameterObject("MasterBypassID", &found) == 0, named);
    plug->UninitializeEffect();
    EXPECT_EQ(plug->Release(), 0);
  }
  EXPECT_GT(succeeding, 20);
  EXPECT_EQ(CACFUnknown::LiveObjects(), 0);
}

// An instance initialised over its own host and prepared for blocks of
// blockSize; uninitialised and released at the end.
struct PreparedInstance
{
  explicit PreparedInstance(int blockSize) : plug(CreatePlugInstance<IPlugAAX>())
  {
    plug->AddRef();
    plug->InitializeEffect(&host);
    plug->ChangeBlockSize(blockSize);
  }
  ~PreparedInstance()
  {
    plug->UninitializeEffect();
    plug->Release();
  }
  PreparedInstance(const PreparedInstance&) = delete;
  PreparedInstance& operator=(const PreparedInstance&) = delete;

  hostfakes::Host host;
  IPlugAAX* plug;
};

// Sibilant speech from within a burst of hiss, frames start to start + n - 1
// of it through the process callback as one context.
struct Speech
{
  explicit Speech(int frames)
  {
    for (int c = 0; c < 2; ++c)
    {
      const std::vector<double> signal = SibilantSignal(kSibilantStretch + frames, 17u + c);
      in[c].assign(signal.begin() + kSibilantStretch, signal.end());
      out[c].assign(frames, 0.0f);
    }
  }
  void Process(IPlugAAX* plug, int start, int n)
  {
    float* ins[2] = {in[0].data() + start, in[1].data() + start};
    float* outs[2] = {out[0].data() + start, out[1].data() + start};
    Block(plug, ins, outs, n).Process();
  }
  std::vector<float> in[2], out[2];
};

// A host block eight times the size the instance has prepared goes in parts
// of that size: nothing is allocated, the block size stays, and the host
// hears what blocks of that size give, bit for bit.
TEST(AaxWrapperHeap, LongBlockGoesInPartsOfThePreparedSize)
{
  constexpr int kBlockSize = 512, kLong = 8 * kBlockSize;
  PreparedInstance whole(kBlockSize), parts(kBlockSize);
  ASSERT_EQ(whole.plug->GetBlockSize(), kBlockSize);
  Speech a(kLong), b(kLong);

  whole.host.log.quiet = true;
  std::printf("counting allocations from here\n");
  const long long before = TestHeap::Allocations();
  a.Process(whole.plug, 0, kLong);
  EXPECT_EQ(TestHeap::Allocations() - before, 0);
  whole.host.log.quiet = false;
  EXPECT_EQ(whole.plug->GetBlockSize(), kBlockSize);

  for (int start = 0; start < kLong; start += kBlockSize)
    b.Process(parts.plug, start, kBlockSize);
  for (int c = 0; c < 2; ++c)
    EXPECT_TRUE(SameBits(a.out[c], b.out[c])) << c;
  EXPECT_NE(a.out[0], a.in[0]) << "the effect ran";
}

// The create callbacks answer null when their object cannot be made, at
// whichever allocation that happens; nothing is left alive.
TEST(AaxWrapperWithoutMemory, CreateCallbacksAnswerNull)
{
  TestHeap::newFailsAfter = 0;
  IACFUnknown* editor = CreateEffectGUIInstance();
  TestHeap::newFailsAfter = -1;
  EXPECT_EQ(editor, nullptr);
  IACFUnknown* instance = nullptr;
  long long succeeding = 0;
  for (; !instance; ++succeeding)
  {
    TestHeap::newFailsAfter = succeeding;
    instance = CreateEffectParametersInstance();
    TestHeap::newFailsAfter = -1;
    if (!instance)
    {
      EXPECT_EQ(CACFUnknown::LiveObjects(), 0) << succeeding;
    }
  }
  EXPECT_GT(succeeding, 20);
  instance->AddRef();
  EXPECT_EQ(instance->Release(), 0);
  EXPECT_EQ(CACFUnknown::LiveObjects(), 0);
}
}
