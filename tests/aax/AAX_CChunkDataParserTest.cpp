#include "AAX_CChunkDataParser.h"
#include "AaxFakes.h"
#include "HostTrace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
using Bytes = std::vector<unsigned char>;

// A host record of exactly its header and data; the size word is the data's
// length unless given.
struct HostRecord
{
  explicit HostRecord(const Bytes& data) : HostRecord(data, static_cast<int32_t>(data.size())) {}
  HostRecord(const Bytes& data, int32_t size) : bytes(sizeof(ChunkRecord) + data.size(), 0xEE)
  {
    WriteChunkWord(record().size, static_cast<uint32_t>(size));
    WriteChunkWord(record().version, 7);
    std::copy(data.begin(), data.end(), bytes.begin() + sizeof(ChunkRecord));
  }
  ChunkRecord& record() { return *reinterpret_cast<ChunkRecord*>(bytes.data()); }
  Bytes data() const { return Bytes(bytes.begin() + sizeof(ChunkRecord), bytes.end()); }

  Bytes bytes;
};

// What the parser writes, in a record of exactly the size it asks for.
HostRecord Written(const AAX_CChunkDataParser& parser)
{
  HostRecord host(Bytes(static_cast<size_t>(parser.GetChunkDataSize())));
  EXPECT_EQ(parser.GetChunkData(&host.record()), 0);
  EXPECT_EQ(ChunkDataSize(host.record()), parser.GetChunkDataSize());
  return host;
}

TEST(AAX_CChunkDataParser, NoValuesIsTheHeaderAlone)
{
  AAX_CChunkDataParser parser;
  const HostRecord host = Written(parser);
  EXPECT_EQ(host.data(), (Bytes{1, 1, 1, 1}));
  // Only the size word and the data are written.
  const ChunkRecord& record = *reinterpret_cast<const ChunkRecord*>(host.bytes.data());
  EXPECT_EQ(ReadChunkWord(record.version), 7u);
  EXPECT_EQ(record.name[0], '\xEE');
}

TEST(AAX_CChunkDataParser, IntValueBytes)
{
  AAX_CChunkDataParser parser;
  parser.AddIntValue("1", 3);
  EXPECT_EQ(Written(parser).data(), (Bytes{1, 1, 1, 1, 0x6C, 0x5F, 0x31, 0, 0, 0, 0, 3}));
  parser.Clear();
  parser.AddIntValue("1", -2);
  EXPECT_EQ(Written(parser).data(), (Bytes{1, 1, 1, 1, 0x6C, 0x5F, 0x31, 0, 0xFF, 0xFF, 0xFF, 0xFE}));
}

TEST(AAX_CChunkDataParser, DoubleValueBytes)
{
  AAX_CChunkDataParser parser;
  parser.AddDoubleValue("18", 1.0);
  EXPECT_EQ(Written(parser).data(),
            (Bytes{1, 1, 1, 1, 0x64, 0x5F, 0x31, 0x38, 0, 0, 0, 0, 0x3F, 0xF0, 0, 0, 0, 0, 0, 0}));
}

TEST(AAX_CChunkDataParser, TextValueRoundTrip)
{
  AAX_CChunkDataParser parser;
  parser.AddStringValue("n", AAX_CString("abc"));
  HostRecord host = Written(parser);
  EXPECT_EQ(host.data(), (Bytes{1, 1, 1, 1, 'r', '_', 'n', 0, 'a', 'b', 'c', 0}));

  AAX_CChunkDataParser reader;
  reader.LoadChunkData(&host.record());
  AAX_CString text("before");
  EXPECT_TRUE(reader.FindStringValue("n", &text));
  EXPECT_STREQ(text.CString(), "abc");
  EXPECT_EQ(reader.IndexOfName("n"), 0);
  EXPECT_EQ(reader.GetChunkDataSize(), 12);
  double number = -1;
  int32_t integer = -1;
  EXPECT_FALSE(reader.FindDoubleValue("n", &number));
  EXPECT_FALSE(reader.FindIntValue("n", &integer));
  EXPECT_EQ(number, -1);
  EXPECT_EQ(integer, -1);
}

