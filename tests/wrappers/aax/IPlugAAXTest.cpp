// The AAX wrapper's parameters as the host sees them, the host's values
// back into the framework, edits in the editor as requests, transport,
// editor size, latency and the life cycle.

#include "AAX_CIPlugTaperDelegate.h"
#include "AAX_VViewContainer.h"
#include "AaxInstance.h"
#include "DeEsserBands.h"
#include "IControl.h"
#include "IGraphics.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

namespace
{
std::string Text(const AAX_CString& text) { return text.CString(); }

// The first control bound to a framework parameter.
const IControl* ControlOf(IPlugBase* plug, int paramIdx)
{
  for (int i = 0; i < plug->GetGUI()->NControls(); ++i)
    if (plug->GetGUI()->GetControl(i)->ParamIdx() == paramIdx)
      return plug->GetGUI()->GetControl(i);
  return nullptr;
}

// The band lights have no kind: the host sees the master bypass and the
// eleven parameters that have one.
TEST_F(AaxInstance, ElevenParametersMasterBypassFirst)
{
  int32_t count = 0;
  EXPECT_EQ(face->CountParameters(&count), 0);
  EXPECT_EQ(count, 11);
  const char* const order[] = {"MasterBypassID", "1", "2", "11", "12", "13", "14", "15", "16", "17", "18"};
  AAX_CString id;
  for (int32_t i = 0; i < 11; ++i)
  {
    EXPECT_EQ(face->ParameterIdAt(i, &id), 0);
    EXPECT_EQ(Text(id), order[i]);
  }
  EXPECT_EQ(face->ParameterIdAt(11, &id), kAAXNoParameter);
  EXPECT_EQ(Text(id), "");
  EXPECT_EQ(face->GetMasterBypassId(&id), 0);
  EXPECT_EQ(Text(id), "MasterBypassID");
  // Every framework parameter has its identifier text.
  for (int i = 0; i < plug->NParams(); ++i)
    EXPECT_STREQ(plug->ParameterIdentifier(i), std::to_string(i + 1).c_str());
  EXPECT_EQ(plug->ParameterIdentifier(18), nullptr);
  EXPECT_EQ(plug->ParameterIdentifier(-1), nullptr);
  EXPECT_EQ(host.log.CallsOf("automation").size(), 11u);
}

TEST_F(AaxInstance, NamesStepsKindsAndDefaults)
{
  struct Row
  {
    const char* id;
    const char* name;
    int32_t steps;
    int32_t kind;
    double normalizedDefault;
  };
  std::vector<Row> rows = {
    {"MasterBypassID", "Master Bypass", 2, 0, 0.0},
    {"1", "Effect Amount", 128, 1, 0.5},
    {"2", "DryWet", 128, 1, 1.0},
  };
  for (int band = 0; band < kBands; ++band)
  {
    static std::string ids[kBands];
    ids[band] = std::to_string(11 + band);
    rows.push_back({ids[band].c_str(), kDeEsserBands[band].switchName, 2, 0,
                    kDeEsserBands[band].enabledByDefault ? 1.0 : 0.0});
  }
  for (const Row& row : rows)
  {
    AAX_CString name;
    int32_t steps = 0, kind = -1;
    double normalized = -1;
    bool automatable = false;
    EXPECT_EQ(face->GetParameterNameText(row.id, &name), 0);
    EXPECT_EQ(Text(name), row.name);
    EXPECT_EQ(face->CountParameterSteps(row.id, &steps), 0);
    EXPECT_EQ(steps, row.steps) << row.id;
    EXPECT_EQ(face->GetParameterKind(row.id, &kind), 0);
    EXPECT_EQ(kind, row.kind) << row.id;
    EXPECT_EQ(face->GetParameterDefault(row.id, &normalized), 0);
    EXPECT_EQ(normalized, row.normalizedDefault) << row.id;
    EXPECT_EQ(face->GetParameterNormalized(row.id, &normalized), 0);
    EXPECT_EQ(normalized, row.normalizedDefault) << row.id;
    EXPECT_EQ(face->IsParameterAutomatable(row.id, &automatable), 0);
    EXPECT_TRUE(automatable) << row.id;
  }
  int32_t steps = -1;
  EXPECT_EQ(face->CountParameterSteps("3", &steps), kAAXNoParameter);
  EXPECT_EQ(steps, -1);
}

TEST_F(AaxInstance, Texts)
{
  struct Case
  {
    const char* id;
    double normalized;  // NaN: the current value
    int32_t limit;
    const char* text;
  };
  const double current = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
    {"1", current, 32, "50.00%"},
    {"1", 0.25, 5, "25.00"},  // the unit only when it fits
    {"1", 0.25, 6, "25.00%"},
    {"2", current, 32, "100.00%"},
    {"11", 0.0, 32, "off"},
    {"11", 1.0, 32, "on"},
    {"12", current, 32, "on"},
    {"MasterBypassID", 0.0, 32, "bypass"},
    {"MasterBypassID", 1.0, 32, "on"},
  };
  for (const Case& c : cases)
  {
    AAX_CString text;
    if (std::isnan(c.normalized))
      EXPECT_EQ(face->FormatCurrentParameterValue(c.id, &text, c.limit), 0);
    else
      EXPECT_EQ(face->FormatParameterValue(c.id, c.normalized, &text, c.limit), 0);
    EXPECT_EQ(Text(text), c.text) << c.id << " " << c.normalized << " " << c.limit;
  }
  double normalized = 0;
  const AAX_CString on("on"), typed("25");
  EXPECT_EQ(face->ParseParameterText("14", &normalized, &on), 0);
  EXPECT_EQ(normalized, 1.0);
  EXPECT_EQ(face->ParseParameterText("1", &normalized, &typed), 0);
  EXPECT_EQ(normalized, 0.25);
}

