#include "AAX_VTransport.h"

#include "AAX_HostInterfaces.h"
#include "AAX_HostReference.h"

AAX_VTransport::AAX_VTransport(IACFUnknown* host)
{
  ObtainHostInterface(mFirst, host, IID_AAX_IACFTransport);
  ObtainHostInterface(mSecond, host, IID_AAX_IACFTransport_V2);
}

AAX_VTransport::~AAX_VTransport()
{
  ReleaseHostInterface(mSecond);
  ReleaseHostInterface(mFirst);
}

void AAX_VTransport::Destroy(uint32_t flags)
{
  if (flags & kDeleteFreesMemory)
    delete this;
  else
    this->~AAX_VTransport();
}

int32_t AAX_VTransport::Tempo(double* tempo) const { return mFirst ? mFirst->Tempo(tempo) : kAAXRefused; }

int32_t AAX_VTransport::TimeSignature(int32_t* numerator, int32_t* denominator) const
{
  return mFirst ? mFirst->TimeSignature(numerator, denominator) : kAAXRefused;
}

int32_t AAX_VTransport::IsPlaying(bool* playing) const { return mFirst ? mFirst->IsPlaying(playing) : kAAXRefused; }

int32_t AAX_VTransport::TickPosition(int64_t* ticks) const
{
  return mFirst ? mFirst->TickPosition(ticks) : kAAXRefused;
}

int32_t AAX_VTransport::LoopPosition(bool* looping, int64_t* startTick, int64_t* endTick) const
{
  return mFirst ? mFirst->LoopPosition(looping, startTick, endTick) : kAAXRefused;
}

int32_t AAX_VTransport::SamplePosition(int64_t* samples) const
{
  return mFirst ? mFirst->SamplePosition(samples) : kAAXRefused;
}

int32_t AAX_VTransport::TransportCall7(AAX_Value first, AAX_Value second, AAX_Value third) const
{
  return mFirst ? mFirst->TransportCall7(first, second, third) : kAAXRefused;
}

int32_t AAX_VTransport::TransportCall8(AAX_Value first, AAX_Value second, AAX_Value third, AAX_Value fourth,
                                       AAX_Value fifth) const
{
  return mFirst ? mFirst->TransportCall8(first, second, third, fourth, fifth) : kAAXRefused;
}

int32_t AAX_VTransport::TransportCall9(AAX_Value value) const
{
  return mFirst ? mFirst->TransportCall9(value) : kAAXRefused;
}

int32_t AAX_VTransport::TransportCall10(AAX_Value value) const
{
  return mFirst ? mFirst->TransportCall10(value) : kAAXRefused;
}

int32_t AAX_VTransport::TransportCall11(AAX_Value value) const
{
  return mSecond ? mSecond->TransportCall11(value) : kAAXNotSupported;
}

int32_t AAX_VTransport::TransportCall12(AAX_Value first, AAX_Value second) const
{
  return mSecond ? mSecond->TransportCall12(first, second) : kAAXNotSupported;
}

int32_t AAX_VTransport::TransportCall13(AAX_Value first, AAX_Value second) const
{
  return mSecond ? mSecond->TransportCall13(first, second) : kAAXNotSupported;
}

int32_t AAX_VTransport::TransportCall14(AAX_Value value) const
{
  return mSecond ? mSecond->TransportCall14(value) : kAAXNotSupported;
}
