#pragma once

#include "AAX_CString.h"
#include "aax_base.h"

#include <vector>

// Named, typed values to and from the data of a host chunk record: a header
// word 01 01 01 01, then per value a two-character tag ("d_" double, "l_"
// int32, "r_" text; "f_" and "s_" are read but never looked up), the name
// and a NUL, zero padding to a multiple of 4, and the value, big-endian.
class AAX_CChunkDataParser
{
public:
  AAX_CChunkDataParser() = default;

  // The adds may throw std::bad_alloc.
  void AddDoubleValue(const char* name, double value);
  void AddIntValue(const char* name, int32_t value);
  void AddStringValue(const char* name, const AAX_CString& value);

  // The position of a value of that name, or -1. The search starts after the
  // last value found, so looking names up in their order costs one
  // comparison each. A null name counts as empty.
  int32_t IndexOfName(const char* name);
  // True and the value when the value of that name has the type asked for;
  // otherwise false with out untouched.
  bool FindDoubleValue(const char* name, double* value);
  bool FindIntValue(const char* name, int32_t* value);
  bool FindStringValue(const char* name, AAX_IString* value);

  void Clear();
  // -1 after construction and Clear, else the version word of the last
  // record loaded.
  int32_t VersionWord() const { return mVersion; }
  // The bytes GetChunkData writes; -1 when they would not fit in 32 bits.
  int32_t GetChunkDataSize() const;
  // Writes the size word and the data; 0, or kAAXChunkOverflow (traced to
  // the host) when the data would not fit the size (the size word stays).
  int32_t GetChunkData(ChunkRecord* record) const;
  // Replaces the values by those of the record's data, which must hold the
  // bytes its size word claims. Data that is too short or has no header
  // gives no values; a value that does not fit in the remaining bytes, or a
  // tag and name without a NUL within them and within 255 bytes, ends the
  // load with the values before it. May throw std::bad_alloc (the values
  // read so far stay).
  void LoadChunkData(const ChunkRecord* record);

private:
  struct Value
  {
    // 1 float, 2 int32, 3 double, 4 int16, 5 text; 0 for an unknown tag.
    int32_t type = 0;
    AAX_CString name;
    // The double's bits, or an integer in the low 32 bits.
    uint64_t bits = 0;
    AAX_CString text;
  };

  void Add(const char* name, int32_t type, uint64_t bits, const AAX_CString& text);
  const Value* Find(const char* name, int32_t type);

  int32_t mLastFound = -1;
  int32_t mVersion = -1;
  std::vector<Value> mValues;
};
