#include "LatencyDelayLine.h"
#include "TestPlug.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace
{
// Doubles every input sample: shows whether the effect's ProcessDouble ran.
class DoublingPlug : public TestPlug
{
public:
  void ProcessDouble(double** inputs, double** outputs, int nFrames) override
  {
    for (int c = 0; c < 2; ++c)
      for (int f = 0; f < nFrames; ++f)
        outputs[c][f] = 2.0 * inputs[c][f];
  }
};

TEST(ProcessingGlue, BindingConvertsConnectedInputsInOrderAndReports)
{
  TestPlug plug;
  plug.ChangeBlockSize(4);
  plug.SetInputChannelConnections(0, 1, true);
  plug.SetInputChannelConnections(1, 1, false);
  float host0[4] = {0.5f, -0.25f, 1e-3f, 3.0f};
  float* buffers[2] = {host0, nullptr};  // buffers[1] must not be read

  testing::internal::CaptureStdout();
  plug.BindInputBuffers(0, 2, buffers, 4);
  const std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_EQ(printed, "attaching channel 0 ...done\nattaching channel 1 ...done\n");

  const IPlugInputChannel* in0 = plug.GetInChannel(0);
  const IPlugInputChannel* in1 = plug.GetInChannel(1);
  EXPECT_EQ(*in0->slot, in0->scratch.Get());
  EXPECT_EQ((*in0->slot)[2], static_cast<double>(1e-3f));  // widened exactly
  EXPECT_EQ(*in1->slot, in1->scratch.Get());
  EXPECT_EQ((*in1->slot)[0], 0.0);

  testing::internal::CaptureStdout();
  plug.BindInputBuffers(1, 5, buffers, 4);  // stops at the last input
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "attaching channel 1 ...done\n");
}

TEST(ProcessingGlue, HostBuffersGoToConnectedChannelsInOrder)
{
  TestPlug plug;
  plug.ChangeBlockSize(2);
  plug.SetInputChannelConnections(0, 1, false);
  plug.SetInputChannelConnections(1, 1, true);
  float only[2] = {7.0f, 8.0f};
  float* buffers[1] = {only};
  testing::internal::CaptureStdout();
  plug.BindInputBuffers(0, 2, buffers, 2);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ((*plug.GetInChannel(1)->slot)[1], 8.0);
  EXPECT_EQ((*plug.GetInChannel(0)->slot)[1], 0.0);
}

// One block through the glue: every channel connected.
std::vector<float> RunBlock(TestPlug& plug, std::vector<float> in0, std::vector<float> in1,
                            std::vector<float>* out1 = nullptr)
{
  const int n = static_cast<int>(in0.size());
  std::vector<float> o0(n, -9.0f), o1(n, -9.0f);
  float* inputs[2] = {in0.data(), in1.data()};
  float* outputs[2] = {o0.data(), o1.data()};
  testing::internal::CaptureStdout();
  plug.ProcessBlock(inputs, outputs, n);
  testing::internal::GetCapturedStdout();
  if (out1)
    *out1 = o1;
  return o0;
}

TEST(ProcessingGlue, RenderRunsTheEffectAndBypassRunsThePassThrough)
{
  DoublingPlug plug;
  plug.ChangeBlockSize(3);
  std::vector<float> out1;
  EXPECT_EQ(RunBlock(plug, {1, 2, 3}, {4, 5, 6}, &out1), (std::vector<float>{2, 4, 6}));
  EXPECT_EQ(out1, (std::vector<float>{8, 10, 12}));
  plug.SetBypassed(true);
  EXPECT_EQ(RunBlock(plug, {1, 2, 3}, {4, 5, 6}, &out1), (std::vector<float>{1, 2, 3}));
  EXPECT_EQ(out1, (std::vector<float>{4, 5, 6}));
}

TEST(ProcessingGlue, BypassWithLatencyDelaysThroughTheLine)
{
  TestPlug plug;
  plug.ChangeBlockSize(5);
  plug.ChangeLatency(3);
  ASSERT_NE(plug.GetLatencyDelayLine(), nullptr);
  EXPECT_EQ(plug.GetLatencyDelayLine()->Length(), 3);
  plug.SetBypassed(true);
  std::vector<float> out1;
  EXPECT_EQ(RunBlock(plug, {1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, &out1),
            (std::vector<float>{0, 0, 0, 1, 2}));
  EXPECT_EQ(out1, (std::vector<float>{0, 0, 0, 6, 7}));
  EXPECT_EQ(RunBlock(plug, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}), (std::vector<float>{3, 4, 5, 0, 0}));
  plug.ChangeLatency(0);
  EXPECT_EQ(RunBlock(plug, {1, 2, 3, 4, 5}, {0, 0, 0, 0, 0}), (std::vector<float>{1, 2, 3, 4, 5}));
}

