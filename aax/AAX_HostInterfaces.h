#pragma once

// The host's side of a running effect, as the proxies (AAX_V...) and the
// audio callback call it. Interfaces of the IACFUnknown family start their
// service operations at slot 3; a _V2 interface continues its first
// version's slots. The slot of each operation is its place in these
// declarations; the identifiers are in aax_base.h.
#include "aax_base.h"

class AAX_ITransport;

// Slots 3 to 19; the proxy's operations land here out of their own order
// (ControllerCall15 at 18).
class AAX_IACFController : public IACFUnknown
{
public:
  virtual int32_t ACF_CALL ControllerCall1(AAX_Value value) = 0;  // 3
  virtual int32_t ACF_CALL GetSampleRateFromHost(float* sampleRate) = 0;
  virtual int32_t ACF_CALL GetInputChannelLayout(uint32_t* layout) = 0;
  virtual int32_t ACF_CALL GetOutputChannelLayout(uint32_t* layout) = 0;
  virtual int32_t ACF_CALL ControllerCall5(AAX_Value value) = 0;  // 7
  virtual int32_t ACF_CALL ControllerCall6(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ACF_CALL ControllerCall7(AAX_Value value) = 0;
  virtual int32_t ACF_CALL ReportLatency(int32_t samples) = 0;  // 10
  virtual int32_t ACF_CALL ControllerCall9(AAX_Value first, AAX_Value second, AAX_Value third) = 0;
  virtual int32_t ACF_CALL PostPacket(uint32_t fieldIndex, const void* data, uint32_t size) = 0;  // 12
  virtual int32_t ACF_CALL ControllerCall12(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ACF_CALL ControllerCall13(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ACF_CALL ControllerCall14(AAX_Value value) = 0;  // 15
  virtual int32_t ACF_CALL ControllerCall16(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ACF_CALL ControllerCall17(AAX_Value value) = 0;
  virtual int32_t ACF_CALL ControllerCall15(AAX_Value value) = 0;  // 18
  virtual int32_t ACF_CALL ControllerCall18(AAX_Value first, AAX_Value second) = 0;  // 19

protected:
  ~AAX_IACFController() = default;
};

class AAX_IACFController_V2 : public AAX_IACFController
{
public:
  virtual int32_t ACF_CALL ControllerCall11(AAX_Value first, AAX_Value second, AAX_Value third) = 0;  // 20
  virtual int32_t ACF_CALL ControllerCall19(AAX_Value value) = 0;
  virtual int32_t ACF_CALL ControllerCall20(uint64_t* value) = 0;
  virtual int32_t ACF_CALL ControllerCall21(AAX_Value value) = 0;  // 23

protected:
  ~AAX_IACFController_V2() = default;
};

class AAX_IACFAutomationDelegate : public IACFUnknown
{
public:
  virtual int32_t ACF_CALL RegisterParameter(const char* identifier) = 0;  // 3
  virtual int32_t ACF_CALL UnregisterParameter(const char* identifier) = 0;
  virtual int32_t ACF_CALL PostSetValueRequest(const char* identifier, double normalized) = 0;
  virtual int32_t ACF_CALL PostCurrentValue(const char* identifier, double normalized) = 0;
  virtual int32_t ACF_CALL PostTouch(const char* identifier) = 0;  // 7
  virtual int32_t ACF_CALL PostReleaseTouch(const char* identifier) = 0;
  virtual int32_t ACF_CALL AutomationCall7(AAX_Value first, AAX_Value second) = 0;  // 9

protected:
  ~AAX_IACFAutomationDelegate() = default;
};

class AAX_IACFTransport : public IACFUnknown
{
public:
  virtual int32_t ACF_CALL Tempo(double* tempo) = 0;  // 3
  virtual int32_t ACF_CALL TimeSignature(int32_t* numerator, int32_t* denominator) = 0;
  virtual int32_t ACF_CALL IsPlaying(bool* playing) = 0;
  virtual int32_t ACF_CALL TickPosition(int64_t* ticks) = 0;
  virtual int32_t ACF_CALL LoopPosition(bool* looping, int64_t* startTick, int64_t* endTick) = 0;  // 7
  virtual int32_t ACF_CALL SamplePosition(int64_t* samples) = 0;
  virtual int32_t ACF_CALL TransportCall7(AAX_Value first, AAX_Value second, AAX_Value third) = 0;
  virtual int32_t ACF_CALL TransportCall8(AAX_Value first, AAX_Value second, AAX_Value third, AAX_Value fourth,
                                          AAX_Value fifth) = 0;  // 10
  virtual int32_t ACF_CALL TransportCall9(AAX_Value value) = 0;
  virtual int32_t ACF_CALL TransportCall10(AAX_Value value) = 0;  // 12

protected:
  ~AAX_IACFTransport() = default;
};

class AAX_IACFTransport_V2 : public AAX_IACFTransport
{
public:
  virtual int32_t ACF_CALL TransportCall11(AAX_Value value) = 0;  // 13
  virtual int32_t ACF_CALL TransportCall12(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ACF_CALL TransportCall13(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ACF_CALL TransportCall14(AAX_Value value) = 0;  // 16

protected:
  ~AAX_IACFTransport_V2() = default;
};

class AAX_IACFViewContainer : public IACFUnknown
{
public:
  virtual int32_t ACF_CALL ViewContainerCall1() = 0;  // 3
  virtual void* ACF_CALL NativeView() = 0;
  virtual int32_t ACF_CALL ViewContainerCall3(AAX_Value value) = 0;
  virtual int32_t ACF_CALL SetViewSize(AAX_Point* size) = 0;  // 6
  virtual int32_t ACF_CALL ViewContainerCall5(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ACF_CALL ViewContainerCall6(AAX_Value first, AAX_Value second) = 0;
  virtual int32_t ACF_CALL ViewContainerCall7(AAX_Value first, AAX_Value second) = 0;  // 9

protected:
  ~AAX_IACFViewContainer() = default;
};

class AAX_IACFHostServices : public IACFUnknown
{
public:
  virtual int32_t ACF_CALL HostServicesCall1(AAX_Value first, AAX_Value second, AAX_Value third) = 0;  // 3
  virtual int32_t ACF_CALL Trace(uint32_t priority, const char* text) = 0;  // 4

protected:
  ~AAX_IACFHostServices() = default;
};

// Makes host objects by class identifier; outer is always null here.
class IACFHostObjectFactory : public IACFUnknown
{
public:
  virtual int32_t ACF_CALL CreateHostObject(const ACFUID* classId, IACFUnknown* outer, const ACFUID* iid,
                                            void** out) = 0;  // 3

protected:
  ~IACFHostObjectFactory() = default;
};

// Nodes of an algorithm context: C++ tables of the host's, called as
// members. The module calls only the operations with a comment; the others
// hold their slots.
class AAX_IMidiNode
{
public:
  virtual void AAX_MEMBER_CALL Destroy(uint32_t flags) = 0;  // 0
  // The packets of this block; null for none.
  virtual const AAX_MidiStream* AAX_MEMBER_CALL GetNodeBuffer() = 0;  // 1

protected:
  ~AAX_IMidiNode() = default;
};

class AAX_ITransportNode
{
public:
  virtual void AAX_MEMBER_CALL Destroy(uint32_t flags) = 0;  // 0
  virtual void AAX_MEMBER_CALL TransportNodeCall1() = 0;
  virtual void AAX_MEMBER_CALL TransportNodeCall2() = 0;
  // The transport of this block, with the table of AAX_ITransport.
  virtual AAX_ITransport* AAX_MEMBER_CALL GetTransport() = 0;  // 3

protected:
  ~AAX_ITransportNode() = default;
};
