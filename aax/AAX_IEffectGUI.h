#pragma once

#include "aax_base.h"

// The editor face: the host's 13 slots, in order, all ACF_CALL. Slots whose
// meaning lies with the host keep their argument lists, since a __stdcall
// callee pops exactly what it declares.
class AAX_IEffectGUI : public IACFUnknown
{
public:
  // The host object: the editor's controller, which also answers the
  // instance's effect-parameters interface.
  virtual int32_t ACF_CALL InitializeGui(IACFUnknown* host) = 0;  // 3
  virtual int32_t ACF_CALL UninitializeGui() = 0;
  virtual int32_t ACF_CALL GuiStubCall5(AAX_Value first, AAX_Value second, AAX_Value third) = 0;
  // The host's view container to draw into, or null to stop.
  virtual int32_t ACF_CALL SetViewContainer(IACFUnknown* container) = 0;  // 6
  virtual int32_t ACF_CALL GetViewSize(AAX_Point* size) = 0;
  virtual int32_t ACF_CALL GuiStubCall8(AAX_Value value) = 0;
  virtual int32_t ACF_CALL GuiStubCall9() = 0;
  virtual int32_t ACF_CALL ParameterUpdated(const char* identifier) = 0;  // 10
  virtual int32_t ACF_CALL GuiUnsupportedCall11(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ACF_CALL GuiStubCall12(AAX_Value first, AAX_Value second, AAX_Value third) = 0;  // 12

protected:
  ~AAX_IEffectGUI() = default;
};
