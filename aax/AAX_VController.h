#pragma once

#include "AAX_IController.h"

class AAX_IACFController;
class AAX_IACFController_V2;

// The host's controller, forwarded: operations of the first host interface
// answer kAAXRefused without it, those of the second kAAXNotSupported.
class AAX_VController final : public AAX_IController
{
public:
  // A null host object gives a proxy without interfaces.
  explicit AAX_VController(IACFUnknown* host);
  ~AAX_VController() override;
  AAX_VController(const AAX_VController&) = delete;
  AAX_VController& operator=(const AAX_VController&) = delete;

  int32_t ControllerCall1(AAX_Value value) override;
  int32_t GetSampleRateFromHost(float* sampleRate) override;
  int32_t GetInputChannelLayout(uint32_t* layout) override;
  int32_t GetOutputChannelLayout(uint32_t* layout) override;
  int32_t ControllerCall5(AAX_Value value) override;
  int32_t ControllerCall6(AAX_Value first, AAX_Value second) override;
  int32_t ControllerCall7(AAX_Value value) override;
  int32_t ReportLatency(int32_t samples) override;
  int32_t ControllerCall9(AAX_Value first, AAX_Value second, AAX_Value third) override;
  int32_t PostPacket(uint32_t fieldIndex, const void* data, uint32_t size) override;
  int32_t ControllerCall11(AAX_Value first, AAX_Value second, AAX_Value third) override;
  int32_t ControllerCall12(AAX_Value first, AAX_Value second) override;
  int32_t ControllerCall13(AAX_Value first, AAX_Value second) override;
  int32_t ControllerCall14(AAX_Value value) override;
  int32_t ControllerCall15(AAX_Value value) override;
  int32_t ControllerCall16(AAX_Value first, AAX_Value second) override;
  int32_t ControllerCall17(AAX_Value value) override;
  int32_t ControllerCall18(AAX_Value first, AAX_Value second) override;
  int32_t ControllerCall19(AAX_Value value) override;
  // Without the second interface the value is set to 0.
  int32_t ControllerCall20(uint64_t* value) override;
  int32_t ControllerCall21(AAX_Value value) override;

private:
  AAX_IACFController* mFirst = nullptr;
  AAX_IACFController_V2* mSecond = nullptr;
};
