#pragma once

#include "aax_base.h"

// The host's controller of a running effect; its host proxy is
// AAX_VController. The operations named ...CallN carry values whose meaning
// lies with the host.
class AAX_IController
{
public:
  virtual ~AAX_IController() = default;
  virtual int32_t ControllerCall1(AAX_Value value) = 0;
  virtual int32_t GetSampleRateFromHost(float* sampleRate) = 0;
  // Layout codes: the low 16 bits are the channel count.
  virtual int32_t GetInputChannelLayout(uint32_t* layout) = 0;
  virtual int32_t GetOutputChannelLayout(uint32_t* layout) = 0;
  virtual int32_t ControllerCall5(AAX_Value value) = 0;
  virtual int32_t ControllerCall6(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ControllerCall7(AAX_Value value) = 0;
  virtual int32_t ReportLatency(int32_t samples) = 0;
  virtual int32_t ControllerCall9(AAX_Value first, AAX_Value second, AAX_Value third) = 0;
  virtual int32_t PostPacket(uint32_t fieldIndex, const void* data, uint32_t size) = 0;
  virtual int32_t ControllerCall11(AAX_Value first, AAX_Value second, AAX_Value third) = 0;
  virtual int32_t ControllerCall12(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ControllerCall13(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ControllerCall14(AAX_Value value) = 0;
  virtual int32_t ControllerCall15(AAX_Value value) = 0;
  virtual int32_t ControllerCall16(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ControllerCall17(AAX_Value value) = 0;
  virtual int32_t ControllerCall18(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ControllerCall19(AAX_Value value) = 0;
  virtual int32_t ControllerCall20(uint64_t* value) = 0;
  virtual int32_t ControllerCall21(AAX_Value value) = 0;
};
