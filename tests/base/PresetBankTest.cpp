// The preset bank and the current preset's updates, on a plug with three
// presets: the defaults as "-", "Bright", and an uninitialised third. The
// expected bytes are written out here, not taken from the code under test.

#include "StatePlug.h"
#include "support/StateBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace
{
using Values = std::vector<double>;

const Values kDefaults = {50, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 0};

Values BrightValues()
{
  Values values = kDefaults;
  values[0] = 80.0;
  values[1] = 60.0;
  values[17] = 1.0;
  return values;
}

StateBytes ThreePresetBank()
{
  return StateBytes().Entry("-", 1, kDefaults).Entry("Bright", 1, BrightValues()).Entry("empty", 0);
}

void SetValues(IPlugBase& plug, const Values& values)
{
  for (int i = 0; i < plug.NParams(); ++i)
    plug.GetParam(i)->Set(values[i]);
}

Values ValuesOf(const IPlugBase& plug)
{
  Values values;
  for (int i = 0; i < plug.NParams(); ++i)
    values.push_back(plug.GetParam(i)->Value());
  return values;
}

Values StoredValues(const IPlugPreset* preset)
{
  return DecodeDoubles(preset->state.Get(), preset->state.Size());
}

std::vector<unsigned char> ContentOf(const StateChunk& chunk)
{
  return std::vector<unsigned char>(chunk.Get(), chunk.Get() + chunk.Size());
}

struct ThreePresetPlug : StatePlug
{
  ThreePresetPlug() : StatePlug(3)
  {
    StoreDefaultPreset("-", 1);
    SetValues(*this, BrightValues());
    StoreDefaultPreset("Bright", 1);
    SetValues(*this, kDefaults);
  }
};

// Another plug's presets, every one initialised and unlike the bank's, so
// that what a read leaves alone shows.
struct OtherPlug : StatePlug
{
  explicit OtherPlug(int current) : StatePlug(3)
  {
    for (int i = 0; i < 3; ++i)
    {
      Values values = kDefaults;
      values[0] = 10.0 * (i + 1);
      values[2] = 1.0;
      SetValues(*this, values);
      StoreDefaultPreset(("other " + std::to_string(i)).c_str(), 1);
    }
    ApplyPreset(current);
    events.clear();
    presetListChanges = 0;
  }
};

struct PresetRecord
{
  std::string name;
  bool initialised;
  std::vector<unsigned char> state;
  bool operator==(const PresetRecord& other) const
  {
    return name == other.name && initialised == other.initialised && state == other.state;
  }
};

void PrintTo(const PresetRecord& record, std::ostream* os)
{
  *os << '"' << record.name << "\" " << (record.initialised ? "initialised" : "uninitialised") << ", state";
  for (double value : DecodeDoubles(record.state.data(), static_cast<int>(record.state.size())))
    *os << ' ' << value;
}

PresetRecord RecordOf(const IPlugPreset* preset)
{
  return {preset->name, preset->initialised, ContentOf(preset->state)};
}

TEST(PresetBank, ThreePresetsInOrderAndNoStateForTheUninitialised)
{
  ThreePresetPlug plug;
  StateChunk chunk;
  chunk.PutBytes("head", 4);
  ASSERT_TRUE(plug.SerializePresets(&chunk));
  const StateBytes expected =
      StateBytes().Text("head").Entry("-", 1, kDefaults).Entry("Bright", 1, BrightValues()).Entry("empty", 0);
  EXPECT_EQ(chunk.Size(), 4 + 150 + 155 + 10);
  EXPECT_EQ(ContentOf(chunk), expected.data);

  StatePlug none(0);
  StateChunk empty;
  EXPECT_TRUE(none.SerializePresets(&empty));
  EXPECT_EQ(empty.Size(), 0);
}

TEST(PresetBank, RoundTripRestoresEveryPresetAndEndsOnTheCurrent)
{
  ThreePresetPlug source;
  StateChunk bank;
  ASSERT_TRUE(source.SerializePresets(&bank));

  for (int current : {0, 1})
  {
    OtherPlug plug(current);
    EXPECT_EQ(plug.UnserializePresets(&bank, 0), bank.Size()) << current;
    for (int i = 0; i < 2; ++i)
      EXPECT_EQ(RecordOf(plug.GetPreset(i)), RecordOf(source.GetPreset(i))) << i;
    // The uninitialised preset keeps its state bytes, which no one reads.
    EXPECT_STREQ(plug.GetPreset(2)->name, "empty");
    EXPECT_FALSE(plug.GetPreset(2)->initialised);
    EXPECT_EQ(plug.GetCurrentPresetIdx(), current);
    EXPECT_EQ(ValuesOf(plug), current == 0 ? kDefaults : BrightValues());
    EXPECT_EQ(plug.presetListChanges, 1) << "the current preset is applied once, at the end";

    StateChunk again;
    ASSERT_TRUE(plug.SerializePresets(&again));
    EXPECT_EQ(ContentOf(again), ContentOf(bank));
  }
}

// Each preset read is applied in turn, and stored back with the values the
// plug took: clamped, and a value that is not finite keeps the plug's.
TEST(PresetBank, PresetsHoldTheAppliedValues)
{
  Values wild = BrightValues();
  wild[0] = 250.0;
  wild[1] = std::numeric_limits<double>::quiet_NaN();
  wild[10] = -3.0;
  StateChunk bank;
  StateBytes().Entry("-", 1, kDefaults).Entry("wild", 1, wild).Entry("empty", 0).Into(&bank);

  OtherPlug plug(0);
  EXPECT_EQ(plug.UnserializePresets(&bank, 0), bank.Size());
  Values stored = BrightValues();
  stored[0] = 100.0;
  stored[1] = 100.0;  // the value the defaults just applied
  stored[10] = 0.0;
  EXPECT_EQ(StoredValues(plug.GetPreset(1)), stored);
  const int restored = static_cast<int>(std::count_if(plug.events.begin(), plug.events.end(),
                                                      [](const TestPlug::Event& e) { return e.what == "restored"; }));
  EXPECT_EQ(restored, 3 * 18) << "two presets read, then the current applied";
}

TEST(PresetBank, NamesEndAtTheirFirstZeroAndAt255Characters)
{
  const struct
  {
    std::string entryName;
    std::string expected;
  } cases[] = {
      {"", ""},
      {std::string("ab\0cd", 5), "ab"},
      {std::string("\0xyz", 4), ""},
      {std::string(300, 'x'), std::string(255, 'x')},
      {std::string(255, 'y'), std::string(255, 'y')},
  };
  for (const auto& c : cases)
  {
    StateChunk bank;
    StateBytes().Entry("-", 1, kDefaults).Entry(c.entryName, 1, BrightValues()).Entry("third", 7, kDefaults).Into(&bank);
    OtherPlug plug(0);
    EXPECT_EQ(plug.UnserializePresets(&bank, 0), bank.Size()) << c.expected;
    EXPECT_EQ(std::string(plug.GetPreset(1)->name), c.expected);
    EXPECT_EQ(StoredValues(plug.GetPreset(1)), BrightValues()) << c.expected;
    EXPECT_STREQ(plug.GetPreset(2)->name, "third");
    EXPECT_TRUE(plug.GetPreset(2)->initialised) << "any flag byte but 0 counts";
  }
}

// An entry whose length word is missing, negative, overflows or runs past
// the end cannot be read: reading stops there, its preset keeps its name,
// flag and state, and the current preset is applied all the same.
TEST(PresetBank, UnreadableEntryStopsTheReading)
{
  const StateBytes first = StateBytes().Entry("-", 1, BrightValues());
  const struct
  {
    const char* what;
    StateBytes bank;
  } cases[] = {
      {"length word missing", StateBytes(first).Byte(6).Byte(0)},
      {"negative", StateBytes(first).Int32(-1).Text("Bright").Byte(1).Doubles(kDefaults)},
      {"far before the chunk", StateBytes(first).Int32(-1000).Byte(1)},
      {"most negative", StateBytes(first).Int32(std::numeric_limits<std::int32_t>::min()).Byte(1)},
      {"overflows", StateBytes(first).Int32(std::numeric_limits<std::int32_t>::max()).Text("Bright").Byte(1)},
      {"past the end", StateBytes(first).Int32(8).Text("Bright").Byte(1)},
  };
  for (const auto& c : cases)
  {
    StateChunk bank;
    c.bank.Into(&bank);
    OtherPlug plug(1);
    const PresetRecord second = RecordOf(plug.GetPreset(1));
    const PresetRecord third = RecordOf(plug.GetPreset(2));
    EXPECT_EQ(plug.UnserializePresets(&bank, 0), -1) << c.what;
    EXPECT_STREQ(plug.GetPreset(0)->name, "-") << c.what;
    EXPECT_EQ(StoredValues(plug.GetPreset(0)), BrightValues()) << c.what;
    EXPECT_EQ(RecordOf(plug.GetPreset(1)), second) << c.what;
    EXPECT_EQ(RecordOf(plug.GetPreset(2)), third) << c.what;
    EXPECT_EQ(ValuesOf(plug), StoredValues(plug.GetPreset(1))) << c.what;
    EXPECT_EQ(plug.GetParam(0)->Value(), 20.0) << c.what;
  }
}

// A bank cut at every length: the presets before the cut are read, those
// after it are left alone, no preset holds a torn state, every value stays
// finite and in range, and the plug ends on its current preset.
TEST(PresetBank, CutAtEveryLength)
{
  const StateBytes whole = ThreePresetBank();
  const std::size_t ends[3] = {150, 305, 315};
  ASSERT_EQ(whole.data.size(), ends[2]);
  ThreePresetPlug source;

  for (std::size_t cut = 0; cut < whole.data.size(); ++cut)
  {
    StateChunk bank;
    whole.Into(&bank, cut);
    OtherPlug plug(2);
    PresetRecord before[3];
    for (int i = 0; i < 3; ++i)
      before[i] = RecordOf(plug.GetPreset(i));
    ASSERT_EQ(plug.UnserializePresets(&bank, 0), -1) << cut;

    for (int i = 0; i < 3; ++i)
    {
      const IPlugPreset* preset = plug.GetPreset(i);
      const std::size_t start = i == 0 ? 0 : ends[i - 1];
      if (ends[i] <= cut)
      {
        EXPECT_EQ(RecordOf(preset), RecordOf(source.GetPreset(i))) << cut << " " << i;
      }
      else if (start >= cut)
      {
        EXPECT_EQ(RecordOf(preset), before[i]) << cut << " " << i;
      }
      if (preset->initialised)
      {
        EXPECT_EQ(preset->state.Size(), 144) << cut << " " << i;
      }
    }
    for (int i = 0; i < 18; ++i)
    {
      const IPlugParameter* param = plug.GetParam(i);
      EXPECT_TRUE(std::isfinite(param->Value()) && param->Value() >= param->Min() && param->Value() <= param->Max())
          << cut << " " << i;
    }
    EXPECT_EQ(plug.GetCurrentPresetIdx(), 2);
    EXPECT_EQ(ValuesOf(plug), StoredValues(plug.GetPreset(2))) << cut;
  }
}

// A state cut inside a value restores only the whole values before it: the
// preset holds those and the plug's own for the rest, never a minimum read
// from the torn value.
TEST(PresetBank, StateCutShortKeepsTheValuesThatDidNotArrive)
{
  Values values = kDefaults;
  values[0] = 10.0;
  values[1] = 20.0;
  values[2] = 1.0;
  values[3] = 1.0;
  StateChunk bank;
  StateBytes().Entry("cut", 1, values).Into(&bank, 4 + 3 + 1 + 8 * 3 + 5);
  StatePlug plug(3);
  plug.GetParam(3)->Set(0.5);
  EXPECT_EQ(plug.UnserializePresets(&bank, 0), -1);
  EXPECT_STREQ(plug.GetPreset(0)->name, "cut");
  EXPECT_TRUE(plug.GetPreset(0)->initialised);
  Values expected = kDefaults;
  expected[0] = 10.0;
  expected[1] = 20.0;
  expected[2] = 1.0;
  expected[3] = 0.5;
  EXPECT_EQ(StoredValues(plug.GetPreset(0)), expected);
  EXPECT_EQ(ValuesOf(plug), expected);
}

TEST(PresetBank, ReadsFromAPositionAndNotBeforeIt)
{
  StateChunk bank;
  StateBytes().Text("pre").Entry("-", 1, kDefaults).Entry("Bright", 1, BrightValues()).Entry("x", 0).Into(&bank);
  OtherPlug plug(1);
  EXPECT_EQ(plug.UnserializePresets(&bank, 3), bank.Size());
  EXPECT_EQ(ValuesOf(plug), BrightValues());

  OtherPlug negative(1);
  const PresetRecord first = RecordOf(negative.GetPreset(0));
  EXPECT_EQ(negative.UnserializePresets(&bank, -1), -1);
  EXPECT_EQ(RecordOf(negative.GetPreset(0)), first);
  EXPECT_EQ(negative.GetParam(0)->Value(), 20.0);
}

TEST(Presets, ModifyCurrentPresetStoresTheStateAndAName)
{
  const struct
  {
    const char* name;
    std::string expected;
  } cases[] = {
      {nullptr, "Bright"},
      {"", "Bright"},
      {"Dark", "Dark"},
  };
  for (const auto& c : cases)
  {
    ThreePresetPlug plug;
    plug.ApplyPreset(1);
    plug.GetParam(0)->Set(12.0);
    plug.ModifyCurrentPreset(c.name);
    EXPECT_EQ(std::string(plug.GetPreset(1)->name), c.expected);
    EXPECT_EQ(StoredValues(plug.GetPreset(1)), ValuesOf(plug));
    EXPECT_EQ(StoredValues(plug.GetPreset(0)), kDefaults);
  }

  // A long name is cut without being read past 255 characters.
  ThreePresetPlug plug;
  char unterminated[255];
  std::memset(unterminated, 'n', sizeof unterminated);
  plug.ModifyCurrentPreset(unterminated);
  EXPECT_EQ(std::string(plug.GetPreset(0)->name), std::string(255, 'n'));

  // The flag stays: an uninitialised current preset takes the state only.
  StatePlug fresh(1);
  fresh.ModifyCurrentPreset("named");
  EXPECT_FALSE(fresh.GetPreset(0)->initialised);
  EXPECT_STREQ(fresh.GetPreset(0)->name, "named");
  EXPECT_EQ(fresh.GetPreset(0)->state.Size(), 144);

  StatePlug none(0);
  none.ModifyCurrentPreset("nothing");
}

TEST(Presets, StoreDefaultPresetCutsLongNames)
{
  StatePlug plug;
  const std::string name(300, 'd');
  ASSERT_TRUE(plug.StoreDefaultPreset(name.c_str(), 1));
  EXPECT_EQ(std::string(plug.GetPreset(0)->name), std::string(255, 'd'));
}
}
