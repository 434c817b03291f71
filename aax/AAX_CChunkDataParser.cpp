#include "AAX_CChunkDataParser.h"

#include "HostTrace.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace
{
enum Type : int32_t
{
  kUnknown = 0,
  kFloat = 1,
  kInt32 = 2,
  kDouble = 3,
  kInt16 = 4,
  kText = 5,
};

// The first character of each type's tag, by type; the second is '_'.
constexpr char kTags[] = {0, 'f', 'l', 'd', 's', 'r'};

constexpr uint32_t kHeader = 0x01010101;
constexpr uint32_t kTracePriority = 0x08000000;
constexpr const char* kOverflow = "aborting: chunk data will overflow buffer";
// A tag and name longer than this (with its NUL) is not read.
constexpr size_t kLongestTagAndName = 255;

char TagOf(int32_t type) { return type > kUnknown && type <= kText ? kTags[type] : 0; }

int32_t TypeOfTag(char tag)
{
  for (int32_t type = kFloat; type <= kText; ++type)
    if (kTags[type] == tag)
      return type;
  return kUnknown;
}

size_t RoundUp4(size_t n) { return (n + 3) & ~size_t(3); }

// Bytes of a value after its tag, name and padding.
size_t ValueBytes(int32_t type, const AAX_CString& text)
{
  if (type == kDouble)
    return 8;
  if (type == kText)
    return RoundUp4(size_t(text.Length()) + 1);
  return 4;
}

void WriteBigEndian(unsigned char* at, uint64_t value, size_t bytes)
{
  for (size_t i = bytes; i-- > 0; value >>= 8)
    at[i] = static_cast<unsigned char>(value);
}

uint64_t ReadBigEndian(const unsigned char* at, size_t bytes)
{
  uint64_t value = 0;
  for (size_t i = 0; i < bytes; ++i)
    value = value << 8 | at[i];
  return value;
}

const char* OrEmpty(const char* text) { return text ? text : ""; }
}

void AAX_CChunkDataParser::Add(const char* name, int32_t type, uint64_t bits, const AAX_CString& text)
{
  Value value;
  value.type = type;
  value.name = AAX_CString(name);
  value.bits = bits;
  value.text = text;
  mValues.push_back(std::move(value));
}

void AAX_CChunkDataParser::AddDoubleValue(const char* name, double value)
{
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  Add(name, kDouble, bits, AAX_CString());
}

void AAX_CChunkDataParser::AddIntValue(const char* name, int32_t value)
{
  Add(name, kInt32, static_cast<uint64_t>(static_cast<int64_t>(value)), AAX_CString());
}

void AAX_CChunkDataParser::AddStringValue(const char* name, const AAX_CString& value)
{
  Add(name, kText, 0, value);
}

int32_t AAX_CChunkDataParser::IndexOfName(const char* name)
{
  const char* wanted = OrEmpty(name);
  const int32_t count = static_cast<int32_t>(mValues.size());
  auto named = [&](int32_t i) { return std::strcmp(mValues[static_cast<size_t>(i)].name.CString(), wanted) == 0; };
  if (mLastFound >= count - 1)
    mLastFound = -1;
  for (int32_t i = mLastFound + 1; i < count; ++i)
    if (named(i))
      return mLastFound = i;
  for (int32_t i = 0; i <= mLastFound; ++i)
    if (named(i))
      return mLastFound = i;
  return -1;
}

const AAX_CChunkDataParser::Value* AAX_CChunkDataParser::Find(const char* name, int32_t type)
{
  const int32_t index = IndexOfName(name);
  if (index < 0 || mValues[static_cast<size_t>(index)].type != type)
    return nullptr;
  return &mValues[static_cast<size_t>(index)];
}

bool AAX_CChunkDataParser::FindDoubleValue(const char* name, double* value)
{
  const Value* found = value ? Find(name, kDouble) : nullptr;
  if (found)
    std::memcpy(value, &found->bits, sizeof *value);
  return found;
}

bool AAX_CChunkDataParser::FindIntValue(const char* name, int32_t* value)
{
  const Value* found = value ? Find(name, kInt32) : nullptr;
  if (found)
    *value = static_cast<int32_t>(static_cast<uint32_t>(found->bits));
  return found;
}

bool AAX_CChunkDataParser::FindStringValue(const char* name, AAX_IString* value)
{
  const Value* found = value ? Find(name, kText) : nullptr;
  if (found)
    value->SetCString(found->text.CString());
  return found;
}

