// The wrapper when memory runs out while the host initialises it: nothing
// is thrown into the host, nothing is left behind, and what could be made
// works.

#include "AAXDescription.h"
#include "AAX_CEffectGUI_IPLUG.h"
#include "AaxInstance.h"
#include "support/TestHeap.h"

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
