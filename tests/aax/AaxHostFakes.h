#pragma once

// The host's side of a running effect, for the proxies, the effect-parameters
// object and the wrapper: a host object that offers a chosen set of
// interfaces, each interface keeping its references in one ledger and its
// calls in one log shared by the whole host.

#include "AAX_HostInterfaces.h"
#include "AAX_ITransport.h"

#include <cstdint>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace hostfakes
{
struct HostLog
{
  // "interface.Operation(arguments)", and "interface.Release".
  std::vector<std::string> calls;
  // References held by the plug-in, by interface.
  std::map<std::string, int> references;
  // While set, calls are not written down: writing allocates, and a test
  // that counts the plug-in's allocations must not see the host's.
  bool quiet = false;

  bool Balanced() const
  {
    for (const auto& [name, count] : references)
      if (count != 0)
        return false;
    return true;
  }
  // The calls of one interface, in order.
  std::vector<std::string> CallsOf(const std::string& name) const
  {
    std::vector<std::string> found;
    for (const std::string& call : calls)
      if (call.compare(0, name.size() + 1, name + ".") == 0)
        found.push_back(call);
    return found;
  }
};

inline void Append(std::ostringstream&) {}
template <class First, class... Rest>
void Append(std::ostringstream& text, const First& first, const Rest&... rest)
{
  text << first;
  if (sizeof...(rest))
    text << ',';
  Append(text, rest...);
}

// One host interface: references counted in the ledger under its name; it
// answers no queries of its own. Every operation returns result.
template <class Interface>
class Face : public Interface
{
public:
  Face(HostLog* log, std::string name) : mLog(log), mName(std::move(name)) {}
  Face(const Face&) = delete;
  Face& operator=(const Face&) = delete;

  int32_t ACF_CALL QueryInterface(const ACFUID*, void** out) override
  {
    if (out)
      *out = nullptr;
    return kACFNoInterface;
  }
  int32_t ACF_CALL AddRef() override { return ++mLog->references[mName]; }
  int32_t ACF_CALL Release() override
  {
    mLog->calls.push_back(mName + ".Release");
    return --mLog->references[mName];
  }

  int32_t result = 0;
  // Whether calls are logged. A test that calls this interface from its
  // audio thread, and others from another thread, turns it off: the host
  // then shares nothing between the threads (a lock around the log would
  // order them, and hide the races of the plug-in).
  bool logged = true;

protected:
  template <class... Arguments>
  int32_t Log(const char* operation, const Arguments&... arguments)
  {
    if (!logged || mLog->quiet)
      return result;
    std::ostringstream text;
    text << mName << '.' << operation << '(';
    Append(text, arguments...);
    text << ')';
    mLog->calls.push_back(text.str());
    return result;
  }

private:
  HostLog* mLog;
  std::string mName;
};

class Controller final : public Face<AAX_IACFController_V2>
{
public:
  using Face::Face;
  int32_t ACF_CALL ControllerCall1(AAX_Value v) override { return Log("ControllerCall1", v); }
  // These three fail with their own result, and then write nothing.
  int32_t ACF_CALL GetSampleRateFromHost(float* rate) override
  {
    return Give(Log("GetSampleRateFromHost"), sampleRateResult, rate, sampleRate);
  }
  int32_t ACF_CALL GetInputChannelLayout(uint32_t* layout) override
  {
    return Give(Log("GetInputChannelLayout"), layoutResult, layout, inputLayout);
  }
  int32_t ACF_CALL GetOutputChannelLayout(uint32_t* layout) override
  {
    return Give(Log("GetOutputChannelLayout"), layoutResult, layout, outputLayout);
  }
  int32_t ACF_CALL ControllerCall5(AAX_Value v) override { return Log("ControllerCall5", v); }
  int32_t ACF_CALL ControllerCall6(AAX_Value a, AAX_Value b) override { return Log("ControllerCall6", a, b); }
  int32_t ACF_CALL ControllerCall7(AAX_Value v) override { return Log("ControllerCall7", v); }
  int32_t ACF_CALL ReportLatency(int32_t samples) override { return Log("ReportLatency", samples); }
  int32_t ACF_CALL ControllerCall9(AAX_Value a, AAX_Value b, AAX_Value c) override
  {
    return Log("ControllerCall9", a, b, c);
  }
  int32_t ACF_CALL PostPacket(uint32_t field, const void*, uint32_t size) override
  {
    return Log("PostPacket", field, size);
  }
  int32_t ACF_CALL ControllerCall12(AAX_Value a, AAX_Value b) override { return Log("ControllerCall12", a, b); }
  int32_t ACF_CALL ControllerCall13(AAX_Value a, AAX_Value b) override { return Log("ControllerCall13", a, b); }
  int32_t ACF_CALL ControllerCall14(AAX_Value v) override { return Log("ControllerCall14", v); }
  int32_t ACF_CALL ControllerCall16(AAX_Value a, AAX_Value b) override { return Log("ControllerCall16", a, b); }
  int32_t ACF_CALL ControllerCall17(AAX_Value v) override { return Log("ControllerCall17", v); }
  int32_t ACF_CALL ControllerCall15(AAX_Value v) override { return Log("ControllerCall15", v); }
  int32_t ACF_CALL ControllerCall18(AAX_Value a, AAX_Value b) override { return Log("ControllerCall18", a, b); }
  int32_t ACF_CALL ControllerCall11(AAX_Value a, AAX_Value b, AAX_Value c) override
  {
    return Log("ControllerCall11", a, b, c);
  }
  int32_t ACF_CALL ControllerCall19(AAX_Value v) override { return Log("ControllerCall19", v); }
  int32_t ACF_CALL ControllerCall20(uint64_t* value) override
  {
    *value = call20Value;
    return Log("ControllerCall20");
  }
  int32_t ACF_CALL ControllerCall21(AAX_Value v) override { return Log("ControllerCall21", v); }

  float sampleRate = 44100.0f;
  int32_t sampleRateResult = kAAXSuccess;
  uint32_t inputLayout = 0x00010002;
  uint32_t outputLayout = 0x00010002;
  int32_t layoutResult = kAAXSuccess;
  uint64_t call20Value = 0x123456789ull;

private:
  template <class T>
  static int32_t Give(int32_t result, int32_t failure, T* out, T value)
  {
    if (failure != kAAXSuccess)
      return failure;
    *out = value;
    return result;
  }
};

class Automation final : public Face<AAX_IACFAutomationDelegate>
{
public:
  using Face::Face;
  int32_t ACF_CALL RegisterParameter(const char* id) override { return Log("RegisterParameter", id); }
  int32_t ACF_CALL UnregisterParameter(const char* id) override { return Log("UnregisterParameter", id); }
  int32_t ACF_CALL PostSetValueRequest(const char* id, double normalized) override
  {
    requests.emplace_back(id, normalized);
    return Log("PostSetValueRequest", id, normalized);
  }
  int32_t ACF_CALL PostCurrentValue(const char* id, double normalized) override
  {
    const int32_t answer = Log("PostCurrentValue", id, normalized);
    if (whenCurrentValue)
      whenCurrentValue(id);
    return answer;
  }
  int32_t ACF_CALL PostTouch(const char* id) override { return Log("PostTouch", id); }
  int32_t ACF_CALL PostReleaseTouch(const char* id) override { return Log("PostReleaseTouch", id); }
  int32_t ACF_CALL AutomationCall7(AAX_Value a, AAX_Value b) override { return Log("AutomationCall7", a, b); }

  // Every request with its exact value.
  std::vector<std::pair<std::string, double>> requests;
  // What the host does on a reported value, after logging it, on the
  // reporting thread (a host may wait there for its audio engine).
  std::function<void(const char* id)> whenCurrentValue;
};

class Transport final : public Face<AAX_IACFTransport_V2>
{
public:
  using Face::Face;
  int32_t ACF_CALL Tempo(double* tempo) override
  {
    *tempo = 120.0;
    return Log("Tempo");
  }
  int32_t ACF_CALL TimeSignature(int32_t* numerator, int32_t* denominator) override
  {
    *numerator = 7;
    *denominator = 8;
    return Log("TimeSignature");
  }
  int32_t ACF_CALL IsPlaying(bool* playing) override
  {
    *playing = true;
    return Log("IsPlaying");
  }
  int32_t ACF_CALL TickPosition(int64_t* ticks) override
  {
    *ticks = 1920000;
    return Log("TickPosition");
  }
  int32_t ACF_CALL LoopPosition(bool* looping, int64_t* start, int64_t* end) override
  {
    *looping = true;
    *start = 0;
    *end = 3840000;
    return Log("LoopPosition");
  }
  int32_t ACF_CALL SamplePosition(int64_t* samples) override
  {
    *samples = 48000;
    return Log("SamplePosition");
  }
  int32_t ACF_CALL TransportCall7(AAX_Value a, AAX_Value b, AAX_Value c) override
  {
    return Log("TransportCall7", a, b, c);
  }
  int32_t ACF_CALL TransportCall8(AAX_Value a, AAX_Value b, AAX_Value c, AAX_Value d, AAX_Value e) override
  {
    return Log("TransportCall8", a, b, c, d, e);
  }
  int32_t ACF_CALL TransportCall9(AAX_Value v) override { return Log("TransportCall9", v); }
  int32_t ACF_CALL TransportCall10(AAX_Value v) override { return Log("TransportCall10", v); }
  int32_t ACF_CALL TransportCall11(AAX_Value v) override { return Log("TransportCall11", v); }
  int32_t ACF_CALL TransportCall12(AAX_Value a, AAX_Value b) override { return Log("TransportCall12", a, b); }
  int32_t ACF_CALL TransportCall13(AAX_Value a, AAX_Value b) override { return Log("TransportCall13", a, b); }
  int32_t ACF_CALL TransportCall14(AAX_Value v) override { return Log("TransportCall14", v); }
};

class ViewContainer final : public Face<AAX_IACFViewContainer>
{
public:
  using Face::Face;
  int32_t ACF_CALL ViewContainerCall1() override { return Log("ViewContainerCall1"); }
  void* ACF_CALL NativeView() override
  {
    Log("NativeView");
    return window;
  }
  int32_t ACF_CALL ViewContainerCall3(AAX_Value v) override { return Log("ViewContainerCall3", v); }
  int32_t ACF_CALL SetViewSize(AAX_Point* size) override { return Log("SetViewSize", size->vert, size->horz); }
  int32_t ACF_CALL ViewContainerCall5(AAX_Value a, AAX_Value b) override { return Log("ViewContainerCall5", a, b); }
  int32_t ACF_CALL ViewContainerCall6(AAX_Value a, AAX_Value b) override { return Log("ViewContainerCall6", a, b); }
  int32_t ACF_CALL ViewContainerCall7(AAX_Value a, AAX_Value b) override { return Log("ViewContainerCall7", a, b); }

  void* window = reinterpret_cast<void*>(0x1234);
};

class HostServices final : public Face<AAX_IACFHostServices>
{
public:
  using Face::Face;
  int32_t ACF_CALL HostServicesCall1(AAX_Value a, AAX_Value b, AAX_Value c) override
  {
    return Log("HostServicesCall1", a, b, c);
  }
  int32_t ACF_CALL Trace(uint32_t priority, const char* text) override { return Log("Trace", priority, text); }
};

// Makes the host services, referenced, for their class and interface.
class Factory final : public Face<IACFHostObjectFactory>
{
public:
  Factory(HostLog* log, HostServices* services) : Face(log, "factory"), mServices(services) {}
  int32_t ACF_CALL CreateHostObject(const ACFUID* classId, IACFUnknown* outer, const ACFUID* iid,
                                    void** out) override
  {
    Log("CreateHostObject", outer ? "outer" : "null");
    *out = nullptr;
    if (*classId != CLSID_AAX_HostServices || *iid != IID_AAX_IACFHostServices)
      return kACFNoInterface;
    mServices->AddRef();
    *out = static_cast<AAX_IACFHostServices*>(mServices);
    return kAAXSuccess;
  }

private:
  HostServices* mServices;
};

// The host object a plug-in is given: it offers every interface above under
// its identifier, except those a test withdraws. The names in the ledger
// and the log: controller, controller2, automation, transport, transport2,
// view, factory, services.
class Host final : public IACFUnknown
{
public:
  Host()
  {
    Offer(IID_AAX_IACFController, static_cast<AAX_IACFController*>(&controller));
    Offer(IID_AAX_IACFController_V2, static_cast<AAX_IACFController_V2*>(&controller2));
    Offer(IID_AAX_IACFAutomationDelegate, static_cast<AAX_IACFAutomationDelegate*>(&automation));
    Offer(IID_AAX_IACFTransport, static_cast<AAX_IACFTransport*>(&transport));
    Offer(IID_AAX_IACFTransport_V2, static_cast<AAX_IACFTransport_V2*>(&transport2));
    Offer(IID_AAX_IACFViewContainer, static_cast<AAX_IACFViewContainer*>(&view));
    Offer(IID_IACFHostObjectFactory, static_cast<IACFHostObjectFactory*>(&factory));
  }
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  // Answers iid with face too (the editor's host object answers the
  // instance's effect-parameters interface), referenced through the face.
  void Offer(const ACFUID& iid, IACFUnknown* face) { mOffers.emplace_back(iid, face); }

  void Withdraw(const ACFUID& iid)
  {
    for (auto it = mOffers.begin(); it != mOffers.end(); ++it)
      if (it->first == iid)
      {
        mOffers.erase(it);
        return;
      }
  }

  int32_t ACF_CALL QueryInterface(const ACFUID* iid, void** out) override
  {
    *out = nullptr;
    for (const auto& [offered, face] : mOffers)
      if (offered == *iid)
      {
        face->AddRef();
        *out = face;
        return kAAXSuccess;
      }
    return kACFNoInterface;
  }
  int32_t ACF_CALL AddRef() override { return ++log.references["host"]; }
  int32_t ACF_CALL Release() override { return --log.references["host"]; }

  HostLog log;
  Controller controller{&log, "controller"};
  Controller controller2{&log, "controller2"};
  Automation automation{&log, "automation"};
  Transport transport{&log, "transport"};
  Transport transport2{&log, "transport2"};
  ViewContainer view{&log, "view"};
  HostServices services{&log, "services"};
  Factory factory{&log, &services};

private:
  std::vector<std::pair<ACFUID, IACFUnknown*>> mOffers;
};

// The transport object of an audio block: the table of AAX_ITransport.
class BlockTransport final : public AAX_ITransport
{
public:
  void AAX_MEMBER_CALL Destroy(uint32_t) override {}
  int32_t AAX_MEMBER_CALL Tempo(double* value) const override { return Give(value, tempo); }
  int32_t AAX_MEMBER_CALL TimeSignature(int32_t* upper, int32_t* lower) const override
  {
    *upper = numerator;
    *lower = denominator;
    return 0;
  }
  int32_t AAX_MEMBER_CALL IsPlaying(bool* value) const override { return Give(value, playing); }
  int32_t AAX_MEMBER_CALL TickPosition(int64_t* value) const override { return Give(value, ticks); }
  int32_t AAX_MEMBER_CALL LoopPosition(bool* looping, int64_t* start, int64_t* end) const override
  {
    *looping = this->looping;
    *start = loopStart;
    *end = loopEnd;
    return 0;
  }
  int32_t AAX_MEMBER_CALL SamplePosition(int64_t* value) const override { return Give(value, samples); }
  int32_t AAX_MEMBER_CALL TransportCall7(AAX_Value, AAX_Value, AAX_Value) const override { return 0; }
  int32_t AAX_MEMBER_CALL TransportCall8(AAX_Value, AAX_Value, AAX_Value, AAX_Value, AAX_Value) const override
  {
    return 0;
  }
  int32_t AAX_MEMBER_CALL TransportCall9(AAX_Value) const override { return 0; }
  int32_t AAX_MEMBER_CALL TransportCall10(AAX_Value) const override { return 0; }
  int32_t AAX_MEMBER_CALL TransportCall11(AAX_Value) const override { return 0; }
  int32_t AAX_MEMBER_CALL TransportCall12(AAX_Value, AAX_Value) const override { return 0; }
  int32_t AAX_MEMBER_CALL TransportCall13(AAX_Value, AAX_Value) const override { return 0; }
  int32_t AAX_MEMBER_CALL TransportCall14(AAX_Value) const override { return 0; }

  double tempo = 0;
  int32_t numerator = 0, denominator = 0;
  bool playing = false, looping = false;
  int64_t ticks = 0, samples = 0, loopStart = 0, loopEnd = 0;

private:
  template <class T>
  static int32_t Give(T* out, T value)
  {
    *out = value;
    return 0;
  }
};

class TransportNode final : public AAX_ITransportNode
{
public:
  void AAX_MEMBER_CALL Destroy(uint32_t) override {}
  void AAX_MEMBER_CALL TransportNodeCall1() override {}
  void AAX_MEMBER_CALL TransportNodeCall2() override {}
  AAX_ITransport* AAX_MEMBER_CALL GetTransport() override { return &transport; }

  BlockTransport transport;
};

class MidiNode final : public AAX_IMidiNode
{
public:
  void AAX_MEMBER_CALL Destroy(uint32_t) override {}
  const AAX_MidiStream* AAX_MEMBER_CALL GetNodeBuffer() override { return &stream; }

  AAX_MidiStream stream = {};
};
}
