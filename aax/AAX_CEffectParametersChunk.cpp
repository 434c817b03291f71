// The default chunk 'elck': every parameter that is not excluded, by
// identifier, with the value of its own type.

#include "AAX_CEffectParameters.h"

#include "HostEntryGuard.h"
#include "AAX_IParameter.h"

#include <cstring>

namespace
{
constexpr const char* kDefaultChunkName = "Complete Controls State";

// The typed getters in the order the chunk tries them: the first that the
// parameter answers gives the value's type.
enum class ValueType
{
  None,
  Float,
  Int,
  Bool,
  Double,
  Text,
};

struct TypedValue
{
  ValueType type = ValueType::None;
  float floatValue = 0;
  int32_t intValue = 0;
  bool boolValue = false;
  double doubleValue = 0;
  AAX_CString text;
};

TypedValue ValueOf(const AAX_IParameter& parameter)
{
  TypedValue value;
  if (parameter.GetValueOfOtherType(&value.floatValue))
    value.type = ValueType::Float;
  else if (parameter.GetIntValue(&value.intValue))
    value.type = ValueType::Int;
  else if (parameter.GetBoolValue(&value.boolValue))
    value.type = ValueType::Bool;
  else if (parameter.GetDoubleValue(&value.doubleValue))
    value.type = ValueType::Double;
  else if (parameter.GetTextValue(&value.text))
    value.type = ValueType::Text;
  return value;
}
}

void AAX_CEffectParameters::BuildChunkData()
{
  mChunkParser.Clear();
  for (int32_t i = 0; i < mParameters.NumParameters(); ++i)
  {
    const AAX_IParameter* parameter = mParameters.ParameterAt(i);
    const char* identifier = parameter->Identifier();
    if (mExcluded.count(identifier))
      continue;
    const TypedValue value = ValueOf(*parameter);
    switch (value.type)
    {
    case ValueType::Float: mChunkParser.AddDoubleValue(identifier, value.floatValue); break;
    case ValueType::Int: mChunkParser.AddIntValue(identifier, value.intValue); break;
    case ValueType::Bool: mChunkParser.AddIntValue(identifier, value.boolValue ? 1 : 0); break;
    case ValueType::Double: mChunkParser.AddDoubleValue(identifier, value.doubleValue); break;
    case ValueType::Text: mChunkParser.AddStringValue(identifier, value.text); break;
    case ValueType::None: break;
    }
  }
}

int32_t AAX_CEffectParameters::CountChunks(int32_t* count) const
{
  if (!count)
    return kAAXRefused;
  *count = 1;
  return kAAXSuccess;
}

int32_t AAX_CEffectParameters::ChunkIdAt(int32_t index, AAX_FourCC* chunkId) const
{
  if (!chunkId)
    return kAAXRefused;
  *chunkId = index == 0 ? kDefaultChunkId : 0;
  return index == 0 ? kAAXSuccess : kAAXBadChunkIndex;
}

int32_t AAX_CEffectParameters::GetChunkByteSize(AAX_FourCC chunkId, int32_t* size)
{
  if (!size)
    return kAAXRefused;
  if (chunkId != kDefaultChunkId)
  {
    *size = 0;
    return kAAXUnknownChunk;
  }
  return GuardedEntry([&] {
    BuildChunkData();
    mDefaultChunkSize = mChunkParser.GetChunkDataSize();
    if (mDefaultChunkSize < 0)
      return static_cast<int32_t>(kAAXBadChunkSize);
    *size = mDefaultChunkSize;
    return static_cast<int32_t>(kAAXSuccess);
  });
}

int32_t AAX_CEffectParameters::WriteChunk(AAX_FourCC chunkId, ChunkRecord* record)
{
  if (chunkId != kDefaultChunkId)
    return kAAXUnknownChunk;
  if (!record)
    return kAAXRefused;
  return GuardedEntry([&] {
    BuildChunkData();
    // The host sized the record by the size query: without one, or when the
    // data has changed since, it may be too small.
    if (mDefaultChunkSize == 0 || mChunkParser.GetChunkDataSize() != mDefaultChunkSize)
      return static_cast<int32_t>(kAAXBadChunkSize);
    WriteChunkWord(record->version, static_cast<uint32_t>(mChunkParser.VersionWord()));
    std::memset(record->name, 0, sizeof record->name);
    std::strncpy(record->name, kDefaultChunkName, sizeof record->name - 1);
    return mChunkParser.GetChunkData(record);
  });
}