// The parts a host block is processed in: consecutive, none longer than
// the block size, and none at all without a frame or a block size.
TEST(ProcessingGlue, BlockGoesInPartsOfTheBlockSize)
{
  const struct
  {
    int blockSize, frames;
    bool processed;
    std::vector<std::pair<int, int>> parts;
  } cases[] = {
    {4, 10, true, {{0, 4}, {4, 4}, {8, 2}}},
    {4, 8, true, {{0, 4}, {4, 4}}},
    {4, 4, true, {{0, 4}}},
    {4, 3, true, {{0, 3}}},
    {1, 3, true, {{0, 1}, {1, 1}, {2, 1}}},
    {4, 0, false, {}},
    {4, -4, false, {}},
    {0, 5, false, {}},
  };
  for (const auto& c : cases)
  {
    TestPlug plug;
    plug.ChangeBlockSize(c.blockSize);
    std::vector<std::pair<int, int>> parts;
    EXPECT_EQ(plug.ProcessInParts(c.frames, [&](int start, int n) { parts.emplace_back(start, n); }), c.processed)
        << c.blockSize << " " << c.frames;
    EXPECT_EQ(parts, c.parts) << c.blockSize << " " << c.frames;
    EXPECT_EQ(plug.GetBlockSize(), c.blockSize);
  }
}

// A block longer than the block size: every frame processed, part by part
// from where the last ended, the binding traced for every part, and the
// scratch buffers as they were.
TEST(ProcessingGlue, LongerBlockGoesInPartsWithTheScratchAsItWas)
{
  DoublingPlug plug;
  plug.ChangeBlockSize(100);
  const double* scratch = plug.GetInChannel(0)->scratch.Get();
  std::vector<float> in0(1001), in1(1001), expected0(1001), expected1(1001);
  for (int f = 0; f < 1001; ++f)
  {
    in0[f] = 0.25f * f;
    in1[f] = -0.5f * f;
    expected0[f] = 0.5f * f;
    expected1[f] = -1.0f * f;
  }
  std::vector<float> out0(1001, -9.0f), out1(1001, -9.0f);
  float* inputs[2] = {in0.data(), in1.data()};
  float* outputs[2] = {out0.data(), out1.data()};
  testing::internal::CaptureStdout();
  plug.ProcessBlock(inputs, outputs, 1001);
  const std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out0, expected0);
  EXPECT_EQ(out1, expected1);
  EXPECT_EQ(plug.GetBlockSize(), 100);
  EXPECT_EQ(plug.GetInChannel(0)->scratch.Get(), scratch);
  EXPECT_EQ(plug.GetInChannel(0)->scratch.Count(), 100);
  std::string perPart;
  for (int part = 0; part < 11; ++part)
    perPart += "attaching channel 0 ...done\nattaching channel 1 ...done\n";
  EXPECT_EQ(printed, perPart);
}

// Before any block size there is no scratch to work in: the outputs are
// silent, and nothing is grown.
TEST(ProcessingGlue, BlockBeforeAnyBlockSizeIsSilent)
{
  DoublingPlug plug;  // block size 0, slots null
  EXPECT_EQ(RunBlock(plug, {1, 2}, {3, 4}), (std::vector<float>{0, 0}));
  EXPECT_EQ(plug.GetBlockSize(), 0);
}

TEST(ProcessingGlue, UnconnectedOutputIsComputedButNotWritten)
{
  DoublingPlug plug;
  plug.ChangeBlockSize(2);
  plug.SetInputChannelConnections(0, 2, true);
  plug.SetOutputChannelConnections(0, 1, true);
  plug.SetOutputChannelConnections(1, 1, false);
  float in0[2] = {1, 2}, in1[2] = {3, 4}, out0[2] = {0, 0};
  float* inputs[2] = {in0, in1};
  float* outputs[1] = {out0};
  testing::internal::CaptureStdout();
  plug.BindInputBuffers(0, 2, inputs, 2);
  testing::internal::GetCapturedStdout();
  plug.BindOutputBuffers(0, 2, outputs);
  plug.RenderBuffers(2);
  EXPECT_EQ(out0[1], 4.0f);
  EXPECT_EQ(plug.GetOutChannel(1)->scratch.Get()[1], 8.0);
}