TEST(AAX_CChunkDataParser, WriteThenLoadGivesTheSameValues)
{
  AAX_CChunkDataParser parser;
  parser.AddIntValue("MasterBypassID", 1);
  parser.AddDoubleValue("1", -12.5);
  parser.AddStringValue("2", AAX_CString("four"));
  parser.AddIntValue("", INT32_MIN);
  parser.AddDoubleValue("abcde", 1e-300);
  HostRecord host = Written(parser);

  AAX_CChunkDataParser reader;
  reader.LoadChunkData(&host.record());
  EXPECT_EQ(reader.VersionWord(), 7);
  int32_t integer = 0;
  double number = 0;
  AAX_CString text;
  EXPECT_TRUE(reader.FindIntValue("MasterBypassID", &integer));
  EXPECT_EQ(integer, 1);
  EXPECT_TRUE(reader.FindDoubleValue("1", &number));
  EXPECT_EQ(number, -12.5);
  EXPECT_TRUE(reader.FindStringValue("2", &text));
  EXPECT_STREQ(text.CString(), "four");
  EXPECT_TRUE(reader.FindIntValue("", &integer));
  EXPECT_EQ(integer, INT32_MIN);
  EXPECT_TRUE(reader.FindDoubleValue("abcde", &number));
  EXPECT_EQ(number, 1e-300);
  EXPECT_EQ(Written(reader).data(), host.data());
}

TEST(AAX_CChunkDataParser, LookupsInRecordOrderHitInTurn)
{
  AAX_CChunkDataParser parser;
  for (const char* name : {"a", "b", "c", "b"})
    parser.AddIntValue(name, 0);
  HostRecord host = Written(parser);
  AAX_CChunkDataParser reader;
  reader.LoadChunkData(&host.record());
  EXPECT_EQ(reader.IndexOfName("a"), 0);
  EXPECT_EQ(reader.IndexOfName("b"), 1);
  EXPECT_EQ(reader.IndexOfName("c"), 2);
  EXPECT_EQ(reader.IndexOfName("b"), 3);
  // The search goes on from the last hit and wraps around.
  EXPECT_EQ(reader.IndexOfName("b"), 1);
  EXPECT_EQ(reader.IndexOfName("a"), 0);
  EXPECT_EQ(reader.IndexOfName("zz"), -1);
  EXPECT_EQ(reader.IndexOfName(nullptr), -1);
}

TEST(AAX_CChunkDataParser, FloatAndShortValuesAreReadButNeverFound)
{
  const Bytes data = {1, 1, 1, 1, 'f', '_', 'x', 0, 0x3F, 0x80, 0, 0, 's', '_', 'y', 0, 0x12, 0x34, 0, 0,
                      'l', '_', 'z', 0, 0, 0, 0, 9};
  HostRecord host(data);
  AAX_CChunkDataParser reader;
  reader.LoadChunkData(&host.record());
  int32_t integer = -1;
  double number = -1;
  AAX_CString text("untouched");
  for (const char* name : {"x", "y"})
  {
    EXPECT_FALSE(reader.FindIntValue(name, &integer));
    EXPECT_FALSE(reader.FindDoubleValue(name, &number));
    EXPECT_FALSE(reader.FindStringValue(name, &text));
  }
  EXPECT_EQ(integer, -1);
  EXPECT_EQ(number, -1);
  EXPECT_STREQ(text.CString(), "untouched");
  EXPECT_TRUE(reader.FindIntValue("z", &integer));
  EXPECT_EQ(integer, 9);
  EXPECT_EQ(reader.IndexOfName("y"), 1);
  // Written again as they were read.
  EXPECT_EQ(Written(reader).data(), data);
}

TEST(AAX_CChunkDataParser, UnknownTagKeepsItsNameAndNoValue)
{
  HostRecord host(Bytes{1, 1, 1, 1, 'q', '_', 'u', 0, 'l', '_', 'v', 0, 0, 0, 0, 4});
  AAX_CChunkDataParser reader;
  reader.LoadChunkData(&host.record());
  EXPECT_EQ(reader.IndexOfName("u"), 0);
  int32_t integer = 0;
  EXPECT_TRUE(reader.FindIntValue("v", &integer));
  EXPECT_EQ(integer, 4);
  // A value without a tag of its own is not written.
  EXPECT_EQ(Written(reader).data(), (Bytes{1, 1, 1, 1, 'l', '_', 'v', 0, 0, 0, 0, 4}));
}

TEST(AAX_CChunkDataParser, ShortOrHeaderlessDataHasNoValues)
{
  const Bytes good = {1, 1, 1, 1, 'l', '_', 'a', 0, 0, 0, 0, 1};
  struct
  {
    Bytes data;
    int32_t size;
  } cases[] = {
    {{2, 1, 1, 1, 'l', '_', 'a', 0, 0, 0, 0, 1}, 12},
    {good, 4},
    {good, 3},
    {{}, 0},
    {{}, -1},
    {{}, INT32_MIN},
  };
  for (const auto& c : cases)
  {
    HostRecord host(c.data, c.size);
    AAX_CChunkDataParser reader;
    reader.AddIntValue("a", 5);
    reader.LoadChunkData(&host.record());
    EXPECT_EQ(reader.IndexOfName("a"), -1) << c.size;
    EXPECT_EQ(reader.GetChunkDataSize(), 4);
  }
}