void AAX_CChunkDataParser::Clear()
{
  mLastFound = -1;
  mVersion = -1;
  mValues.clear();
}

int32_t AAX_CChunkDataParser::GetChunkDataSize() const
{
  uint64_t size = 4;
  for (const Value& value : mValues)
    if (TagOf(value.type))
      size += RoundUp4(size_t(value.name.Length()) + 3) + ValueBytes(value.type, value.text);
  return size > INT32_MAX ? -1 : static_cast<int32_t>(size);
}

int32_t AAX_CChunkDataParser::GetChunkData(ChunkRecord* record) const
{
  if (!record)
    return kAAXChunkOverflow;
  const int32_t size = GetChunkDataSize();
  WriteChunkWord(record->size, static_cast<uint32_t>(size));
  try
  {
    if (size < 4)
      throw std::out_of_range(kOverflow);
    unsigned char* data = ChunkData(*record);
    std::memset(data, 0, static_cast<size_t>(size));
    WriteBigEndian(data, kHeader, 4);
    size_t offset = 4;
    for (const Value& value : mValues)
    {
      const char tag = TagOf(value.type);
      if (!tag)
        continue;
      const size_t nameBytes = size_t(value.name.Length()) + 1;
      const size_t valueOffset = RoundUp4(offset + 2 + nameBytes);
      const size_t valueBytes = ValueBytes(value.type, value.text);
      if (valueOffset + valueBytes > static_cast<size_t>(size))
        throw std::out_of_range(kOverflow);
      data[offset] = static_cast<unsigned char>(tag);
      data[offset + 1] = '_';
      std::memcpy(data + offset + 2, value.name.CString(), nameBytes);
      if (value.type == kText)
        std::memcpy(data + valueOffset, value.text.CString(), size_t(value.text.Length()) + 1);
      else
        WriteBigEndian(data + valueOffset, value.bits, value.type == kInt16 ? 2 : valueBytes);
      offset = valueOffset + valueBytes;
    }
    return 0;
  }
  catch (const std::exception& failure)
  {
    HostTrace(kTracePriority, "AAX_CChunkDataParser::GetChunkData ERROR: %s", failure.what());
    return kAAXChunkOverflow;
  }
  catch (...)
  {
    return kAAXChunkOverflow;
  }
}

void AAX_CChunkDataParser::LoadChunkData(const ChunkRecord* record)
{
  Clear();
  if (!record)
    return;
  mVersion = static_cast<int32_t>(ReadChunkWord(record->version));
  const int32_t claimed = ChunkDataSize(*record);
  if (claimed <= 4)
    return;
  const size_t size = static_cast<size_t>(claimed);
  const unsigned char* data = ChunkData(*record);
  if (ReadBigEndian(data, 4) != kHeader)
    return;
  // Nothing is read past the size word: the bytes left from an offset.
  auto left = [size](size_t offset) { return offset < size ? size - offset : 0; };
  size_t offset = 4;
  while (offset < size)
  {
    const char* tagAndName = reinterpret_cast<const char*>(data + offset);
    const void* nameEnd = std::memchr(tagAndName, 0, std::min(left(offset), kLongestTagAndName));
    if (!nameEnd)
      return;
    const size_t length = static_cast<size_t>(static_cast<const char*>(nameEnd) - tagAndName);
    offset = RoundUp4(offset + length + 1);
    Value value;
    value.type = TypeOfTag(tagAndName[0]);
    if (value.type == kText)
    {
      const void* textEnd = left(offset) ? std::memchr(data + offset, 0, left(offset)) : nullptr;
      if (!textEnd)
        return;
      const char* text = reinterpret_cast<const char*>(data + offset);
      value.text = AAX_CString(text);
      offset = RoundUp4(offset + static_cast<size_t>(static_cast<const char*>(textEnd) - text) + 1);
    }
    else if (value.type != kUnknown)
    {
      const size_t bytes = ValueBytes(value.type, value.text);
      if (left(offset) < bytes)
        return;
      value.bits = ReadBigEndian(data + offset, value.type == kInt16 ? 2 : bytes);
      offset += bytes;
    }
    value.name = AAX_CString(length >= 2 ? tagAndName + 2 : "");
    mValues.push_back(std::move(value));
  }
}
