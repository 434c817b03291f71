// The AAX module's editor object against the fake host: which instance's
// editor it finds, the view size it reports, and the framework editor's
// window opened and closed in the host's view containers. Here the editor
// is one that records its window's opening and closing; the real window is
// tested on Windows (AaxEditorWindowTest.cpp).

#include "AAX_CEffectGUI_IPLUG.h"
#include "AAXDescription.h"
#include "ACFExports.h"
#include "AaxInstance.h"
#include "EffectParametersFixture.h"
#include "IGraphicsHeadless.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace
{
using hostfakes::Host;
using Calls = std::vector<std::string>;

std::string WindowText(void* window) { return std::to_string(reinterpret_cast<uintptr_t>(window)); }

// An editor that records what is done with its window.
class RecordingEditor final : public IGraphicsHeadless
{
public:
  RecordingEditor(IPlugBase* plug, Calls* calls) : IGraphicsHeadless(plug), mCalls(calls) {}
  void* OpenEditorWindow(void* parent) override
  {
    mCalls->push_back("open " + WindowText(parent));
    return parent;
  }
  void CloseEditorWindow() override { mCalls->push_back("close"); }

private:
  Calls* mCalls;
};

// A wrapper alone, one parameter, with the recording editor attached.
IPlugAAX* MakeBare(Calls* calls)
{
  auto* plug = new IPlugAAX(IPlugAAX::InstanceInfo(), 1, "1-1", 1, "Bare", "", "Test", kPlugVersion, 1, 1, 0, false,
                            false, false);
  plug->GetParam(0)->SetupDouble("Gain", 0.0, 0.0, 1.0, 0.01, "", "", 1.0);
  plug->AttachEditor(new RecordingEditor(plug, calls));
  return plug;
}

template <class Face>
Face* Query(IACFUnknown* object, const ACFUID& iid)
{
  void* out = nullptr;
  EXPECT_EQ(object->QueryInterface(&iid, &out), 0);
  return static_cast<Face*>(out);
}

// An instance held by the host, the host object of its editor answering its
// effect-parameters face, an editor object from the module's create
// callback, and a second host object as another view container.
class AaxEditor : public testing::Test
{
protected:
  void SetUp() override
  {
    plug = MakeBare(&calls);
    plug->AddRef();
    ASSERT_EQ(plug->InitializeEffect(&effectHost), 0);
    host.Offer(IID_AAX_IACFEffectParameters, static_cast<AAX_IEffectParameters*>(plug));
    other.view.window = reinterpret_cast<void*>(0x5678);
    gui = Query<AAX_IEffectGUI>(CreateEffectGUIInstance(), IID_AAX_IACFEffectGUI);
    ASSERT_NE(gui, nullptr);
  }
  void TearDown() override
  {
    if (gui)
    {
      EXPECT_EQ(gui->Release(), 0);
    }
    plug->UninitializeEffect();
    EXPECT_EQ(plug->Release(), 0);
    EXPECT_TRUE(host.log.Balanced());
    EXPECT_TRUE(other.log.Balanced());
    EXPECT_TRUE(effectHost.log.Balanced());
    EXPECT_EQ(ACFCanUnloadNow(nullptr), 0);
  }

  IGraphics* Editor() const { return plug->GetGUI(); }
  // The host view the framework editor would resize, as the host sees it.
  Calls ResizeReaches(Host& viewHost)
  {
    viewHost.log.calls.clear();
    plug->ResizeEditorWindow(600, 300);
    return viewHost.log.CallsOf("view");
  }

  Calls calls;
  Host effectHost;
  Host host;
  Host other;
  IPlugAAX* plug = nullptr;
  AAX_IEffectGUI* gui = nullptr;
};

TEST_F(AaxEditor, ViewSizeHeightFirstOnceThereIsAnEditor)
{
  AAX_Point size = {-1.0f, -2.0f};
  EXPECT_EQ(gui->GetViewSize(&size), 0);
  EXPECT_EQ(size.vert, -1.0f);
  EXPECT_EQ(size.horz, -2.0f);
  ASSERT_EQ(gui->InitializeGui(&host), 0);
  EXPECT_EQ(gui->GetViewSize(&size), 0);
  EXPECT_EQ(size.vert, 230.0f);
  EXPECT_EQ(size.horz, 500.0f);
  EXPECT_EQ(gui->GetViewSize(nullptr), kAAXRefused);
  EXPECT_TRUE(calls.empty());
}

// A container, then null, then a container again: the same editor opens,
// closes and opens, and is in the host view exactly while it is open.
TEST_F(AaxEditor, OpensClosesAndReopensInTheContainer)
{
  ASSERT_EQ(gui->InitializeGui(&host), 0);
  EXPECT_EQ(gui->SetViewContainer(&host), 0);
  EXPECT_EQ(calls, (Calls{"open 4660"}));
  EXPECT_NE(Editor()->ViewContainer(), nullptr);
  EXPECT_EQ(ResizeReaches(host), (Calls{"view.SetViewSize(300,600)"}));

  EXPECT_EQ(gui->SetViewContainer(nullptr), 0);
  EXPECT_EQ(calls, (Calls{"open 4660", "close"}));
  EXPECT_EQ(Editor()->ViewContainer(), nullptr);
  EXPECT_EQ(host.log.references["view"], 0);
  EXPECT_TRUE(ResizeReaches(host).empty());

  EXPECT_EQ(gui->SetViewContainer(&host), 0);
  EXPECT_EQ(calls, (Calls{"open 4660", "close", "open 4660"}));
  EXPECT_EQ(ResizeReaches(host), (Calls{"view.SetViewSize(300,600)"}));
}

// Another container moves the editor there; the replaced container's proxy
// goes, and the editor no longer points at it.
TEST_F(AaxEditor, AnotherContainerTakesTheEditor)
{
  ASSERT_EQ(gui->InitializeGui(&host), 0);
  ASSERT_EQ(gui->SetViewContainer(&host), 0);
  EXPECT_EQ(gui->SetViewContainer(&other), 0);
  EXPECT_EQ(calls, (Calls{"open 4660", "open 22136"}));
  EXPECT_EQ(host.log.references["view"], 0);
  EXPECT_TRUE(ResizeReaches(host).empty());
  EXPECT_EQ(ResizeReaches(other), (Calls{"view.SetViewSize(300,600)"}));
}

// A container without a native window opens nothing; when it replaces the
// container the editor was open in, the editor closes (its window's
// container is gone), and its pointer to the replaced proxy is cleared
// before that proxy goes.
TEST_F(AaxEditor, ContainerWithoutWindowOpensNothing)
{
  ASSERT_EQ(gui->InitializeGui(&host), 0);
  other.view.window = nullptr;
  EXPECT_EQ(gui->SetViewContainer(&other), 0);
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(Editor()->ViewContainer(), nullptr);

  ASSERT_EQ(gui->SetViewContainer(&host), 0);
  EXPECT_EQ(gui->SetViewContainer(&other), 0);
  EXPECT_EQ(calls, (Calls{"open 4660", "close"}));
  EXPECT_EQ(Editor()->ViewContainer(), nullptr);
  EXPECT_EQ(host.log.references["view"], 0);
}

// A host that makes a second editor object of the instance, with a view
// container of its own, before it deletes the first: the editor moves to
// the second container, and only the object whose container holds it
// closes it, whichever goes first.
TEST_F(AaxEditor, TwoEditorObjectsOfOneInstance)
{
  other.Offer(IID_AAX_IACFEffectParameters, static_cast<AAX_IEffectParameters*>(plug));
  for (const bool firstGoesFirst : {true, false})
  {
    calls.clear();
    AAX_IEffectGUI* first = Query<AAX_IEffectGUI>(CreateEffectGUIInstance(), IID_AAX_IACFEffectGUI);
    AAX_IEffectGUI* second = Query<AAX_IEffectGUI>(CreateEffectGUIInstance(), IID_AAX_IACFEffectGUI);
    ASSERT_TRUE(first && second);
    ASSERT_EQ(first->InitializeGui(&host), 0);
    ASSERT_EQ(first->SetViewContainer(&host), 0);
    ASSERT_EQ(second->InitializeGui(&other), 0);
    ASSERT_EQ(second->SetViewContainer(&other), 0);
    EXPECT_EQ(calls, (Calls{"open 4660", "open 22136"}));
    if (firstGoesFirst)
    {
      EXPECT_EQ(first->Release(), 0);
      EXPECT_EQ(calls, (Calls{"open 4660", "open 22136"})) << "the second object still shows the editor";
      EXPECT_EQ(ResizeReaches(other), (Calls{"view.SetViewSize(300,600)"}));
      EXPECT_EQ(second->Release(), 0);
    }
    else
    {
      EXPECT_EQ(second->Release(), 0);
      EXPECT_EQ(calls, (Calls{"open 4660", "open 22136", "close"}));
      EXPECT_TRUE(ResizeReaches(host).empty());
      EXPECT_EQ(first->Release(), 0);
    }
    EXPECT_EQ(calls, (Calls{"open 4660", "open 22136", "close"})) << firstGoesFirst;
    EXPECT_EQ(Editor()->ViewContainer(), nullptr);
  }
}

TEST_F(AaxEditor, UninitialisingClosesAnOpenEditor)
{
  ASSERT_EQ(gui->InitializeGui(&host), 0);
  ASSERT_EQ(gui->SetViewContainer(&host), 0);
  EXPECT_EQ(gui->UninitializeGui(), 0);
  EXPECT_EQ(calls, (Calls{"open 4660", "close"}));
  EXPECT_EQ(Editor()->ViewContainer(), nullptr);
  EXPECT_TRUE(host.log.Balanced());

  // Without an instance there is no editor to open or size.
  EXPECT_EQ(gui->SetViewContainer(&host), 0);
  AAX_Point size = {-1.0f, -2.0f};
  EXPECT_EQ(gui->GetViewSize(&size), 0);
  EXPECT_EQ(size.vert, -1.0f);
  EXPECT_EQ(calls, (Calls{"open 4660", "close"}));
}

TEST_F(AaxEditor, ReleasingClosesAnOpenEditor)
{
  ASSERT_EQ(gui->InitializeGui(&host), 0);
  ASSERT_EQ(gui->SetViewContainer(&host), 0);
  EXPECT_EQ(gui->Release(), 0);
  gui = nullptr;
  EXPECT_EQ(calls, (Calls{"open 4660", "close"}));
  EXPECT_EQ(Editor()->ViewContainer(), nullptr);
}

// The editor object takes the instance's editor only from a live IPlugAAX
// of this module; any other effect-parameters object, or none, gives no
// editor, and nothing is opened.
TEST_F(AaxEditor, OnlyALiveInstanceOfTheModuleHasAnEditor)
{
  Host foreignHost;
  auto* foreign = new SmallEffect;
  auto* foreignFace = Query<AAX_IEffectParameters>(foreign, IID_AAX_IACFEffectParameters);
  foreignHost.Offer(IID_AAX_IACFEffectParameters, foreignFace);
  Host noInstance;
  for (Host* editorHost : {&foreignHost, &noInstance})
  {
    ASSERT_EQ(gui->InitializeGui(editorHost), 0);
    AAX_Point size = {-1.0f, -2.0f};
    EXPECT_EQ(gui->GetViewSize(&size), 0);
    EXPECT_EQ(size.vert, -1.0f);
    EXPECT_EQ(gui->SetViewContainer(editorHost), 0);
    EXPECT_EQ(gui->SetViewContainer(nullptr), 0);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(gui->UninitializeGui(), 0);
  }
  EXPECT_EQ(LiveInstanceEntry::Find(foreignFace), nullptr);
  EXPECT_EQ(foreignFace->Release(), 0);
  EXPECT_TRUE(foreignHost.log.Balanced());
}

TEST(AaxLiveInstances, FromConstructionToDestruction)
{
  EXPECT_EQ(LiveInstanceEntry::Find(nullptr), nullptr);
  Calls calls;
  IPlugAAX* first = MakeBare(&calls);
  IPlugAAX* second = MakeBare(&calls);
  const AAX_IEffectParameters* firstFace = first;
  const AAX_IEffectParameters* secondFace = second;
  EXPECT_EQ(LiveInstanceEntry::Find(firstFace), first);
  EXPECT_EQ(LiveInstanceEntry::Find(secondFace), second);
  first->AddRef();
  first->Release();
  EXPECT_EQ(LiveInstanceEntry::Find(firstFace), nullptr);
  EXPECT_EQ(LiveInstanceEntry::Find(secondFace), second);
  second->AddRef();
  second->Release();
  EXPECT_EQ(LiveInstanceEntry::Find(secondFace), nullptr);
}

// Mended: initialised a second time, the editor object used to keep a
// counted reference on the first instance, which then never died and the
// module could never be unloaded.
TEST(AaxEditorLifetime, SecondInitialisationLetsTheInstanceDie)
{
  Host effectHost;
  Host host;
  auto* instance = static_cast<AAX_IEffectParameters*>(
    Query<AAX_IEffectParameters>(CreateEffectParametersInstance(), IID_AAX_IACFEffectParameters));
  ASSERT_NE(instance, nullptr);
  ASSERT_EQ(instance->InitializeEffect(&effectHost), 0);
  host.Offer(IID_AAX_IACFEffectParameters, instance);
  auto* gui = Query<AAX_IEffectGUI>(CreateEffectGUIInstance(), IID_AAX_IACFEffectGUI);
  ASSERT_EQ(gui->InitializeGui(&host), 0);
  ASSERT_EQ(gui->InitializeGui(&host), 0);
  AAX_Point size = {};
  EXPECT_EQ(gui->GetViewSize(&size), 0);
  EXPECT_EQ(size.vert, 230.0f);
  EXPECT_EQ(size.horz, 500.0f);
  EXPECT_EQ(ACFCanUnloadNow(nullptr), 2);
  EXPECT_EQ(gui->Release(), 0);
  instance->UninitializeEffect();
  EXPECT_EQ(instance->Release(), 0);
  EXPECT_EQ(ACFCanUnloadNow(nullptr), 0);
  EXPECT_TRUE(host.log.Balanced());
  EXPECT_TRUE(effectHost.log.Balanced());
}

TEST(AaxCreateCallbacks, NewObjectsWithoutReferences)
{
  IACFUnknown* instance = CreateEffectParametersInstance();
  ASSERT_NE(instance, nullptr);
  auto* plug = static_cast<IPlugAAX*>(static_cast<AAX_IEffectParameters*>(instance));
  EXPECT_NE(dynamic_cast<AaxEffect*>(plug), nullptr) << "the de-esser on the AAX wrapper";
  EXPECT_EQ(instance->AddRef(), 1);
  IACFUnknown* editor = CreateEffectGUIInstance();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->AddRef(), 1);
  EXPECT_EQ(ACFCanUnloadNow(nullptr), 2);
  EXPECT_EQ(editor->Release(), 0);
  EXPECT_EQ(instance->Release(), 0);
  EXPECT_EQ(ACFCanUnloadNow(nullptr), 0);
}
}
