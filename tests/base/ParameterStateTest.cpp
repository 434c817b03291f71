#include "StatePlug.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace
{
void PutDouble(StateChunk* chunk, double value)
{
  std::uint64_t bits;
  std::memcpy(&bits, &value, 8);
  unsigned char bytes[8];
  for (int i = 0; i < 8; ++i)
    bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
  chunk->PutBytes(bytes, 8);
}

const double kDefaults[18] = {50, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 0};

TEST(ParameterState, DefaultStateIs144LittleEndianBytes)
{
  StatePlug plug;
  StateChunk chunk;
  ASSERT_TRUE(plug.SerializeParams(&chunk));
  ASSERT_EQ(chunk.Size(), 144);
  const unsigned char fifty[8] = {0, 0, 0, 0, 0, 0, 0x49, 0x40};
  const unsigned char hundred[8] = {0, 0, 0, 0, 0, 0, 0x59, 0x40};
  EXPECT_EQ(std::memcmp(chunk.Get(), fifty, 8), 0);
  EXPECT_EQ(std::memcmp(chunk.Get() + 8, hundred, 8), 0);
  const unsigned char one[8] = {0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
  EXPECT_EQ(std::memcmp(chunk.Get() + 88, one, 8), 0);  // 5K switch

  ASSERT_TRUE(plug.SerializeParams(&chunk));  // appends
  EXPECT_EQ(chunk.Size(), 288);
}

TEST(ParameterState, RoundTripsEveryParameter)
{
  StatePlug plug;
  plug.GetParam(0)->Set(37.0);
  plug.GetParam(1)->Set(12.5);
  plug.GetParam(4)->Set(1.0);
  plug.GetParam(17)->Set(1.0);
  StateChunk chunk;
  ASSERT_TRUE(plug.SerializePlugState(&chunk));

  StatePlug other;
  EXPECT_EQ(other.UnserializePlugState(&chunk, 0), 144);
  for (int i = 0; i < 18; ++i)
    EXPECT_EQ(other.GetParam(i)->Value(), plug.GetParam(i)->Value()) << i;
}

TEST(ParameterState, ShortDataReadsWholeValuesThenZeroAndNotifiesAll)
{
  StatePlug plug;
  StateChunk chunk;
  for (int i = 0; i < 17; ++i)
    PutDouble(&chunk, kDefaults[i] == 0 ? 1.0 : 0.0);  // invert every value
  const unsigned char partial[4] = {1, 2, 3, 4};
  chunk.PutBytes(partial, 4);
  ASSERT_EQ(chunk.Size(), 140);
  plug.GetParam(17)->Set(1.0);

  EXPECT_EQ(plug.UnserializeParams(&chunk, 0), -1);
  EXPECT_EQ(plug.GetParam(0)->Value(), 0.0);
  EXPECT_EQ(plug.GetParam(2)->Value(), 1.0);
  EXPECT_EQ(plug.GetParam(16)->Value(), 0.0);
  EXPECT_EQ(plug.GetParam(17)->Value(), 0.0);  // read as 0, clamped to its min
  ASSERT_EQ(plug.events.size(), 18u);
  for (int i = 0; i < 18; ++i)
  {
    EXPECT_EQ(plug.events[i].what, "restored");
    EXPECT_EQ(plug.events[i].index, i);
  }
}

TEST(ParameterState, ParametersAfterTheEndKeepTheirValues)
{
  StatePlug plug;
  StateChunk chunk;
  PutDouble(&chunk, 10.0);  // only "Effect Amount"
  plug.GetParam(17)->Set(1.0);
  plug.GetParam(16)->Set(0.0);
  EXPECT_EQ(plug.UnserializeParams(&chunk, 0), -1);
  EXPECT_EQ(plug.GetParam(0)->Value(), 10.0);
  EXPECT_EQ(plug.GetParam(1)->Value(), 0.0);  // met the end: reads as 0
  EXPECT_EQ(plug.GetParam(16)->Value(), 0.0);
  EXPECT_EQ(plug.GetParam(17)->Value(), 1.0);
}

TEST(ParameterState, ValuesAreClampedNotRounded)
{
  StatePlug plug;
  StateChunk chunk;
  const double values[18] = {250, 33.3, 0.4, 0, 0, 0, 0, 0, 0, 0, -3, 0.5, 1, 1, 1, 1, 1, 7};
  for (double v : values)
    PutDouble(&chunk, v);
  EXPECT_EQ(plug.UnserializeParams(&chunk, 0), 144);
  EXPECT_EQ(plug.GetParam(0)->Value(), 100.0);
  EXPECT_EQ(plug.GetParam(1)->Value(), 33.3);
  EXPECT_EQ(plug.GetParam(2)->Value(), 0.4);
  EXPECT_EQ(plug.GetParam(10)->Value(), 0.0);
  EXPECT_EQ(plug.GetParam(11)->Value(), 0.5);
  EXPECT_EQ(plug.GetParam(17)->Value(), 1.0);
}

TEST(ParameterState, NonFiniteValuesBecomeTheDefault)
{
  StatePlug plug;
  StateChunk chunk;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (int i = 0; i < 18; ++i)
    PutDouble(&chunk, i == 0 ? nan : i == 1 ? -inf : i == 11 ? inf : 0.0);
  EXPECT_EQ(plug.UnserializeParams(&chunk, 0), 144);
  EXPECT_EQ(plug.GetParam(0)->Value(), 50.0);
  EXPECT_EQ(plug.GetParam(1)->Value(), 100.0);
  EXPECT_EQ(plug.GetParam(11)->Value(), 1.0);
  EXPECT_EQ(plug.GetParam(12)->Value(), 0.0);
}

TEST(ParameterState, ReadsFromAPositionAndLeavesTheRest)
{
  StatePlug plug;
  StateChunk chunk;
  PutDouble(&chunk, 99.0);  // someone else's framing
  for (double v : kDefaults)
    PutDouble(&chunk, v);
  ASSERT_EQ(chunk.Size(), 152);
  EXPECT_EQ(plug.UnserializeParams(&chunk, 8), 152);
  EXPECT_EQ(plug.GetParam(0)->Value(), 50.0);
  EXPECT_EQ(plug.UnserializeParams(&chunk, -1), -1);
}

// A host's bytes over the current state: whole finite values are restored
// (clamped), a torn or missing value and every non-finite one keep the
// current value, and every parameter is notified.
TEST(ParameterState, RestoreReadsOverTheCurrentState)
{
  struct Case
  {
    const char* what;
    std::vector<double> values;
    int extraBytes;  // after the values: a torn value, or bytes behind the state
    int position;
    int result;
    double amount, dryWet, hf;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  std::vector<double> all(18, 1.0);
  all[0] = 250.0;
  all[1] = nan;
  const Case cases[] = {
      {"whole state, clamped, NaN keeps", all, 0, 0, 144, 100.0, 37.0, 1.0},
      {"bytes behind the state", all, 8, 0, 144, 100.0, 37.0, 1.0},
      {"one and a half values", {20.0}, 4, 0, -1, 20.0, 37.0, 0.0},
      {"nothing", {}, 0, 0, -1, 12.0, 37.0, 0.0},
      {"infinity keeps", {-inf, 40.0}, 0, 0, -1, 12.0, 40.0, 0.0},
      {"from a position", {99.0, 60.0, 30.0}, 0, 8, -1, 60.0, 30.0, 0.0},
      {"negative position", all, 0, -8, -1, 12.0, 37.0, 0.0},
  };
  for (const Case& c : cases)
  {
    StatePlug plug;
    plug.GetParam(0)->Set(12.0);
    plug.GetParam(1)->Set(37.0);
    StateChunk chunk;
    for (double v : c.values)
      PutDouble(&chunk, v);
    const unsigned char tail[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    chunk.PutBytes(tail, c.extraBytes);
    plug.events.clear();
    EXPECT_EQ(plug.RestorePlugState(&chunk, c.position), c.result) << c.what;
    EXPECT_EQ(plug.GetParam(0)->Value(), c.amount) << c.what;
    EXPECT_EQ(plug.GetParam(1)->Value(), c.dryWet) << c.what;
    EXPECT_EQ(plug.GetParam(17)->Value(), c.hf) << c.what;
    EXPECT_EQ(plug.events.size(), c.position < 0 ? 0u : 18u) << c.what;
  }
}

TEST(ParameterState, StateMatchesWithinSinglePrecision)
{
  StatePlug plug;
  double values[18];
  for (int i = 0; i < 18; ++i)
    values[i] = kDefaults[i];
  EXPECT_TRUE(plug.StateMatches(values, 0));
  values[1] = 100.0 - 5e-6;  // 100 - 5e-6 narrows to 100.0f
  EXPECT_TRUE(plug.StateMatches(values, 0));
  values[1] = 100.0;
  values[12] = 1.0 + 2e-5;
  EXPECT_FALSE(plug.StateMatches(values, 0));
  values[12] = 1.0 - 5e-6;
  EXPECT_TRUE(plug.StateMatches(values, 0));

  TestPlug none(0);
  EXPECT_TRUE(none.StateMatches(values, 0));
}

TEST(Presets, StoreDefaultPresetFillsTheFirstUninitialised)
{
  StatePlug plug;
  ASSERT_TRUE(plug.StoreDefaultPreset("-", 1));
  const IPlugPreset* preset = plug.GetPreset(0);
  EXPECT_TRUE(preset->initialised);
  EXPECT_STREQ(preset->name, "-");
  EXPECT_EQ(preset->state.Size(), 144);
  EXPECT_FALSE(plug.StoreDefaultPreset("again", 1));  // none left
  EXPECT_STREQ(plug.GetPreset(0)->name, "-");

  StatePlug unnamed;
  unnamed.StoreDefaultPreset(nullptr, 1);
  EXPECT_STREQ(unnamed.GetPreset(0)->name, "Empty");
}

TEST(Presets, ApplyPresetRestoresTheDefaults)
{
  StatePlug plug;
  plug.StoreDefaultPreset("-", 1);
  plug.GetParam(0)->Set(3.0);
  plug.events.clear();
  EXPECT_FALSE(plug.ApplyPreset(1));
  EXPECT_FALSE(plug.ApplyPreset(-1));
  EXPECT_EQ(plug.GetParam(0)->Value(), 3.0);
  EXPECT_EQ(plug.presetListChanges, 0);
  EXPECT_TRUE(plug.events.empty());

  EXPECT_TRUE(plug.ApplyPreset(0));
  EXPECT_EQ(plug.GetParam(0)->Value(), 50.0);
  EXPECT_EQ(plug.GetCurrentPresetIdx(), 0);
  EXPECT_EQ(plug.presetListChanges, 1);
}

TEST(Presets, UninitialisedPresetsBecomeNumberedUserPresets)
{
  StatePlug plug;
  TestPlug three(18, "1-1 2-2", 3);
  three.GetParam(0)->SetupDouble("Effect Amount", 50.0, 0.0, 100.0, 1.0, "%");
  three.StoreDefaultPreset("-", 1);
  three.GetParam(0)->Set(20.0);
  EXPECT_TRUE(three.ApplyPreset(2));
  EXPECT_STREQ(three.GetPreset(2)->name, "user preset 1");
  EXPECT_EQ(three.GetCurrentPresetIdx(), 2);
  three.GetParam(0)->Set(30.0);
  EXPECT_TRUE(three.ApplyPreset(1));
  EXPECT_STREQ(three.GetPreset(1)->name, "user preset 2");
  // An initialised preset is never written again: applying it restores 20.
  EXPECT_TRUE(three.ApplyPreset(2));
  EXPECT_EQ(three.GetParam(0)->Value(), 20.0);
}
}