TEST_F(AaxInstance, HostUpdatesReachTheFramework)
{
  const IControl* control = ControlOf(plug, 10);
  ASSERT_NE(control, nullptr);
  auto* effect = static_cast<AaxEffect*>(plug);
  const int enabled = effect->Processing().EnabledCount();

  EXPECT_EQ(face->UpdateParameterFromHost("11", 1.0, 0), 0);
  EXPECT_EQ(plug->GetParam(10)->Value(), 1.0);
  EXPECT_EQ(control->Value(), 1.0);
  EXPECT_EQ(effect->Processing().EnabledCount(), enabled + 1);
  EXPECT_EQ(Changes(), 1);

  EXPECT_EQ(face->UpdateParameterFromHost("1", 0.3, 0), 0);
  EXPECT_EQ(plug->GetParam(0)->Value(), 30.0);
  EXPECT_DOUBLE_EQ(effect->Processing().Ratio(), 30.0 / 100.0 * 20.0);
  EXPECT_EQ(Changes(), 2);

  // The master bypass is no framework parameter.
  StateChunk before, after;
  plug->SerializePlugState(&before);
  EXPECT_EQ(face->UpdateParameterFromHost("MasterBypassID", 1.0, 0), 0);
  plug->SerializePlugState(&after);
  EXPECT_EQ(std::memcmp(before.Get(), after.Get(), before.Size()), 0);
  double normalized = 0;
  face->GetParameterNormalized("MasterBypassID", &normalized);
  EXPECT_EQ(normalized, 1.0);
  EXPECT_EQ(Changes(), 3);
}

TEST_F(AaxInstance, HostUpdatesThatChangeNothing)
{
  struct Case
  {
    const char* id;
    double normalized;
    int32_t result;
  };
  const Case cases[] = {
    {"3", 1.0, kAAXNoParameter},  // a band light
    {"19", 0.5, kAAXNoParameter},
    {"", 0.5, kAAXNoParameter},
    {nullptr, 0.5, kAAXNoParameter},
    {"1", std::numeric_limits<double>::quiet_NaN(), kAAXNoText},
    {"1", std::numeric_limits<double>::infinity(), kAAXNoText},
    {"MasterBypassID", -std::numeric_limits<double>::infinity(), kAAXNoText},
  };
  StateChunk before;
  plug->SerializePlugState(&before);
  host.log.calls.clear();
  for (const Case& c : cases)
    EXPECT_EQ(face->UpdateParameterFromHost(c.id, c.normalized, 0), c.result) << (c.id ? c.id : "null");
  StateChunk after;
  plug->SerializePlugState(&after);
  EXPECT_EQ(std::memcmp(before.Get(), after.Get(), before.Size()), 0);
  EXPECT_TRUE(host.log.calls.empty());
  EXPECT_EQ(Changes(), 0);
  double normalized = -1;
  face->GetParameterNormalized("MasterBypassID", &normalized);
  EXPECT_EQ(normalized, 0.0);
}

