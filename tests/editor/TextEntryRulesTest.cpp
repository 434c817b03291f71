// What a text entry over a control lets through and what its committed
// text gives the control.

#include "IGraphics.h"
#include "StatePlug.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// A control that keeps what an entry without a parameter hands it.
class TextTakingControl : public IControl
{
public:
  TextTakingControl(IPlugBase* plug, int paramIdx) : IControl(plug, IBounds(0, 0, 10, 10), paramIdx) {}
  bool Render(IGraphics*) override { return true; }
  void TakeTextFromEntry(const char* text) override { taken = text; }
  std::string taken;
};

TEST(TextEntryRules, CharactersThatReachTheEntryPerKind)
{
  IPlugParameter none, boolean, integer, enumeration, real;
  boolean.SetupBool("b", false);
  integer.SetKind(kParameterInt);
  integer.SetupDouble("i", 0.0, 0.0, 10.0, 1.0);
  enumeration.SetKind(kParameterEnum);
  enumeration.SetupDouble("e", 0.0, 0.0, 3.0, 1.0);
  real.SetupDouble("d", 0.0, 0.0, 10.0, 0.1);
  const struct
  {
    const IPlugParameter* param;
    const char* accepted;
    const char* refused;
  } cases[] = {
      {&boolean, "0123456789+-\b", ".aZ ,\r"},
      {&integer, "0123456789+-\b", ".aZ ,\r"},
      {&enumeration, "0123456789+-\b", ".a"},
      {&real, "0123456789+-.\b", "ae ,\x1b"},
      {&none, "a.,- \r", ""},
      {nullptr, "a.,- \r", ""},
  };
  for (const auto& c : cases)
  {
    for (const char* p = c.accepted; *p; ++p)
      EXPECT_TRUE(IGraphics::EntryAcceptsCharacter(c.param, static_cast<unsigned char>(*p)))
          << (c.param ? c.param->Kind() : -1) << " '" << *p << "'";
    for (const char* p = c.refused; *p; ++p)
      EXPECT_FALSE(IGraphics::EntryAcceptsCharacter(c.param, static_cast<unsigned char>(*p)))
          << (c.param ? c.param->Kind() : -1) << " '" << *p << "'";
  }
}

class TextEntryCommit : public testing::Test
{
protected:
  // Commits text into a control bound to parameter paramIdx and answers
  // the parameter's value afterwards.
  double Commit(int paramIdx, const char* text)
  {
    TextTakingControl control(&plug, paramIdx);
    control.SetValue(plug.GetParam(paramIdx)->GetNormalized());
    IGraphics::CommitEntryText(&control, plug.GetParam(paramIdx), text);
    return plug.GetParam(paramIdx)->Value();
  }

  StatePlug plug;
};

TEST_F(TextEntryCommit, NumbersApplyToDoubleParameters)
{
  EXPECT_EQ(Commit(0, "37"), 37.0);
  EXPECT_EQ(Commit(0, "250"), 100.0) << "clamped by the parameter";
  EXPECT_EQ(Commit(0, "abc"), 0.0) << "no leading number reads 0";
  plug.GetParam(0)->SetNegateDisplay(true);
  EXPECT_EQ(Commit(0, "-12"), 12.0);
}

TEST_F(TextEntryCommit, ATextReadingAsNaNAppliesNothing)
{
  Commit(0, "37");
  plug.events.clear();
  EXPECT_EQ(Commit(0, "nan"), 37.0);
  EXPECT_EQ(Commit(0, "-nan(ind)"), 37.0);
  EXPECT_TRUE(plug.events.empty());
}

TEST_F(TextEntryCommit, BoolAndEnumMatchTheirDisplayTexts)
{
  EXPECT_EQ(Commit(10, "on"), 1.0);
  EXPECT_EQ(Commit(10, "ON"), 0.0) << "a miss applies 0";
  EXPECT_EQ(Commit(10, "on"), 1.0);
  EXPECT_EQ(Commit(10, "1"), 0.0) << "texts, not numbers";

  IPlugParameter* mode = plug.GetParam(2);
  mode->SetKind(kParameterEnum);
  mode->SetupDouble("mode", 0.0, 0.0, 3.0, 1.0);
  mode->AppendDisplayText(0, "soft");
  mode->AppendDisplayText(3, "hard");
  EXPECT_EQ(Commit(2, "hard"), 3.0);
  EXPECT_EQ(Commit(2, "3"), 0.0);
}

TEST_F(TextEntryCommit, ABoolWithoutDisplayTextsTakesTheNumber)
{
  IPlugParameter* flag = plug.GetParam(2);
  flag->SetKind(kParameterBool);
  flag->SetupDouble("flag", 0.0, 0.0, 1.0, 0.1);
  ASSERT_EQ(flag->DisplayTextCount(), 0);
  EXPECT_EQ(Commit(2, "1"), 1.0);
  EXPECT_EQ(Commit(2, "0"), 0.0);
}

TEST_F(TextEntryCommit, WithoutAParameterTheControlTakesTheText)
{
  TextTakingControl control(&plug, -1);
  IGraphics::CommitEntryText(&control, nullptr, "free text");
  EXPECT_EQ(control.taken, "free text");
  IGraphics::CommitEntryText(nullptr, plug.GetParam(0), "5");
  EXPECT_EQ(plug.GetParam(0)->Value(), 50.0);
}
}
