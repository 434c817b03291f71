#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_CStringDisplayDelegate.h"
#include "AaxFakes.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace
{
using Call = RecordingAutomationDelegate::Call;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::unique_ptr<AAX_CParameter<int32_t>> IntParameter(int32_t defaultValue = 29, const char* identifier = "1")
{
  return std::make_unique<AAX_CParameter<int32_t>>(identifier, AAX_CString("Threshold"), defaultValue,
                                                   AAX_CLinearTaperDelegate<int32_t>(0, 100),
                                                   AAX_CNumberDisplayDelegate<int32_t>(), true);
}

std::unique_ptr<AAX_CParameter<double>> DoubleParameter(double defaultValue = 0.5)
{
  return std::make_unique<AAX_CParameter<double>>("2", AAX_CString("DryWet"), defaultValue, LinearDoubleTaper(0, 1),
                                                  AAX_CNumberDisplayDelegate<double>(), true);
}

std::unique_ptr<AAX_CParameter<bool>> BoolParameter()
{
  return std::make_unique<AAX_CParameter<bool>>("MasterBypassID", AAX_CString("Master Bypass"), false,
                                                AAX_CBinaryTaperDelegate<bool>(),
                                                AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true);
}

int32_t IntValue(const AAX_IParameter& parameter)
{
  int32_t value = -1;
  EXPECT_TRUE(parameter.GetIntValue(&value));
  return value;
}

TEST(AAX_CParameter, IdentifierIsCutAt31Characters)
{
  const std::string forty(40, 'x');
  EXPECT_EQ(std::string(IntParameter(0, forty.c_str())->Identifier()), forty.substr(0, 31));
  const std::string thirtyOne(31, 'y');
  EXPECT_EQ(std::string(IntParameter(0, thirtyOne.c_str())->Identifier()), thirtyOne);
  EXPECT_STREQ(IntParameter(0, nullptr)->Identifier(), "");
}

TEST(AAX_CParameter, NewParametersAreContinuousWith128Steps)
{
  for (AAX_IParameter* parameter : {static_cast<AAX_IParameter*>(IntParameter().release()),
                                    static_cast<AAX_IParameter*>(DoubleParameter().release()),
                                    static_cast<AAX_IParameter*>(BoolParameter().release())})
  {
    EXPECT_EQ(parameter->StepCount(), 128u);
    EXPECT_EQ(parameter->Kind(), 1);
    EXPECT_EQ(parameter->AuxValue(), 0);
    EXPECT_TRUE(parameter->IsAutomatable());
    parameter->Destroy(kDeleteFreesMemory);
  }
}

TEST(AAX_CParameter, InitialValueIsTheDefaultThroughTheTaperBothWays)
{
  const auto parameter = IntParameter(29);
  EXPECT_EQ(IntValue(*parameter), 28);
  EXPECT_EQ(parameter->NormalizedDefault(), 0.29);
  EXPECT_EQ(parameter->NormalizedValue(), 0.28);
}

TEST(AAX_CParameter, WithoutDelegateARequestAppliesItself)
{
  const auto parameter = IntParameter();
  parameter->SetNormalizedValue(0.555);
  EXPECT_EQ(IntValue(*parameter), 55);
  EXPECT_TRUE(parameter->SetIntValue(250));
  EXPECT_EQ(IntValue(*parameter), 100);
  parameter->ResetToDefault();
  EXPECT_EQ(IntValue(*parameter), 28);
}

TEST(AAX_CParameter, WithDelegateAChangeIsARequest)
{
  RecordingAutomationDelegate automation;
  const auto parameter = IntParameter();
  parameter->SetAutomationDelegate(&automation);
  parameter->SetNormalizedValue(0.555);
  EXPECT_EQ(IntValue(*parameter), 28);
  const std::vector<Call> request = {
    {"register", "1", 0}, {"touch", "1", 0}, {"request", "1", 0.55}, {"release", "1", 0}};
  EXPECT_EQ(automation.calls, request);

  automation.calls.clear();
  parameter->ApplyNormalizedValue(0.55);
  EXPECT_EQ(IntValue(*parameter), 55);
  EXPECT_EQ(automation.calls, (std::vector<Call>{{"current", "1", 0.55}}));

  // The same value again is neither stored nor reported.
  automation.calls.clear();
  parameter->ApplyNormalizedValue(0.553);
  EXPECT_TRUE(automation.calls.empty());
}

TEST(AAX_CParameter, EveryPlugInChangeRequests)
{
  RecordingAutomationDelegate automation;
  const auto parameter = IntParameter();
  parameter->SetAutomationDelegate(&automation);
  automation.calls.clear();
  EXPECT_TRUE(parameter->SetIntValue(40));
  EXPECT_TRUE(parameter->SetValueFromText(AAX_CString("70.9")));
  parameter->ResetToDefault();
  parameter->SetStepValue(300);
  const std::vector<double> requested = {0.4, 0.7, 0.29, 1.0};
  std::vector<double> seen;
  for (const Call& call : automation.calls)
    if (call.what == "request")
      seen.push_back(call.value);
  EXPECT_EQ(seen, requested);
  EXPECT_EQ(IntValue(*parameter), 28);
}

TEST(AAX_CParameter, KeepingTheRealValueUnderANewTaperWaitsForTheHost)
{
  RecordingAutomationDelegate automation;
  const auto parameter = IntParameter(50);
  parameter->SetAutomationDelegate(&automation);
  automation.calls.clear();
  parameter->SetTaperDelegate(AAX_CLinearTaperDelegate<int32_t>(0, 200), true);
  EXPECT_EQ(IntValue(*parameter), 50);
  EXPECT_EQ(automation.calls, (std::vector<Call>{{"touch", "1", 0}, {"request", "1", 0.25}, {"release", "1", 0}}));
  // The answer stores and reports though the value is unchanged.
  automation.calls.clear();
  parameter->ApplyNormalizedValue(0.25);
  EXPECT_EQ(automation.calls, (std::vector<Call>{{"current", "1", 0.25}}));
  automation.calls.clear();
  parameter->ApplyNormalizedValue(0.25);
  EXPECT_TRUE(automation.calls.empty());
}

TEST(AAX_CParameter, KeepingThePositionUnderANewTaper)
{
  const auto parameter = IntParameter(50);
  parameter->SetTaperDelegate(AAX_CLinearTaperDelegate<int32_t>(0, 10), false);
  EXPECT_EQ(IntValue(*parameter), 5);
  // A taper of another type is ignored.
  parameter->SetTaperDelegate(AAX_CBinaryTaperDelegate<bool>(), false);
  EXPECT_EQ(IntValue(*parameter), 5);
  EXPECT_EQ(parameter->NormalizedValue(), 0.5);
}

TEST(AAX_CParameter, NewDisplayReportsTheCurrentValue)
{
  RecordingAutomationDelegate automation;
  const auto parameter = IntParameter();
  parameter->SetAutomationDelegate(&automation);
  automation.calls.clear();
  parameter->SetDisplayDelegate(AAX_CStringDisplayDelegate<int32_t>({{28, AAX_CString("low")}}));
  EXPECT_EQ(automation.calls, (std::vector<Call>{{"current", "1", 0.28}}));
  AAX_CString text;
  EXPECT_TRUE(parameter->ValueText(&text));
  EXPECT_STREQ(text.CString(), "low");
  parameter->SetDisplayDelegate(AAX_CBinaryDisplayDelegate<bool>("a", "b"));
  EXPECT_TRUE(parameter->ValueText(&text));
  EXPECT_STREQ(text.CString(), "low");
}

TEST(AAX_CParameter, DelegatesRegisterAndUnregister)
{
  RecordingAutomationDelegate first, second;
  {
    const auto parameter = IntParameter();
    parameter->SetAutomationDelegate(&first);
    parameter->SetAutomationDelegate(&second);
    parameter->Touch();
    parameter->ReleaseTouch();
  }
  EXPECT_EQ(first.calls, (std::vector<Call>{{"register", "1", 0}, {"unregister", "1", 0}}));
  EXPECT_EQ(second.calls, (std::vector<Call>{
                            {"register", "1", 0}, {"touch", "1", 0}, {"release", "1", 0}, {"unregister", "1", 0}}));
}

TEST(AAX_CParameter, StepValue)
{
  const struct
  {
    uint32_t steps;
    double normalized;
    uint32_t step;
  } cases[] = {{128, 0.5, 64}, {2, 0.49, 0}, {2, 0.5, 1}, {1, 1.0, 0}, {0, 1.0, 0}, {128, 1.0, 127}, {11, 0.0, 0}};
  for (const auto& c : cases)
  {
    const auto parameter = DoubleParameter(c.normalized);
    parameter->SetStepCount(c.steps);
    EXPECT_EQ(parameter->StepValue(), c.step) << c.steps << " " << c.normalized;
  }
}

TEST(AAX_CParameter, SetStepValue)
{
  const auto parameter = DoubleParameter(0.3);
  parameter->SetStepCount(5);
  parameter->SetStepValue(2);
  EXPECT_EQ(parameter->NormalizedValue(), 0.5);
  parameter->SetStepValue(300);
  EXPECT_EQ(parameter->NormalizedValue(), 1.0);
  parameter->SetStepCount(1);
  parameter->SetStepValue(0);
  EXPECT_EQ(parameter->NormalizedValue(), 1.0);
}

TEST(AAX_CParameter, ShortenedNames)
{
  auto parameter = IntParameter();
  parameter->SetName(AAX_CString("Twelve chars"));
  parameter->AddShortenedName(AAX_CString("Four"));
  parameter->AddShortenedName(AAX_CString("Eight ch"));
  const struct
  {
    int32_t limit;
    const char* name;
  } cases[] = {{12, "Twelve chars"}, {40, "Twelve chars"}, {11, "Eight ch"}, {8, "Eight ch"}, {7, "Four"},
               {4, "Four"},          {3, "Four"},         {0, "Four"},     {-1, "Twelve chars"}};
  for (const auto& c : cases)
    EXPECT_STREQ(parameter->ShortenedName(c.limit).CString(), c.name) << c.limit;
  parameter->AddShortenedName(AAX_CString("8 chars!"));
  EXPECT_STREQ(parameter->ShortenedName(9).CString(), "8 chars!");
  parameter->ClearShortenedNames();
  EXPECT_STREQ(parameter->ShortenedName(3).CString(), "Twelve chars");
  EXPECT_STREQ(parameter->Name().CString(), "Twelve chars");
}

TEST(AAX_CParameter, TextsOfValues)
{
  const auto parameter = IntParameter();
  AAX_CString full, limited;
  EXPECT_TRUE(parameter->ValueText(&full));
  EXPECT_TRUE(parameter->ValueTextLimited(3, &limited));
  EXPECT_STREQ(full.CString(), "28.00");
  EXPECT_STREQ(limited.CString(), "28.00");
  EXPECT_TRUE(parameter->TextForNormalized(0.5, &full));
  EXPECT_STREQ(full.CString(), "50.00");
  EXPECT_TRUE(parameter->TextForNormalizedLimited(0.5, 3, &limited));
  EXPECT_STREQ(limited.CString(), "50");
  EXPECT_FALSE(parameter->ValueText(nullptr));
  EXPECT_FALSE(parameter->TextForNormalized(0.5, nullptr));

  // A display that refuses leaves its own text.
  parameter->SetDisplayDelegate(AAX_CStringDisplayDelegate<int32_t>({{0, AAX_CString("zero")}}));
  EXPECT_FALSE(parameter->TextForNormalized(0.5, &full));
  EXPECT_STREQ(full.CString(), "String Not Found");
}

TEST(AAX_CParameter, NormalizedFromText)
{
  const auto parameter = IntParameter();
  double normalized = -1;
  EXPECT_TRUE(parameter->NormalizedFromText(AAX_CString("42"), &normalized));
  EXPECT_EQ(normalized, 0.42);
  normalized = -1;
  EXPECT_FALSE(parameter->NormalizedFromText(AAX_CString("150"), &normalized));
  EXPECT_EQ(normalized, 1.0);
  normalized = -1;
  EXPECT_FALSE(parameter->NormalizedFromText(AAX_CString("loud"), &normalized));
  EXPECT_EQ(normalized, -1);
  EXPECT_FALSE(parameter->NormalizedFromText(AAX_CString("42"), nullptr));

  EXPECT_FALSE(parameter->SetValueFromText(AAX_CString("loud")));
  EXPECT_EQ(IntValue(*parameter), 28);
  EXPECT_TRUE(parameter->SetValueFromText(AAX_CString("150")));
  EXPECT_EQ(IntValue(*parameter), 100);
}

TEST(AAX_CParameter, WrongTypeAccessorsLeaveEverythingAlone)
{
  RecordingAutomationDelegate automation;
  const auto intParameter = IntParameter();
  const auto doubleParameter = DoubleParameter();
  const auto boolParameter = BoolParameter();
  for (AAX_IParameter* parameter : {static_cast<AAX_IParameter*>(intParameter.get()),
                                    static_cast<AAX_IParameter*>(doubleParameter.get()),
                                    static_cast<AAX_IParameter*>(boolParameter.get())})
    parameter->SetAutomationDelegate(&automation);
  automation.calls.clear();

  bool b = true;
  int32_t i = -7;
  float f = -7;
  double d = -7;
  AAX_CString text("untouched");
  EXPECT_FALSE(intParameter->GetBoolValue(&b));
  EXPECT_FALSE(intParameter->GetDoubleValue(&d));
  EXPECT_FALSE(doubleParameter->GetIntValue(&i));
  EXPECT_FALSE(doubleParameter->GetBoolValue(&b));
  EXPECT_FALSE(boolParameter->GetIntValue(&i));
  EXPECT_FALSE(boolParameter->GetDoubleValue(&d));
  for (AAX_IParameter* parameter : {static_cast<AAX_IParameter*>(intParameter.get()),
                                    static_cast<AAX_IParameter*>(doubleParameter.get()),
                                    static_cast<AAX_IParameter*>(boolParameter.get())})
  {
    EXPECT_FALSE(parameter->GetValueOfOtherType(&f));
    EXPECT_FALSE(parameter->GetTextValue(&text));
    EXPECT_FALSE(parameter->SetValueOfOtherType(1.0f));
    EXPECT_FALSE(parameter->SetTextValue(AAX_CString("1")));
  }
  EXPECT_FALSE(intParameter->SetBoolValue(true));
  EXPECT_FALSE(intParameter->SetDoubleValue(1.0));
  EXPECT_FALSE(doubleParameter->SetIntValue(1));
  EXPECT_FALSE(doubleParameter->SetBoolValue(true));
  EXPECT_FALSE(boolParameter->SetIntValue(1));
  EXPECT_FALSE(boolParameter->SetDoubleValue(1.0));
  EXPECT_TRUE(b);
  EXPECT_EQ(i, -7);
  EXPECT_EQ(f, -7);
  EXPECT_EQ(d, -7);
  EXPECT_STREQ(text.CString(), "untouched");
  EXPECT_TRUE(automation.calls.empty());
  EXPECT_FALSE(intParameter->GetIntValue(nullptr));
}

TEST(AAX_CParameter, OwnTypeAccessors)
{
  const auto doubleParameter = DoubleParameter();
  const auto boolParameter = BoolParameter();
  EXPECT_TRUE(doubleParameter->SetDoubleValue(0.75));
  double d = 0;
  EXPECT_TRUE(doubleParameter->GetDoubleValue(&d));
  EXPECT_EQ(d, 0.75);
  EXPECT_TRUE(boolParameter->SetBoolValue(true));
  bool b = false;
  EXPECT_TRUE(boolParameter->GetBoolValue(&b));
  EXPECT_TRUE(b);
  AAX_CString text;
  EXPECT_TRUE(boolParameter->ValueText(&text));
  EXPECT_STREQ(text.CString(), "on");
}

TEST(AAX_CParameter, NormalizedValuesThatAreNotFiniteAreIgnored)
{
  RecordingAutomationDelegate automation;
  const auto parameter = DoubleParameter(0.5);
  parameter->SetAutomationDelegate(&automation);
  automation.calls.clear();
  for (double bad : {kNaN, std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()})
  {
    parameter->ApplyNormalizedValue(bad);
    parameter->SetNormalizedValue(bad);
    parameter->SetNormalizedDefault(bad);
  }
  // A real value that has no normalised one is not requested.
  EXPECT_TRUE(parameter->SetDoubleValue(kNaN));
  EXPECT_TRUE(automation.calls.empty());
  EXPECT_EQ(parameter->NormalizedValue(), 0.5);
  EXPECT_EQ(parameter->NormalizedDefault(), 0.5);

  // Without a delegate, too.
  const auto unbound = IntParameter();
  unbound->ApplyNormalizedValue(kNaN);
  unbound->SetNormalizedValue(kNaN);
  unbound->SetNormalizedDefault(kNaN);
  EXPECT_EQ(IntValue(*unbound), 28);
  EXPECT_EQ(unbound->NormalizedDefault(), 0.29);
}

TEST(AAX_CParameter, DefaultIsConstrainedAndQuiet)
{
  RecordingAutomationDelegate automation;
  const auto parameter = IntParameter();
  parameter->SetAutomationDelegate(&automation);
  automation.calls.clear();
  parameter->SetNormalizedDefault(1.7);
  EXPECT_EQ(parameter->NormalizedDefault(), 1.0);
  EXPECT_EQ(IntValue(*parameter), 28);
  EXPECT_TRUE(automation.calls.empty());
}

TEST(AAX_CParameter, KindAuxValueAndName)
{
  const auto parameter = BoolParameter();
  parameter->SetKind(0);
  parameter->SetAuxValue(-12);
  parameter->SetStepCount(2);
  EXPECT_EQ(parameter->Kind(), 0);
  EXPECT_EQ(parameter->AuxValue(), -12);
  EXPECT_EQ(parameter->StepCount(), 2u);
  EXPECT_STREQ(parameter->Name().CString(), "Master Bypass");
}
}
