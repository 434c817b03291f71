#pragma once

#include "StateChunk.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// Saved-state bytes for the tests, written out independently of the state
// code: little-endian int32 and double values, texts and single bytes.
struct StateBytes
{
  StateBytes& Int32(std::int32_t value)
  {
    for (int i = 0; i < 4; ++i)
      data.push_back(static_cast<unsigned char>(static_cast<std::uint32_t>(value) >> (8 * i)));
    return *this;
  }
  StateBytes& Text(const std::string& text)
  {
    data.insert(data.end(), text.begin(), text.end());
    return *this;
  }
  StateBytes& Byte(unsigned char value)
  {
    data.push_back(value);
    return *this;
  }
  StateBytes& Doubles(const std::vector<double>& values)
  {
    for (double value : values)
    {
      std::uint64_t bits;
      std::memcpy(&bits, &value, 8);
      for (int i = 0; i < 8; ++i)
        data.push_back(static_cast<unsigned char>(bits >> (8 * i)));
    }
    return *this;
  }
  // A preset bank entry: the name with its length, the flag, the state.
  StateBytes& Entry(const std::string& name, unsigned char flag, const std::vector<double>& state = {})
  {
    return Int32(static_cast<std::int32_t>(name.size())).Text(name).Byte(flag).Doubles(state);
  }

  // The first count bytes (all of them by default) as the chunk's content.
  void Into(StateChunk* chunk, std::size_t count) const
  {
    chunk->Clear();
    if (count)
      chunk->PutBytes(data.data(), static_cast<int>(count));
  }
  void Into(StateChunk* chunk) const { Into(chunk, data.size()); }

  std::vector<unsigned char> data;
};

// The doubles of a state, read back the same independent way.
inline std::vector<double> DecodeDoubles(const unsigned char* bytes, int size)
{
  std::vector<double> values(size / 8);
  for (std::size_t i = 0; i < values.size(); ++i)
  {
    std::uint64_t bits = 0;
    for (int b = 0; b < 8; ++b)
      bits |= static_cast<std::uint64_t>(bytes[8 * i + b]) << (8 * b);
    std::memcpy(&values[i], &bits, 8);
  }
  return values;
}
