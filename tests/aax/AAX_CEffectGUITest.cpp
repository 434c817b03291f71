// The editor object's base against the fake host: its slots, the
// controller, transport and effect-parameters interface it takes, the hooks
// it calls, and the view-container proxy it owns.

#include "AAX_CEffectGUI.h"
#include "AAX_IViewContainer.h"
#include "EffectParametersFixture.h"
#include "RawTables.h"
#include "VtableSlot.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
using hostfakes::Host;
using Calls = std::vector<std::string>;

std::string WindowText(void* window) { return window ? std::to_string(reinterpret_cast<uintptr_t>(window)) : "0"; }

// Records its hooks into a list that outlives it.
class RecordingGUI final : public AAX_CEffectGUI
{
public:
  explicit RecordingGUI(Calls* calls, bool closesView = true) : mCalls(calls), mClosesView(closesView) {}
  ~RecordingGUI() override
  {
    if (mClosesView)
      CloseView();
    mCalls->push_back("destroyed");
  }

  void CreateViewContents() override { mCalls->push_back("CreateViewContents"); }
  void CreateViewContainer() override
  {
    mCalls->push_back("CreateViewContainer " + WindowText(NativeViewOfContainer()));
    if (whenOpening)
      whenOpening();
  }
  void DeleteViewContainer() override
  {
    mCalls->push_back("DeleteViewContainer " + WindowText(NativeViewOfContainer()));
  }
  int32_t ACF_CALL ParameterUpdated(const char* identifier) override
  {
    mCalls->push_back(std::string("ParameterUpdated ") + identifier);
    return AAX_CEffectGUI::ParameterUpdated(identifier);
  }
  void ForgetViewContainer(AAX_IViewContainer* container) override
  {
    // The proxy still answers: it is deleted only afterwards.
    mCalls->push_back("ForgetViewContainer " + WindowText(container->NativeView()));
  }

  std::function<void()> whenOpening;

  using AAX_CEffectGUI::EffectParameters;
  using AAX_CEffectGUI::NativeViewOfContainer;
  using AAX_CEffectGUI::ViewContainer;

private:
  Calls* mCalls;
  bool mClosesView;
};

// The editor's host object answers the instance's effect-parameters
// interface; a second host object serves as another view container.
class EffectGUI : public testing::Test
{
protected:
  void SetUp() override
  {
    effect = new SmallEffect;
    effectFace = Query<AAX_IEffectParameters>(effect, IID_AAX_IACFEffectParameters);
    ASSERT_EQ(effectFace->InitializeEffect(&effectHost), 0);
    host.Offer(IID_AAX_IACFEffectParameters, effectFace);
    gui = new RecordingGUI(&calls);
    face = Query<AAX_IEffectGUI>(gui, IID_AAX_IACFEffectGUI);
    other.view.window = reinterpret_cast<void*>(0x5678);
  }
  void TearDown() override
  {
    if (face)
    {
      EXPECT_EQ(face->Release(), 0);
    }
    effectFace->UninitializeEffect();
    EXPECT_EQ(effectFace->Release(), 0);
    EXPECT_TRUE(host.log.Balanced());
    EXPECT_TRUE(other.log.Balanced());
    EXPECT_TRUE(effectHost.log.Balanced());
    EXPECT_EQ(CACFUnknown::LiveObjects(), 0);
  }

  template <class Face, class Object>
  static Face* Query(Object* object, const ACFUID& iid)
  {
    void* out = nullptr;
    EXPECT_EQ(object->QueryInterface(&iid, &out), 0);
    return static_cast<Face*>(out);
  }

  // The references the effect has now, besides the test's own.
  int32_t EffectReferences()
  {
    const int32_t count = effectFace->AddRef();
    effectFace->Release();
    return count - 2;
  }

  Calls calls;
  Host host;
  Host other;
  Host effectHost;
  SmallEffect* effect = nullptr;
  AAX_IEffectParameters* effectFace = nullptr;
  RecordingGUI* gui = nullptr;
  AAX_IEffectGUI* face = nullptr;
};

