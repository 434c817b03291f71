// Entries a host may call keep their object as it was when memory cannot be
// had, and throw nothing into the host.
#include "AAX_CEffectGUI.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_CString.h"
#include "AAX_CUnitDisplayDelegateDecorator.h"
#include "AAX_VCollection.h"
#include "EffectParametersFixture.h"
#include "ParameterManager.h"
#include "support/TestHeap.h"

#include <gtest/gtest.h>

#include <memory>
#include <new>

namespace
{
// Every operator new fails while it lives.
struct NoMemory
{
  NoMemory() { TestHeap::newFailsAfter = 0; }
  ~NoMemory() { TestHeap::newFailsAfter = -1; }
};

const char* const kLongText = "a text far too long for the string's own room";

std::unique_ptr<AAX_CParameter<int32_t>> Parameter(const char* identifier = "1")
{
  return std::make_unique<AAX_CParameter<int32_t>>(
    identifier, AAX_CString("Threshold"), 5, AAX_CLinearTaperDelegate<int32_t>(0, 10),
    AAX_CUnitDisplayDelegateDecorator<int32_t>(AAX_CNumberDisplayDelegate<int32_t>(), AAX_CString(" dB")), true);
}

TEST(AaxWithoutMemory, StringEntriesKeepTheText)
{
  AAX_CString text("short");
  const AAX_CString other(kLongText);
  {
    NoMemory none;
    text.SetCString(kLongText);
    text.AssignCString(kLongText);
    text.AssignString(other);
  }
  EXPECT_STREQ(text.CString(), "short");
}

TEST(AaxWithoutMemory, ParameterEntriesChangeNothing)
{
  const auto parameter = Parameter();
  const AAX_CString longName(kLongText);
  const AAX_CLinearTaperDelegate<int32_t> taper(0, 100);
  const AAX_CNumberDisplayDelegate<int32_t> display;
  AAX_CString text("previous");
  double normalized = -1;
  {
    NoMemory none;
    parameter->SetName(longName);
    parameter->AddShortenedName(longName);
    parameter->SetTaperDelegate(taper, false);
    parameter->SetDisplayDelegate(display);
    EXPECT_FALSE(parameter->ValueText(&text));
    EXPECT_FALSE(parameter->TextForNormalized(0.5, &text));
    EXPECT_FALSE(parameter->SetValueFromText(AAX_CString()));
    parameter->NormalizedFromText(AAX_CString(), &normalized);
  }
  EXPECT_STREQ(parameter->Name().CString(), "Threshold");
  EXPECT_STREQ(parameter->ShortenedName(3).CString(), "Threshold");
  EXPECT_EQ(parameter->NormalizedValue(), 0.5);
  EXPECT_TRUE(parameter->ValueText(&text));
  EXPECT_STREQ(text.CString(), "5.00 dB");
}

TEST(AaxWithoutMemory, ManagerTakesNothing)
{
  ParameterManager manager;
  manager.AddParameter(Parameter("first").release());
  auto refused = Parameter("a second identifier long enough");
  {
    NoMemory none;
    EXPECT_THROW(manager.AddParameter(refused.get()), std::bad_alloc);
  }
  EXPECT_EQ(manager.NumParameters(), 1);
  EXPECT_EQ(manager.FindParameter("a second identifier long enough"), nullptr);
}

// Whichever allocation of an initialisation fails, nothing is thrown into
// the host, and what was made is freed with the object.
TEST(AaxWithoutMemory, InitialisationAtEveryAllocation)
{
  int32_t result = -1;
  long long succeeding = 0;
  for (; result != 0; ++succeeding)
  {
    auto* effect = new SmallEffect;
    effect->AddRef();
    TestHeap::newFailsAfter = succeeding;
    result = effect->InitializeEffect(nullptr);
    TestHeap::newFailsAfter = -1;
    EXPECT_TRUE(result == 0 || result == kACFUnexpected) << succeeding;
    if (result == 0)
    {
      int32_t count = 0;
      effect->CountParameters(&count);
      EXPECT_EQ(count, 4);
    }
    EXPECT_EQ(effect->Release(), 0);
  }
  EXPECT_GT(succeeding, 10);
  EXPECT_EQ(CACFUnknown::LiveObjects(), 0);
}

// An editor object whose hooks do nothing.
class QuietGUI final : public AAX_CEffectGUI
{
public:
  void CreateViewContents() override { ++contentsMade; }
  void CreateViewContainer() override {}
  void DeleteViewContainer() override {}
  int contentsMade = 0;
};

// Without memory for its controller proxy the editor has no controller: it
// takes nothing from the host and makes no view contents.
TEST(AaxWithoutMemory, EditorWithoutController)
{
  hostfakes::Host host;
  auto* gui = new QuietGUI;
  gui->AddRef();
  {
    NoMemory none;
    EXPECT_EQ(gui->InitializeGui(&host), kAAXNoController);
  }
  EXPECT_EQ(gui->contentsMade, 0);
  EXPECT_TRUE(host.log.Balanced());
  EXPECT_EQ(gui->InitializeGui(&host), 0);
  EXPECT_EQ(gui->contentsMade, 1);
  EXPECT_EQ(gui->Release(), 0);
  EXPECT_TRUE(host.log.Balanced());
}

// Children that cannot be made are null, and the parent goes on.
TEST(AaxWithoutMemory, DescriptionChildrenAreNull)
{
  AAX_VCollection collection(nullptr);
  AAX_VEffectDescriptor descriptor(nullptr);
  AAX_VComponentDescriptor component(nullptr);
  AAX_VPropertyMap source(nullptr);
  {
    NoMemory none;
    EXPECT_EQ(collection.NewEffectDescriptor(), nullptr);
    EXPECT_EQ(collection.NewPropertyMap(), nullptr);
    EXPECT_EQ(descriptor.NewComponentDescriptor(), nullptr);
    EXPECT_EQ(descriptor.NewPropertyMap(), nullptr);
    EXPECT_EQ(component.NewPropertyMap(), nullptr);
    EXPECT_EQ(component.ComponentDescriptorCall17(&source), nullptr);
  }
  EXPECT_NE(collection.NewEffectDescriptor(), nullptr);
}
}