int32_t AAX_CEffectParameters::ReadChunk(AAX_FourCC chunkId, const ChunkRecord* record)
{
  if (chunkId != kDefaultChunkId)
    return kAAXUnknownChunk;
  if (!record)
    return kAAXRefused;
  return GuardedEntry([&] {
    mChunkParser.LoadChunkData(record);
    for (int32_t i = 0; i < mParameters.NumParameters(); ++i)
    {
      AAX_IParameter* parameter = mParameters.ParameterAt(i);
      const char* identifier = parameter->Identifier();
      if (mExcluded.count(identifier))
        continue;
      double storedDouble = 0;
      int32_t storedInt = 0;
      AAX_CString storedText;
      switch (ValueOf(*parameter).type)
      {
      case ValueType::Float:
        if (mChunkParser.FindDoubleValue(identifier, &storedDouble))
          parameter->SetValueOfOtherType(static_cast<float>(storedDouble));
        break;
      case ValueType::Int:
        if (mChunkParser.FindIntValue(identifier, &storedInt))
          parameter->SetIntValue(storedInt);
        break;
      case ValueType::Bool:
        if (mChunkParser.FindIntValue(identifier, &storedInt))
          parameter->SetBoolValue(storedInt != 0);
        break;
      case ValueType::Double:
        if (mChunkParser.FindDoubleValue(identifier, &storedDouble))
          parameter->SetDoubleValue(storedDouble);
        break;
      case ValueType::Text:
        if (mChunkParser.FindStringValue(identifier, &storedText))
          parameter->SetTextValue(storedText);
        break;
      case ValueType::None: break;
      }
    }
    return static_cast<int32_t>(kAAXSuccess);
  });
}

int32_t AAX_CEffectParameters::CompareChunk(const ChunkRecord* record, bool* equal)
{
  if (!record || !equal)
    return kAAXRefused;
  if (ReadChunkWord(record->chunkId) != kDefaultChunkId)
  {
    *equal = true;
    return kAAXSuccess;
  }
  *equal = false;
  return GuardedEntry([&] {
    mChunkParser.LoadChunkData(record);
    for (int32_t i = 0; i < mParameters.NumParameters(); ++i)
    {
      const AAX_IParameter* parameter = mParameters.ParameterAt(i);
      const char* identifier = parameter->Identifier();
      if (mExcluded.count(identifier))
        continue;
      const TypedValue value = ValueOf(*parameter);
      double storedDouble = 0;
      int32_t storedInt = 0;
      AAX_CString storedText;
      bool same = true;
      switch (value.type)
      {
      case ValueType::Float:
        same = mChunkParser.FindDoubleValue(identifier, &storedDouble) &&
               static_cast<float>(storedDouble) == value.floatValue;
        break;
      case ValueType::Int:
        same = mChunkParser.FindIntValue(identifier, &storedInt) && storedInt == value.intValue;
        break;
      case ValueType::Bool:
        same = mChunkParser.FindIntValue(identifier, &storedInt) && (storedInt != 0) == value.boolValue;
        break;
      case ValueType::Double:
        // Equal to single precision: a host's round trip may lose the rest.
        same = mChunkParser.FindDoubleValue(identifier, &storedDouble) &&
               static_cast<float>(storedDouble) == static_cast<float>(value.doubleValue);
        break;
      case ValueType::Text:
        same = mChunkParser.FindStringValue(identifier, &storedText) && storedText == value.text;
        break;
      case ValueType::None: break;
      }
      if (!same)
        return static_cast<int32_t>(kAAXSuccess);
    }
    *equal = true;
    return static_cast<int32_t>(kAAXSuccess);
  });
}
