#pragma once

#include "aax_base.h"

class AAX_IParameter;
class AAX_IString;

// The effect-parameters face: the host's 48 slots, in order, all ACF_CALL.
// Slots whose meaning lies with the host keep their argument lists, since a
// __stdcall callee pops exactly what it declares. Identifiers are
// NUL-terminated; normalised values are doubles in 0 to 1; texts go into the
// caller's string.
class AAX_IEffectParameters : public IACFUnknown
{
public:
  virtual int32_t ACF_CALL InitializeEffect(IACFUnknown* controller) = 0;  // 3
  virtual int32_t ACF_CALL UninitializeEffect() = 0;
  virtual int32_t ACF_CALL ReceiveNotification(uint32_t code, const void* data, uint32_t size) = 0;
  virtual int32_t ACF_CALL CountParameters(int32_t* count) const = 0;
  virtual int32_t ACF_CALL GetMasterBypassId(AAX_IString* identifier) const = 0;
  virtual int32_t ACF_CALL IsParameterAutomatable(const char* identifier, bool* automatable) const = 0;
  virtual int32_t ACF_CALL CountParameterSteps(const char* identifier, int32_t* steps) const = 0;  // 9
  virtual int32_t ACF_CALL GetParameterNameText(const char* identifier, AAX_IString* name) const = 0;
  virtual int32_t ACF_CALL GetParameterShortenedName(const char* identifier, AAX_IString* name,
                                                     int32_t limit) const = 0;
  virtual int32_t ACF_CALL GetParameterDefault(const char* identifier, double* normalized) const = 0;
  virtual int32_t ACF_CALL SetParameterDefault(const char* identifier, double normalized) = 0;
  virtual int32_t ACF_CALL GetParameterKind(const char* identifier, int32_t* kind) const = 0;
  virtual int32_t ACF_CALL GetParameterAuxValue(const char* identifier, int32_t* value) const = 0;  // 15
  virtual int32_t ACF_CALL FindParameterObject(const char* identifier, AAX_IParameter** parameter) = 0;
  virtual int32_t ACF_CALL IndexOfParameter(const char* identifier, int32_t* index) const = 0;
  virtual int32_t ACF_CALL ParameterIdAt(int32_t index, AAX_IString* identifier) const = 0;
  virtual int32_t ACF_CALL QueryParameterValueInfo(AAX_Value first, AAX_Value second, int32_t* info) const = 0;
  virtual int32_t ACF_CALL ParseParameterText(const char* identifier, double* normalized,
                                              const AAX_IString* text) const = 0;  // 20
  virtual int32_t ACF_CALL FormatParameterValue(const char* identifier, double normalized, AAX_IString* text,
                                                int32_t limit) const = 0;
  virtual int32_t ACF_CALL FormatCurrentParameterValue(const char* identifier, AAX_IString* text,
                                                       int32_t limit) const = 0;
  virtual int32_t ACF_CALL GetParameterNormalized(const char* identifier, double* normalized) const = 0;
  virtual int32_t ACF_CALL RequestParameterNormalized(const char* identifier, double normalized) = 0;
  virtual int32_t ACF_CALL RequestParameterDelta(const char* identifier, double delta) = 0;  // 25
  virtual int32_t ACF_CALL TouchParameter(const char* identifier) = 0;
  virtual int32_t ACF_CALL ReleaseParameter(const char* identifier) = 0;
  virtual int32_t ACF_CALL StubCall28(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ACF_CALL UpdateParameterFromHost(const char* identifier, double normalized, AAX_Value source) = 0;
  virtual int32_t ACF_CALL UpdateParameterDeltaFromHost(const char* identifier, double delta) = 0;  // 30
  virtual int32_t ACF_CALL DispatchParameterPackets() = 0;
  virtual int32_t ACF_CALL GetPrivateData(uint32_t fieldIndex, void* buffer, uint32_t size) = 0;
  virtual int32_t ACF_CALL CountChunks(int32_t* count) const = 0;
  virtual int32_t ACF_CALL ChunkIdAt(int32_t index, AAX_FourCC* chunkId) const = 0;
  virtual int32_t ACF_CALL GetChunkByteSize(AAX_FourCC chunkId, int32_t* size) = 0;  // 35
  virtual int32_t ACF_CALL WriteChunk(AAX_FourCC chunkId, ChunkRecord* record) = 0;
  virtual int32_t ACF_CALL ReadChunk(AAX_FourCC chunkId, const ChunkRecord* record) = 0;
  virtual int32_t ACF_CALL CompareChunk(const ChunkRecord* record, bool* equal) = 0;
  virtual int32_t ACF_CALL CountChanges(int32_t* changes) const = 0;
  virtual int32_t ACF_CALL StubCall40() = 0;  // 40
  virtual int32_t ACF_CALL UnsupportedCall41(AAX_Value first, AAX_Value second, AAX_Value third,
                                             AAX_Value fourth) = 0;
  virtual int32_t ACF_CALL EmptyQueryCall42(AAX_Value first, AAX_Value second, AAX_Value third,
                                            int32_t* answer) = 0;
  virtual int32_t ACF_CALL StubCall43(AAX_Value first, AAX_Value second, AAX_Value third) = 0;
  virtual int32_t ACF_CALL StubCall44() = 0;
  virtual int32_t ACF_CALL UnsupportedCall45(AAX_Value value) = 0;  // 45
  virtual int32_t ACF_CALL StubCall46(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ACF_CALL StubCall47(AAX_Value first, AAX_Value second) = 0;  // 47

protected:
  ~AAX_IEffectParameters() = default;
};
