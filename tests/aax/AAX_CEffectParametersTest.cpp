// The effect-parameters object through its face, over the fake host: the
// parameter queries and changes, the default chunk 'elck', the life cycle
// and the host's bad input.

#include "EffectParametersFixture.h"
#include "RawTables.h"
#include "VtableSlot.h"

#include <cmath>
#include <functional>
#include <limits>
#include <string>

namespace
{
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr AAX_FourCC kOtherChunkId = 0x5A764C50;  // 'ZvLP'

std::string Text(const AAX_CString& text) { return text.CString(); }

TEST(AaxEffectParametersAbi, TheHostsSlotsThenCreateAAXParameters)
{
  const std::pair<int, int> slots[] = {
    {VtableSlot(&AAX_IEffectParameters::QueryInterface), 0},
    {VtableSlot(&AAX_IEffectParameters::Release), 2},
    {VtableSlot(&AAX_IEffectParameters::InitializeEffect), 3},
    {VtableSlot(&AAX_IEffectParameters::UninitializeEffect), 4},
    {VtableSlot(&AAX_IEffectParameters::ReceiveNotification), 5},
    {VtableSlot(&AAX_IEffectParameters::CountParameters), 6},
    {VtableSlot(&AAX_IEffectParameters::GetMasterBypassId), 7},
    {VtableSlot(&AAX_IEffectParameters::IsParameterAutomatable), 8},
    {VtableSlot(&AAX_IEffectParameters::CountParameterSteps), 9},
    {VtableSlot(&AAX_IEffectParameters::GetParameterNameText), 10},
    {VtableSlot(&AAX_IEffectParameters::GetParameterShortenedName), 11},
    {VtableSlot(&AAX_IEffectParameters::GetParameterDefault), 12},
    {VtableSlot(&AAX_IEffectParameters::SetParameterDefault), 13},
    {VtableSlot(&AAX_IEffectParameters::GetParameterKind), 14},
    {VtableSlot(&AAX_IEffectParameters::GetParameterAuxValue), 15},
    {VtableSlot(&AAX_IEffectParameters::FindParameterObject), 16},
    {VtableSlot(&AAX_IEffectParameters::IndexOfParameter), 17},
    {VtableSlot(&AAX_IEffectParameters::ParameterIdAt), 18},
    {VtableSlot(&AAX_IEffectParameters::QueryParameterValueInfo), 19},
    {VtableSlot(&AAX_IEffectParameters::ParseParameterText), 20},
    {VtableSlot(&AAX_IEffectParameters::FormatParameterValue), 21},
    {VtableSlot(&AAX_IEffectParameters::FormatCurrentParameterValue), 22},
    {VtableSlot(&AAX_IEffectParameters::GetParameterNormalized), 23},
    {VtableSlot(&AAX_IEffectParameters::RequestParameterNormalized), 24},
    {VtableSlot(&AAX_IEffectParameters::RequestParameterDelta), 25},
    {VtableSlot(&AAX_IEffectParameters::TouchParameter), 26},
    {VtableSlot(&AAX_IEffectParameters::ReleaseParameter), 27},
    {VtableSlot(&AAX_IEffectParameters::StubCall28), 28},
    {VtableSlot(&AAX_IEffectParameters::UpdateParameterFromHost), 29},
    {VtableSlot(&AAX_IEffectParameters::UpdateParameterDeltaFromHost), 30},
    {VtableSlot(&AAX_IEffectParameters::DispatchParameterPackets), 31},
    {VtableSlot(&AAX_IEffectParameters::GetPrivateData), 32},
    {VtableSlot(&AAX_IEffectParameters::CountChunks), 33},
    {VtableSlot(&AAX_IEffectParameters::ChunkIdAt), 34},
    {VtableSlot(&AAX_IEffectParameters::GetChunkByteSize), 35},
    {VtableSlot(&AAX_IEffectParameters::WriteChunk), 36},
    {VtableSlot(&AAX_IEffectParameters::ReadChunk), 37},
    {VtableSlot(&AAX_IEffectParameters::CompareChunk), 38},
    {VtableSlot(&AAX_IEffectParameters::CountChanges), 39},
    {VtableSlot(&AAX_IEffectParameters::StubCall40), 40},
    {VtableSlot(&AAX_IEffectParameters::UnsupportedCall41), 41},
    {VtableSlot(&AAX_IEffectParameters::EmptyQueryCall42), 42},
    {VtableSlot(&AAX_IEffectParameters::StubCall43), 43},
    {VtableSlot(&AAX_IEffectParameters::StubCall44), 44},
    {VtableSlot(&AAX_IEffectParameters::UnsupportedCall45), 45},
    {VtableSlot(&AAX_IEffectParameters::StubCall46), 46},
    {VtableSlot(&AAX_IEffectParameters::StubCall47), 47},
    {VtableSlot(&AAX_CEffectParameters::CreateAAXParameters), kEffectParametersHostSlots},
  };
  for (size_t i = 0; i < std::size(slots); ++i)
    EXPECT_EQ(slots[i].first, slots[i].second) << "row " << i;
}

using AaxEffectParameters = EffectParametersTest;

// The face as a host calls it from C, by slot, with the host's convention:
// doubles and every argument of the host's own slots pass at their sizes.
TEST_F(AaxEffectParameters, HostCallsThroughTheRawTable)
{
  int32_t count = 0;
  EXPECT_EQ(RawEffectCountParameters(face, &count), 0);
  EXPECT_EQ(count, 4);
  EXPECT_EQ(RawEffectUpdateParameterFromHost(face, "Mix", 0.75, 3), 0);
  AAX_CString text;
  EXPECT_EQ(RawEffectFormatParameterValue(face, "Mix", 0.5, &text, 8), 0);
  EXPECT_EQ(Text(text), "0.50");
  EXPECT_EQ(RawEffectFormatParameterValue(face, "Mix", 0.75, &text, 8), 0);
  EXPECT_EQ(Text(text), "0.75");
  unsigned char buffer[8];
  std::memset(buffer, 0xAB, sizeof buffer);
  EXPECT_EQ(RawEffectGetPrivateData(face, 8, buffer, 6), 0);
  EXPECT_EQ(buffer[5], 0);
  EXPECT_EQ(buffer[6], 0xAB);
  std::vector<unsigned char> bytes = SavedChunk();
  bool equal = false;
  EXPECT_EQ(RawEffectCompareChunk(face, bytes.data(), &equal), 0);
  EXPECT_TRUE(equal);
  EXPECT_EQ(RawEffectHostSlotsSum(face, 1000), 1000 * 3 * int64_t(kAAXNotSupported));
  face->AddRef();
  EXPECT_EQ(RawEffectRelease(face), 1);
}

TEST_F(AaxEffectParameters, AnswersItsIdentifiersWithTheFace)
{
  void* out = nullptr;
  EXPECT_EQ(face->QueryInterface(&IID_AAX_IACFEffectParameters, &out), 0);
  EXPECT_EQ(out, face);
  face->Release();
  EXPECT_EQ(face->QueryInterface(&IID_IACFUnknown, &out), 0);
  EXPECT_NE(out, face);
  static_cast<IACFUnknown*>(out)->Release();
  EXPECT_EQ(face->QueryInterface(&IID_AAX_IACFEffectGUI, &out), kACFNoInterface);
  EXPECT_EQ(out, nullptr);
}

TEST_F(AaxEffectParameters, InitialisationMakesProxiesThenParameters)
{
  EXPECT_EQ(host.log.references["controller"], 1);
  EXPECT_EQ(host.log.references["controller2"], 1);
  EXPECT_EQ(host.log.references["automation"], 1);
  EXPECT_EQ(host.log.references["transport"], 1);
  EXPECT_EQ(host.log.references["transport2"], 1);
  EXPECT_EQ(host.log.CallsOf("automation"),
            (std::vector<std::string>{"automation.RegisterParameter(Gain)", "automation.RegisterParameter(Mix)",
                                      "automation.RegisterParameter(Band)",
                                      "automation.RegisterParameter(MasterBypassID)"}));
  int32_t count = 0;
  EXPECT_EQ(face->CountParameters(&count), 0);
  EXPECT_EQ(count, 4);
  AAX_CString text;
  EXPECT_EQ(face->GetMasterBypassId(&text), 0);
  EXPECT_EQ(Text(text), "MasterBypassID");
  EXPECT_EQ(face->ParameterIdAt(1, &text), 0);
  EXPECT_EQ(Text(text), "Mix");
  EXPECT_EQ(face->ParameterIdAt(4, &text), kAAXNoParameter);
  EXPECT_EQ(Text(text), "");
  int32_t index = 0;
  EXPECT_EQ(face->IndexOfParameter("Band", &index), 0);
  EXPECT_EQ(index, 2);
  EXPECT_EQ(face->IndexOfParameter("band", &index), kAAXNoParameter);
  EXPECT_EQ(index, -1);
  AAX_IParameter* parameter = nullptr;
  EXPECT_EQ(face->FindParameterObject("Gain", &parameter), 0);
  EXPECT_STREQ(parameter->Identifier(), "Gain");
  EXPECT_EQ(face->FindParameterObject("none", &parameter), kAAXNoParameter);
  EXPECT_EQ(parameter, nullptr);
}

TEST_F(AaxEffectParameters, QueriesByIdentifier)
{
  bool automatable = true;
  EXPECT_EQ(face->IsParameterAutomatable("Band", &automatable), 0);
  EXPECT_FALSE(automatable);
  automatable = true;
  EXPECT_EQ(face->IsParameterAutomatable("none", &automatable), 0);
  EXPECT_FALSE(automatable);
  int32_t value = 0;
  EXPECT_EQ(face->CountParameterSteps("Gain", &value), 0);
  EXPECT_EQ(value, 128);
  EXPECT_EQ(face->GetParameterKind("Mix", &value), 0);
  EXPECT_EQ(value, 1);
  EXPECT_EQ(face->GetParameterAuxValue("Mix", &value), 0);
  EXPECT_EQ(value, 0);
  double normalized = 0;
  EXPECT_EQ(face->GetParameterDefault("Gain", &normalized), 0);
  EXPECT_DOUBLE_EQ(normalized, 0.5);
  EXPECT_EQ(face->GetParameterNormalized("Mix", &normalized), 0);
  EXPECT_EQ(normalized, 0.25);
  AAX_CString text("previous");
  EXPECT_EQ(face->GetParameterNameText("none", &text), 0);
  EXPECT_EQ(Text(text), "");
  EXPECT_EQ(face->FormatParameterValue("Mix", 0.5, &text, 8), 0);
  EXPECT_EQ(Text(text), "0.50");
  EXPECT_EQ(face->FormatCurrentParameterValue("Band", &text, 8), 0);
  EXPECT_EQ(Text(text), "on");
  const AAX_CString seven("7"), twelve("12"), maybe("maybe");
  EXPECT_EQ(face->ParseParameterText("Gain", &normalized, &seven), 0);
  EXPECT_DOUBLE_EQ(normalized, 0.7);
  normalized = -1;
  EXPECT_EQ(face->ParseParameterText("Gain", &normalized, &twelve), kAAXNoText);
  EXPECT_EQ(normalized, -1);
  EXPECT_EQ(face->ParseParameterText("Band", &normalized, &maybe), kAAXNoText);
  EXPECT_EQ(face->CountParameterSteps("none", &value), kAAXNoParameter);
  EXPECT_EQ(face->GetParameterDefault(nullptr, &normalized), kAAXNoParameter);
}

// A host's null out-pointer is never written through.
TEST_F(AaxEffectParameters, NullOutPointersAreRefused)
{
  double normalized = 0;
  const std::pair<std::function<int32_t()>, int32_t> cases[] = {
    {[&] { return face->CountParameters(nullptr); }, kAAXRefused},
    {[&] { return face->GetMasterBypassId(nullptr); }, kAAXNoText},
    {[&] { return face->IsParameterAutomatable("Gain", nullptr); }, kAAXRefused},
    {[&] { return face->CountParameterSteps("Gain", nullptr); }, kAAXRefused},
    {[&] { return face->GetParameterNameText("Gain", nullptr); }, kAAXNoText},
    {[&] { return face->GetParameterShortenedName("Gain", nullptr, 4); }, kAAXNoText},
    {[&] { return face->GetParameterDefault("Gain", nullptr); }, kAAXRefused},
    {[&] { return face->GetParameterKind("Gain", nullptr); }, kAAXRefused},
    {[&] { return face->GetParameterAuxValue("Gain", nullptr); }, kAAXRefused},
    {[&] { return face->FindParameterObject("Gain", nullptr); }, kAAXRefused},
    {[&] { return face->IndexOfParameter("Gain", nullptr); }, kAAXRefused},
    {[&] { return face->ParameterIdAt(0, nullptr); }, kAAXNoText},
    {[&] { return face->QueryParameterValueInfo(0, 0, nullptr); }, kAAXNotSupported},
    {[&] { return face->ParseParameterText("Gain", nullptr, nullptr); }, kAAXRefused},
    {[&] { return face->ParseParameterText("Gain", &normalized, nullptr); }, kAAXNoText},
    {[&] { return face->FormatParameterValue("Gain", 0.5, nullptr, 8); }, kAAXNoText},
    {[&] { return face->FormatCurrentParameterValue("Gain", nullptr, 8); }, kAAXNoText},
    {[&] { return face->GetParameterNormalized("Gain", nullptr); }, kAAXRefused},
    {[&] { return face->GetPrivateData(8, nullptr, 16); }, kAAXSuccess},
    {[&] { return face->CountChunks(nullptr); }, kAAXRefused},
    {[&] { return face->ChunkIdAt(0, nullptr); }, kAAXRefused},
    {[&] { return face->GetChunkByteSize(kDefaultChunkId, nullptr); }, kAAXRefused},
    {[&] { return face->WriteChunk(kDefaultChunkId, nullptr); }, kAAXRefused},
    {[&] { return face->ReadChunk(kDefaultChunkId, nullptr); }, kAAXRefused},
    {[&] { return face->CompareChunk(nullptr, nullptr); }, kAAXRefused},
    {[&] { return face->CountChanges(nullptr); }, kAAXRefused},
    {[&] { return face->EmptyQueryCall42(0, 0, 0, nullptr); }, kAAXSuccess},
    {[&] { return face->ReceiveNotification(0x41535076, nullptr, 4); }, kAAXSuccess},
  };
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(cases[i].first(), cases[i].second) << "case " << i;
}

TEST_F(AaxEffectParameters, ShortenedNameTakesTheLongestLineWithinTheLimit)
{
  struct Case
  {
    const char* identifier;
    int32_t limit;
    const char* expected;
  };
  const Case cases[] = {
    {"Gain", 4, "Thre"},  // one line of 9
    {"Gain", 9, "Threshold"},
    {"Gain", 0, ""},
    {"Mix", 4, "Thrs"},  // lines of 9, 4 and 1
    {"Mix", 3, "T"},
    {"Mix", 9, "Threshold"},
    {"Mix", 0, ""},
    {"Mix", -1, ""},
    {"none", 4, ""},
  };
  for (const Case& c : cases)
  {
    AAX_CString text("previous");
    EXPECT_EQ(face->GetParameterShortenedName(c.identifier, &text, c.limit), 0);
    EXPECT_EQ(Text(text), c.expected) << c.identifier << " " << c.limit;
  }
}

TEST_F(AaxEffectParameters, DeltasAreLimitedAndGoThroughTheTable)
{
  EXPECT_EQ(face->UpdateParameterFromHost("Mix", 0.9, 0), 0);
  EXPECT_EQ(face->RequestParameterDelta("Mix", 0.5), 0);
  EXPECT_EQ(face->UpdateParameterFromHost("Mix", 0.1, 0), 0);
  EXPECT_EQ(face->RequestParameterDelta("Mix", -0.5), 0);
  EXPECT_EQ(effect->requested, (std::vector<double>{1.0, 0.0}));
  ASSERT_EQ(host.automation.requests.size(), 2u);
  EXPECT_EQ(host.automation.requests[0].second, 1.0);
  EXPECT_EQ(host.automation.requests[1].second, 0.0);

  EXPECT_EQ(face->UpdateParameterFromHost("Mix", 0.5, 0), 0);
  EXPECT_EQ(face->UpdateParameterDeltaFromHost("Mix", 0.25), 0);
  EXPECT_EQ(face->UpdateParameterDeltaFromHost("Mix", 0.5), 0);
  EXPECT_EQ(effect->updated, (std::vector<double>{0.9, 0.1, 0.5, 0.75, 1.0}));
  EXPECT_EQ(face->RequestParameterDelta("none", 0.1), kAAXNoParameter);
  EXPECT_EQ(face->UpdateParameterDeltaFromHost("none", 0.1), kAAXNoParameter);
}

TEST_F(AaxEffectParameters, HostUpdatesCountChangesAndMarkPackets)
{
  int32_t changes = -1;
  EXPECT_EQ(face->CountChanges(&changes), 0);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(face->UpdateParameterFromHost("none", 0.5, 0), kAAXNoParameter);
  face->CountChanges(&changes);
  EXPECT_EQ(changes, 0);

  EXPECT_EQ(face->UpdateParameterFromHost("Gain", 0.3, 0), 0);
  face->CountChanges(&changes);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(host.log.calls.back(), "automation.PostCurrentValue(Gain,0.3)");
  double normalized = 0;
  face->GetParameterNormalized("Gain", &normalized);
  EXPECT_DOUBLE_EQ(normalized, 0.3);

  host.log.calls.clear();
  EXPECT_EQ(face->DispatchParameterPackets(), 0);
  EXPECT_EQ(host.log.calls, (std::vector<std::string>{"controller.PostPacket(2,4)"}));
  host.log.calls.clear();
  EXPECT_EQ(face->DispatchParameterPackets(), 0);
  EXPECT_TRUE(host.log.calls.empty());
}

// A value that is not finite changes nothing and reaches no host.
TEST_F(AaxEffectParameters, ValuesThatAreNotFiniteAreRefused)
{
  host.log.calls.clear();
  for (const double bad : {kNaN, kInfinity, -kInfinity})
  {
    EXPECT_EQ(face->UpdateParameterFromHost("Gain", bad, 0), kAAXNoText);
    EXPECT_EQ(face->RequestParameterNormalized("Gain", bad), kAAXNoText);
    EXPECT_EQ(face->SetParameterDefault("Gain", bad), kAAXNoText);
  }
  EXPECT_TRUE(host.log.calls.empty());
  int32_t changes = -1;
  face->CountChanges(&changes);
  EXPECT_EQ(changes, 0);
  double normalized = 0;
  face->GetParameterNormalized("Gain", &normalized);
  EXPECT_DOUBLE_EQ(normalized, 0.5);
  face->GetParameterDefault("Gain", &normalized);
  EXPECT_DOUBLE_EQ(normalized, 0.5);
  EXPECT_EQ(face->SetParameterDefault("Gain", 0.8), 0);
  face->GetParameterDefault("Gain", &normalized);
  EXPECT_DOUBLE_EQ(normalized, 0.8);
}

TEST_F(AaxEffectParameters, EditsAreRequestsToTheHost)
{
  host.log.calls.clear();
  EXPECT_EQ(face->TouchParameter("Gain"), 0);
  EXPECT_EQ(face->RequestParameterNormalized("Gain", 0.7), 0);
  EXPECT_EQ(face->ReleaseParameter("Gain"), 0);
  EXPECT_EQ(face->TouchParameter("none"), kAAXNoParameter);
  EXPECT_EQ(face->ReleaseParameter("none"), kAAXNoParameter);
  EXPECT_EQ(host.log.calls,
            (std::vector<std::string>{"automation.PostTouch(Gain)", "automation.PostTouch(Gain)",
                                      "automation.PostSetValueRequest(Gain,0.7)", "automation.PostReleaseTouch(Gain)",
                                      "automation.PostReleaseTouch(Gain)"}));
}

TEST_F(AaxEffectParameters, PreviewNotification)
{
  face->UninitializeEffect();
  effect->withPreview = true;
  face->InitializeEffect(&host);
  const int32_t on = 1;
  host.log.calls.clear();
  EXPECT_EQ(face->ReceiveNotification(0x41535077, &on, sizeof on), 0);
  EXPECT_EQ(face->ReceiveNotification(0x41535076, &on, 2), 0);
  EXPECT_TRUE(host.log.calls.empty());
  EXPECT_EQ(face->ReceiveNotification(0x41535076, &on, sizeof on), 0);
  EXPECT_EQ(host.log.calls[1], "automation.PostSetValueRequest(PreviewID,1)");
}

TEST_F(AaxEffectParameters, SlotsWhoseMeaningLiesWithTheHost)
{
  int32_t answer = 7;
  EXPECT_EQ(face->QueryParameterValueInfo(1, 2, &answer), kAAXNotSupported);
  EXPECT_EQ(answer, 0);
  answer = 7;
  EXPECT_EQ(face->EmptyQueryCall42(1, 2, 3, &answer), 0);
  EXPECT_EQ(answer, 0);
  EXPECT_EQ(face->StubCall28(1, 2), 0);
  EXPECT_EQ(face->StubCall40(), 0);
  EXPECT_EQ(face->UnsupportedCall41(1, 2, 3, 4), kAAXNotSupported);
  EXPECT_EQ(face->StubCall43(1, 2, 3), 0);
  EXPECT_EQ(face->StubCall44(), 0);
  EXPECT_EQ(face->UnsupportedCall45(1), kAAXNotSupported);
  EXPECT_EQ(face->StubCall46(1, 2), 0);
  EXPECT_EQ(face->StubCall47(1, 2), 0);
  unsigned char buffer[16];
  std::memset(buffer, 0xAB, sizeof buffer);
  EXPECT_EQ(face->GetPrivateData(8, buffer, 12), 0);
  for (int i = 0; i < 16; ++i)
    EXPECT_EQ(buffer[i], i < 12 ? 0 : 0xAB) << i;
}

TEST_F(AaxEffectParameters, DefaultChunkBytes)
{
  int32_t count = 0;
  AAX_FourCC id = 1;
  EXPECT_EQ(face->CountChunks(&count), 0);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(face->ChunkIdAt(0, &id), 0);
  EXPECT_EQ(id, 0x656C636Bu);
  EXPECT_EQ(face->ChunkIdAt(1, &id), kAAXBadChunkIndex);
  EXPECT_EQ(id, 0u);

  std::vector<unsigned char> bytes = Record(44);
  EXPECT_EQ(face->WriteChunk(kDefaultChunkId, AsRecord(bytes)), kAAXBadChunkSize);  // no size query
  int32_t size = -1;
  EXPECT_EQ(face->GetChunkByteSize(kOtherChunkId, &size), kAAXUnknownChunk);
  EXPECT_EQ(size, 0);
  EXPECT_EQ(face->GetChunkByteSize(kDefaultChunkId, &size), 0);
  EXPECT_EQ(size, 44);
  EXPECT_EQ(face->WriteChunk(kOtherChunkId, AsRecord(bytes)), kAAXUnknownChunk);
  EXPECT_EQ(face->WriteChunk(kDefaultChunkId, AsRecord(bytes)), 0);

  // The size word, the version word, twelve bytes that stay, the identifier
  // that stays, the name, then the header word and three values (the master
  // bypass is left out): an int 5, a double 0.25 and a bool true as 1.
  const unsigned char expected[56 + 44] = {
    44, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE,
    0xEE, 0xEE, 0xEE, 0xEE, 'C', 'o', 'm', 'p', 'l', 'e', 't', 'e', ' ', 'C', 'o', 'n', 't', 'r', 'o', 'l', 's', ' ',
    'S', 't', 'a', 't', 'e', 0, 0, 0, 0, 0, 0, 0, 0, 0,
    1, 1, 1, 1, 'l', '_', 'G', 'a', 'i', 'n', 0, 0, 0, 0, 0, 5,
    'd', '_', 'M', 'i', 'x', 0, 0, 0, 0x3F, 0xD0, 0, 0, 0, 0, 0, 0,
    'l', '_', 'B', 'a', 'n', 'd', 0, 0, 0, 0, 0, 1};
  ASSERT_EQ(bytes.size(), sizeof expected);
  for (size_t i = 0; i < sizeof expected; ++i)
    EXPECT_EQ(bytes[i], expected[i]) << "byte " << i;
}

TEST_F(AaxEffectParameters, ReadChunkRequestsTheStoredValues)
{
  std::vector<unsigned char> bytes = SavedChunk();
  unsigned char* data = ChunkData(*AsRecord(bytes));
  data[15] = 7;  // Gain
  data[43] = 0;  // Band
  host.log.calls.clear();
  EXPECT_EQ(face->ReadChunk(kOtherChunkId, AsRecord(bytes)), kAAXUnknownChunk);
  EXPECT_EQ(face->ReadChunk(kDefaultChunkId, AsRecord(bytes)), 0);
  // Requests, also of unchanged values; the values change only when the
  // host answers.
  ASSERT_EQ(host.automation.requests.size(), 3u);
  EXPECT_EQ(host.automation.requests[0].first, "Gain");
  EXPECT_DOUBLE_EQ(host.automation.requests[0].second, 0.7);
  EXPECT_EQ(host.automation.requests[1], (std::pair<std::string, double>("Mix", 0.25)));
  EXPECT_EQ(host.automation.requests[2], (std::pair<std::string, double>("Band", 0.0)));

  // A chunk without values leaves every parameter alone.
  std::vector<unsigned char> empty = Record(4);
  WriteChunkWord(AsRecord(empty)->size, 4);
  std::memset(ChunkData(*AsRecord(empty)), 1, 4);
  EXPECT_EQ(face->ReadChunk(kDefaultChunkId, AsRecord(empty)), 0);
  EXPECT_EQ(host.automation.requests.size(), 3u);
}

TEST_F(AaxEffectParameters, CompareChunk)
{
  struct Case
  {
    const char* what;
    std::function<void(unsigned char* data, ChunkRecord* record)> change;
    bool equal;
  };
  const Case cases[] = {
    {"as written", [](unsigned char*, ChunkRecord*) {}, true},
    {"another chunk", [](unsigned char* data, ChunkRecord* record) {
       WriteChunkWord(record->chunkId, kOtherChunkId);
       data[15] = 9;
     }, true},
    {"int", [](unsigned char* data, ChunkRecord*) { data[15] = 6; }, false},
    {"double beyond single precision", [](unsigned char* data, ChunkRecord*) { data[31] = 1; }, true},
    {"double", [](unsigned char* data, ChunkRecord*) { data[26] = 1; }, false},
    {"bool", [](unsigned char* data, ChunkRecord*) { data[43] = 0; }, false},
    {"bool as another true", [](unsigned char* data, ChunkRecord*) { data[43] = 2; }, true},
    {"no values", [](unsigned char*, ChunkRecord* record) { WriteChunkWord(record->size, 4); }, false},
    {"negative size", [](unsigned char*, ChunkRecord* record) { WriteChunkWord(record->size, 0xFFFFFFF0u); },
     false},
  };
  for (const Case& c : cases)
  {
    std::vector<unsigned char> bytes = SavedChunk();
    c.change(ChunkData(*AsRecord(bytes)), AsRecord(bytes));
    bool equal = !c.equal;
    EXPECT_EQ(face->CompareChunk(AsRecord(bytes), &equal), 0) << c.what;
    EXPECT_EQ(equal, c.equal) << c.what;
  }
}

TEST_F(AaxEffectParameters, UninitialiseDeletesParametersThenProxiesInOrder)
{
  host.log.calls.clear();
  EXPECT_EQ(face->UninitializeEffect(), 0);
  EXPECT_EQ(host.log.calls,
            (std::vector<std::string>{"automation.UnregisterParameter(Gain)", "automation.UnregisterParameter(Mix)",
                                      "automation.UnregisterParameter(Band)",
                                      "automation.UnregisterParameter(MasterBypassID)", "controller2.Release",
                                      "controller.Release", "automation.Release", "transport2.Release",
                                      "transport.Release"}));
  int32_t count = -1;
  face->CountParameters(&count);
  EXPECT_EQ(count, 0);
  EXPECT_TRUE(host.log.Balanced());
}

// A second initialisation without the first's end: nothing of the first is
// left behind, no parameter twice.
TEST_F(AaxEffectParameters, InitialiseAgainStartsOver)
{
  host.log.calls.clear();
  EXPECT_EQ(face->InitializeEffect(&host), 0);
  EXPECT_EQ(host.log.calls[0], "automation.UnregisterParameter(Gain)");
  int32_t count = 0;
  face->CountParameters(&count);
  EXPECT_EQ(count, 4);
  EXPECT_EQ(host.log.references["controller"], 1);
  EXPECT_EQ(host.log.references["automation"], 1);
}

TEST_F(AaxEffectParameters, AFailedCreationIsReturned)
{
  face->UninitializeEffect();
  effect->createResult = -5;
  EXPECT_EQ(face->InitializeEffect(&host), -5);
}

TEST_F(AaxEffectParameters, WithoutAHostTheParametersApplyNothing)
{
  face->UninitializeEffect();
  EXPECT_EQ(face->InitializeEffect(nullptr), 0);
  EXPECT_EQ(face->RequestParameterNormalized("Gain", 1.0), 0);
  double normalized = 0;
  face->GetParameterNormalized("Gain", &normalized);
  EXPECT_DOUBLE_EQ(normalized, 0.5);
  EXPECT_EQ(face->UpdateParameterFromHost("Gain", 1.0, 0), 0);
  face->GetParameterNormalized("Gain", &normalized);
  EXPECT_DOUBLE_EQ(normalized, 1.0);
  EXPECT_EQ(face->DispatchParameterPackets(), kAAXRefused);
}

// The host's last Release without an uninitialisation frees what the
// uninitialisation would.
TEST_F(AaxEffectParameters, LastReleaseFreesParametersAndProxies)
{
  host.log.calls.clear();
  EXPECT_EQ(face->Release(), 0);
  face = nullptr;
  EXPECT_EQ(host.log.calls.size(), 9u);
  EXPECT_EQ(host.log.calls.back(), "transport.Release");
}
}
