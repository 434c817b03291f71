#include "AAX_VController.h"

#include "AAX_HostInterfaces.h"
#include "AAX_HostReference.h"

AAX_VController::AAX_VController(IACFUnknown* host)
{
  ObtainHostInterface(mFirst, host, IID_AAX_IACFController);
  ObtainHostInterface(mSecond, host, IID_AAX_IACFController_V2);
}

AAX_VController::~AAX_VController()
{
  ReleaseHostInterface(mSecond);
  ReleaseHostInterface(mFirst);
}

int32_t AAX_VController::ControllerCall1(AAX_Value value)
{
  return mFirst ? mFirst->ControllerCall1(value) : kAAXRefused;
}

int32_t AAX_VController::GetSampleRateFromHost(float* sampleRate)
{
  return mFirst ? mFirst->GetSampleRateFromHost(sampleRate) : kAAXRefused;
}

int32_t AAX_VController::GetInputChannelLayout(uint32_t* layout)
{
  return mFirst ? mFirst->GetInputChannelLayout(layout) : kAAXRefused;
}

int32_t AAX_VController::GetOutputChannelLayout(uint32_t* layout)
{
  return mFirst ? mFirst->GetOutputChannelLayout(layout) : kAAXRefused;
}

int32_t AAX_VController::ControllerCall5(AAX_Value value)
{
  return mFirst ? mFirst->ControllerCall5(value) : kAAXRefused;
}

int32_t AAX_VController::ControllerCall6(AAX_Value first, AAX_Value second)
{
  return mFirst ? mFirst->ControllerCall6(first, second) : kAAXRefused;
}

int32_t AAX_VController::ControllerCall7(AAX_Value value)
{
  return mFirst ? mFirst->ControllerCall7(value) : kAAXRefused;
}

int32_t AAX_VController::ReportLatency(int32_t samples)
{
  return mFirst ? mFirst->ReportLatency(samples) : kAAXRefused;
}

int32_t AAX_VController::ControllerCall9(AAX_Value first, AAX_Value second, AAX_Value third)
{
  return mFirst ? mFirst->ControllerCall9(first, second, third) : kAAXRefused;
}

int32_t AAX_VController::PostPacket(uint32_t fieldIndex, const void* data, uint32_t size)
{
  return mFirst ? mFirst->PostPacket(fieldIndex, data, size) : kAAXRefused;
}

int32_t AAX_VController::ControllerCall11(AAX_Value first, AAX_Value second, AAX_Value third)
{
  return mSecond ? mSecond->ControllerCall11(first, second, third) : kAAXNotSupported;
}

int32_t AAX_VController::ControllerCall12(AAX_Value first, AAX_Value second)
{
  return mFirst ? mFirst->ControllerCall12(first, second) : kAAXRefused;
}

int32_t AAX_VController::ControllerCall13(AAX_Value first, AAX_Value second)
{
  return mFirst ? mFirst->ControllerCall13(first, second) : kAAXRefused;
}

int32_t AAX_VController::ControllerCall14(AAX_Value value)
{
  return mFirst ? mFirst->ControllerCall14(value) : kAAXRefused;
}

int32_t AAX_VController::ControllerCall15(AAX_Value value)
{
  return mFirst ? mFirst->ControllerCall15(value) : kAAXRefused;
}

int32_t AAX_VController::ControllerCall16(AAX_Value first, AAX_Value second)
{
  return mFirst ? mFirst->ControllerCall16(first, second) : kAAXRefused;
}

int32_t AAX_VController::ControllerCall17(AAX_Value value)
{
  return mFirst ? mFirst->ControllerCall17(value) : kAAXRefused;
}

int32_t AAX_VController::ControllerCall18(AAX_Value first, AAX_Value second)
{
  return mFirst ? mFirst->ControllerCall18(first, second) : kAAXRefused;
}

int32_t AAX_VController::ControllerCall19(AAX_Value value)
{
  return mSecond ? mSecond->ControllerCall19(value) : kAAXNotSupported;
}

int32_t AAX_VController::ControllerCall20(uint64_t* value)
{
  if (mSecond)
    return mSecond->ControllerCall20(value);
  if (value)
    *value = 0;
  return kAAXNotSupported;
}

int32_t AAX_VController::ControllerCall21(AAX_Value value)
{
  return mSecond ? mSecond->ControllerCall21(value) : kAAXNotSupported;
}