TEST(ProcessingGlue, BindingFromAFrameOnAndNullHostBuffers)
{
  DoublingPlug plug;
  plug.ChangeBlockSize(2);
  plug.SetInputChannelConnections(0, 2, true);
  plug.SetOutputChannelConnections(0, 2, true);
  plug.GetInChannel(1)->scratch.Get()[0] = 5.0;  // an earlier block's samples
  float in0[4] = {1, 2, 3, 4}, out0[4] = {0, 0, 0, 0}, out1[4] = {9, 9, 9, 9};
  float* inputs[2] = {in0, nullptr};
  float* outputs[2] = {out0, nullptr};
  testing::internal::CaptureStdout();
  plug.BindInputBuffers(0, 2, inputs, 2, 2);
  testing::internal::GetCapturedStdout();
  plug.BindOutputBuffers(0, 2, outputs, 2);
  plug.RenderBuffers(2);
  EXPECT_EQ(std::vector<float>(out0, out0 + 4), (std::vector<float>{0, 0, 6, 8}));
  EXPECT_EQ(plug.GetOutChannel(1)->hostDestination, nullptr);
  EXPECT_EQ(plug.GetOutChannel(1)->scratch.Get()[0], 0.0) << "a null input buffer reads silence";
  EXPECT_EQ(std::vector<float>(out1, out1 + 4), std::vector<float>(4, 9.0f));
}

TEST(ProcessingGlue, ClearScratchBuffersZeroesEveryChannel)
{
  TestPlug plug;
  plug.ChangeBlockSize(8);
  plug.GetInChannel(1)->scratch.Get()[7] = 1.0;
  plug.GetOutChannel(0)->scratch.Get()[0] = 1.0;
  plug.ClearScratchBuffers();
  EXPECT_EQ(plug.GetInChannel(1)->scratch.Get()[7], 0.0);
  EXPECT_EQ(plug.GetOutChannel(0)->scratch.Get()[0], 0.0);
}

TEST(ProcessingGlue, DefaultProcessDoubleCopiesOrSilences)
{
  TestPlug wideOut(1, "1-2");
  double in[2] = {1, 2}, o0[2] = {9, 9}, o1[2] = {9, 9};
  double* inputs[1] = {in};
  double* outputs[2] = {o0, o1};
  wideOut.ProcessDouble(inputs, outputs, 2);
  EXPECT_EQ(o0[1], 2.0);
  EXPECT_EQ(o1[0], 0.0);

  TestPlug narrowOut(1, "2-1");
  double a[2] = {1, 2}, b[2] = {3, 4}, out[2] = {9, 9};
  double* ins[2] = {a, b};
  double* outs[1] = {out};
  narrowOut.ProcessDouble(ins, outs, 2);
  EXPECT_EQ(out[1], 2.0);
}

TEST(LatencyDelayLine, DelaysInPlaceBuffersAsSeparateOnes)
{
  LatencyDelayLine separate(2, 2, 3), inPlace(2, 2, 3);
  std::vector<double> in0{1, 2, 3, 4, 5}, in1{6, 7, 8, 9, 10};
  std::vector<double> out0(5), out1(5);
  double* ins[2] = {in0.data(), in1.data()};
  double* outs[2] = {out0.data(), out1.data()};
  separate.Process(ins, outs, 5);
  std::vector<double> io0 = in0, io1 = in1;
  double* shared[2] = {io0.data(), io1.data()};
  inPlace.Process(shared, shared, 5);
  EXPECT_EQ(out0, (std::vector<double>{0, 0, 0, 1, 2}));
  EXPECT_EQ(io0, out0);
  EXPECT_EQ(io1, out1);
  inPlace.Process(shared, shared, 5);
  EXPECT_EQ(io0, (std::vector<double>{3, 4, 5, 0, 0}));
}

TEST(LatencyDelayLine, RefusesLengthsThatDoNotFit)
{
  LatencyDelayLine line(2, 2, 4);
  line.SetLength(0x7fffffff);
  EXPECT_EQ(line.Length(), 0);
  line.SetLength(-1);
  EXPECT_EQ(line.Length(), 0);
}
}
