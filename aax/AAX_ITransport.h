#pragma once

#include "aax_base.h"

// The host's transport as the plug-in sees it; its host proxy is
// AAX_VTransport. The transport object of each audio block (from the
// context's transport node) has this very table, so it crosses: slot 0 is a
// named deleting destructor and the slots are called as members. Ticks count
// 960000 to a quarter note. The operations named ...CallN carry values whose
// meaning lies with the host.
class AAX_ITransport
{
public:
  virtual void AAX_MEMBER_CALL Destroy(uint32_t flags) = 0;  // 0
  virtual int32_t AAX_MEMBER_CALL Tempo(double* tempo) const = 0;
  virtual int32_t AAX_MEMBER_CALL TimeSignature(int32_t* numerator, int32_t* denominator) const = 0;
  virtual int32_t AAX_MEMBER_CALL IsPlaying(bool* playing) const = 0;
  virtual int32_t AAX_MEMBER_CALL TickPosition(int64_t* ticks) const = 0;
  virtual int32_t AAX_MEMBER_CALL LoopPosition(bool* looping, int64_t* startTick, int64_t* endTick) const = 0;  // 5
  virtual int32_t AAX_MEMBER_CALL SamplePosition(int64_t* samples) const = 0;
  virtual int32_t AAX_MEMBER_CALL TransportCall7(AAX_Value first, AAX_Value second, AAX_Value third) const = 0;
  virtual int32_t AAX_MEMBER_CALL TransportCall8(AAX_Value first, AAX_Value second, AAX_Value third,
                                                 AAX_Value fourth, AAX_Value fifth) const = 0;
  virtual int32_t AAX_MEMBER_CALL TransportCall9(AAX_Value value) const = 0;
  virtual int32_t AAX_MEMBER_CALL TransportCall10(AAX_Value value) const = 0;  // 10
  virtual int32_t AAX_MEMBER_CALL TransportCall11(AAX_Value value) const = 0;
  virtual int32_t AAX_MEMBER_CALL TransportCall12(AAX_Value first, AAX_Value second) const = 0;
  virtual int32_t AAX_MEMBER_CALL TransportCall13(AAX_Value first, AAX_Value second) const = 0;
  virtual int32_t AAX_MEMBER_CALL TransportCall14(AAX_Value value) const = 0;  // 14

protected:
  ~AAX_ITransport() = default;
};
