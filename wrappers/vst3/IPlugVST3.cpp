// The component set-up of the VST3 wrapper: construction, initialize and
// terminate, buses and parameters, arrangements and processing set-up.

#include "IPlugVST3.h"

#include "HostCallGuard.h"
#include "UString.h"

#include <cmath>
#include <memory>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{
SpeakerArrangement SpeakerArrangementForChannels(int channels)
{
  switch (channels)
  {
  case 1: return SpeakerArr::kMono;
  case 2: return SpeakerArr::kStereo;
  case 3: return 0x103;
  case 4: return 0xF00000;
  case 5: return 0x37;
  case 6: return 0x3F;
  default: return SpeakerArr::kEmpty;
  }
}
}

IPlugVST3::IPlugVST3(InstanceInfo, int nParams, const char* channelIOStr, int nPresets,
                     const char* effectName, const char* productName, const char* mfrName, int vendorVersion,
                     int uniqueID, int mfrID, int latency, bool plugDoesMidi, bool plugDoesChunks, bool plugIsInst)
    : IPlugBase(nParams, channelIOStr, nPresets, effectName, productName, mfrName, vendorVersion, uniqueID, mfrID,
                latency, plugDoesMidi, plugDoesChunks, plugIsInst, kApiVst3),
      mProcessContext()
{
  SetInputChannelConnections(0, NInChannels(), true);
  SetOutputChannelConnections(0, NOutChannels(), true);
  CreateLatencyDelayLine();
  NameInputBus(0, "Main Input");
  if (IsInstrument())
  {
    StringBuffer name;
    for (int i = 0; 2 * i < NOutChannels(); ++i)
      NameOutputBus(i, name.Printf(32, "Output %i", i + 1));
  }
  else
  {
    NameOutputBus(0, "Output");
  }
}

IPlugVST3::~IPlugVST3() = default;

tresult PLUGIN_API IPlugVST3::queryInterface(const TUID iid, void** obj)
{
  if (!obj)
    return kInvalidArgument;
  if (SameUID(iid, IUnitInfo::iid.data))
    return GiveInterface(static_cast<IUnitInfo*>(this), this, obj);
  if (SameUID(iid, IMidiMapping::iid.data))
    return GiveInterface(static_cast<IMidiMapping*>(this), this, obj);
  return SingleComponentEffect::queryInterface(iid, obj);
}

bool IPlugVST3::isTypeOf(const char* name, bool askBaseClass) const
{
  if (!name)
    return false;
  return std::strcmp(name, "IPlugVST3") == 0 || (askBaseClass && SingleComponentEffect::isTypeOf(name, true));
}

tresult PLUGIN_API IPlugVST3::initialize(FUnknown* context)
{
  const tresult result = SingleComponentEffect::initialize(context);

  IHostApplication* application = nullptr;
  if (context && context->queryInterface(IHostApplication::iid.data, reinterpret_cast<void**>(&application)) ==
                     kResultOk &&
      application)
  {
    String128 name = {};
    if (application->getName(name) == kResultOk)
    {
      char text[128];
      NarrowText(text, sizeof text, name, 128);
      SetHost(text, 0);
    }
    application->release();
  }

  // Built once until terminate, even when a second initialize (or one that
  // follows initialize(null)) is taken. What could not be built is undone.
  if (result == kResultOk && !mInitialized)
  {
    const tresult built = GuardHostCall<tresult>(kOutOfMemory, kInternalError, [this] {
      BuildBuses();
      BuildParameters();
      return kResultOk;
    });
    if (built != kResultOk)
    {
      terminate();
      return built;
    }
    mInitialized = true;
  }
  HostInitDone();
  ApplyPreset(0);
  return result;
}

tresult PLUGIN_API IPlugVST3::terminate()
{
  mInitialized = false;
  // Views still open keep their references; they just no longer serve
  // resizes or menus.
  mViews.clear();
  return SingleComponentEffect::terminate();
}

void IPlugVST3::BuildBuses()
{
  const int mainInputs = NInChannels() - mSideChainChannels;
  if (mainInputs >= 1 && mainInputs <= 6)
    audioInputs.add(new AudioBus(GetInputBusName(0), kMain, BusInfo::kDefaultActive,
                                 SpeakerArrangementForChannels(mainInputs)));
  if (IsInstrument())
  {
    for (int i = 0; 2 * i < NOutChannels(); ++i)
      audioOutputs.add(new AudioBus(GetOutputBusName(i), kMain, BusInfo::kDefaultActive, SpeakerArr::kStereo));
  }
  else
  {
    audioOutputs.add(new AudioBus(GetOutputBusName(0), kMain, BusInfo::kDefaultActive,
                                  SpeakerArrangementForChannels(NOutChannels())));
  }
  if (DoesMIDI())
    eventInputs.add(new EventBus("MIDI Input", kMain, BusInfo::kDefaultActive, 1));
}

UnitID IPlugVST3::UnitOfGroup(const char* group)
{
  if (!group || !group[0])
    return kRootUnitId;
  PointerList<const char>& groups = ParamGroups();
  for (int i = 0; i < groups.Count(); ++i)
    if (std::strcmp(groups.Get(i), group) == 0)
      return i + 1;
  groups.Add(group);
  return groups.Count();
}