TEST(EffectGUIAbi, TheHostsSlotsThenTheHooks)
{
  const std::pair<int, int> slots[] = {
    {VtableSlot(&AAX_IEffectGUI::QueryInterface), 0},
    {VtableSlot(&AAX_IEffectGUI::AddRef), 1},
    {VtableSlot(&AAX_IEffectGUI::Release), 2},
    {VtableSlot(&AAX_IEffectGUI::InitializeGui), 3},
    {VtableSlot(&AAX_IEffectGUI::UninitializeGui), 4},
    {VtableSlot(&AAX_IEffectGUI::GuiStubCall5), 5},
    {VtableSlot(&AAX_IEffectGUI::SetViewContainer), 6},
    {VtableSlot(&AAX_IEffectGUI::GetViewSize), 7},
    {VtableSlot(&AAX_IEffectGUI::GuiStubCall8), 8},
    {VtableSlot(&AAX_IEffectGUI::GuiStubCall9), 9},
    {VtableSlot(&AAX_IEffectGUI::ParameterUpdated), 10},
    {VtableSlot(&AAX_IEffectGUI::GuiUnsupportedCall11), 11},
    {VtableSlot(&AAX_IEffectGUI::GuiStubCall12), 12},
    {VtableSlot(&AAX_CEffectGUI::CreateViewContents), kEffectGUIHostSlots},
    {VtableSlot(&AAX_CEffectGUI::CreateViewContainer), kEffectGUIHostSlots + 1},
    {VtableSlot(&AAX_CEffectGUI::DeleteViewContainer), kEffectGUIHostSlots + 2},
    {VtableSlot(&AAX_CEffectGUI::UpdateAllParameters), kEffectGUIHostSlots + 3},
  };
  for (size_t i = 0; i < std::size(slots); ++i)
    EXPECT_EQ(slots[i].first, slots[i].second) << "row " << i;
}

TEST_F(EffectGUI, AnswersItsFaceAndTheUnknownOnly)
{
  void* out = nullptr;
  ASSERT_EQ(face->QueryInterface(&IID_IACFUnknown, &out), 0);
  EXPECT_NE(out, static_cast<void*>(face));
  static_cast<IACFUnknown*>(out)->Release();
  for (const ACFUID& iid : {IID_AAX_IACFEffectParameters, IID_AAX_IACFEffectParameters_V2, IID_AAX_IACFController})
  {
    out = face;
    EXPECT_EQ(face->QueryInterface(&iid, &out), kACFNoInterface);
    EXPECT_EQ(out, nullptr);
  }
}

// Through the table by slot, as the host calls: the stubs answer 0, slot
// 11 refuses, and the base writes no size.
TEST_F(EffectGUI, HostSlotsByNumber)
{
  EXPECT_EQ(RawGuiHostSlotsSum(face, 1000), 1000LL * kAAXRefused);
  float vertical = -1, horizontal = -2;
  EXPECT_EQ(RawGuiGetViewSize(face, &vertical, &horizontal), 0);
  EXPECT_EQ(vertical, -1);
  EXPECT_EQ(horizontal, -2);
  EXPECT_EQ(RawGuiInitialize(face, &host), 0);
  EXPECT_EQ(RawGuiSetViewContainer(face, &host), 0);
  EXPECT_EQ(gui->NativeViewOfContainer(), reinterpret_cast<void*>(0x1234));
}

TEST_F(EffectGUI, NullHostObjectHasNoController)
{
  EXPECT_EQ(face->InitializeGui(nullptr), kAAXNoController);
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(gui->EffectParameters(), nullptr);
  EXPECT_EQ(EffectReferences(), 0);
}

TEST_F(EffectGUI, InitialisationTakesControllerTransportAndTheInstance)
{
  ASSERT_EQ(face->InitializeGui(&host), 0);
  EXPECT_EQ(calls, (Calls{"CreateViewContents"}));
  EXPECT_EQ(gui->EffectParameters(), effectFace);
  EXPECT_EQ(EffectReferences(), 1);
  for (const char* name : {"controller", "controller2", "transport", "transport2"})
    EXPECT_EQ(host.log.references[name], 1) << name;

  EXPECT_EQ(face->UninitializeGui(), 0);
  EXPECT_EQ(gui->EffectParameters(), nullptr);
  EXPECT_EQ(EffectReferences(), 0);
  EXPECT_TRUE(host.log.Balanced());
  EXPECT_EQ(calls, (Calls{"CreateViewContents"})) << "no container, nothing closed";
}

// Mended: a second initialisation used to overwrite the first controller
// proxy and the first counted reference on the instance, which then never
// died.
TEST_F(EffectGUI, SecondInitialisationGivesUpTheFirst)
{
  ASSERT_EQ(face->InitializeGui(&host), 0);
  ASSERT_EQ(face->SetViewContainer(&host), 0);
  calls.clear();
  ASSERT_EQ(face->InitializeGui(&other), 0);
  EXPECT_EQ(calls, (Calls{"ForgetViewContainer 4660", "DeleteViewContainer 0", "CreateViewContents"}));
  EXPECT_TRUE(host.log.Balanced());
  EXPECT_EQ(EffectReferences(), 0) << "the other host object answers no instance";
  EXPECT_EQ(other.log.references["controller"], 1);

  ASSERT_EQ(face->InitializeGui(&host), 0);
  ASSERT_EQ(face->InitializeGui(&host), 0);
  EXPECT_EQ(EffectReferences(), 1);
  EXPECT_EQ(host.log.references["controller"], 1);
  EXPECT_TRUE(other.log.Balanced());
}