TEST(AAX_CChunkDataParser, ValueBeyondTheSizeEndsTheLoad)
{
  // Each data holds a good first value, then one that does not fit its size.
  const Bytes first = {1, 1, 1, 1, 'l', '_', 'a', 0, 0, 0, 0, 1};
  const std::vector<Bytes> seconds = {
    {'d', '_', 'b', 0, 0, 0, 0, 0},              // a double needs 8 bytes
    {'l', '_', 'b', 0, 0, 0},                    // an integer needs 4
    {'s', '_', 'b', 0, 0, 0},                    // so does a short
    {'r', '_', 'b', 0, 'x', 'y'},                // a text needs its NUL
    {'r', '_', 'b', 0},                          // a text needs at least its NUL
    {'l', '_', 'b', 'c'},                        // a name needs its NUL
  };
  for (const Bytes& second : seconds)
  {
    Bytes data = first;
    data.insert(data.end(), second.begin(), second.end());
    HostRecord host(data);
    AAX_CChunkDataParser reader;
    reader.LoadChunkData(&host.record());
    int32_t integer = 0;
    EXPECT_TRUE(reader.FindIntValue("a", &integer));
    EXPECT_EQ(integer, 1);
    EXPECT_EQ(reader.IndexOfName("b"), -1) << second.size();
    EXPECT_EQ(reader.GetChunkDataSize(), 12);
  }
}

TEST(AAX_CChunkDataParser, SizeWordBoundsTheDataEvenWhenMoreIsThere)
{
  HostRecord host(Bytes{1, 1, 1, 1, 'l', '_', 'a', 0, 0, 0, 0, 1, 'l', '_', 'b', 0, 0, 0, 0, 2}, 14);
  AAX_CChunkDataParser reader;
  reader.LoadChunkData(&host.record());
  EXPECT_EQ(reader.IndexOfName("a"), 0);
  EXPECT_EQ(reader.IndexOfName("b"), -1);
}

TEST(AAX_CChunkDataParser, TagAndNameOf255BytesIsNotRead)
{
  for (size_t nameLength : {252u, 253u})
  {
    Bytes data = {1, 1, 1, 1, 'l', '_'};
    data.insert(data.end(), nameLength, 'n');
    data.push_back(0);
    while (data.size() % 4)
      data.push_back(0);
    data.insert(data.end(), {0, 0, 0, 6});
    HostRecord host(data);
    AAX_CChunkDataParser reader;
    reader.LoadChunkData(&host.record());
    int32_t integer = 0;
    EXPECT_EQ(reader.FindIntValue(std::string(nameLength, 'n').c_str(), &integer), nameLength == 252u);
  }
}

TEST(AAX_CChunkDataParser, VersionWord)
{
  AAX_CChunkDataParser parser;
  EXPECT_EQ(parser.VersionWord(), -1);
  HostRecord host(Bytes{1, 1, 1, 1});
  WriteChunkWord(host.record().version, 0x12345678);
  parser.LoadChunkData(&host.record());
  EXPECT_EQ(parser.VersionWord(), 0x12345678);
  parser.Clear();
  EXPECT_EQ(parser.VersionWord(), -1);
  parser.LoadChunkData(nullptr);
  EXPECT_EQ(parser.GetChunkDataSize(), 4);
}

TEST(AAX_CChunkDataParser, NullsAreRefused)
{
  AAX_CChunkDataParser parser;
  parser.AddIntValue(nullptr, 1);
  int32_t integer = 0;
  EXPECT_TRUE(parser.FindIntValue("", &integer));
  EXPECT_FALSE(parser.FindIntValue("", nullptr));
  EXPECT_FALSE(parser.FindDoubleValue("", nullptr));
  EXPECT_FALSE(parser.FindStringValue("", nullptr));
  EXPECT_EQ(parser.GetChunkData(nullptr), kAAXChunkOverflow);
}

TEST(AAX_CChunkDataParser, WritingTracesNothingWhenItFits)
{
  RecordingHostServices services;
  SetHostServices(&services);
  AAX_CChunkDataParser parser;
  parser.AddStringValue("1", AAX_CString("text"));
  Written(parser);
  SetHostServices(nullptr);
  EXPECT_TRUE(services.texts.empty());
}
}
