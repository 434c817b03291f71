// The VST2 wrapper through its effect record, as a host drives it: the
// record, the dispatcher's opcodes, host identification and the requests
// the plug-in makes of its host.

#include "IGraphics.h"
#include "Vst2Host.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace
{
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(IPlugVST, EffectRecordAsTheHostGetsIt)
{
  Instance instance;
  ASSERT_NE(instance.effect, nullptr);
  const AEffect& e = *instance.effect;
  EXPECT_EQ(e.magic, 0x56737450);
  EXPECT_EQ(e.numPrograms, 1);
  EXPECT_EQ(e.numParams, 18);
  EXPECT_EQ(e.numInputs, 2);
  EXPECT_EQ(e.numOutputs, 2);
  EXPECT_EQ(e.flags, 0x1019);
  EXPECT_EQ(e.uniqueID, 0x5A764C50);
  EXPECT_EQ(e.version, 10301);
  EXPECT_EQ(e.ioRatio, 1.0f);
  EXPECT_EQ(e.initialDelay, 0);
  EXPECT_EQ(e.object, static_cast<IPlugVST*>(instance.plug()));
  EXPECT_EQ(e.dispatcher, &IPlugVST::VSTDispatcher);
  EXPECT_EQ(e.process, &IPlugVST::HostProcessAccumulate);
  EXPECT_EQ(e.processReplacing, &IPlugVST::HostProcessFloat);
  EXPECT_EQ(e.processDoubleReplacing, &IPlugVST::HostProcessDouble);
  EXPECT_EQ(e.setParameter, &IPlugVST::HostSetParameter);
  EXPECT_EQ(e.getParameter, &IPlugVST::HostGetParameter);
  EXPECT_EQ(instance.plug()->ApiKind(), kApiVst2);
  EXPECT_EQ(instance.plug()->GetBlockSize(), 1024);
  EXPECT_TRUE(instance.plug()->IsInputConnected(1));
  EXPECT_TRUE(instance.host.calls.empty()) << "the entry asks the host nothing";
}

// The flags without an editor: mono is offered where a configuration has
// one input.
TEST(IPlugVST, FlagsFollowTheChannelConfigurations)
{
  const struct
  {
    const char* channels;
    int32_t flags;
    int32_t inputs;
    int32_t outputs;
  } cases[] = {{"1-1 2-2", 0x1018, 2, 2}, {"1-2", 0x1018, 1, 2}, {"2-2", 0x1010, 2, 2}, {"4-4 2-2", 0x1010, 4, 4}};
  for (const auto& c : cases)
  {
    TestVstPlug plug(c.channels);
    EXPECT_EQ(plug.Effect()->flags, c.flags) << c.channels;
    EXPECT_EQ(plug.Effect()->numInputs, c.inputs) << c.channels;
    EXPECT_EQ(plug.Effect()->numOutputs, c.outputs) << c.channels;
    EXPECT_EQ(plug.EditRect().bottom, 0);
    EXPECT_EQ(plug.Dispatch(effEditGetRect, 0, 0, nullptr), 0);
  }
}

TEST(IPlugVST, FixedAnswers)
{
  Instance instance;
  const struct
  {
    int32_t opcode;
    int32_t index;
    intptr_t expected;
  } cases[] = {
      {effIdentify, 0, 0x4E764566},  {effGetVstVersion, 0, 2400}, {effGetVendorVersion, 0, 10301},
      {effGetPlugCategory, 0, 1},    {effCanBeAutomated, 7, 1},   {effCanBeAutomated, 99, 1},
      {effGetTailSize, 0, 0},        {effGetProgram, 0, 0},       {effEditIdle, 0, 0},
      {effIdle, 0, 0},               {effProcessVarIo, 0, 0},     {effSetBypass, 0, 0},
      {effSetProgram, 0, 0},         {effSetProgramName, 0, 0},   {effGetChunk, 0, 0},
      {effSetChunk, 0, 0},           {9, 0, 0},                   {70, 0, 0},
      {-1, 0, 0},                    {INT_MAX, 0, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(instance.Dispatch(c.opcode, c.index), c.expected) << c.opcode;
}

TEST(IPlugVST, NoInstanceBehindTheRecordAnswersNothing)
{
  AEffect empty = {};
  EXPECT_EQ(IPlugVST::VSTDispatcher(&empty, effIdentify, 0, 0, nullptr, 0.0f), 0);
  EXPECT_EQ(IPlugVST::VSTDispatcher(nullptr, effIdentify, 0, 0, nullptr, 0.0f), 0);
  EXPECT_EQ(IPlugVST::HostGetParameter(&empty, 0), 0.0f);
  float* buffers[2] = {};
  IPlugVST::HostProcessFloat(&empty, buffers, buffers, 4);
  IPlugVST::HostProcessAccumulate(nullptr, buffers, buffers, 4);
  IPlugVST::HostProcessDouble(&empty, nullptr, nullptr, 4);
  IPlugVST::HostSetParameter(&empty, 0, 0.5f);
}

// What the effect shows of itself, and how the texts are cut to the host's
// buffers: the next byte stays as the host left it.
TEST(IPlugVST, TextsFitTheHostsBuffers)
{
  Instance instance;
  IPlugPreset* preset = instance.plug()->GetPreset(0);
  const struct
  {
    int32_t opcode;
    int32_t index;
    const char* expected;
    intptr_t result;
  } cases[] = {
      {effGetEffectName, 0, "ZelvarLispera", 1},
      {effGetVendorString, 0, "Zelvar", 1},
      {effGetProductString, 0, "", 1},
      {effGetProgramName, 0, "-", 0},
      {effGetProgramNameIndexed, 0, "-", 1},
      {effGetProgramNameIndexed, 1, "", 0},
      {effGetProgramNameIndexed, -1, "", 0},
      {effGetParamName, 0, "Effect Amount", 0},
      {effGetParamLabel, 0, "%", 0},
      {effGetParamDisplay, 0, "50", 0},
      {effGetParamName, 10, "4K on/off", 0},
      {effGetParamLabel, 10, "", 0},
      {effGetParamDisplay, 10, "off", 0},
      {effGetParamDisplay, 11, "on", 0},
      {effGetParamName, 18, "kept", 0},
      {effGetParamDisplay, -1, "kept", 0},
  };
  for (const auto& c : cases)
  {
    char text[256] = "kept";
    EXPECT_EQ(instance.Dispatch(c.opcode, c.index, 0, text), c.result) << c.opcode << " " << c.index;
    EXPECT_STREQ(text, c.expected) << c.opcode << " " << c.index;
  }
  for (int32_t opcode : {effGetEffectName, effGetVendorString, effGetProductString})
    EXPECT_EQ(instance.Dispatch(opcode, 0, 0, nullptr), 0);
  for (int32_t opcode : {effGetProgramName, effGetProgramNameIndexed, effGetParamName, effGetParamLabel,
                         effGetParamDisplay})
    EXPECT_EQ(instance.Dispatch(opcode, 0, 0, nullptr), 0) << opcode;

  // A program name of 255 characters into the host's 24 bytes.
  std::memset(preset->name, 'p', 255);
  preset->name[255] = 0;
  for (int32_t opcode : {effGetProgramName, effGetProgramNameIndexed})
  {
    char text[64];
    std::memset(text, '#', sizeof text);
    instance.Dispatch(opcode, 0, 0, text);
    EXPECT_EQ(std::string(text), std::string(23, 'p')) << opcode;
    EXPECT_EQ(text[24], '#') << opcode;
  }

  // Names of 127 characters into 32 and 64 bytes.
  const std::string longName(127, 'n');
  TestVstPlug plug("1-1 2-2", false, longName.c_str(), longName.c_str(), longName.c_str());
  const struct
  {
    int32_t opcode;
    size_t length;
  } names[] = {{effGetEffectName, 31}, {effGetVendorString, 63}, {effGetProductString, 63}};
  for (const auto& n : names)
  {
    char text[160];
    std::memset(text, '#', sizeof text);
    EXPECT_EQ(plug.Dispatch(n.opcode, 0, 0, text), 1);
    EXPECT_EQ(std::strlen(text), n.length) << n.opcode;
    EXPECT_EQ(text[n.length + 1], '#') << n.opcode;
  }
}

TEST(IPlugVST, CanDo)
{
  Instance instance;
  const struct
  {
    const char* text;
    intptr_t expected;
    int flags;
  } cases[] = {
      {"receiveVstTimeInfo", 1, 0},
      {"sendVstEvents", 0, 0},
      {"sendVstMidiEvent", 0, 0},
      {"receiveVstEvents", 0, 0},
      {"receiveVstMidiEvent", 0, 0},
      {"hasHostVendorExtensions", 0xBEEF0000, 1},
      {"hasHostVendorViewAsConfig", 0xBEEF0000, 3},
      {"hasHostVendorExtensions", 0xBEEF0000, 3},
      {"receiveVstTimeinfo", 0, 3},
      {"", 0, 3},
      {nullptr, 0, 3},
  };
  for (const auto& c : cases)
  {
    EXPECT_EQ(instance.Dispatch(effCanDo, 0, 0, const_cast<char*>(c.text)), c.expected) << (c.text ? c.text : "null");
    EXPECT_EQ(instance.plug()->HostExtensionFlags(), c.flags);
  }
  EXPECT_GT(instance.Dispatch(effCanDo, 0, 0, const_cast<char*>("hasHostVendorExtensions")), 0);

  TestVstPlug midi("1-1 2-2", true);
  for (const char* text : {"sendVstEvents", "sendVstMidiEvent", "receiveVstEvents", "receiveVstMidiEvent"})
    EXPECT_EQ(midi.Dispatch(effCanDo, 0, 0, const_cast<char*>(text)), 1) << text;
}

TEST(IPlugVST, VendorSpecificQueries)
{
  Instance instance;
  const struct
  {
    int32_t index;
    intptr_t value;
    float opt;
    bool buffer;
    intptr_t expected;
    const char* text;
  } cases[] = {
      {7, 0, 0.25f, true, 0xBEEF, "25"},       {7, 1, 1.0f, true, 0xBEEF, "100"},
      {7, 10, 1.0f, true, 0xBEEF, "on"},       {7, 10, 0.0f, true, 0xBEEF, "off"},
      {7, 99, 0.5f, true, 0xBEEF, "kept"},     {7, -1, 0.5f, true, 0xBEEF, "kept"},
      {7, 0, 0.5f, false, 0, nullptr},         {8, 0, 0.0f, false, 0, nullptr},
      {8, 1, 0.0f, false, 0, nullptr},         {8, 2, 0.0f, false, 0xBEEF, nullptr},
      {8, 9, 0.0f, false, 0xBEEF, nullptr},    {8, 10, 0.0f, false, 0xBEEF, nullptr},
      {8, 17, 0.0f, false, 0xBEEF, nullptr},   {8, 18, 0.0f, false, 0, nullptr},
      {8, -1, 0.0f, false, 0, nullptr},        {8, intptr_t{1} << 40, 0.0f, false, 0, nullptr},
      {6, 0, 0.0f, true, 0, "kept"},           {9, 0, 0.0f, true, 0, "kept"},
  };
  for (const auto& c : cases)
  {
    char text[64] = "kept";
    EXPECT_EQ(instance.Dispatch(effVendorSpecific, c.index, c.value, c.buffer ? text : nullptr, c.opt), c.expected)
        << c.index << " " << c.value;
    if (c.text)
    {
      EXPECT_STREQ(text, c.text) << c.index << " " << c.value;
    }
  }
}

TEST(IPlugVST, StringToParameter)
{
  const struct
  {
    int index;
    const char* text;
    intptr_t expected;
    double value;  // after the call; the value before is the default
    bool changed;
  } cases[] = {
      {1, "on", 1, 1.0, true},       {1, "off", 1, 0.0, true},     {1, "ON", 0, 0.0, false},
      {1, "both", 1, 1.0, true},     {1, "", 0, 0.0, false},       {0, "12.5", 1, 12.5, true},
      {0, "250", 1, 24.0, true},     {0, "-99", 1, -24.0, true},   {0, "abc", 1, 0.0, true},
      {0, "3dB", 1, 3.0, true},      {0, "0.3", 1, 0.3, true},     {0, "nan", 0, 0.0, false},
      {0, "-nan", 0, 0.0, false},    {0, "inf", 1, 24.0, true},    {0, nullptr, 1, 0.0, false},
      {18, "1", 0, 0.0, false},      {-1, "1", 0, 0.0, false},
  };
  for (const auto& c : cases)
  {
    TestVstPlug plug;
    EXPECT_EQ(plug.Dispatch(effString2Parameter, c.index, 0, const_cast<char*>(c.text)), c.expected)
        << c.index << " " << (c.text ? c.text : "null");
    if (const IPlugParameter* param = plug.GetParam(c.index))
    {
      EXPECT_EQ(param->Value(), c.value) << (c.text ? c.text : "null");
    }
    const std::vector<std::string> changed = {"changed " + std::to_string(c.index)};
    EXPECT_EQ(plug.log, c.changed ? changed : std::vector<std::string>{}) << (c.text ? c.text : "null");
    EXPECT_TRUE(plug.host.calls.empty());
  }

  TestVstPlug negated;
  negated.GetParam(0)->SetNegateDisplay(true);
  EXPECT_EQ(negated.Dispatch(effString2Parameter, 0, 0, const_cast<char*>("6")), 1);
  EXPECT_EQ(negated.GetParam(0)->Value(), -6.0);
}

// The effect's own cases, and the editor's controls following.
TEST(IPlugVST, StringToParameterOnTheEffect)
{
  Instance instance;
  IGraphics* editor = instance.plug()->GetGUI();
  ASSERT_NE(editor, nullptr);
  auto control = [&](int param) -> IControl* {
    for (int i = 0; i < editor->NControls(); ++i)
      if (editor->GetControl(i)->ParamIdx() == param)
        return editor->GetControl(i);
    return nullptr;
  };
  ASSERT_NE(control(0), nullptr);
  ASSERT_NE(control(10), nullptr);
  EXPECT_EQ(instance.Dispatch(effString2Parameter, 10, 0, const_cast<char*>("on")), 1);
  EXPECT_EQ(instance.plug()->GetParam(10)->Value(), 1.0);
  EXPECT_EQ(control(10)->Value(), 1.0);
  EXPECT_EQ(instance.plug()->Processing().EnabledCount(), 7);
  EXPECT_EQ(instance.Dispatch(effString2Parameter, 10, 0, const_cast<char*>("ON")), 0);
  EXPECT_EQ(instance.plug()->GetParam(10)->Value(), 1.0);
  EXPECT_EQ(instance.Dispatch(effString2Parameter, 0, 0, const_cast<char*>("250")), 1);
  EXPECT_EQ(instance.plug()->GetParam(0)->Value(), 100.0);
  EXPECT_EQ(control(0)->Value(), 1.0);
  EXPECT_EQ(instance.Dispatch(effString2Parameter, 0, 0, const_cast<char*>("abc")), 1);
  EXPECT_EQ(instance.plug()->GetParam(0)->Value(), 0.0);
  EXPECT_EQ(control(0)->Value(), 0.0);
}

TEST(IPlugVST, PinProperties)
{
  TestVstPlug plug("1-1 3-3");
  plug.GetInChannel(2)->label.Set("Side");
  plug.GetOutChannel(1)->label.Set(std::string(100, 'L').c_str());
  const struct
  {
    int32_t opcode;
    int32_t index;
    intptr_t expected;
    int32_t flags;
    std::string label;
  } cases[] = {
      {effGetInputProperties, 0, 1, 3, "Input 1"},    {effGetInputProperties, 1, 1, 1, "Input 2"},
      {effGetInputProperties, 2, 1, 1, "Side"},       {effGetInputProperties, 3, 0, -7, "kept"},
      {effGetInputProperties, -1, 0, -7, "kept"},     {effGetOutputProperties, 0, 1, 3, "Output 1"},
      {effGetOutputProperties, 1, 1, 1, std::string(63, 'L')}, {effGetOutputProperties, 2, 1, 1, "Output 3"},
      {effGetOutputProperties, 3, 0, -7, "kept"},
  };
  for (const auto& c : cases)
  {
    VstPinProperties pin;
    std::memset(&pin, 0x55, sizeof pin);
    std::strcpy(pin.label, "kept");
    pin.flags = -7;
    EXPECT_EQ(plug.Dispatch(c.opcode, c.index, 0, &pin), c.expected) << c.opcode << " " << c.index;
    EXPECT_EQ(pin.flags, c.flags) << c.opcode << " " << c.index;
    EXPECT_EQ(pin.label, c.label) << c.opcode << " " << c.index;
    EXPECT_EQ(pin.arrangementType, 0x55555555) << "only the label and the flags are written";
  }
  EXPECT_EQ(plug.Dispatch(effGetInputProperties, 0, 0, nullptr), 0);
}

TEST(IPlugVST, SpeakerArrangementsConnectTheFirstChannels)
{
  const struct
  {
    int inputs;  // channels of the arrangement given; -100: none given
    int outputs;
    bool connectedIn[3];
    bool connectedOut[3];
  } cases[] = {
      {3, 3, {true, true, true}, {true, true, true}},
      {1, 2, {true, false, false}, {true, true, false}},
      {0, 1, {false, false, false}, {true, false, false}},
      {-1, -2147483647 - 1, {false, false, false}, {false, false, false}},
      {9, -100, {true, true, true}, {true, true, true}},
      {-100, 2, {true, true, true}, {true, true, false}},
  };
  for (const auto& c : cases)
  {
    TestVstPlug plug("3-3");
    VstSpeakerArrangement in = {}, out = {};
    in.numChannels = c.inputs;
    out.numChannels = c.outputs;
    EXPECT_EQ(plug.Dispatch(effSetSpeakerArrangement, 0, c.inputs == -100 ? 0 : reinterpret_cast<intptr_t>(&in),
                            c.outputs == -100 ? nullptr : &out),
              1);
    for (int i = 0; i < 3; ++i)
    {
      EXPECT_EQ(plug.GetInChannel(i)->connected, c.connectedIn[i]) << c.inputs << " input " << i;
      EXPECT_EQ(plug.GetOutChannel(i)->connected, c.connectedOut[i]) << c.outputs << " output " << i;
      if (!plug.GetInChannel(i)->connected)
      {
        EXPECT_EQ(*plug.GetInChannel(i)->slot, plug.GetInChannel(i)->scratch.Get());
      }
    }

    // The stored arrangements are not changed.
    VstSpeakerArrangement* storedIn = nullptr;
    VstSpeakerArrangement* storedOut = nullptr;
    EXPECT_EQ(plug.Dispatch(effGetSpeakerArrangement, 0, reinterpret_cast<intptr_t>(&storedIn), &storedOut), 1);
    ASSERT_TRUE(storedIn && storedOut);
    EXPECT_EQ(storedIn->type, kSpeakerArrUserDefined);
    EXPECT_EQ(storedIn->numChannels, 3);
    EXPECT_EQ(storedOut->numChannels, 3);
  }
}

TEST(IPlugVST, SpeakerArrangementTypesByChannelCount)
{
  const struct
  {
    const char* channels;
    int32_t inputType;
    int32_t outputType;
  } cases[] = {{"0-1", kSpeakerArrEmpty, kSpeakerArrMono}, {"1-2", kSpeakerArrMono, kSpeakerArrStereo},
               {"2-5", kSpeakerArrStereo, kSpeakerArrUserDefined}};
  for (const auto& c : cases)
  {
    TestVstPlug plug(c.channels);
    VstSpeakerArrangement* in = nullptr;
    VstSpeakerArrangement* out = nullptr;
    EXPECT_EQ(plug.Dispatch(effGetSpeakerArrangement, 0, reinterpret_cast<intptr_t>(&in)), 1);
    EXPECT_EQ(plug.Dispatch(effGetSpeakerArrangement, 0, 0, &out), 1);
    ASSERT_TRUE(in && out);
    EXPECT_EQ(in->type, c.inputType) << c.channels;
    EXPECT_EQ(out->type, c.outputType) << c.channels;
    EXPECT_EQ(plug.Dispatch(effGetSpeakerArrangement), 1);
  }
}

TEST(IPlugVST, SampleRateMustBeFiniteAndPositive)
{
  const struct
  {
    float rate;
    double expected;
  } cases[] = {{48000.0f, 48000.0}, {0.0f, 44100.0}, {-44100.0f, 44100.0}, {static_cast<float>(kNaN), 44100.0},
               {static_cast<float>(kInf), 44100.0}, {1.0f, 1.0}};
  for (const auto& c : cases)
  {
    TestVstPlug plug;
    EXPECT_EQ(plug.Dispatch(effSetSampleRate, 0, 0, nullptr, c.rate), 0);
    EXPECT_EQ(plug.GetSampleRate(), c.expected) << c.rate;
    EXPECT_EQ(plug.log, c.expected == 44100.0 ? std::vector<std::string>{} : std::vector<std::string>{"reset"});
  }
}

TEST(IPlugVST, BlockSizeThatCannotBeTakenKeepsTheOneBefore)
{
  const struct
  {
    intptr_t frames;
    int expected;
  } cases[] = {{256, 256}, {0, 1024}, {-1, 1024}, {intptr_t{INT_MAX} + 1, 1024}, {intptr_t{1} << 40, 1024},
               {-(intptr_t{1} << 40), 1024}, {1, 1}};
  for (const auto& c : cases)
  {
    TestVstPlug plug;
    EXPECT_EQ(plug.Dispatch(effSetBlockSize, 0, c.frames), 0);
    EXPECT_EQ(plug.GetBlockSize(), c.expected) << c.frames;
    EXPECT_EQ(plug.GetInChannel(1)->scratch.Count(), c.expected) << c.frames;
    EXPECT_EQ(plug.log, c.expected == 1024 ? std::vector<std::string>{} : std::vector<std::string>{"reset"});
  }
}

TEST(IPlugVST, MainsChanged)
{
  TestVstPlug plug;
  EXPECT_EQ(plug.Dispatch(effMainsChanged, 0, 1), 0);
  EXPECT_EQ(plug.Dispatch(effMainsChanged, 0, 0), 0);
  EXPECT_EQ(plug.log, (std::vector<std::string>{"active", "inactive", "reset"}));
}

// effOpen identifies the host once and tells the plug-in every parameter.
TEST(IPlugVST, OpenPreparesForTheHostOnce)
{
  TestVstPlug plug;
  plug.host.product = "Cubase 12";
  plug.host.vendorVersion = 120005;
  EXPECT_EQ(plug.Dispatch(effOpen), 0);
  std::vector<std::string> expected = {"host init done"};
  for (int i = 0; i < 18; ++i)
    expected.push_back("changed " + std::to_string(i));
  EXPECT_EQ(plug.log, expected);
  EXPECT_EQ(plug.GetHost(), kHostCubase);
  EXPECT_EQ(plug.GetHostVersion(), 0x000C0005);
  ASSERT_EQ(plug.host.calls.size(), 2u);
  EXPECT_EQ(plug.host.calls[0].opcode, audioMasterGetProductString);
  EXPECT_EQ(plug.host.calls[1].opcode, audioMasterGetVendorVersion);

  plug.log.clear();
  plug.Dispatch(effOpen);
  EXPECT_EQ(plug.log.size(), 18u) << "a second set-up does nothing";
  EXPECT_EQ(plug.host.calls.size(), 2u);
}

TEST(IPlugVST, HostVersionFromTheDecimalAnswer)
{
  const struct
  {
    const char* product;
    intptr_t decimal;
    HostApplication host;
    int version;
    size_t calls;
  } cases[] = {
      {"REAPER", 2015, kHostReaper, 0x0000140F, 2},
      {"Cubase", 10000, kHostCubase, 0x00010000, 2},
      {"Live", 110203, kHostAbletonLive, 0x000B0203, 2},
      {"Chainer", 0, kHostChainer, 0, 2},
      {"Chainer", intptr_t{1} << 40, kHostChainer, 0, 2},  // a 32-bit number
      {"", 2015, kHostUnknown, 0, 1},
  };
  for (const auto& c : cases)
  {
    TestVstPlug plug;
    plug.host.product = c.product;
    plug.host.vendorVersion = c.decimal;
    EXPECT_EQ(plug.QueryHost(), c.host) << c.product;
    EXPECT_EQ(plug.GetHostVersion(), c.version) << c.product;
    EXPECT_EQ(plug.host.calls.size(), c.calls) << c.product;
    EXPECT_EQ(plug.QueryHost(), c.host);
    EXPECT_EQ(plug.host.calls.size(), c.calls) << "asked once";
  }
}

// Some hosts offer more channels than they feed: a plug-in wider than
// stereo is limited there. The effect's two channels are never touched.
TEST(IPlugVST, StereoOnlyHostsLimitWiderPlugIns)
{
  const struct
  {
    const char* product;
    bool limited;
  } cases[] = {{"Forte", true},  {"Adobe Audition", true}, {"Orion", true}, {"SAWStudio", true},
               {"Chainer", false}, {"REAPER", false}, {"", false}};
  for (const auto& c : cases)
  {
    TestVstPlug plug("4-4");
    plug.host.product = c.product;
    VstSpeakerArrangement stereo = {};
    stereo.numChannels = 2;
    plug.Dispatch(effSetSpeakerArrangement, 0, 0, &stereo);
    plug.Dispatch(effOpen);
    for (int i = 0; i < 4; ++i)
    {
      EXPECT_EQ(plug.GetInChannel(i)->connected, i < 2 || !c.limited) << c.product << " input " << i;
      EXPECT_EQ(plug.GetOutChannel(i)->connected, i < 2 || c.limited) << c.product << " output " << i;
    }
    EXPECT_EQ(plug.Effect()->numInputs, 4);
    EXPECT_EQ(plug.Effect()->numOutputs, 4);
  }

  Instance instance;
  instance.host.product = "Adobe Audition";
  VstSpeakerArrangement mono = {};
  mono.numChannels = 1;
  instance.Dispatch(effSetSpeakerArrangement, 0, reinterpret_cast<intptr_t>(&mono), &mono);
  instance.Dispatch(effOpen);
  EXPECT_EQ(instance.plug()->GetHost(), kHostAudition);
  EXPECT_FALSE(instance.plug()->GetInChannel(1)->connected);
  EXPECT_FALSE(instance.plug()->GetOutChannel(1)->connected);
  EXPECT_EQ(instance.effect->numInputs, 2);
}

// Inputs from the third on are disconnected; with three outputs or more,
// the outputs from the third on are connected (all were disconnected here).
TEST(IPlugVST, LimitToStereoIO)
{
  const struct
  {
    const char* channels;
    bool inputs[4];
    bool outputs[4];
  } cases[] = {
      {"2-2", {true, true}, {false, false}},
      {"3-2", {true, true, false}, {false, false}},
      {"2-3", {true, true}, {false, false, true}},
      {"4-4", {true, true, false, false}, {false, false, true, true}},
      {"1-1", {true}, {false}},
  };
  for (const auto& c : cases)
  {
    TestVstPlug plug(c.channels);
    plug.SetOutputChannelConnections(0, plug.NOutChannels(), false);
    plug.LimitToStereoIO();
    for (int i = 0; i < plug.NInChannels(); ++i)
    {
      const IPlugInputChannel* input = plug.GetInChannel(i);
      EXPECT_EQ(input->connected, c.inputs[i]) << c.channels << " input " << i;
      if (!input->connected)
      {
        EXPECT_EQ(*input->slot, input->scratch.Get()) << c.channels << " input " << i;
      }
    }
    for (int i = 0; i < plug.NOutChannels(); ++i)
      EXPECT_EQ(plug.GetOutChannel(i)->connected, c.outputs[i]) << c.channels << " output " << i;
  }
}

// A host may hand over a null callback: the plug-in then asks nothing.
TEST(IPlugVST, NullHostCallbackIsTolerated)
{
  Instance instance(nullptr);
  ASSERT_NE(instance.effect, nullptr);
  Vst2Effect* plug = instance.plug();
  EXPECT_EQ(instance.Dispatch(effOpen), 0);
  EXPECT_EQ(plug->GetHost(), kHostUnknown);
  EXPECT_EQ(plug->GetHostVersion(), 0);
  EXPECT_EQ(plug->GetSamplePosition(), 0.0);
  EXPECT_EQ(plug->GetHostTempo(), 0.0);
  EXPECT_FALSE(plug->IsOfflineRender());
  IMidiEvent note;
  EXPECT_FALSE(plug->SendMidiEvent(&note));
  plug->BeginHostEdit(0);
  plug->SetParameterFromGUI(0, 0.25);
  plug->EndHostEdit(0);
  plug->RefreshHostDisplay();
  EXPECT_EQ(plug->GetParam(0)->Value(), 25.0);
}

TEST(IPlugVST, SamplePosition)
{
  const struct
  {
    bool record;
    double position;
    double expected;
  } cases[] = {
      {false, 1000.0, 0.0},         {true, 1000.4, 1000.0},   {true, 1000.5, 1001.0},
      {true, 0.0, 0.0},             {true, -1.0, 0.0},        {true, kNaN, 0.0},
      {true, 1e12, 2147483647.0},   {true, kInf, 2147483647.0}, {true, 2147483646.7, 2147483647.0},
  };
  for (const auto& c : cases)
  {
    TestVstPlug plug;
    plug.host.hasTime = c.record;
    plug.host.time.samplePos = c.position;
    plug.host.time.flags = 0;
    EXPECT_EQ(plug.GetSamplePosition(), c.expected) << c.position;
    ASSERT_EQ(plug.host.calls.size(), 1u);
    EXPECT_EQ(plug.host.calls[0].opcode, audioMasterGetTime);
    EXPECT_EQ(plug.host.calls[0].value, 0);
  }
}

TEST(IPlugVST, HostTempoAndTimeSignature)
{
  const struct
  {
    bool record;
    int32_t flags;
    double tempo;
    int numerator, denominator;
    double expectedTempo;
    int expectedNumerator, expectedDenominator;
  } cases[] = {
      {false, 0x2400, 120.0, 3, 4, 0.0, 0, 0},   {true, 0x2400, 120.0, 3, 4, 120.0, 3, 4},
      {true, 0x0400, 90.0, 3, 4, 90.0, 0, 0},    {true, 0x2000, 90.0, 7, 8, 0.0, 7, 8},
      {true, 0x2400, -1.0, -3, 4, 0.0, 0, 0},    {true, 0x2400, 0.0, 0, 0, 0.0, 0, 0},
  };
  for (const auto& c : cases)
  {
    TestVstPlug plug;
    plug.host.hasTime = c.record;
    plug.host.time.flags = c.flags;
    plug.host.time.tempo = c.tempo;
    plug.host.time.timeSigNumerator = c.numerator;
    plug.host.time.timeSigDenominator = c.denominator;
    EXPECT_EQ(plug.GetHostTempo(), c.expectedTempo) << c.flags;
    int numerator = -5, denominator = -5;
    plug.GetHostTimeSignature(&numerator, &denominator);
    EXPECT_EQ(numerator, c.expectedNumerator) << c.flags;
    EXPECT_EQ(denominator, c.expectedDenominator) << c.flags;
    ASSERT_EQ(plug.host.calls.size(), 2u);
    EXPECT_EQ(plug.host.calls[0].value, 0x400);
    EXPECT_EQ(plug.host.calls[1].value, 0x2000);
  }
}

// Only the fields whose validity flag is set, and whose values make sense,
// are written; the rest keep what the caller put in.
TEST(IPlugVST, TransportInfo)
{
  const double k = -77.0;  // what the caller put in
  const struct
  {
    bool record;
    int32_t flags;
    double ppq, tempo, bar, cycleStart, cycleEnd;
    int numerator, denominator;
    TransportInfo expected;
  } cases[] = {
      {false, 0x3E06, 8.0, 120.0, 4.0, 2.0, 6.0, 3, 4, {k, k, k, k, k, k, -7, -7, false, false}},
      {true, 0x0006, 8.0, 120.0, 4.0, 2.0, 6.0, 3, 4, {k, k, k, k, k, k, -7, -7, false, false}},
      {true, 0x0400, 8.0, 120.0, 4.0, 2.0, 6.0, 3, 4, {120.0, 512.0, k, k, k, k, -7, -7, false, false}},
      {true, 0x0402, 8.0, 0.0, 4.0, 2.0, 6.0, 3, 4, {k, 512.0, k, k, k, k, -7, -7, true, false}},
      {true, 0x3E06, 8.0, 120.0, 4.0, 2.0, 6.0, 3, 4, {120.0, 512.0, 8.0, 4.0, 2.0, 6.0, 3, 4, true, true}},
      {true, 0x3E04, -1.0, -1.0, -1.0, -1.0, 6.0, 0, 4, {k, 512.0, k, k, k, k, -7, -7, false, true}},
      {true, 0x3E00, 0.0, 1.0, 0.0, 0.0, 0.0, 1, 1, {1.0, 512.0, 0.0, 0.0, 0.0, 0.0, 1, 1, false, false}},
  };
  for (const auto& c : cases)
  {
    TestVstPlug plug;
    plug.host.hasTime = c.record;
    VstTimeInfo& time = plug.host.time;
    time.flags = c.flags;
    time.samplePos = 512.0;
    time.ppqPos = c.ppq;
    time.tempo = c.tempo;
    time.barStartPos = c.bar;
    time.cycleStartPos = c.cycleStart;
    time.cycleEndPos = c.cycleEnd;
    time.timeSigNumerator = c.numerator;
    time.timeSigDenominator = c.denominator;
    TransportInfo info = {k, k, k, k, k, k, -7, -7, false, false};
    plug.GetTransportInfo(&info);
    const TransportInfo& e = c.expected;
    EXPECT_EQ(info.tempo, e.tempo) << c.flags;
    EXPECT_EQ(info.samplePosition, e.samplePosition) << c.flags;
    EXPECT_EQ(info.musicalPosition, e.musicalPosition) << c.flags;
    EXPECT_EQ(info.lastBarPosition, e.lastBarPosition) << c.flags;
    EXPECT_EQ(info.cycleStart, e.cycleStart) << c.flags;
    EXPECT_EQ(info.cycleEnd, e.cycleEnd) << c.flags;
    EXPECT_EQ(info.numerator, e.numerator) << c.flags;
    EXPECT_EQ(info.denominator, e.denominator) << c.flags;
    EXPECT_EQ(info.playing, e.playing) << c.flags;
    EXPECT_EQ(info.cycling, e.cycling) << c.flags;
    ASSERT_EQ(plug.host.calls.size(), 1u);
    EXPECT_EQ(plug.host.calls[0].value, 0x3E00);
  }
}

TEST(IPlugVST, HostEditsAndRequests)
{
  TestVstPlug plug;
  plug.BeginHostEdit(3);
  plug.SendHostEditValue(3, 0.75);
  plug.EndHostEdit(3);
  plug.RefreshHostDisplay();
  const std::vector<std::pair<int32_t, int32_t>> expected = {{audioMasterBeginEdit, 3},
                                                             {audioMasterAutomate, 3},
                                                             {audioMasterEndEdit, 3},
                                                             {audioMasterUpdateDisplay, 0}};
  ASSERT_EQ(plug.host.calls.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i)
  {
    EXPECT_EQ(plug.host.calls[i].opcode, expected[i].first);
    EXPECT_EQ(plug.host.calls[i].index, expected[i].second);
  }
  EXPECT_EQ(plug.host.calls[1].opt, 0.75f);

  for (intptr_t level : {0, 1, 2, 3, 4, 5})
  {
    plug.host.processLevel = level;
    EXPECT_EQ(plug.IsOfflineRender(), level == 4) << level;
  }
}

TEST(IPlugVST, MidiAndSysExOut)
{
  TestVstPlug plug;
  IMidiEvent note;
  note.offset = 17;
  note.status = 0x91;
  note.data1 = 64;
  note.data2 = 127;
  EXPECT_TRUE(plug.SendMidiEvent(&note));
  ASSERT_EQ(plug.host.eventCounts, std::vector<int32_t>{1});
  VstMidiEvent midi;
  std::memcpy(&midi, plug.host.lastEvent, sizeof midi);
  EXPECT_EQ(midi.type, kVstMidiType);
  EXPECT_EQ(midi.byteSize, 32);
  EXPECT_EQ(midi.deltaFrames, 17);
  EXPECT_EQ(midi.flags, 0);
  EXPECT_EQ(static_cast<unsigned char>(midi.midiData[0]), 0x91);
  EXPECT_EQ(midi.midiData[1], 64);
  EXPECT_EQ(static_cast<unsigned char>(midi.midiData[2]), 127);
  EXPECT_EQ(midi.midiData[3], 0);

  const unsigned char bytes[] = {0xF0, 0x7E, 0xF7};
  ISysExEvent sysex;
  sysex.offset = 5;
  sysex.size = 3;
  sysex.data = bytes;
  plug.host.eventsAnswer = 0;
  EXPECT_FALSE(plug.SendSysExEvent(&sysex));
  VstMidiSysexEvent dump;
  std::memcpy(&dump, plug.host.lastEvent, sizeof dump);
  EXPECT_EQ(dump.type, kVstSysExType);
  EXPECT_EQ(dump.byteSize, 48);
  EXPECT_EQ(dump.deltaFrames, 5);
  EXPECT_EQ(dump.dumpBytes, 3);
  EXPECT_EQ(dump.sysexDump, reinterpret_cast<const char*>(bytes));
  EXPECT_EQ(dump.resvd1, 0);
  EXPECT_EQ(dump.resvd2, 0);
  EXPECT_FALSE(plug.SendMidiEvent(nullptr));
  EXPECT_FALSE(plug.SendSysExEvent(nullptr));
}

TEST(IPlugVST, ProcessEvents)
{
  TestVstPlug plug;
  VstMidiEvent note = {};
  note.type = kVstMidiType;
  note.byteSize = sizeof note;
  note.deltaFrames = 9;
  note.midiData[0] = static_cast<char>(0x90);
  note.midiData[1] = 60;
  note.midiData[2] = 100;
  char dumpBytes[] = "\xF0hi\xF7";
  VstMidiSysexEvent sysex = {};
  sysex.type = kVstSysExType;
  sysex.byteSize = sizeof sysex;
  sysex.deltaFrames = 2;
  sysex.dumpBytes = 4;
  sysex.sysexDump = dumpBytes;
  VstEvent other = {};
  other.type = 5;
  // More events than the two the record declares.
  struct
  {
    int32_t numEvents;
    intptr_t reserved;
    VstEvent* events[5];
  } list = {5, 0, {reinterpret_cast<VstEvent*>(&note), nullptr, &other, reinterpret_cast<VstEvent*>(&sysex),
                   reinterpret_cast<VstEvent*>(&note)}};
  EXPECT_EQ(plug.Dispatch(effProcessEvents, 0, 0, &list), 1);
  EXPECT_EQ(plug.log, (std::vector<std::string>{"midi 9 144 60 100", "sysex 2 4 \xF0hi\xF7", "midi 9 144 60 100"}));

  plug.log.clear();
  list.numEvents = -3;
  EXPECT_EQ(plug.Dispatch(effProcessEvents, 0, 0, &list), 1);
  EXPECT_EQ(plug.Dispatch(effProcessEvents, 0, 0, nullptr), 0);
  EXPECT_TRUE(plug.log.empty());
}

// The effect passes MIDI through to its host (it has no use of its own for it).
TEST(IPlugVST, EffectPassesMidiThrough)
{
  Instance instance;
  VstMidiEvent note = {};
  note.type = kVstMidiType;
  note.midiData[0] = static_cast<char>(0x80);
  VstEvents list = {1, 0, {reinterpret_cast<VstEvent*>(&note), nullptr}};
  EXPECT_EQ(instance.Dispatch(effProcessEvents, 0, 0, &list), 1);
  EXPECT_EQ(instance.host.Count(audioMasterProcessEvents), 1);
}

TEST(IPlugVST, MidiKeyNames)
{
  TestVstPlug plug;
  MidiKeyName key = {};
  std::strcpy(key.keyName, "kept");
  key.thisKeyNumber = 61;
  EXPECT_EQ(plug.Dispatch(effGetMidiKeyName, 0, 0, &key), 0);
  EXPECT_STREQ(key.keyName, "");
  key.thisKeyNumber = 60;
  key.reserved = 0x1234;
  EXPECT_EQ(plug.Dispatch(effGetMidiKeyName, 0, 0, &key), 1);
  EXPECT_EQ(std::string(key.keyName), std::string(63, 'C'));
  EXPECT_EQ(key.reserved, 0x1234);
  EXPECT_EQ(plug.Dispatch(effGetMidiKeyName, 0, 0, nullptr), 0);
}

TEST(IPlugVST, EditorRectangleFollowsTheEditor)
{
  Instance instance;
  ERect* rect = nullptr;
  EXPECT_EQ(instance.Dispatch(effEditGetRect, 0, 0, &rect), 1);
  ASSERT_EQ(rect, &instance.plug()->EditRect());
  EXPECT_EQ(rect->top, 0);
  EXPECT_EQ(rect->left, 0);
  EXPECT_EQ(rect->bottom, 230);
  EXPECT_EQ(rect->right, 500);
  instance.plug()->GetGUI()->ResizeEditor(640, 300);
  EXPECT_EQ(rect->bottom, 300);
  EXPECT_EQ(rect->right, 640);
  EXPECT_TRUE(instance.host.calls.empty()) << "the host is not told";
  EXPECT_EQ(instance.Dispatch(effEditGetRect, 0, 0, nullptr), 0);
  EXPECT_EQ(instance.Dispatch(effEditOpen, 0, 0, nullptr), 0);
  EXPECT_EQ(instance.Dispatch(effEditClose), 1);

  TestVstPlug plug;
  EXPECT_EQ(plug.Dispatch(effEditOpen, 0, 0, &rect), 0);
  EXPECT_EQ(plug.Dispatch(effEditClose), 0);
  plug.AttachEditor(nullptr);
  EXPECT_EQ(plug.Effect()->flags & effFlagsHasEditor, 0);
}

TEST(IPlugVST, LatencyIsTheInitialDelay)
{
  TestVstPlug plug;
  plug.ChangeLatency(64);
  EXPECT_EQ(plug.Effect()->initialDelay, 64);
  EXPECT_EQ(plug.GetLatency(), 64);
  EXPECT_TRUE(plug.host.calls.empty()) << "the host is not told";
}

TEST(IPlugVST, CloseDeletesTheInstance)
{
  // Under AddressSanitizer a leak or a use after the delete fails here.
  AEffect* effect = VSTPluginMain(FakeHost::Callback);
  ASSERT_NE(effect, nullptr);
  EXPECT_EQ(effect->dispatcher(effect, effOpen, 0, 0, nullptr, 0.0f), 0);
  EXPECT_EQ(effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f), 0);
}
}
