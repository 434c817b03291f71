#include "TestPlug.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

namespace
{
TEST(IPlugBase, IdentityAtConstruction)
{
  TestPlug plug;
  EXPECT_STREQ(plug.GetEffectName(), "ZelvarLispera");
  EXPECT_STREQ(plug.GetProductName(), "");
  EXPECT_STREQ(plug.GetMfrName(), "Zelvar");
  EXPECT_EQ(plug.GetUniqueID(), 0x5A764C50);  // 'ZvLP'
  EXPECT_EQ(plug.GetMfrID(), 0x5A766C72);     // 'Zvlr'
  EXPECT_EQ(plug.GetEffectVersion(), 0x00010301);
  EXPECT_EQ(plug.ApiKind(), kApiVst3);
  EXPECT_EQ(plug.GetHost(), kHostUnidentified);
  EXPECT_EQ(plug.QueryHost(), kHostUnidentified);
  EXPECT_EQ(plug.GetSampleRate(), 44100.0);
  EXPECT_EQ(plug.GetBlockSize(), 0);
  EXPECT_EQ(plug.GetLatency(), 0);
  EXPECT_EQ(plug.GetCurrentPresetIdx(), 0);
  EXPECT_EQ(plug.NParams(), 18);
  EXPECT_EQ(plug.NPresets(), 1);
  EXPECT_FALSE(plug.IsBypassed());
  EXPECT_EQ(plug.GetGUI(), nullptr);
  EXPECT_EQ(plug.GetParam(18), nullptr);
  EXPECT_EQ(plug.GetParam(-1), nullptr);
  EXPECT_EQ(plug.GetParam(0)->Kind(), kParameterNone);
  EXPECT_FALSE(plug.GetPreset(0)->initialised);
  EXPECT_STREQ(plug.GetPreset(0)->name, "empty");
}

TEST(IPlugBase, ChannelRecordsFromTheChannelText)
{
  TestPlug plug;
  ASSERT_EQ(plug.NChannelConfigs(), 2);
  EXPECT_EQ(plug.GetChannelConfig(0)->inputs, 1);
  EXPECT_EQ(plug.GetChannelConfig(1)->outputs, 2);
  EXPECT_EQ(plug.NInChannels(), 2);
  EXPECT_EQ(plug.NOutChannels(), 2);
  EXPECT_NE(plug.GetInChannel(0)->slot, plug.GetInChannel(1)->slot);
  EXPECT_FALSE(plug.IsInputConnected(1));
  EXPECT_FALSE(plug.IsInputConnected(2));

  TestPlug mono(18, "1-1");
  EXPECT_EQ(mono.NInChannels(), 1);
  EXPECT_FALSE(mono.IsInputConnected(1));

  TestPlug wide(1, "1-2 4-1 2-2");
  EXPECT_EQ(wide.NChannelConfigs(), 3);
  EXPECT_EQ(wide.NInChannels(), 4);
  EXPECT_EQ(wide.NOutChannels(), 2);
}

TEST(IPlugBaseDeathTest, MalformedChannelTextStopsWithTheAssertion)
{
  EXPECT_DEATH(TestPlug(18, "1-1 stereo"), "channelIOStrValid");
}

TEST(IPlugBase, LegalIO)
{
  TestPlug plug;
  const struct
  {
    int in, out;
    bool legal;
  } cases[] = {{1, 1, true},  {2, 2, true},   {2, -1, true}, {-1, -1, true}, {-1, 2, true},
               {1, 2, false}, {3, -1, false}, {2, 1, false}, {0, 0, false}};
  for (const auto& c : cases)
    EXPECT_EQ(plug.LegalIO(c.in, c.out), c.legal) << c.in << "-" << c.out;
}

TEST(IPlugBase, ChangeBlockSizeResizesAndZeroesOnce)
{
  TestPlug plug;
  plug.ChangeBlockSize(512);
  ASSERT_EQ(plug.GetBlockSize(), 512);
  for (int i = 0; i < 2; ++i)
  {
    ASSERT_EQ(plug.GetInChannel(i)->scratch.Count(), 512);
    ASSERT_EQ(plug.GetOutChannel(i)->scratch.Count(), 512);
    for (int f = 0; f < 512; ++f)
      ASSERT_EQ(plug.GetOutChannel(i)->scratch.Get()[f], 0.0);
  }
  plug.GetInChannel(0)->scratch.Get()[7] = 1.5;
  plug.ChangeBlockSize(512);  // same size: untouched
  EXPECT_EQ(plug.GetInChannel(0)->scratch.Get()[7], 1.5);
  plug.ChangeBlockSize(256);
  EXPECT_EQ(plug.GetInChannel(0)->scratch.Count(), 256);
  EXPECT_EQ(plug.GetInChannel(0)->scratch.Get()[7], 0.0);
}

TEST(IPlugBase, ChangeBlockSizeRefusesSizesThatOverflow)
{
  TestPlug plug;
  plug.ChangeBlockSize(64);
  plug.ChangeBlockSize(0x7fffffff / 4);
  plug.ChangeBlockSize(-3);
  EXPECT_EQ(plug.GetBlockSize(), 64);
  EXPECT_EQ(plug.GetOutChannel(1)->scratch.Count(), 64);
}

TEST(IPlugBase, SetParameterFromGUISetsReportsThenNotifies)
{
  TestPlug plug;
  plug.GetParam(0)->SetupDouble("Effect Amount", 50.0, 0.0, 100.0, 1.0, "%");
  plug.SetParameterFromGUI(0, 0.5);
  EXPECT_EQ(plug.GetParam(0)->Value(), 50.0);
  const std::vector<TestPlug::Event> expected = {{"value", 0, 0.5}, {"changed", 0, 50.0}};
  EXPECT_EQ(plug.events, expected);

  plug.events.clear();
  plug.SetParameterFromGUI(18, 0.5);
  plug.SetParameterFromGUI(-1, 0.5);
  EXPECT_TRUE(plug.events.empty());
}

TEST(IPlugBase, SetParameterFromHostClampsIgnoresNaNAndNotifies)
{
  TestPlug plug;
  plug.GetParam(0)->SetupDouble("Amount", 50.0, 0.0, 100.0, 1.0);
  plug.SetParameterFromHost(0, 0.25);
  plug.SetParameterFromHost(0, 1.5);
  plug.SetParameterFromHost(0, std::numeric_limits<double>::quiet_NaN());
  plug.SetParameterFromHost(99, 0.5);
  EXPECT_EQ(plug.GetParam(0)->Value(), 100.0);
  const std::vector<TestPlug::Event> expected = {{"changed", 0, 25.0}, {"changed", 0, 100.0}};
  EXPECT_EQ(plug.events, expected) << "no host edit is echoed back, NaN changes nothing";
}

TEST(IPlugBase, AttachEditorIgnoresNull)
{
  TestPlug plug;
  plug.AttachEditor(nullptr);
  EXPECT_EQ(plug.GetGUI(), nullptr);
}

TEST(IPlugBase, BusNames)
{
  TestPlug plug;
  plug.NameInputBus(0, "Stereo In");
  plug.NameInputBus(1, "Side");
  plug.NameInputBus(2, "Refused");
  plug.NameInputBus(0, "Main In");
  EXPECT_EQ(plug.NInputBusNames(), 2);
  EXPECT_STREQ(plug.GetInputBusName(0), "Main In");
  EXPECT_STREQ(plug.GetInputBusName(1), "Side");
  EXPECT_EQ(plug.GetInputBusName(2), nullptr);

  plug.NameOutputBus(0, "Out");
  plug.NameOutputBus(5, "Clamped to the end");
  EXPECT_EQ(plug.NOutputBusNames(), 2);
  EXPECT_STREQ(plug.GetOutputBusName(0), "Out");
  EXPECT_STREQ(plug.GetOutputBusName(1), "Clamped to the end");
}

TEST(IPlugBase, DefaultBodies)
{
  TestPlug plug;
  char name[8] = "x";
  EXPECT_FALSE(plug.GetMidiNoteName(60, name));
  EXPECT_STREQ(name, "");
  IMidiEvent event;
  plug.MidiEventIn(&event);
  EXPECT_EQ(plug.midiSent, 1);
  EXPECT_FALSE(plug.SendSysExEvent(nullptr));
  EXPECT_FALSE(plug.IsOfflineRender());
  EXPECT_FALSE(plug.SpareQuery());
}

TEST(IPlugBase, PassThroughCopiesMatchingChannelsAndSilencesTheRest)
{
  TestPlug plug;
  double in0[3] = {1, 2, 3}, in1[3] = {4, 5, 6};
  double out0[3] = {9, 9, 9}, out1[3] = {9, 9, 9};
  double* inputs[] = {in0, in1};
  double* outputs[] = {out0, out1};
  plug.ProcessDouble(inputs, outputs, 3);
  EXPECT_EQ(out0[2], 3.0);
  EXPECT_EQ(out1[0], 4.0);

  inputs[1] = nullptr;  // nothing bound: silence
  plug.ProcessDouble(inputs, outputs, 3);
  EXPECT_EQ(out1[1], 0.0);

  float fin[2] = {0.5f, 0.25f}, fout0[2] = {9, 9}, fout1[2] = {9, 9};
  float* finputs[] = {fin, nullptr};
  float* foutputs[] = {fout0, fout1};
  plug.ProcessFloat(finputs, foutputs, 2);
  EXPECT_EQ(fout0[1], 0.25f);
  EXPECT_EQ(fout1[0], 0.0f);
}

TEST(IPlugBase, SetHostIdentifiesAndStoresTheVersion)
{
  TestPlug plug;
  plug.SetHost("Cubase 5", 0x050100);
  EXPECT_EQ(plug.GetHost(), kHostCubase);
  EXPECT_EQ(plug.QueryHost(), kHostCubase);
  EXPECT_EQ(plug.GetHostVersion(), 0x050100);
}
}