TEST_F(AaxInstance, EditorEditsAreRequestsToTheHost)
{
  host.log.calls.clear();
  plug->SetParameterFromGUI(0, 0.3);
  plug->BeginHostEdit(11);
  plug->EndHostEdit(11);
  plug->BeginHostEdit(3);  // a band light: no host parameter
  plug->SendHostEditValue(3, 1.0);
  plug->EndHostEdit(3);
  plug->SendHostEditValue(40, 1.0);
  EXPECT_EQ(host.log.calls,
            (std::vector<std::string>{"automation.PostTouch(1)", "automation.PostSetValueRequest(1,0.3)",
                                      "automation.PostReleaseTouch(1)", "automation.PostTouch(12)",
                                      "automation.PostReleaseTouch(12)"}));
  // The host's answer sets the AAX parameter.
  double normalized = 0;
  face->GetParameterNormalized("1", &normalized);
  EXPECT_EQ(normalized, 0.5);
  face->UpdateParameterFromHost("1", 0.3, 0);
  face->GetParameterNormalized("1", &normalized);
  EXPECT_DOUBLE_EQ(normalized, 0.3);
}

TEST_F(AaxInstance, PrivateDataNamesTheObject)
{
  void* cell[2] = {nullptr, reinterpret_cast<void*>(7)};
  EXPECT_EQ(face->GetPrivateData(8, cell, sizeof cell[0]), 0);
  EXPECT_EQ(cell[0], static_cast<void*>(static_cast<AAX_CIPlugParameters*>(plug)));
  EXPECT_EQ(cell[0], static_cast<void*>(face));
  EXPECT_EQ(cell[1], reinterpret_cast<void*>(7));

  unsigned char bytes[16];
  std::memset(bytes, 0xAB, sizeof bytes);
  EXPECT_EQ(face->GetPrivateData(5, bytes, 16), 0);
  for (unsigned char byte : bytes)
    EXPECT_EQ(byte, 0);
  // Too small a cell holds no address at all.
  std::memset(bytes, 0xAB, sizeof bytes);
  EXPECT_EQ(face->GetPrivateData(8, bytes, sizeof(void*) - 1), 0);
  for (size_t i = 0; i < sizeof bytes; ++i)
    EXPECT_EQ(bytes[i], i < sizeof(void*) - 1 ? 0 : 0xAB) << i;
  EXPECT_EQ(face->GetPrivateData(8, nullptr, sizeof(void*)), 0);
}

TEST(AaxTaperDelegate, FrameworkMapping)
{
  const AAX_CIPlugTaperDelegate linear(0, 10, 1);
  EXPECT_EQ(linear.NormalizedToReal(1.5), 10.0);
  EXPECT_EQ(linear.RealToNormalized(-3), 0.0);
  EXPECT_EQ(linear.RealToNormalized(12), 1.0);
  EXPECT_EQ(linear.ConstrainValue(11), 10.0);
  const AAX_CIPlugTaperDelegate squared(0, 100, 2);
  EXPECT_EQ(squared.NormalizedToReal(0.5), 25.0);
  EXPECT_EQ(squared.RealToNormalized(25), 0.5);
  const std::unique_ptr<AAX_ITaperDelegate<double>> clone(squared.Clone());
  EXPECT_EQ(clone->MinimumValue(), 0.0);
  EXPECT_EQ(clone->MaximumValue(), 100.0);
  EXPECT_EQ(clone->NormalizedToReal(0.5), 25.0);
  // A range the wrong way round: the maximum is tested first.
  const AAX_CIPlugTaperDelegate inverted(10, 0, 1);
  EXPECT_EQ(inverted.ConstrainValue(5), 0.0);
}

