#pragma once

#include "AAX_ITransport.h"

class AAX_IACFTransport;
class AAX_IACFTransport_V2;

// The host's transport, forwarded: operations of the first host interface
// answer kAAXRefused without it, those of the second kAAXNotSupported, and
// out values stay untouched then.
class AAX_VTransport final : public AAX_ITransport
{
public:
  // A null host object gives a proxy without interfaces.
  explicit AAX_VTransport(IACFUnknown* host);
  ~AAX_VTransport();
  AAX_VTransport(const AAX_VTransport&) = delete;
  AAX_VTransport& operator=(const AAX_VTransport&) = delete;

  void AAX_MEMBER_CALL Destroy(uint32_t flags) override;
  int32_t AAX_MEMBER_CALL Tempo(double* tempo) const override;
  int32_t AAX_MEMBER_CALL TimeSignature(int32_t* numerator, int32_t* denominator) const override;
  int32_t AAX_MEMBER_CALL IsPlaying(bool* playing) const override;
  int32_t AAX_MEMBER_CALL TickPosition(int64_t* ticks) const override;
  int32_t AAX_MEMBER_CALL LoopPosition(bool* looping, int64_t* startTick, int64_t* endTick) const override;
  int32_t AAX_MEMBER_CALL SamplePosition(int64_t* samples) const override;
  int32_t AAX_MEMBER_CALL TransportCall7(AAX_Value first, AAX_Value second, AAX_Value third) const override;
  int32_t AAX_MEMBER_CALL TransportCall8(AAX_Value first, AAX_Value second, AAX_Value third, AAX_Value fourth,
                                         AAX_Value fifth) const override;
  int32_t AAX_MEMBER_CALL TransportCall9(AAX_Value value) const override;
  int32_t AAX_MEMBER_CALL TransportCall10(AAX_Value value) const override;
  int32_t AAX_MEMBER_CALL TransportCall11(AAX_Value value) const override;
  int32_t AAX_MEMBER_CALL TransportCall12(AAX_Value first, AAX_Value second) const override;
  int32_t AAX_MEMBER_CALL TransportCall13(AAX_Value first, AAX_Value second) const override;
  int32_t AAX_MEMBER_CALL TransportCall14(AAX_Value value) const override;

private:
  AAX_IACFTransport* mFirst = nullptr;
  AAX_IACFTransport_V2* mSecond = nullptr;
};
