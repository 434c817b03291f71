#pragma once

#include "AAX_CChunkDataParser.h"
#include "AAX_IEffectParameters.h"
#include "CACFUnknown.h"
#include "PacketDispatcher.h"
#include "ParameterManager.h"

#include <atomic>
#include <cmath>
#include <memory>
#include <set>
#include <string>

class AAX_IController;
class AAX_VAutomationDelegate;
class AAX_VController;
class AAX_VTransport;

// The object through which the host reads and changes the parameters and
// saves and restores the state: its face first, then the CACFUnknown part.
// The parameters are those a derived class creates in CreateAAXParameters;
// the default chunk 'elck' holds their typed values by identifier. No slot
// throws into the host. Operations that find no parameter answer
// kAAXNoParameter unless their comment says otherwise.
class AAX_CEffectParameters : public AAX_IEffectParameters, public CACFUnknown
{
public:
  AAX_CEffectParameters();
  AAX_CEffectParameters(const AAX_CEffectParameters&) = delete;
  AAX_CEffectParameters& operator=(const AAX_CEffectParameters&) = delete;

  int32_t ACF_CALL QueryInterface(const ACFUID* iid, void** out) override;
  int32_t ACF_CALL AddRef() override;
  int32_t ACF_CALL Release() override;

  // Makes the controller, automation and transport proxies over the host's
  // object, then the parameters; a host that initialises again without
  // uninitialising gets the first set uninitialised first.
  int32_t ACF_CALL InitializeEffect(IACFUnknown* controller) override;
  // Deletes the parameters, then the controller, automation and transport
  // proxies.
  int32_t ACF_CALL UninitializeEffect() override;
  // 'ASPv' sets a "PreviewID" parameter from the 32-bit value at data; 0.
  int32_t ACF_CALL ReceiveNotification(uint32_t code, const void* data, uint32_t size) override;
  int32_t ACF_CALL CountParameters(int32_t* count) const override;
  // "MasterBypassID" when there is such a parameter, else the empty text.
  int32_t ACF_CALL GetMasterBypassId(AAX_IString* identifier) const override;
  // False and 0 for an unknown identifier.
  int32_t ACF_CALL IsParameterAutomatable(const char* identifier, bool* automatable) const override;
  // kAAXNegativeStepCount, out untouched, for a count that reads negative.
  int32_t ACF_CALL CountParameterSteps(const char* identifier, int32_t* steps) const override;
  // The empty text and 0 for an unknown identifier.
  int32_t ACF_CALL GetParameterNameText(const char* identifier, AAX_IString* name) const override;
  // The longest line of the shortened name that fits the limit, else its
  // first limit characters; the empty text and 0 for an unknown identifier.
  int32_t ACF_CALL GetParameterShortenedName(const char* identifier, AAX_IString* name,
                                             int32_t limit) const override;
  int32_t ACF_CALL GetParameterDefault(const char* identifier, double* normalized) const override;
  // kAAXNoText, nothing changed, for a value that is not finite.
  int32_t ACF_CALL SetParameterDefault(const char* identifier, double normalized) override;
  int32_t ACF_CALL GetParameterKind(const char* identifier, int32_t* kind) const override;
  int32_t ACF_CALL GetParameterAuxValue(const char* identifier, int32_t* value) const override;
  int32_t ACF_CALL FindParameterObject(const char* identifier, AAX_IParameter** parameter) override;
  // -1 for an unknown identifier.
  int32_t ACF_CALL IndexOfParameter(const char* identifier, int32_t* index) const override;
  // The empty text for an index out of range.
  int32_t ACF_CALL ParameterIdAt(int32_t index, AAX_IString* identifier) const override;
  int32_t ACF_CALL QueryParameterValueInfo(AAX_Value first, AAX_Value second, int32_t* info) const override;
  // kAAXNoText, out untouched, for a text the parameter refuses.
  int32_t ACF_CALL ParseParameterText(const char* identifier, double* normalized,
                                      const AAX_IString* text) const override;
  // kAAXNoText, out untouched, when the parameter refuses.
  int32_t ACF_CALL FormatParameterValue(const char* identifier, double normalized, AAX_IString* text,
                                        int32_t limit) const override;
  int32_t ACF_CALL FormatCurrentParameterValue(const char* identifier, AAX_IString* text,
                                               int32_t limit) const override;
  int32_t ACF_CALL GetParameterNormalized(const char* identifier, double* normalized) const override;
  // A request to the host (touch, request, release) while there is an
  // automation proxy; kAAXNoText, nothing sent, for a value that is not
  // finite.
  int32_t ACF_CALL RequestParameterNormalized(const char* identifier, double normalized) override;
  // The current value plus delta, limited to 0 to 1, through slot 24.
  int32_t ACF_CALL RequestParameterDelta(const char* identifier, double delta) override;
  int32_t ACF_CALL TouchParameter(const char* identifier) override;
  int32_t ACF_CALL ReleaseParameter(const char* identifier) override;
  int32_t ACF_CALL StubCall28(AAX_Value first, AAX_Value second) override;
  // The value the host accepted becomes the parameter's; its packets are
  // marked and the change counter rises. kAAXNoText, nothing changed, for a
  // value that is not finite.
  int32_t ACF_CALL UpdateParameterFromHost(const char* identifier, double normalized, AAX_Value source) override;
  // The current value plus delta, limited to 0 to 1, through slot 29.
  int32_t ACF_CALL UpdateParameterDeltaFromHost(const char* identifier, double delta) override;
  int32_t ACF_CALL DispatchParameterPackets() override;
  // Zeroes size bytes of the buffer.
  int32_t ACF_CALL GetPrivateData(uint32_t fieldIndex, void* buffer, uint32_t size) override;
  int32_t ACF_CALL CountChunks(int32_t* count) const override;
  int32_t ACF_CALL ChunkIdAt(int32_t index, AAX_FourCC* chunkId) const override;
  int32_t ACF_CALL GetChunkByteSize(AAX_FourCC chunkId, int32_t* size) override;
  // Needs the size query before it (kAAXBadChunkSize otherwise, or when the
  // data changed since).
  int32_t ACF_CALL WriteChunk(AAX_FourCC chunkId, ChunkRecord* record) override;
  // The record must hold the bytes its size word claims.
  int32_t ACF_CALL ReadChunk(AAX_FourCC chunkId, const ChunkRecord* record) override;
  // A foreign chunk compares equal; the record must hold the bytes its size
  // word claims.
  int32_t ACF_CALL CompareChunk(const ChunkRecord* record, bool* equal) override;
  // Out untouched while the counter reads negative (after it wrapped).
  int32_t ACF_CALL CountChanges(int32_t* changes) const override;
  int32_t ACF_CALL StubCall40() override;
  int32_t ACF_CALL UnsupportedCall41(AAX_Value first, AAX_Value second, AAX_Value third, AAX_Value fourth) override;
  int32_t ACF_CALL EmptyQueryCall42(AAX_Value first, AAX_Value second, AAX_Value third, int32_t* answer) override;
  int32_t ACF_CALL StubCall43(AAX_Value first, AAX_Value second, AAX_Value third) override;
  int32_t ACF_CALL StubCall44() override;
  int32_t ACF_CALL UnsupportedCall45(AAX_Value value) override;
  int32_t ACF_CALL StubCall46(AAX_Value first, AAX_Value second) override;
  int32_t ACF_CALL StubCall47(AAX_Value first, AAX_Value second) override;