TEST_F(EffectGUI, ContainerOpensTheViewThenShowsEveryParameterInOrder)
{
  ASSERT_EQ(face->InitializeGui(&host), 0);
  calls.clear();
  EXPECT_EQ(face->SetViewContainer(&host), 0);
  EXPECT_EQ(calls, (Calls{"CreateViewContainer 4660", "ParameterUpdated Gain", "ParameterUpdated Mix",
                          "ParameterUpdated Band", "ParameterUpdated MasterBypassID"}));
  EXPECT_EQ(host.log.references["view"], 1);
}

TEST_F(EffectGUI, WithoutTheInstanceNoParameterIsShown)
{
  host.Withdraw(IID_AAX_IACFEffectParameters);
  ASSERT_EQ(face->InitializeGui(&host), 0);
  EXPECT_EQ(gui->EffectParameters(), nullptr);
  calls.clear();
  EXPECT_EQ(face->SetViewContainer(&host), 0);
  EXPECT_EQ(calls, (Calls{"CreateViewContainer 4660"}));
}

TEST_F(EffectGUI, NullContainerClosesWithNoContainerInPlace)
{
  ASSERT_EQ(face->InitializeGui(&host), 0);
  ASSERT_EQ(face->SetViewContainer(&host), 0);
  calls.clear();
  host.log.calls.clear();
  EXPECT_EQ(face->SetViewContainer(nullptr), 0);
  EXPECT_EQ(calls, (Calls{"ForgetViewContainer 4660", "DeleteViewContainer 0"}));
  EXPECT_EQ(host.log.CallsOf("view"), (Calls{"view.NativeView()", "view.Release"}));
  EXPECT_EQ(gui->NativeViewOfContainer(), nullptr);
  EXPECT_EQ(gui->ViewContainer(), nullptr);

  // Closing again still asks the derived class.
  calls.clear();
  EXPECT_EQ(face->SetViewContainer(nullptr), 0);
  EXPECT_EQ(calls, (Calls{"DeleteViewContainer 0"}));
}

// The replaced container is forgotten at once, and its proxy deleted after
// the new one opened.
TEST_F(EffectGUI, AReplacedContainerGoesAfterTheNewOneOpened)
{
  ASSERT_EQ(face->InitializeGui(&host), 0);
  ASSERT_EQ(face->SetViewContainer(&host), 0);
  calls.clear();
  int replacedReferences = -1;
  gui->whenOpening = [&] { replacedReferences = host.log.references["view"]; };
  EXPECT_EQ(face->SetViewContainer(&other), 0);
  EXPECT_EQ(replacedReferences, 1);
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[0], "ForgetViewContainer 4660");
  EXPECT_EQ(calls[1], "CreateViewContainer 22136");
  EXPECT_EQ(host.log.CallsOf("view").back(), "view.Release");
  EXPECT_EQ(host.log.references["view"], 0);
  EXPECT_EQ(other.log.references["view"], 1);
}

TEST_F(EffectGUI, UninitialisingWithAContainerClosesTheViewFirst)
{
  ASSERT_EQ(face->InitializeGui(&host), 0);
  ASSERT_EQ(face->SetViewContainer(&host), 0);
  calls.clear();
  EXPECT_EQ(face->UninitializeGui(), 0);
  EXPECT_EQ(calls, (Calls{"ForgetViewContainer 4660", "DeleteViewContainer 0"}));
  EXPECT_TRUE(host.log.Balanced());
  EXPECT_EQ(EffectReferences(), 0);
}

// The release order: the view (the derived class told of its container
// first), then the instance's reference, then the proxies.
TEST_F(EffectGUI, DestructionClosesTheViewAndGivesUpEverything)
{
  ASSERT_EQ(face->InitializeGui(&host), 0);
  ASSERT_EQ(face->SetViewContainer(&host), 0);
  calls.clear();
  host.log.calls.clear();
  EXPECT_EQ(face->Release(), 0);
  face = nullptr;
  EXPECT_EQ(calls, (Calls{"ForgetViewContainer 4660", "DeleteViewContainer 0", "destroyed"}));
  EXPECT_EQ(EffectReferences(), 0);
  EXPECT_TRUE(host.log.Balanced());
}

// A derived class that closes nothing still leaves no reference behind.
TEST_F(EffectGUI, TheBaseAloneReleasesTheContainer)
{
  Calls own;
  auto* bare = new RecordingGUI(&own, false);
  auto* bareFace = Query<AAX_IEffectGUI>(bare, IID_AAX_IACFEffectGUI);
  ASSERT_EQ(bareFace->InitializeGui(&host), 0);
  ASSERT_EQ(bareFace->SetViewContainer(&host), 0);
  EXPECT_EQ(bareFace->Release(), 0);
  EXPECT_EQ(own.back(), "destroyed");
  EXPECT_TRUE(host.log.Balanced());
}
}