TEST_F(AaxInstance, TransportBeforeAnyBlockIsZero)
{
  EXPECT_EQ(plug->GetHostTempo(), 0.0);
  EXPECT_EQ(plug->GetSamplePosition(), 0.0);
  int numerator = -1, denominator = -1;
  plug->GetHostTimeSignature(&numerator, &denominator);
  EXPECT_EQ(numerator, 0);
  EXPECT_EQ(denominator, 0);
  TransportInfo info;
  info.tempo = info.cycleEnd = 5;
  info.playing = true;
  plug->GetTransportInfo(&info);
  EXPECT_EQ(info.tempo, 0.0);
  EXPECT_EQ(info.cycleEnd, 0.0);
  EXPECT_FALSE(info.playing);
  plug->GetHostTimeSignature(nullptr, nullptr);
  plug->GetTransportInfo(nullptr);
}

TEST_F(AaxInstance, TransportOfTheLastBlock)
{
  std::vector<float> in(64, 0.0f), out(64, 0.0f);
  float* ins[2] = {in.data(), in.data()};
  float* outs[2] = {out.data(), out.data()};
  Block block(face, ins, outs, 64);
  hostfakes::BlockTransport& transport = block.transportNode.transport;
  transport.tempo = 96.5;
  transport.numerator = 6;
  transport.denominator = 8;
  transport.playing = transport.looping = true;
  transport.ticks = 2 * 960000;
  transport.samples = (int64_t(1) << 32) + 5;
  transport.loopStart = 960000;
  transport.loopEnd = 4 * 960000 + 480000;
  testing::internal::CaptureStdout();
  block.Process();
  testing::internal::GetCapturedStdout();

  EXPECT_EQ(plug->GetHostTempo(), 96.5);
  EXPECT_EQ(plug->GetSamplePosition(), 5.0);  // the low 32 bits
  int numerator = 0, denominator = 0;
  plug->GetHostTimeSignature(&numerator, &denominator);
  EXPECT_EQ(numerator, 6);
  EXPECT_EQ(denominator, 8);
  TransportInfo info;
  info.lastBarPosition = 3.0;
  plug->GetTransportInfo(&info);
  EXPECT_EQ(info.tempo, 96.5);
  EXPECT_TRUE(info.playing);
  EXPECT_EQ(info.numerator, 6);
  EXPECT_EQ(info.denominator, 8);
  EXPECT_EQ(info.musicalPosition, 2.0);
  EXPECT_EQ(info.samplePosition, 4294967301.0);
  EXPECT_TRUE(info.cycling);
  EXPECT_EQ(info.cycleStart, 1.0);
  EXPECT_EQ(info.cycleEnd, 4.5);
  EXPECT_EQ(info.lastBarPosition, 3.0);  // not written
}

TEST_F(AaxInstance, EditorResizeAsksTheHostView)
{
  IGraphics* editor = plug->GetGUI();
  ASSERT_NE(editor, nullptr);
  host.log.calls.clear();
  plug->ResizeEditorWindow(600, 300);  // not in a host view
  EXPECT_TRUE(host.log.calls.empty());
  {
    AAX_VViewContainer view(&host);
    editor->SetViewContainer(static_cast<AAX_IViewContainer*>(&view));
    plug->ResizeEditorWindow(600, 300);
    editor->SetViewContainer(nullptr);
  }
  EXPECT_EQ(host.log.CallsOf("view"), (std::vector<std::string>{"view.SetViewSize(300,600)", "view.Release"}));
}

TEST_F(AaxInstance, LatencyIsReportedWhileThereIsAController)
{
  host.log.calls.clear();
  plug->ChangeLatency(64);
  EXPECT_EQ(host.log.calls, (std::vector<std::string>{"controller.ReportLatency(64)"}));
  EXPECT_EQ(plug->GetLatency(), 64);
  face->UninitializeEffect();
  host.log.calls.clear();
  plug->ChangeLatency(32);
  EXPECT_TRUE(host.log.calls.empty());
  EXPECT_EQ(plug->GetLatency(), 32);
}

TEST_F(AaxInstance, StateChangesAreCounted)
{
  plug->StateChangedNotification();
  plug->StateChangedNotification();
  EXPECT_EQ(Changes(), 2);
}

