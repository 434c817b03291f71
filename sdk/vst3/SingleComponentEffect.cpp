#include "SingleComponentEffect.h"

namespace Steinberg
{
namespace Vst
{
SingleComponentEffect::SingleComponentEffect() = default;

SingleComponentEffect::~SingleComponentEffect()
{
  if (componentHandler)
    componentHandler->release();
  if (peerConnection)
    peerConnection->release();
  if (hostContext)
    hostContext->release();
}

tresult PLUGIN_API SingleComponentEffect::queryInterface(const TUID iid, void** obj)
{
  if (!obj)
    return kInvalidArgument;
  // One FUnknown for every face: hosts compare these pointers.
  if (SameUID(iid, FUnknown::iid.data))
    return GiveInterface(static_cast<FUnknown*>(static_cast<IComponent*>(this)), this, obj);
  if (SameUID(iid, IPluginBase::iid.data))
    return GiveInterface(static_cast<IPluginBase*>(static_cast<IComponent*>(this)), this, obj);
  if (SameUID(iid, IComponent::iid.data))
    return GiveInterface(static_cast<IComponent*>(this), this, obj);
  if (SameUID(iid, IAudioProcessor::iid.data))
    return GiveInterface(static_cast<IAudioProcessor*>(this), this, obj);
  if (SameUID(iid, IEditController::iid.data))
    return GiveInterface(static_cast<IEditController*>(this), this, obj);
  if (SameUID(iid, IEditController2::iid.data))
    return GiveInterface(static_cast<IEditController2*>(this), this, obj);
  if (SameUID(iid, IConnectionPoint::iid.data))
    return GiveInterface(static_cast<IConnectionPoint*>(this), this, obj);
  *obj = nullptr;
  return kNoInterface;
}

bool SingleComponentEffect::isTypeOf(const char* name, bool askBaseClass) const
{
  if (!name)
    return false;
  if (std::strcmp(name, "SingleComponentEffect") == 0)
    return true;
  return askBaseClass && (std::strcmp(name, "EditController") == 0 || std::strcmp(name, "ComponentBase") == 0 ||
                          FObject::isTypeOf(name, askBaseClass));
}

tresult PLUGIN_API SingleComponentEffect::initialize(FUnknown* context)
{
  if (hostContext)
    return kResultFalse;
  hostContext = context;
  if (hostContext)
    hostContext->addRef();
  return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::terminate()
{
  parameters.removeAll();
  audioInputs.clear();
  audioOutputs.clear();
  eventInputs.clear();
  eventOutputs.clear();
  if (componentHandler)
  {
    componentHandler->release();
    componentHandler = nullptr;
  }
  if (peerConnection)
  {
    peerConnection->release();
    peerConnection = nullptr;
  }
  if (hostContext)
  {
    hostContext->release();
    hostContext = nullptr;
  }
  return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::getControllerClassId(TUID) { return kNotImplemented; }
tresult PLUGIN_API SingleComponentEffect::setIoMode(IoMode) { return kNotImplemented; }

BusList* SingleComponentEffect::getBusList(MediaType type, BusDirection dir)
{
  if (type == kAudio)
    return dir == kInput ? &audioInputs : (dir == kOutput ? &audioOutputs : nullptr);
  if (type == kEvent)
    return dir == kInput ? &eventInputs : (dir == kOutput ? &eventOutputs : nullptr);
  return nullptr;
}

int32 PLUGIN_API SingleComponentEffect::getBusCount(MediaType type, BusDirection dir)
{
  BusList* list = getBusList(type, dir);
  return list ? list->count() : 0;
}

tresult PLUGIN_API SingleComponentEffect::getBusInfo(MediaType type, BusDirection dir, int32 index, BusInfo& bus)
{
  BusList* list = getBusList(type, dir);
  Bus* found = list ? list->at(index) : nullptr;
  if (!found)
    return kInvalidArgument;
  found->getInfo(type, dir, bus);
  return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::getRoutingInfo(RoutingInfo&, RoutingInfo&) { return kNotImplemented; }

tresult PLUGIN_API SingleComponentEffect::activateBus(MediaType type, BusDirection dir, int32 index, TBool state)
{
  BusList* list = getBusList(type, dir);
  Bus* found = list ? list->at(index) : nullptr;
  if (!found)
    return kInvalidArgument;
  found->setActive(state != 0);
  return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::setActive(TBool) { return kResultOk; }

tresult PLUGIN_API SingleComponentEffect::setBusArrangements(SpeakerArrangement*, int32, SpeakerArrangement*, int32)
{
  return kResultFalse;
}

tresult PLUGIN_API SingleComponentEffect::getBusArrangement(BusDirection dir, int32 index, SpeakerArrangement& arr)
{
  BusList* list = getBusList(kAudio, dir);
  AudioBus* bus = list ? static_cast<AudioBus*>(list->at(index)) : nullptr;
  if (!bus)
    return kInvalidArgument;
  arr = bus->arrangement();
  return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::canProcessSampleSize(int32 size)
{
  return size == kSample32 ? kResultTrue : kResultFalse;
}

uint32 PLUGIN_API SingleComponentEffect::getLatencySamples() { return 0; }

tresult PLUGIN_API SingleComponentEffect::setupProcessing(ProcessSetup& setup)
{
  processSetup = setup;
  return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::setProcessing(TBool) { return kNotImplemented; }
uint32 PLUGIN_API SingleComponentEffect::getTailSamples() { return 0; }
tresult PLUGIN_API SingleComponentEffect::setComponentState(IBStream*) { return kNotImplemented; }
int32 PLUGIN_API SingleComponentEffect::getParameterCount() { return parameters.getParameterCount(); }

tresult PLUGIN_API SingleComponentEffect::getParameterInfo(int32 paramIndex, ParameterInfo& info)
{
  Parameter* parameter = parameters.getParameterByIndex(paramIndex);
  if (!parameter)
    return kResultFalse;
  info = parameter->getInfo();
  return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::getParamStringByValue(ParamID id, ParamValue valueNormalized,
                                                               String128 string)
{
  Parameter* parameter = parameters.getParameter(id);
  if (!parameter || !string)
    return kResultFalse;
  parameter->toString(valueNormalized, string);
  return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::getParamValueByString(ParamID id, TChar* string,
                                                               ParamValue& valueNormalized)
{
  Parameter* parameter = parameters.getParameter(id);
  if (!parameter || !string)
    return kResultFalse;
  return parameter->fromString(string, valueNormalized) ? kResultOk : kResultFalse;
}

ParamValue PLUGIN_API SingleComponentEffect::normalizedParamToPlain(ParamID id, ParamValue valueNormalized)
{
  Parameter* parameter = parameters.getParameter(id);
  return parameter ? parameter->toPlain(valueNormalized) : valueNormalized;
}

ParamValue PLUGIN_API SingleComponentEffect::plainParamToNormalized(ParamID id, ParamValue plainValue)
{
  Parameter* parameter = parameters.getParameter(id);
  return parameter ? parameter->toNormalized(plainValue) : plainValue;
}

ParamValue PLUGIN_API SingleComponentEffect::getParamNormalized(ParamID id)
{
  Parameter* parameter = parameters.getParameter(id);
  return parameter ? parameter->getNormalized() : 0.0;
}

tresult PLUGIN_API SingleComponentEffect::setParamNormalized(ParamID id, ParamValue value)
{
  Parameter* parameter = parameters.getParameter(id);
  if (!parameter)
    return kResultFalse;
  parameter->setNormalized(value);
  return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::setComponentHandler(IComponentHandler* handler)
{
  if (handler == componentHandler)
    return kResultTrue;
  if (componentHandler)
    componentHandler->release();
  componentHandler = handler;
  if (componentHandler)
    componentHandler->addRef();
  return kResultTrue;
}

IPlugView* PLUGIN_API SingleComponentEffect::createView(FIDString) { return nullptr; }
// Every control of the editor takes a linear drag, whatever the host asks.
tresult PLUGIN_API SingleComponentEffect::setKnobMode(KnobMode) { return kResultOk; }
tresult PLUGIN_API SingleComponentEffect::openHelp(TBool) { return kResultFalse; }
tresult PLUGIN_API SingleComponentEffect::openAboutBox(TBool) { return kResultFalse; }

tresult PLUGIN_API SingleComponentEffect::connect(IConnectionPoint* other)
{
  if (!other)
    return kInvalidArgument;
  if (peerConnection)
    return kResultFalse;
  peerConnection = other;
  peerConnection->addRef();
  return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::disconnect(IConnectionPoint* other)
{
  if (!peerConnection || other != peerConnection)
    return kResultFalse;
  peerConnection->release();
  peerConnection = nullptr;
  return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::notify(IMessage*) { return kResultFalse; }

tresult SingleComponentEffect::beginEdit(ParamID id)
{
  return componentHandler ? componentHandler->beginEdit(id) : kResultFalse;
}

tresult SingleComponentEffect::performEdit(ParamID id, ParamValue valueNormalized)
{
  return componentHandler ? componentHandler->performEdit(id, valueNormalized) : kResultFalse;
}

tresult SingleComponentEffect::endEdit(ParamID id)
{
  return componentHandler ? componentHandler->endEdit(id) : kResultFalse;
}
}
}
