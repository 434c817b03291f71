#include "Vst3Fakes.h"
#include "Vst3Effect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace
{
using namespace Steinberg;
using namespace Steinberg::Vst;

// An instance as a host holds it: the creation reference, released at the end.
struct Instance
{
  Instance() : plug(new Vst3Effect(IPlugVST3::InstanceInfo())) {}
  ~Instance() { plug->release(); }
  IComponent* component() { return plug; }
  IEditController* controller() { return plug; }
  IAudioProcessor* processor() { return plug; }
  Vst3Effect* plug;
};

std::string Narrow(const char16* text)
{
  std::string s;
  for (; *text; ++text)
    s += static_cast<char>(*text);
  return s;
}

TEST(IPlugVST3, InitializeIdentifiesTheHostAndBuildsOnce)
{
  Instance instance;
  fakes::HostApplication host("Cubase 10");
  EXPECT_EQ(instance.component()->initialize(&host), kResultOk);
  EXPECT_EQ(instance.plug->GetHost(), kHostCubase);
  EXPECT_EQ(instance.controller()->getParameterCount(), 12);
  fakes::HostApplication other("REAPER");
  EXPECT_EQ(instance.component()->initialize(&other), kResultFalse);
  EXPECT_EQ(instance.plug->GetHost(), kHostReaper);  // identified on every call
  EXPECT_EQ(instance.controller()->getParameterCount(), 12);
  EXPECT_EQ(instance.component()->getBusCount(kAudio, kInput), 1);
  EXPECT_EQ(instance.component()->terminate(), kResultOk);
  EXPECT_EQ(host.refs, 1) << "terminate releases the context";
}

TEST(IPlugVST3, InitializeWithoutContextThenWithOneBuildsOnce)
{
  Instance instance;
  EXPECT_EQ(instance.component()->initialize(nullptr), kResultOk);
  EXPECT_EQ(instance.plug->GetHost(), kHostUnidentified);
  fakes::HostApplication host("Ardour");
  instance.component()->initialize(&host);
  EXPECT_EQ(instance.controller()->getParameterCount(), 12);
  EXPECT_EQ(instance.component()->getBusCount(kAudio, kOutput), 1);
  instance.component()->terminate();
}

TEST(IPlugVST3, ParameterTable)
{
  Instance instance;
  instance.component()->initialize(nullptr);
  ParameterInfo info;
  ASSERT_EQ(instance.controller()->getParameterInfo(3, info), kResultOk);
  EXPECT_EQ(info.id, 1u);
  EXPECT_EQ(Narrow(info.title), "DryWet");
  EXPECT_EQ(info.defaultNormalizedValue, 1.0);
  ASSERT_EQ(instance.controller()->getParameterInfo(11, info), kResultOk);
  EXPECT_EQ(info.id, 17u);
  EXPECT_EQ(info.defaultNormalizedValue, 0.0);
  ASSERT_EQ(instance.controller()->getParameterInfo(5, info), kResultOk);
  EXPECT_EQ(info.id, 11u);
  EXPECT_EQ(info.defaultNormalizedValue, 1.0) << "a host's reset keeps the 5K band on";
  EXPECT_EQ(instance.controller()->getParameterInfo(12, info), kResultFalse);
  EXPECT_EQ(instance.controller()->normalizedParamToPlain(0, 0.5), 50.0);
  EXPECT_EQ(instance.controller()->normalizedParamToPlain(10, 1.0), 1.0);

  ParamValue value = -1.0;
  char16 twentyFive[] = {'2', '5', 0}, on[] = {'o', 'n', 0}, junk[] = {'x', 0};
  ASSERT_EQ(instance.controller()->getParamValueByString(0, twentyFive, value), kResultOk);
  EXPECT_EQ(value, 0.25);
  ASSERT_EQ(instance.controller()->getParamValueByString(12, on, value), kResultOk);
  EXPECT_EQ(value, 1.0);
  EXPECT_EQ(instance.controller()->getParamValueByString(0, junk, value), kResultFalse);
  EXPECT_EQ(instance.controller()->getParamValueByString(5, twentyFive, value), kResultFalse);
  instance.component()->terminate();
}

TEST(IPlugVST3, SetupProcessingRefusesBadSetUpsAndKeepsThePrevious)
{
  Instance instance;
  instance.component()->initialize(nullptr);
  ProcessSetup good = {kRealtime, kSample64, 256, 48000.0};
  ASSERT_EQ(instance.processor()->setupProcessing(good), kResultOk);
  const ProcessSetup bad[] = {{kRealtime, 2, 256, 44100.0},
                              {kRealtime, kSample32, 0, 44100.0},
                              {kRealtime, kSample32, -5, 44100.0},
                              {kRealtime, kSample32, 256, 0.0},
                              {kRealtime, kSample32, 256, std::numeric_limits<double>::quiet_NaN()},
                              {kRealtime, kSample32, 256, std::numeric_limits<double>::infinity()},
                              {kRealtime, kSample32, 0x7fffffff, 44100.0}};
  for (ProcessSetup setup : bad)
  {
    EXPECT_EQ(instance.processor()->setupProcessing(setup), kResultFalse);
    EXPECT_EQ(instance.plug->GetSampleRate(), 48000.0);
    EXPECT_EQ(instance.plug->GetBlockSize(), 256);
  }
  ProcessSetup offline = {kOffline, kSample32, 128, 44100.0};
  instance.processor()->setupProcessing(offline);
  EXPECT_TRUE(instance.plug->IsOfflineRender());
  instance.component()->terminate();
}

TEST(IPlugVST3, ChangeLatencyRestartsTheComponent)
{
  Instance instance;
  instance.component()->initialize(nullptr);
  fakes::ComponentHandler handler;
  instance.controller()->setComponentHandler(&handler);
  instance.plug->ChangeLatency(32);
  EXPECT_EQ(instance.processor()->getLatencySamples(), 32u);
  ASSERT_EQ(handler.log.size(), 1u);
  EXPECT_EQ(handler.log[0], "restart 8");
  instance.plug->BeginHostEdit(0);
  instance.plug->SendHostEditValue(0, 0.25);
  instance.plug->EndHostEdit(0);
  EXPECT_EQ(handler.log[1], "begin 0");
  EXPECT_EQ(handler.log[2], "perform 0 0.250000");
  EXPECT_EQ(handler.log[3], "end 0");
  instance.component()->terminate();
}

TEST(IPlugVST3, StateIs148BytesOnBothFaces)
{
  Instance instance;
  instance.component()->initialize(nullptr);
  fakes::Stream viaComponent, viaController;
  ASSERT_EQ(instance.component()->getState(&viaComponent), kResultOk);
  ASSERT_EQ(instance.controller()->getState(&viaController), kResultOk);
  ASSERT_EQ(viaComponent.bytes.size(), 148u);
  EXPECT_EQ(viaComponent.bytes, viaController.bytes);
  double first;
  std::memcpy(&first, viaComponent.bytes.data(), 8);
  EXPECT_EQ(first, 50.0);
  EXPECT_EQ(viaComponent.bytes[144], 0);

  fakes::Stream full;
  full.capacity = 100;
  EXPECT_EQ(instance.controller()->getState(&full), kResultFalse) << "a short write is reported";
  instance.component()->terminate();
}

TEST(IPlugVST3, SetStateRoundTripsAndSetsBypass)
{
  Instance source, target;
  source.component()->initialize(nullptr);
  target.component()->initialize(nullptr);
  source.controller()->setParamNormalized(0, 0.37);
  source.controller()->setParamNormalized(15, 0.0);
  source.plug->SetBypassed(true);
  fakes::Stream stream;
  ASSERT_EQ(source.controller()->getState(&stream), kResultOk);
  EXPECT_EQ(stream.bytes[144], 1);
  ASSERT_EQ(target.component()->setState(&stream), kResultOk);
  EXPECT_TRUE(target.plug->IsBypassed());
  for (int i = 0; i < 18; ++i)
    EXPECT_EQ(target.plug->GetParam(i)->Value(), source.plug->GetParam(i)->Value()) << i;
  EXPECT_EQ(target.plug->Processing().Ratio(), 37.0 / 100.0 * 20.0);
  source.component()->terminate();
  target.component()->terminate();
}

// After a restore the controller shows the restored bypass, whatever the
// host had set there before.
TEST(IPlugVST3, SetStateSetsTheControllersBypass)
{
  for (const bool restored : {false, true})
  {
    Instance source, target;
    source.component()->initialize(nullptr);
    target.component()->initialize(nullptr);
    source.plug->SetBypassed(restored);
    fakes::Stream stream;
    ASSERT_EQ(source.controller()->getState(&stream), kResultOk);
    target.controller()->setParamNormalized(kBypassParamId, restored ? 0.0 : 1.0);
    ASSERT_EQ(target.controller()->setState(&stream), kResultOk);
    EXPECT_EQ(target.plug->IsBypassed(), restored);
    EXPECT_EQ(target.controller()->getParamNormalized(kBypassParamId), restored ? 1.0 : 0.0);
    source.component()->terminate();
    target.component()->terminate();
  }
}

TEST(IPlugVST3, StreamsThatLeaveTheCountsAloneKeepTheState)
{
  Instance source, target;
  source.component()->initialize(nullptr);
  target.component()->initialize(nullptr);
  source.controller()->setParamNormalized(0, 0.37);
  source.plug->SetBypassed(true);
  fakes::Stream stream;
  stream.reportsCounts = false;
  ASSERT_EQ(source.controller()->getState(&stream), kResultOk);
  ASSERT_EQ(stream.bytes.size(), 148u);
  ASSERT_EQ(target.controller()->setState(&stream), kResultOk);
  EXPECT_EQ(target.plug->GetParam(0)->Value(), 37.0);
  EXPECT_TRUE(target.plug->IsBypassed());
  source.component()->terminate();
  target.component()->terminate();
}

TEST(IPlugVST3, HostileStreams)
{
  Instance instance;
  instance.component()->initialize(nullptr);
  fakes::Stream good;
  instance.controller()->getState(&good);

  // 144 bytes: parameters restored, no bypass word.
  fakes::Stream noBypass;
  noBypass.bytes.assign(good.bytes.begin(), good.bytes.begin() + 144);
  double twenty = 20.0;
  std::memcpy(noBypass.bytes.data(), &twenty, 8);
  EXPECT_EQ(instance.controller()->setState(&noBypass), kResultFalse);
  EXPECT_EQ(instance.plug->GetParam(0)->Value(), 20.0);

  // 12 bytes: the first double restored, the torn second one is not.
  fakes::Stream torn;
  torn.bytes.assign(good.bytes.begin(), good.bytes.begin() + 12);
  double seventy = 70.0, thirty = 30.0;
  std::memcpy(torn.bytes.data(), &seventy, 8);
  std::memcpy(torn.bytes.data() + 8, &thirty, 4);
  EXPECT_EQ(instance.controller()->setState(&torn), kResultFalse);
  EXPECT_EQ(instance.plug->GetParam(0)->Value(), 70.0);
  EXPECT_EQ(instance.plug->GetParam(1)->Value(), 100.0);

  // NaN and infinity keep the current values.
  fakes::Stream bad = good;
  bad.position = 0;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  std::memcpy(bad.bytes.data(), &nan, 8);
  std::memcpy(bad.bytes.data() + 8, &inf, 8);
  EXPECT_EQ(instance.controller()->setState(&bad), kResultOk);
  EXPECT_EQ(instance.plug->GetParam(0)->Value(), 70.0);
  EXPECT_EQ(instance.plug->GetParam(1)->Value(), 100.0);

  fakes::Stream empty;
  EXPECT_EQ(instance.controller()->setState(&empty), kResultFalse);
  EXPECT_EQ(instance.controller()->setState(nullptr), kInvalidArgument);
  instance.component()->terminate();
}

TEST(IPlugVST3, BusArrangements)
{
  Instance instance;
  instance.component()->initialize(nullptr);
  SpeakerArrangement mono = SpeakerArr::kMono, stereo = SpeakerArr::kStereo, two[2] = {stereo, stereo};
  SpeakerArrangement quad = 0x33;
  BusInfo info;
  EXPECT_EQ(instance.processor()->setBusArrangements(&mono, 1, &mono, 1), kResultTrue);
  instance.component()->getBusInfo(kAudio, kInput, 0, info);
  EXPECT_EQ(info.channelCount, 1);
  EXPECT_EQ(Narrow(info.name), "Input");
  EXPECT_EQ(instance.processor()->setBusArrangements(two, 2, &stereo, 1), kResultFalse);
  EXPECT_EQ(instance.processor()->setBusArrangements(&quad, 1, &quad, 1), kResultFalse);
  EXPECT_EQ(instance.processor()->setBusArrangements(&mono, 1, &stereo, 1), kResultFalse);
  EXPECT_EQ(instance.processor()->setBusArrangements(nullptr, 0, &stereo, 1), kResultFalse);
  EXPECT_EQ(instance.processor()->setBusArrangements(&stereo, 1, nullptr, 0), kResultFalse);
  instance.component()->getBusInfo(kAudio, kInput, 0, info);
  EXPECT_EQ(info.channelCount, 1) << "nothing rebuilt for a refused arrangement";
  SpeakerArrangement arrangement = 0;
  EXPECT_EQ(instance.processor()->getBusArrangement(kOutput, 0, arrangement), kResultOk);
  EXPECT_EQ(arrangement, SpeakerArr::kMono);
  instance.component()->terminate();
}

TEST(IPlugVST3, ParameterTextsAndNormalisedValues)
{
  Instance instance;
  instance.component()->initialize(nullptr);
  String128 text;
  ASSERT_EQ(instance.controller()->getParamStringByValue(10, 0.0, text), kResultOk);
  EXPECT_EQ(Narrow(text), "off");
  ASSERT_EQ(instance.controller()->getParamStringByValue(0, 0.5, text), kResultOk);
  EXPECT_EQ(Narrow(text), "50");
  ASSERT_EQ(instance.controller()->getParamStringByValue(0, 1e300, text), kResultOk);
  EXPECT_EQ(Narrow(text), "2147483647");
  EXPECT_EQ(instance.controller()->getParamStringByValue(kBypassParamId, 0.0, text), kResultFalse);
  EXPECT_EQ(instance.controller()->getParamStringByValue(kPresetParamId, 0.0, text), kResultFalse);

  EXPECT_EQ(instance.controller()->getParamNormalized(kPresetParamId), 0.0);
  EXPECT_EQ(instance.controller()->getParamNormalized(kBypassParamId), 0.0);
  EXPECT_EQ(instance.controller()->plainParamToNormalized(0, 150.0), 1.0);
  EXPECT_EQ(instance.controller()->plainParamToNormalized(kBypassParamId, 0.7), 0.7);

  EXPECT_EQ(instance.controller()->setParamNormalized(1, 1.7), kResultOk);
  EXPECT_EQ(instance.plug->GetParam(1)->Value(), 100.0);
  EXPECT_EQ(instance.controller()->setParamNormalized(1, std::numeric_limits<double>::quiet_NaN()), kResultOk);
  EXPECT_EQ(instance.plug->GetParam(1)->Value(), 100.0);
  // The bypass a host sets reads back at once, as process would take it;
  // the audio is left to the parameter queue.
  EXPECT_EQ(instance.controller()->setParamNormalized(kBypassParamId, 0.3), kResultOk);
  EXPECT_EQ(instance.controller()->getParamNormalized(kBypassParamId), 0.0);
  EXPECT_EQ(instance.controller()->setParamNormalized(kBypassParamId, 0.8), kResultOk);
  EXPECT_EQ(instance.controller()->getParamNormalized(kBypassParamId), 1.0);
  EXPECT_EQ(instance.controller()->setParamNormalized(kBypassParamId, std::numeric_limits<double>::quiet_NaN()),
            kResultOk);
  EXPECT_EQ(instance.controller()->getParamNormalized(kBypassParamId), 1.0);
  EXPECT_FALSE(instance.plug->IsBypassed());
  EXPECT_EQ(instance.controller()->setParamNormalized(kPresetParamId, 1.0), kResultFalse);
  instance.component()->terminate();
}

TEST(IPlugVST3, UnitsProgramsMidiAndIdentity)
{
  Instance instance;
  instance.component()->initialize(nullptr);
  IUnitInfo* units = instance.plug;
  UnitInfo unit;
  EXPECT_EQ(units->getUnitCount(), 1);
  ASSERT_EQ(units->getUnitInfo(0, unit), kResultOk);
  EXPECT_EQ(Narrow(unit.name), "Root Unit");
  EXPECT_EQ(unit.parentUnitId, -1);
  EXPECT_EQ(units->getUnitInfo(1, unit), kResultFalse);
  EXPECT_EQ(units->getProgramListCount(), 0);
  ProgramListInfo list;
  ASSERT_EQ(units->getProgramListInfo(0, list), kResultOk);
  EXPECT_EQ(Narrow(list.name), "Factory Presets");
  EXPECT_EQ(list.programCount, 1);
  String128 name;
  ASSERT_EQ(units->getProgramName(static_cast<ProgramListID>(kPresetParamId), 0, name), kResultOk);
  EXPECT_EQ(Narrow(name), "-");
  ASSERT_EQ(units->getProgramName(static_cast<ProgramListID>(kPresetParamId), 5, name), kResultOk);
  EXPECT_EQ(Narrow(name), "");
  EXPECT_EQ(units->getProgramName(3, 0, name), kResultFalse);

  ParamID id = 77;
  EXPECT_EQ(static_cast<IMidiMapping*>(instance.plug)->getMidiControllerAssignment(0, 0, 7, id), kResultFalse);
  EXPECT_EQ(id, 77u);

  EXPECT_STREQ(instance.plug->isA(), "IPlugVST3");
  EXPECT_TRUE(instance.plug->isTypeOf("IPlugVST3", false));
  EXPECT_FALSE(instance.plug->isTypeOf("EditController", false));
  EXPECT_TRUE(instance.plug->isTypeOf("EditController", true));
  EXPECT_TRUE(instance.plug->isTypeOf("FObject", true));
  EXPECT_FALSE(instance.plug->isTypeOf(nullptr, true));
  instance.component()->terminate();
}
}