  // The derived class's parameters, added to Parameters(); 0 or an error,
  // which InitializeEffect returns at once. Declared first after the face,
  // so that it directly follows the host's slots.
  virtual int32_t CreateAAXParameters();

  ~AAX_CEffectParameters() override;
  int32_t QueryInterfaceInner(const ACFUID* iid, void** out) override;

  // Null before InitializeEffect (or when it could not be made).
  AAX_IController* Controller() const;
  // Leaves the identifier out of the default chunk; null is ignored. May
  // throw std::bad_alloc.
  void ExcludeFromChunk(const char* identifier);

protected:
  ParameterManager& Parameters() { return mParameters; }
  const ParameterManager& Parameters() const { return mParameters; }
  PacketDispatcher& Packets() { return mPackets; }
  // Raises the counter the host polls through CountChanges, wrapping.
  void CountChange() { mChanges.fetch_add(1, std::memory_order_relaxed); }

private:
  void ReleaseEffect();
  void BuildChunkData();
  // The parameter's answer through an out-pointer: refused for a null out,
  // no parameter for an unknown identifier.
  template <class Value, class Read>
  int32_t ReadParameter(const char* identifier, Value* out, Read read) const
  {
    if (!out)
      return kAAXRefused;
    const AAX_IParameter* parameter = mParameters.FindParameter(identifier);
    if (!parameter)
      return kAAXNoParameter;
    *out = read(*parameter);
    return kAAXSuccess;
  }
  // Acts on the parameter; no parameter for an unknown identifier, and a
  // normalised value that is not finite is refused.
  template <class Act>
  int32_t ActOnParameter(const char* identifier, double normalized, Act act)
  {
    AAX_IParameter* parameter = mParameters.FindParameter(identifier);
    if (!parameter)
      return kAAXNoParameter;
    if (!std::isfinite(normalized))
      return kAAXNoText;
    act(*parameter);
    return kAAXSuccess;
  }

  // Written by host threads, read by the host's poll.
  std::atomic<int32_t> mChanges{0};
  int32_t mDefaultChunkSize = 0;
  AAX_CChunkDataParser mChunkParser;
  PacketDispatcher mPackets;
  ParameterManager mParameters;
  std::set<std::string, std::less<>> mExcluded;
  std::unique_ptr<AAX_VController> mController;
  std::unique_ptr<AAX_VTransport> mTransport;
  std::unique_ptr<AAX_VAutomationDelegate> mAutomation;
};
