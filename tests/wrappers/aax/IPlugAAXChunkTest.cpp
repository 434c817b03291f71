// The AAX module's state chunk: the parameter state under the plug-in's
// unique id, written, compared and read back, and the records a host may
// get wrong.

#include "AaxInstance.h"
#include "IControl.h"
#include "IGraphics.h"

#include <cstring>
#include <string>

namespace
{
constexpr AAX_FourCC kZvLP = 0x5A764C50;
constexpr AAX_FourCC kElck = 0x656C636B;
constexpr unsigned char kFiller = 0xEE;

// A record of exactly room data bytes, the header filled as a host might
// leave it.
std::vector<unsigned char> Record(size_t room)
{
  std::vector<unsigned char> bytes(sizeof(ChunkRecord) + room, kFiller);
  return bytes;
}
ChunkRecord* AsRecord(std::vector<unsigned char>& bytes) { return reinterpret_cast<ChunkRecord*>(bytes.data()); }

// The little-endian bytes of a double, written out by hand.
void PutDouble(std::vector<unsigned char>& bytes, uint64_t bits)
{
  for (int i = 0; i < 8; ++i)
    bytes.push_back(static_cast<unsigned char>(bits >> (8 * i)));
}

class AaxChunk : public AaxInstance
{
protected:
  // The chunk as the host saves it: size query, then the write.
  std::vector<unsigned char> Saved()
  {
    int32_t size = 0;
    EXPECT_EQ(face->GetChunkByteSize(kZvLP, &size), 0);
    std::vector<unsigned char> bytes = Record(static_cast<size_t>(size));
    EXPECT_EQ(face->WriteChunk(kZvLP, AsRecord(bytes)), 0);
    WriteChunkWord(AsRecord(bytes)->chunkId, kZvLP);
    return bytes;
  }
};

TEST_F(AaxChunk, OneChunkOfTheUniqueId)
{
  int32_t count = 0;
  EXPECT_EQ(face->CountChunks(&count), 0);
  EXPECT_EQ(count, 1);
  AAX_FourCC id = 0;
  EXPECT_EQ(face->ChunkIdAt(0, &id), 0);
  EXPECT_EQ(id, kZvLP);
  EXPECT_EQ(face->ChunkIdAt(1, &id), kAAXBadChunkIndex);
  EXPECT_EQ(id, 0u);
  int32_t size = -1;
  EXPECT_EQ(face->GetChunkByteSize(kZvLP, &size), 0);
  EXPECT_EQ(size, 144);
  EXPECT_EQ(face->GetChunkByteSize(kElck, &size), kAAXUnknownChunk);
  EXPECT_EQ(size, 0);
  std::vector<unsigned char> bytes = Record(144);
  EXPECT_EQ(face->WriteChunk(kElck, AsRecord(bytes)), kAAXUnknownChunk);
  EXPECT_EQ(face->ReadChunk(kElck, AsRecord(bytes)), kAAXUnknownChunk);
  EXPECT_EQ(bytes, Record(144));
}

// A host's null record or out is never written through.
TEST_F(AaxChunk, NullRecordsAndOuts)
{
  EXPECT_EQ(face->ChunkIdAt(0, nullptr), kAAXRefused);
  EXPECT_EQ(face->GetChunkByteSize(kZvLP, nullptr), kAAXRefused);
  EXPECT_EQ(face->WriteChunk(kZvLP, nullptr), kAAXRefused);
  EXPECT_EQ(face->ReadChunk(kZvLP, nullptr), kAAXRefused);
  bool equal = true;
  EXPECT_EQ(face->CompareChunk(nullptr, &equal), kAAXRefused);
  std::vector<unsigned char> bytes = Saved();
  EXPECT_EQ(face->CompareChunk(AsRecord(bytes), nullptr), kAAXRefused);
  EXPECT_EQ(Changes(), 0);
}

// Size word 144, then the defaults as little-endian doubles: 50, 100,
// eight band lights 0, the 4K switch 0, six switches 1, the HF switch 0.
// Version, identifier and name stay as the host left them.
TEST_F(AaxChunk, DefaultChunkBytes)
{
  std::vector<unsigned char> bytes = Record(144);
  EXPECT_EQ(face->WriteChunk(kZvLP, AsRecord(bytes)), 0);
  std::vector<unsigned char> expected = {144, 0, 0, 0};
  expected.resize(sizeof(ChunkRecord), kFiller);
  PutDouble(expected, 0x4049000000000000ull);
  PutDouble(expected, 0x4059000000000000ull);
  for (int i = 0; i < 9; ++i)
    PutDouble(expected, 0);
  for (int i = 0; i < 6; ++i)
    PutDouble(expected, 0x3FF0000000000000ull);
  PutDouble(expected, 0);
  EXPECT_EQ(bytes, expected);
}

TEST_F(AaxChunk, CompareChunk)
{
  struct Case
  {
    const char* what;
    void (*change)(ChunkRecord* record, unsigned char* data);
    bool equal;
  };
  const Case cases[] = {
    {"as written", [](ChunkRecord*, unsigned char*) {}, true},
    {"another chunk", [](ChunkRecord* record, unsigned char* data) {
       WriteChunkWord(record->chunkId, kElck);
       data[7] = 0;
     }, true},
    {"a value moved", [](ChunkRecord*, unsigned char* data) { data[6] = 0x4A; }, false},
    {"a value moved within single precision", [](ChunkRecord*, unsigned char* data) { data[0] = 1; }, true},
    {"too short to hold every value", [](ChunkRecord* record, unsigned char*) { WriteChunkWord(record->size, 136); },
     false},
    {"a negative size", [](ChunkRecord* record, unsigned char*) { WriteChunkWord(record->size, 0x80000000u); },
     false},
  };
  for (const Case& c : cases)
  {
    std::vector<unsigned char> bytes = Saved();
    c.change(AsRecord(bytes), ChunkData(*AsRecord(bytes)));
    bool equal = !c.equal;
    EXPECT_EQ(face->CompareChunk(AsRecord(bytes), &equal), 0) << c.what;
    EXPECT_EQ(equal, c.equal) << c.what;
  }

  // After a parameter moves by more than 1e-5 the saved chunk differs.
  std::vector<unsigned char> bytes = Saved();
  face->UpdateParameterFromHost("2", 0.5, 0);
  bool equal = true;
  EXPECT_EQ(face->CompareChunk(AsRecord(bytes), &equal), 0);
  EXPECT_FALSE(equal);
}

// The host learns every restored value: one touch, request and release per
// framework parameter it can see.
TEST_F(AaxChunk, ReadChunkRestoresAndRequests)
{
  face->UpdateParameterFromHost("1", 1.0, 0);
  std::vector<unsigned char> bytes = Saved();
  face->UpdateParameterFromHost("1", 0.2, 0);
  face->UpdateParameterFromHost("13", 0.0, 0);
  const int32_t changes = Changes();
  host.log.calls.clear();
  EXPECT_EQ(face->ReadChunk(kZvLP, AsRecord(bytes)), 0);
  EXPECT_EQ(plug->GetParam(0)->Value(), 100.0);
  EXPECT_EQ(plug->GetParam(12)->Value(), 1.0);
  EXPECT_EQ(Changes(), changes + 1);

  const std::vector<std::string> calls = host.log.CallsOf("automation");
  ASSERT_EQ(calls.size(), 30u);
  const char* const ids[] = {"1", "2", "11", "12", "13", "14", "15", "16", "17", "18"};
  for (int i = 0; i < 10; ++i)
  {
    EXPECT_EQ(calls[3 * i], std::string("automation.PostTouch(") + ids[i] + ")");
    EXPECT_EQ(calls[3 * i + 2], std::string("automation.PostReleaseTouch(") + ids[i] + ")");
  }
  EXPECT_EQ(host.automation.requests.front(), (std::pair<std::string, double>("1", 1.0)));
  EXPECT_EQ(host.automation.requests[4], (std::pair<std::string, double>("13", 1.0)));

  // The editor shows the restored value.
  for (int i = 0; i < plug->GetGUI()->NControls(); ++i)
    if (plug->GetGUI()->GetControl(i)->ParamIdx() == 0)
    {
      EXPECT_EQ(plug->GetGUI()->GetControl(i)->Value(), 1.0);
    }
}

// A negative size word is refused and changes nothing; a size word that
// claims more than the parameter state has no more than the state read.
TEST_F(AaxChunk, ReadChunkSizes)
{
  std::vector<unsigned char> bytes = Saved();
  face->UpdateParameterFromHost("1", 0.0, 0);
  StateChunk before;
  plug->SerializePlugState(&before);
  host.log.calls.clear();
  WriteChunkWord(AsRecord(bytes)->size, 0xFFFFFFFFu);
  EXPECT_EQ(face->ReadChunk(kZvLP, AsRecord(bytes)), kAAXBadChunkSize);
  StateChunk after;
  plug->SerializePlugState(&after);
  EXPECT_EQ(std::memcmp(before.Get(), after.Get(), before.Size()), 0);
  EXPECT_TRUE(host.log.calls.empty());
  EXPECT_EQ(Changes(), 1);

  // The record holds 144 bytes of data and claims a megabyte.
  WriteChunkWord(AsRecord(bytes)->size, 1 << 20);
  EXPECT_EQ(face->ReadChunk(kZvLP, AsRecord(bytes)), 0);
  EXPECT_EQ(plug->GetParam(0)->Value(), 50.0);

  // A short state: what arrived is restored; a value cut short, and the
  // rest, stay as they were.
  face->UpdateParameterFromHost("2", 1.0, 0);
  face->UpdateParameterFromHost("18", 1.0, 0);
  std::vector<unsigned char> shortRecord = Record(12);
  WriteChunkWord(AsRecord(shortRecord)->size, 12);
  std::memcpy(ChunkData(*AsRecord(shortRecord)), ChunkData(*AsRecord(bytes)), 12);
  ChunkData(*AsRecord(shortRecord))[0] = 1;  // 50, but for its last bit
  EXPECT_EQ(face->ReadChunk(kZvLP, AsRecord(shortRecord)), 0);
  EXPECT_NEAR(plug->GetParam(0)->Value(), 50.0, 1e-12);
  EXPECT_EQ(plug->GetParam(1)->Value(), 100.0);
  EXPECT_EQ(plug->GetParam(17)->Value(), 1.0);
}

// A state that cannot be made is refused by the size query and the write
// alike.
TEST(AaxChunkFailure, StateThatCannotBeMade)
{
  class Failing final : public AaxEffect
  {
  public:
    Failing() : AaxEffect(InstanceInfo()) {}
    bool SerializePlugState(StateChunk*) override { return false; }
  };
  auto* plug = new Failing;
  plug->AddRef();
  int32_t size = -1;
  EXPECT_EQ(plug->GetChunkByteSize(kZvLP, &size), kAAXUnknownChunk);
  EXPECT_EQ(size, 0);
  std::vector<unsigned char> bytes = Record(144);
  EXPECT_EQ(plug->WriteChunk(kZvLP, AsRecord(bytes)), kAAXUnknownChunk);
  EXPECT_EQ(bytes, Record(144));
  EXPECT_EQ(plug->Release(), 0);
}
}
