// The AAX chunk parser on arbitrary host records: a load reads nothing past
// the bytes its size word claims (the record holds exactly those, or none
// for a negative size), every lookup is safe, and what was loaded writes
// back into data that loads and writes again unchanged. And round trips of
// values the input chooses give back every name, type and value.

#include "AAX_CChunkDataParser.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace
{
using Bytes = std::vector<unsigned char>;

// A host record of exactly its header and the given data.
Bytes HostRecord(const unsigned char* data, size_t size, int32_t sizeWord)
{
  Bytes bytes(sizeof(ChunkRecord) + size);
  ChunkRecord& record = *reinterpret_cast<ChunkRecord*>(bytes.data());
  WriteChunkWord(record.size, static_cast<uint32_t>(sizeWord));
  if (size)
    std::memcpy(ChunkData(record), data, size);
  return bytes;
}

ChunkRecord* AsRecord(Bytes& bytes) { return reinterpret_cast<ChunkRecord*>(bytes.data()); }

// The parser's data in a record of exactly the size it asks for.
Bytes Written(const AAX_CChunkDataParser& parser)
{
  const int32_t size = parser.GetChunkDataSize();
  if (size < 4)
    __builtin_trap();
  Bytes bytes(sizeof(ChunkRecord) + static_cast<size_t>(size));
  if (parser.GetChunkData(AsRecord(bytes)) != 0 || ChunkDataSize(*AsRecord(bytes)) != size)
    __builtin_trap();
  return bytes;
}

// Reads the input from the front.
struct Input
{
  const uint8_t* at;
  size_t left;

  uint8_t Byte()
  {
    if (!left)
      return 0;
    --left;
    return *at++;
  }
  // Up to n bytes as a C string (a NUL byte becomes 'x').
  std::string Text(size_t n)
  {
    std::string text;
    while (n-- && left)
    {
      const char c = static_cast<char>(Byte());
      text += c ? c : 'x';
    }
    return text;
  }
  template <class T>
  T Value()
  {
    unsigned char bytes[sizeof(T)] = {};
    for (unsigned char& byte : bytes)
      byte = Byte();
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
  }
};

void LoadAndLookUp(Input input, bool withHeader)
{
  int32_t sizeWord = input.Value<int32_t>();
  Bytes data;
  if (withHeader)
    data = {1, 1, 1, 1};
  data.insert(data.end(), input.at, input.at + input.left);
  // A non-negative size claims no more than the record holds; a negative
  // one comes with no data at all.
  if (sizeWord >= 0)
    sizeWord = static_cast<int32_t>(static_cast<uint32_t>(sizeWord) % (data.size() + 1));
  const size_t held = sizeWord >= 0 ? static_cast<size_t>(sizeWord) : 0;
  Bytes record = HostRecord(data.data(), held, sizeWord);

  AAX_CChunkDataParser parser;
  parser.LoadChunkData(AsRecord(record));
  // Look up every text of the data, with and without its tag.
  for (size_t start = 0; start < held;)
  {
    const char* text = reinterpret_cast<const char*>(data.data() + start);
    const size_t length = strnlen(text, held - start);
    const std::string name(text, length);
    for (const std::string& candidate : {name, name.size() > 2 ? name.substr(2) : std::string()})
    {
      double number;
      int32_t integer;
      AAX_CString found;
      parser.IndexOfName(candidate.c_str());
      parser.FindDoubleValue(candidate.c_str(), &number);
      parser.FindIntValue(candidate.c_str(), &integer);
      parser.FindStringValue(candidate.c_str(), &found);
    }
    start += length + 1;
  }

  Bytes written = Written(parser);
  AAX_CChunkDataParser again;
  again.LoadChunkData(AsRecord(written));
  if (Written(again) != written)
    __builtin_trap();
}

void RoundTrip(Input input)
{
  struct Value
  {
    int type;
    std::string name;
    uint64_t bits;
    std::string text;
  };
  std::vector<Value> values;
  AAX_CChunkDataParser parser;
  while (input.left)
  {
    Value value{input.Byte() % 3, "", 0, ""};
    // Longer names are not read back (a tag and name take at most 254).
    value.name = input.Text(input.Byte() % 253);
    if (value.type == 0)
    {
      value.bits = input.Value<uint64_t>();
      double number;
      std::memcpy(&number, &value.bits, sizeof number);
      parser.AddDoubleValue(value.name.c_str(), number);
    }
    else if (value.type == 1)
    {
      value.bits = input.Value<uint32_t>();
      parser.AddIntValue(value.name.c_str(), static_cast<int32_t>(value.bits));
    }
    else
    {
      value.text = input.Text(input.Byte());
      parser.AddStringValue(value.name.c_str(), AAX_CString(value.text.c_str()));
    }
    values.push_back(value);
  }

  Bytes written = Written(parser);
  AAX_CChunkDataParser reader;
  reader.LoadChunkData(AsRecord(written));
  // In their order every lookup finds its own value, whatever names repeat.
  for (const Value& value : values)
  {
    const char* name = value.name.c_str();
    if (value.type == 0)
    {
      double number;
      if (!reader.FindDoubleValue(name, &number) || std::memcmp(&number, &value.bits, sizeof number) != 0)
        __builtin_trap();
    }
    else if (value.type == 1)
    {
      int32_t integer;
      if (!reader.FindIntValue(name, &integer) || integer != static_cast<int32_t>(value.bits))
        __builtin_trap();
    }
    else
    {
      AAX_CString text;
      if (!reader.FindStringValue(name, &text) || value.text != text.CString())
        __builtin_trap();
    }
  }
  if (Written(reader) != written)
    __builtin_trap();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  if (!size)
    return 0;
  // The first byte picks the test and whether a header goes in front.
  const Input input{data + 1, size - 1};
  if (data[0] & 1)
    RoundTrip(input);
  else
    LoadAndLookUp(input, data[0] & 2);
  return 0;
}