void IPlugVST3::BuildParameters()
{
  if (NPresets() > 0)
    parameters.addParameter(
        new Parameter("Preset", kPresetParamId, "", 0.0, NPresets(), ParameterInfo::kIsProgramChange, kRootUnitId));
  if (!IsInstrument())
  {
    std::unique_ptr<StringListParameter> bypass(new StringListParameter(
        "Bypass", kBypassParamId, "", ParameterInfo::kCanAutomate | ParameterInfo::kIsBypass, kRootUnitId));
    bypass->appendString("off");
    bypass->appendString("on");
    parameters.addParameter(bypass.release());
  }

  for (int i = 0; i < NParams(); ++i)
  {
    const IPlugParameter* param = GetParam(i);
    const UnitID unit = UnitOfGroup(param->Group());
    const char* units = param->LabelForHost();
    const int32 automate = param->CanAutomate() ? ParameterInfo::kCanAutomate : 0;

    switch (param->Kind())
    {
    case kParameterBool:
    case kParameterEnum:
    {
      std::unique_ptr<StringListParameter> list(new StringListParameter(param->Name(), i, units, automate, unit));
      for (int v = 0; v < param->DisplayTextCount(); ++v)
      {
        const char* text = param->DisplayTextFor(v);
        list->appendString(text ? text : "");
      }
      // A host's "reset to default" must give the parameter's own default.
      list->setDefaultNormalized(list->toNormalized(param->Default()));
      parameters.addParameter(list.release());
      break;
    }
    case kParameterInt:
    case kParameterDouble:
    {
      RangeParameter* range = new RangeParameter(param->Name(), i, units, param->Min(), param->Max(),
                                                 param->Default(), 0, automate, unit);
      range->setPrecision(param->Precision());
      parameters.addParameter(range);
      break;
    }
    case kParameterNone:
      break;
    }
  }

  if (DoesMIDI())
    for (int cc = 0; cc < kMidiControllers; ++cc)
    {
      RangeParameter* controller = new RangeParameter("MIDI CC", NParams() + cc, "", 0.0, 127.0, 0.0, 0,
                                                      ParameterInfo::kCanAutomate, kRootUnitId);
      controller->setPrecision(1);
      parameters.addParameter(controller);
    }
}

tresult PLUGIN_API IPlugVST3::setActive(TBool state)
{
  ActivationChanged(state != 0);
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3::setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                                 SpeakerArrangement* outputs, int32 numOuts)
{
  return GuardHostCall<tresult>(kOutOfMemory, kInternalError,
                       [&] { return ArrangeBuses(inputs, numIns, outputs, numOuts); });
}

tresult IPlugVST3::ArrangeBuses(SpeakerArrangement* inputs, int32 numIns, SpeakerArrangement* outputs,
                                int32 numOuts)
{
  SetInputChannelConnections(0, NInChannels(), false);
  SetOutputChannelConnections(0, NOutChannels(), false);

  // Nothing is rebuilt for an arrangement that is refused, and an empty
  // list is never read.
  if (!inputs || !outputs || numIns != 1 || numOuts < 1)
    return kResultFalse;
  const int nIn = SpeakerCount(inputs[0]);
  const int nOut = SpeakerCount(outputs[0]);
  if (!LegalIO(nIn, nOut))
    return kResultFalse;

  Bus* input = audioInputs.at(0);
  if (input && input->channelCount() != nIn)
    audioInputs.replace(0, new AudioBus("Input", kMain, BusInfo::kDefaultActive, SpeakerArrangementForChannels(nIn)));
  Bus* output = audioOutputs.at(0);
  if (output && output->channelCount() != nOut)
    audioOutputs.replace(0,
                         new AudioBus("Output", kMain, BusInfo::kDefaultActive, SpeakerArrangementForChannels(nOut)));
  return kResultTrue;
}

tresult PLUGIN_API IPlugVST3::canProcessSampleSize(int32 size)
{
  return size == kSample32 || size == kSample64 ? kResultTrue : kResultFalse;
}

uint32 PLUGIN_API IPlugVST3::getLatencySamples() { return static_cast<uint32>(GetLatency()); }
uint32 PLUGIN_API IPlugVST3::getTailSamples() { return static_cast<uint32>(GetTailSize()); }

tresult PLUGIN_API IPlugVST3::setupProcessing(ProcessSetup& setup)
{
  if (setup.symbolicSampleSize != kSample32 && setup.symbolicSampleSize != kSample64)
    return kResultFalse;
  if (!std::isfinite(setup.sampleRate) || !(setup.sampleRate > 0.0) || setup.maxSamplesPerBlock <= 0)
    return kResultFalse;
  // The whole set-up is one step for process, which reads the stored set-up
  // (its sample size) under the same lock. The bypass stays as the host set
  // it: hosts set up again on every change of rate or block size, and send
  // a bypass point only when the value changes.
  MutexGuard lock(GetMutex());
  ChangeBlockSize(setup.maxSamplesPerBlock);
  if (GetBlockSize() != setup.maxSamplesPerBlock)
    return kResultFalse;
  SetSampleRate(setup.sampleRate);
  ResetProcessing();
  processSetup = setup;
  return kResultOk;
}

bool IPlugVST3::IsOfflineRender()
{
  MutexGuard lock(GetMutex());
  return processSetup.processMode == kOffline;
}

void IPlugVST3::ChangeLatency(int samples)
{
  IPlugBase::ChangeLatency(samples);
  if (!componentHandler)
    return;
  IComponentHandler* handler = nullptr;
  if (componentHandler->queryInterface(IComponentHandler::iid.data, reinterpret_cast<void**>(&handler)) ==
          kResultOk &&
      handler)
  {
    handler->restartComponent(kLatencyChanged);
    handler->release();
  }
}