TEST_F(AaxInstance, ConstructionAsTheHostsModule)
{
  EXPECT_EQ(plug->ApiKind(), kApiAax);
  EXPECT_EQ(plug->GetHostVersion(), kPlugVersion);
  EXPECT_GT(plug->GetHost(), 0);
  EXPECT_EQ(plug->GetBlockSize(), 1024);
  EXPECT_TRUE(plug->IsInputConnected(0));
  EXPECT_TRUE(plug->IsInputConnected(1));
  EXPECT_NE(plug->GetLatencyDelayLine(), nullptr);
  EXPECT_EQ(plug->GetSampleRate(), 44100.0);
}

// The host's rate, unless it could not give one.
TEST_F(AaxInstance, SampleRateFromTheHost)
{
  struct Case
  {
    float rate;
    int32_t result;
    double expected;
  };
  const Case cases[] = {
    {48000.0f, kAAXSuccess, 48000.0},
    {96000.0f, kAAXRefused, 48000.0},
    {0.0f, kAAXSuccess, 48000.0},
    {-44100.0f, kAAXSuccess, 48000.0},
    {std::numeric_limits<float>::quiet_NaN(), kAAXSuccess, 48000.0},
    {std::numeric_limits<float>::infinity(), kAAXSuccess, 48000.0},
    {22050.0f, kAAXSuccess, 22050.0},
  };
  auto* effect = static_cast<AaxEffect*>(plug);
  for (const Case& c : cases)
  {
    host.controller.sampleRate = c.rate;
    host.controller.sampleRateResult = c.result;
    EXPECT_EQ(face->UninitializeEffect(), 0);
    EXPECT_EQ(face->InitializeEffect(&host), 0);
    EXPECT_EQ(plug->GetSampleRate(), c.expected) << c.rate;
  }
  // The effect was reset at the rate: 13 kHz lies above half of it.
  EXPECT_FALSE(effect->Processing().IsBandAvailable(kBands - 1));
}

// A second initialisation without the first's end: one set of parameters,
// one list of identifiers, and a master bypass the host can change.
TEST_F(AaxInstance, InitialiseAgainStartsOver)
{
  EXPECT_EQ(face->InitializeEffect(&host), 0);
  int32_t count = 0;
  face->CountParameters(&count);
  EXPECT_EQ(count, 11);
  EXPECT_STREQ(plug->ParameterIdentifier(17), "18");
  EXPECT_EQ(plug->ParameterIdentifier(18), nullptr);
  EXPECT_EQ(host.log.references["controller"], 1);

  std::vector<float> in(32, 0.25f), out(32, 0.0f);
  float* ins[2] = {in.data(), in.data()};
  float* outs[2] = {out.data(), out.data()};
  EXPECT_EQ(face->UpdateParameterFromHost("MasterBypassID", 1.0, 0), 0);
  Block block(face, ins, outs, 32);
  testing::internal::CaptureStdout();
  block.Process();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(out, in);
}

// Both faces delete the whole object.
TEST(AaxLifeCycle, EitherSideDeletesTheWholeObject)
{
  const int32_t live = CACFUnknown::LiveObjects();
  IPlugAAX* plug = CreatePlugInstance<IPlugAAX>();
  ASSERT_NE(plug, nullptr);
  EXPECT_EQ(CACFUnknown::LiveObjects(), live + 1);
  delete static_cast<IPlugBase*>(plug);
  EXPECT_EQ(CACFUnknown::LiveObjects(), live);

  plug = CreatePlugInstance<IPlugAAX>();
  EXPECT_EQ(plug->AddRef(), 1);
  EXPECT_EQ(plug->Release(), 0);
  EXPECT_EQ(CACFUnknown::LiveObjects(), live);
}

// The host's last Release without an uninitialisation frees the parameters
// and proxies as the uninitialisation would.
TEST_F(AaxInstance, LastReleaseFreesWhatUninitialisationWould)
{
  host.log.calls.clear();
  EXPECT_EQ(face->Release(), 0);
  face = nullptr;
  EXPECT_EQ(host.log.CallsOf("automation").size(), 12u);  // 11 unregistered, then released
  EXPECT_EQ(host.log.calls.back(), "transport.Release");
}
}
