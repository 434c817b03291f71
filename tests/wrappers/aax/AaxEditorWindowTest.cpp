// The AAX editor object opening the real editor window in the host's
// window, under Wine: the window a host gives through its view container
// receives the editor as its child while the container is set.

#include "AAX_CEffectGUI_IPLUG.h"
#include "AAXDescription.h"
#include "ACFExports.h"
#include "IGraphics.h"
#include "IGraphicsWin.h"
#include "IPlugAAX.h"
#include "ModuleHandle.h"
#include "aax/AaxHostFakes.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace
{
// A host's window without a frame.
HWND MakeHostWindow()
{
  return CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 0, 0, 700, 400, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

template <class Face>
Face* Query(IACFUnknown* object, const ACFUID& iid)
{
  void* out = nullptr;
  EXPECT_EQ(object->QueryInterface(&iid, &out), 0);
  return static_cast<Face*>(out);
}

// The module's instance and editor object as a host makes them, the
// images coming from this program as they come from the module.
class AaxEditorWindow : public testing::Test
{
protected:
  void SetUp() override
  {
    SetModuleInstance(GetModuleHandleA(nullptr));
    parent = MakeHostWindow();
    otherParent = MakeHostWindow();
    ASSERT_NE(parent, nullptr);
    ASSERT_NE(otherParent, nullptr);
    host.view.window = parent;
    other.view.window = otherParent;
    instance = Query<AAX_IEffectParameters>(CreateEffectParametersInstance(), IID_AAX_IACFEffectParameters);
    ASSERT_NE(instance, nullptr);
    ASSERT_EQ(instance->InitializeEffect(&effectHost), 0);
    host.Offer(IID_AAX_IACFEffectParameters, instance);
    gui = Query<AAX_IEffectGUI>(CreateEffectGUIInstance(), IID_AAX_IACFEffectGUI);
    ASSERT_EQ(gui->InitializeGui(&host), 0);
  }
  void TearDown() override
  {
    if (gui)
    {
      EXPECT_EQ(gui->Release(), 0);
    }
    instance->UninitializeEffect();
    EXPECT_EQ(instance->Release(), 0);
    DestroyWindow(parent);
    DestroyWindow(otherParent);
    SetModuleInstance(nullptr);
    EXPECT_TRUE(host.log.Balanced());
    EXPECT_TRUE(other.log.Balanced());
    EXPECT_EQ(ACFCanUnloadNow(nullptr), 0);
  }

  IGraphics* Editor() const { return static_cast<IPlugAAX*>(instance)->GetGUI(); }
  static HWND Child(HWND window) { return GetWindow(window, GW_CHILD); }

  hostfakes::Host effectHost;
  hostfakes::Host host;
  hostfakes::Host other;
  HWND parent = nullptr;
  HWND otherParent = nullptr;
  AAX_IEffectParameters* instance = nullptr;
  AAX_IEffectGUI* gui = nullptr;
};

TEST_F(AaxEditorWindow, OpensClosesAndReopensInTheHostsWindow)
{
  ASSERT_EQ(gui->SetViewContainer(&host), 0);
  const HWND child = Child(parent);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child, Editor()->WindowHandle());
  EXPECT_TRUE(IsWindowVisible(child));
  RECT rect = {};
  GetClientRect(child, &rect);
  EXPECT_EQ(rect.right - rect.left, 500);
  EXPECT_EQ(rect.bottom - rect.top, 230);

  ASSERT_EQ(gui->SetViewContainer(nullptr), 0);
  EXPECT_EQ(Child(parent), nullptr);
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(Editor()->WindowHandle(), nullptr);

  ASSERT_EQ(gui->SetViewContainer(&host), 0);
  EXPECT_NE(Child(parent), nullptr);
  EXPECT_EQ(Child(parent), Editor()->WindowHandle());
}

TEST_F(AaxEditorWindow, MovesIntoAnotherContainersWindow)
{
  ASSERT_EQ(gui->SetViewContainer(&host), 0);
  ASSERT_EQ(gui->SetViewContainer(&other), 0);
  EXPECT_EQ(Child(parent), nullptr);
  EXPECT_NE(Child(otherParent), nullptr);
  EXPECT_EQ(Child(otherParent), Editor()->WindowHandle());
}

// Two editor objects of one instance, each with its own container: the
// window shows in the container given last and stays until the object
// whose container holds it goes; the last one gone leaves no window and no
// window class. Both orders of deletion.
TEST_F(AaxEditorWindow, TwoEditorObjectsShareTheOneWindow)
{
  other.Offer(IID_AAX_IACFEffectParameters, instance);
  auto* editor = static_cast<IGraphicsWin*>(Editor());
  for (const bool firstGoesFirst : {true, false})
  {
    AAX_IEffectGUI* second = Query<AAX_IEffectGUI>(CreateEffectGUIInstance(), IID_AAX_IACFEffectGUI);
    ASSERT_EQ(gui->SetViewContainer(&host), 0);
    ASSERT_EQ(second->InitializeGui(&other), 0);
    ASSERT_EQ(second->SetViewContainer(&other), 0);
    const HWND window = Child(otherParent);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window, Editor()->WindowHandle());
    EXPECT_EQ(Child(parent), nullptr);

    if (firstGoesFirst)
    {
      EXPECT_EQ(gui->Release(), 0);
      EXPECT_EQ(Child(otherParent), window) << "the second object's container still shows the editor";
      EXPECT_TRUE(IsWindowVisible(window));
      EXPECT_EQ(second->Release(), 0);
    }
    else
    {
      EXPECT_EQ(second->Release(), 0);
      EXPECT_FALSE(IsWindow(window));
      EXPECT_EQ(Child(parent), nullptr);
      EXPECT_EQ(gui->Release(), 0);
    }
    gui = nullptr;
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(Child(parent), nullptr);
    EXPECT_EQ(Child(otherParent), nullptr);
    EXPECT_EQ(Editor()->WindowHandle(), nullptr);
    WNDCLASSA found;
    EXPECT_FALSE(GetClassInfoA(editor->Module(), "IPlugWndClass", &found)) << "unregistered after the last one";

    gui = Query<AAX_IEffectGUI>(CreateEffectGUIInstance(), IID_AAX_IACFEffectGUI);
    ASSERT_EQ(gui->InitializeGui(&host), 0);
  }
}

TEST_F(AaxEditorWindow, UninitialisingOrReleasingClosesTheWindow)
{
  ASSERT_EQ(gui->SetViewContainer(&host), 0);
  ASSERT_NE(Child(parent), nullptr);
  EXPECT_EQ(gui->UninitializeGui(), 0);
  EXPECT_EQ(Child(parent), nullptr);

  ASSERT_EQ(gui->InitializeGui(&host), 0);
  ASSERT_EQ(gui->SetViewContainer(&host), 0);
  ASSERT_NE(Child(parent), nullptr);
  EXPECT_EQ(gui->Release(), 0);
  gui = nullptr;
  EXPECT_EQ(Child(parent), nullptr);
  EXPECT_EQ(Editor()->WindowHandle(), nullptr);
}
}
