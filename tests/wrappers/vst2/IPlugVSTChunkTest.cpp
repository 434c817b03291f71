// Programs, banks and chunks through the dispatcher: the chunk version
// header, program and bank chunks as a host gets and sets them, bad sizes
// and pointers, and program switching and naming. Expected bytes are
// written out independently of the state code.

#include "ChunkVersionHeader.h"
#include "IGraphics.h"
#include "Vst2Host.h"
#include "support/StateBytes.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace
{
using Values = std::vector<double>;
using Bytes = std::vector<unsigned char>;

// The effect's parameters as constructed: 50, 100, eight 0, the 4K switch
// off, six switches on, HF off.
const Values kDefaults = {50, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 0};
// Unlike the defaults in every parameter.
const Values kOther = {20, 30, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1};

StateBytes Header(std::int32_t version = 0x00010000)
{
  return StateBytes().Int32(0x70666674).Int32(version);
}

Bytes Cut(Bytes bytes, std::size_t size)
{
  bytes.resize(size);
  return bytes;
}

template <class Host>
Bytes GetChunk(Host& host, int32_t index)
{
  void* data = nullptr;
  const intptr_t size = host.Dispatch(effGetChunk, index, 0, &data);
  if (size <= 0 || !data)
    return {};
  const unsigned char* bytes = static_cast<const unsigned char*>(data);
  return Bytes(bytes, bytes + size);
}

template <class Host>
intptr_t SetChunk(Host& host, int32_t index, const Bytes& bytes)
{
  return host.Dispatch(effSetChunk, index, static_cast<intptr_t>(bytes.size()),
                       const_cast<unsigned char*>(bytes.data()));
}

Values ValuesOf(const IPlugBase& plug)
{
  Values values;
  for (int i = 0; i < plug.NParams(); ++i)
    values.push_back(plug.GetParam(i)->Value());
  return values;
}

Values StoredValues(const IPlugBase& plug, int preset)
{
  const StateChunk& state = plug.GetPreset(preset)->state;
  return DecodeDoubles(state.Get(), state.Size());
}

TEST(Vst2Chunks, FreshInstanceChunksByteForByte)
{
  Instance instance;
  const Bytes program = Header().Doubles(kDefaults).data;
  ASSERT_EQ(program.size(), 152u);
  const Bytes start = {0x74, 0x66, 0x66, 0x70, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0x49, 0x40, 0, 0, 0, 0, 0, 0, 0x59, 0x40};
  EXPECT_EQ(Bytes(program.begin(), program.begin() + 24), start);
  for (int32_t index : {1, -1, 7})
    EXPECT_EQ(GetChunk(instance, index), program) << index;

  const Bytes bank = Header().Entry("-", 1, kDefaults).data;
  ASSERT_EQ(bank.size(), 158u);
  const Bytes entryStart = {1, 0, 0, 0, 0x2D, 1};
  EXPECT_EQ(Bytes(bank.begin() + 8, bank.begin() + 14), entryStart);
  EXPECT_EQ(GetChunk(instance, 0), bank);

  EXPECT_EQ(instance.Dispatch(effGetChunk, 1, 0, nullptr), 0);
}

// A host hands back what it got, through the very pointer it got (or a
// part of that block): the same state, answered 1, and nothing changes.
TEST(Vst2Chunks, ChunksHandedBackChangeNothing)
{
  for (int32_t index : {0, 1})
  {
    Instance instance;
    instance.effect->setParameter(instance.effect, 0, 0.25f);
    instance.Dispatch(effString2Parameter, 10, 0, const_cast<char*>("on"));
    const Values values = ValuesOf(*instance.plug());
    void* data = nullptr;
    const intptr_t size = instance.Dispatch(effGetChunk, index, 0, &data);
    ASSERT_GT(size, 8);
    const Bytes bytes(static_cast<unsigned char*>(data), static_cast<unsigned char*>(data) + size);

    EXPECT_EQ(instance.Dispatch(effSetChunk, index, size, data), 1) << index;
    EXPECT_EQ(ValuesOf(*instance.plug()), values) << index;
    EXPECT_EQ(GetChunk(instance, index), bytes) << index;

    // The state behind the header, from inside the chunk's own block.
    instance.Dispatch(effGetChunk, index, 0, &data);
    const intptr_t stateAt = index == 0 ? 8 + 4 + 1 + 1 : 8;
    EXPECT_EQ(instance.Dispatch(effSetChunk, index, 144, static_cast<unsigned char*>(data) + stateAt), 1) << index;
    EXPECT_EQ(ValuesOf(*instance.plug()), values) << index;
    EXPECT_EQ(StoredValues(*instance.plug(), 0), values) << index;
  }
}

// Where a bank is expected, a chunk without the header or with an older
// version holds one program state; a program chunk is read as far as it
// goes, whole values only, and the current program takes the result.
TEST(Vst2Chunks, ProgramStates)
{
  Values nanFirst = kOther;
  nanFirst[0] = std::numeric_limits<double>::quiet_NaN();
  Values kept = kOther;
  kept[0] = kDefaults[0];
  Values firstEleven = kDefaults;
  std::copy(kOther.begin(), kOther.begin() + 11, firstEleven.begin());
  Values allButLast = kOther;
  allButLast[17] = kDefaults[17];
  const Bytes whole = Header().Doubles(kOther).data;
  const struct
  {
    const char* what;
    int32_t index;
    Bytes bytes;
    intptr_t answer;
    Values values;
  } cases[] = {
      {"program chunk", 1, whole, 1, kOther},
      {"program chunk with bytes behind", 1, StateBytes(Header().Doubles(kOther)).Int32(7).data, 1, kOther},
      {"bare program state", 1, StateBytes().Doubles(kOther).data, 1, kOther},
      {"bare state as a bank", 0, StateBytes().Doubles(kOther).data, 1, kOther},
      {"bank of version 0x100", 0, Header(0x100).Doubles(kOther).data, 1, kOther},
      {"bank of a negative version", 0, Header(-1).Doubles(kOther).data, 1, kOther},
      {"program of a later version", 1, Header(0x20000).Doubles(kOther).data, 1, kOther},
      {"a value that is not finite", 1, Header().Doubles(nanFirst).data, 1, kept},
      {"100 bytes", 1, Cut(whole, 100), 0, firstEleven},
      {"151 bytes", 1, Cut(whole, 151), 0, allButLast},
      {"version word missing", 1, Cut(whole, 6), 0, kDefaults},
      {"version word missing in a bank", 0, Cut(whole, 6), 0, kDefaults},
      {"nothing", 1, {}, 0, kDefaults},
  };
  for (const auto& c : cases)
  {
    Instance instance;
    unsigned char none = 0;  // a pointer even for no bytes
    const intptr_t answer = instance.Dispatch(effSetChunk, c.index, static_cast<intptr_t>(c.bytes.size()),
                                              c.bytes.empty() ? &none : const_cast<unsigned char*>(c.bytes.data()));
    EXPECT_EQ(answer, c.answer) << c.what;
    EXPECT_EQ(ValuesOf(*instance.plug()), c.values) << c.what;
    EXPECT_EQ(StoredValues(*instance.plug(), 0), c.values) << c.what;
  }
}

TEST(Vst2Chunks, ChunkVersionHeader)
{
  const Bytes magic = {0x74, 0x66, 0x66, 0x70};
  const struct
  {
    const char* what;
    Bytes bytes;
    int position;
    int version;
    int positionAfter;
  } cases[] = {
      {"whole header", Header().data, 0, 0x10000, 8},
      {"older version", Header(0x100).Doubles({1.0}).data, 0, 0x100, 8},
      {"behind other bytes", StateBytes().Text("abcd").Int32(0x70666674).Int32(3).data, 4, 3, 12},
      {"6 bytes with the magic", StateBytes().Int32(0x70666674).Text("ab").data, 0, 0, -1},
      {"the magic alone", magic, 0, 0, -1},
      {"foreign bytes", StateBytes().Text("abcdefgh").data, 0, 0, 0},
      {"magic reversed", {0x70, 0x66, 0x66, 0x74, 0, 0, 1, 0}, 0, 0, 0},
      {"3 bytes of the magic", Cut(magic, 3), 0, 0, 0},
      {"nothing", {}, 0, 0, 0},
      {"negative position", Header().data, -1, 0, -1},
      {"position past the end", Header().data, 20, 0, 20},
  };
  for (const auto& c : cases)
  {
    StateChunk chunk;
    if (!c.bytes.empty())
      chunk.PutBytes(c.bytes.data(), static_cast<int>(c.bytes.size()));
    int position = c.position;
    EXPECT_EQ(GetChunkVersionHeader(&chunk, &position), c.version) << c.what;
    EXPECT_EQ(position, c.positionAfter) << c.what;
  }

  StateChunk chunk;
  chunk.PutBytes("earlier", 7);
  ASSERT_TRUE(PutChunkVersionHeader(&chunk));
  EXPECT_EQ(Bytes(chunk.Get(), chunk.Get() + chunk.Size()), Header().data);
}

// A size that is negative or beyond int answers 0 without reading the
// host's bytes or touching the chunk that effGetChunk handed out.
TEST(Vst2Chunks, SizesThatCannotBeTakenChangeNothing)
{
  const intptr_t sizes[] = {-1, -152, std::numeric_limits<intptr_t>::min(), intptr_t{INT_MAX} + 1,
                            intptr_t{1} << 40, std::numeric_limits<intptr_t>::max()};
  for (int32_t index : {0, 1})
  {
    Instance instance;
    instance.effect->setParameter(instance.effect, 1, 0.5f);
    const Values values = ValuesOf(*instance.plug());
    void* data = nullptr;
    const intptr_t size = instance.Dispatch(effGetChunk, index, 0, &data);
    const Bytes handedOut(static_cast<unsigned char*>(data), static_cast<unsigned char*>(data) + size);
    unsigned char small[16] = {0x74, 0x66, 0x66, 0x70, 0, 0, 1, 0};
    for (intptr_t bad : sizes)
    {
      EXPECT_EQ(instance.Dispatch(effSetChunk, index, bad, small), 0) << index << " " << bad;
      EXPECT_EQ(Bytes(static_cast<unsigned char*>(data), static_cast<unsigned char*>(data) + size), handedOut);
    }
    EXPECT_EQ(instance.Dispatch(effSetChunk, index, size, nullptr), 0);
    EXPECT_EQ(ValuesOf(*instance.plug()), values);
  }
}

// Each kind has its own block: what effGetChunk handed out stays as it was
// through the other kind's calls.
TEST(Vst2Chunks, EachKindKeepsItsData)
{
  Instance instance;
  void* program = nullptr;
  const intptr_t programSize = instance.Dispatch(effGetChunk, 1, 0, &program);
  const Bytes programBytes(static_cast<unsigned char*>(program), static_cast<unsigned char*>(program) + programSize);

  const Bytes bank = Header().Entry("loaded", 1, kOther).data;
  EXPECT_EQ(SetChunk(instance, 0, bank), 1);
  EXPECT_EQ(GetChunk(instance, 0), bank);
  EXPECT_EQ(Bytes(static_cast<unsigned char*>(program), static_cast<unsigned char*>(program) + programSize),
            programBytes);
}

TEST(Vst2Chunks, RestoreShowsInTheEditorAndTheEffect)
{
  Instance instance;
  IGraphics* editor = instance.plug()->GetGUI();
  ASSERT_NE(editor, nullptr);
  auto controlValue = [&](int param) {
    for (int i = 0; i < editor->NControls(); ++i)
      if (editor->GetControl(i)->ParamIdx() == param)
        return editor->GetControl(i)->Value();
    return -1.0;
  };
  ASSERT_EQ(controlValue(10), 0.0);
  EXPECT_EQ(SetChunk(instance, 1, Header().Doubles(kOther).data), 1);
  EXPECT_EQ(controlValue(10), 1.0);
  EXPECT_EQ(controlValue(0), 0.2);
  EXPECT_EQ(instance.plug()->Processing().EnabledCount(), 2);
}

// Three programs, the third never initialised, and a host that switches,
// names and saves them.
struct ThreeProgramPlug : TestVstPlug
{
  ThreeProgramPlug() : TestVstPlug("1-1 2-2", false, "TestVstPlug", "Zelvar", "", 3)
  {
    StoreDefaultPreset("zero", 1);
    GetParam(0)->Set(6.0);
    StoreDefaultPreset("six", 1);
    ApplyPreset(0);
    GetParam(0)->Set(-3.0);  // an edit since the program was chosen
    log.clear();
  }
};

TEST(Vst2Programs, OnlyAProgramOfTheListIsChosen)
{
  const intptr_t outside[] = {-1, 3, (intptr_t{1} << 32) | 1, (intptr_t{1} << 32) | 2,
                              std::numeric_limits<intptr_t>::min(), std::numeric_limits<intptr_t>::max()};
  for (intptr_t program : outside)
  {
    ThreeProgramPlug plug;
    EXPECT_EQ(plug.Dispatch(effSetProgram, 0, program), 0);
    EXPECT_TRUE(plug.log.empty()) << program;
    EXPECT_EQ(plug.GetCurrentPresetIdx(), 0) << program;
    EXPECT_EQ(plug.GetParam(0)->Value(), -3.0) << program;
    EXPECT_EQ(StoredValues(plug, 0)[0], 0.0) << program;
    EXPECT_FALSE(plug.GetPreset(2)->initialised) << program;
  }

  // The program left keeps the edit; the one chosen is applied.
  ThreeProgramPlug plug;
  EXPECT_EQ(plug.Dispatch(effSetProgram, 0, 1), 0);
  EXPECT_EQ(plug.GetCurrentPresetIdx(), 1);
  EXPECT_EQ(plug.GetParam(0)->Value(), 6.0);
  EXPECT_EQ(StoredValues(plug, 0)[0], -3.0);
  EXPECT_EQ(plug.log.back(), "preset list changed");
  EXPECT_EQ(plug.Dispatch(effGetProgram), 1);

  // An uninitialised program becomes a user program with the state.
  EXPECT_EQ(plug.Dispatch(effSetProgram, 0, 2), 0);
  char name[32] = {};
  plug.Dispatch(effGetProgramName, 0, 0, name);
  EXPECT_STREQ(name, "user preset 1");
  EXPECT_EQ(StoredValues(plug, 2)[0], 6.0);
}

TEST(Vst2Programs, NamingStoresTheStateAndTells)
{
  const struct
  {
    const char* name;
    std::string expected;
    bool told;
  } cases[] = {
      {"Bright", "Bright", true},
      {"", "zero", true},
      {nullptr, "zero", false},
  };
  for (const auto& c : cases)
  {
    ThreeProgramPlug plug;
    EXPECT_EQ(plug.Dispatch(effSetProgramName, 0, 0, const_cast<char*>(c.name)), 0);
    EXPECT_EQ(std::string(plug.GetPresetName(0)), c.expected);
    EXPECT_EQ(StoredValues(plug, 0)[0], c.told ? -3.0 : 0.0);
    EXPECT_EQ(plug.log, c.told ? std::vector<std::string>{"preset list changed"} : std::vector<std::string>{});
  }

  ThreeProgramPlug plug;
  const std::string longName(300, 'L');
  plug.Dispatch(effSetProgramName, 0, 0, const_cast<char*>(longName.c_str()));
  EXPECT_EQ(std::string(plug.GetPresetName(0)), std::string(255, 'L'));
}

TEST(Vst2Programs, NamedProgramInTheBank)
{
  Instance instance;
  instance.Dispatch(effString2Parameter, 0, 0, const_cast<char*>("20"));
  EXPECT_EQ(instance.Dispatch(effSetProgramName, 0, 0, const_cast<char*>("Bright")), 0);
  char name[32] = {};
  instance.Dispatch(effGetProgramName, 0, 0, name);
  EXPECT_STREQ(name, "Bright");
  Values values = kDefaults;
  values[0] = 20.0;
  EXPECT_EQ(GetChunk(instance, 0), Header().Entry("Bright", 1, values).data);
}

// The bank restores every program with its name and ends on the current
// one; a bank cut short answers 0.
TEST(Vst2Programs, BankRoundTrip)
{
  ThreeProgramPlug source;
  source.Dispatch(effSetProgramName, 0, 0, const_cast<char*>("first"));
  const Bytes bank = GetChunk(source, 0);
  ASSERT_EQ(bank, Header().Entry("first", 1, {-3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})
                      .Entry("six", 1, {6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})
                      .Entry("empty", 0)
                      .data);

  ThreeProgramPlug target;
  target.Dispatch(effSetProgram, 0, 1);
  EXPECT_EQ(SetChunk(target, 0, bank), 1);
  EXPECT_EQ(target.GetParam(0)->Value(), 6.0);
  char name[32] = {};
  EXPECT_EQ(target.Dispatch(effGetProgramNameIndexed, 0, 0, name), 1);
  EXPECT_STREQ(name, "first");
  EXPECT_EQ(GetChunk(target, 0), bank);

  EXPECT_EQ(SetChunk(target, 0, Cut(bank, bank.size() - 1)), 0);
  EXPECT_EQ(target.GetParam(0)->Value(), 6.0);
}
}
