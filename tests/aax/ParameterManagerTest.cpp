#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AaxFakes.h"
#include "ParameterManager.h"

#include <gtest/gtest.h>

namespace
{
AAX_IParameter* NewParameter(const char* identifier, int32_t defaultValue = 0)
{
  return new AAX_CParameter<int32_t>(identifier, AAX_CString(identifier), defaultValue,
                                     AAX_CLinearTaperDelegate<int32_t>(0, 10), AAX_CNumberDisplayDelegate<int32_t>(),
                                     true);
}

TEST(ParameterManager, KeepsTheOrderOfAdding)
{
  ParameterManager manager;
  for (const char* identifier : {"MasterBypassID", "1", "2", "10"})
    EXPECT_TRUE(manager.AddParameter(NewParameter(identifier)));
  EXPECT_EQ(manager.NumParameters(), 4);
  EXPECT_EQ(manager.IndexOfParameter("2"), 2);
  EXPECT_EQ(manager.IndexOfParameter("10"), 3);
  EXPECT_STREQ(manager.ParameterAt(0)->Identifier(), "MasterBypassID");
  EXPECT_EQ(manager.FindParameter("1"), manager.ParameterAt(1));
}

TEST(ParameterManager, LookupsOutsideGiveNothing)
{
  ParameterManager manager;
  manager.AddParameter(NewParameter("1"));
  EXPECT_EQ(manager.ParameterAt(-1), nullptr);
  EXPECT_EQ(manager.ParameterAt(1), nullptr);
  EXPECT_EQ(manager.IndexOfParameter(nullptr), -1);
  EXPECT_EQ(manager.IndexOfParameter("3"), -1);
  EXPECT_EQ(manager.FindParameter(nullptr), nullptr);
  EXPECT_EQ(manager.FindParameter("3"), nullptr);
}

TEST(ParameterManager, NullAndDuplicatesAreNotTaken)
{
  ParameterManager manager;
  EXPECT_FALSE(manager.AddParameter(nullptr));
  AAX_IParameter* first = NewParameter("1", 3);
  ASSERT_TRUE(manager.AddParameter(first));
  AAX_IParameter* duplicate = NewParameter("1", 7);
  EXPECT_FALSE(manager.AddParameter(duplicate));
  duplicate->Destroy(kDeleteFreesMemory);
  EXPECT_EQ(manager.NumParameters(), 1);
  EXPECT_EQ(manager.FindParameter("1"), first);
}

TEST(ParameterManager, BindsParametersAddedAfterTheDelegateIsSet)
{
  RecordingAutomationDelegate automation;
  {
    ParameterManager manager;
    manager.AddParameter(NewParameter("before"));
    manager.SetAutomationDelegate(&automation);
    manager.AddParameter(NewParameter("after"));
    EXPECT_EQ(automation.calls.size(), 1u);
    manager.RemoveAll();
    EXPECT_EQ(manager.NumParameters(), 0);
    EXPECT_EQ(manager.FindParameter("after"), nullptr);
    ASSERT_EQ(automation.calls.size(), 2u);
    EXPECT_EQ(automation.calls[1].what, "unregister");
    manager.AddParameter(NewParameter("again"));
  }
  // The manager's destruction deleted what it held.
  ASSERT_EQ(automation.calls.size(), 4u);
  EXPECT_EQ(automation.calls[3].what, "unregister");
  EXPECT_EQ(automation.calls[3].identifier, "again");
}
}
