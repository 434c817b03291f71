// The effect processes on the audio thread, feeding its editor, while the
// user-interface thread draws the editor and drags a knob: nothing races,
// and the surface ends showing the last block.

#include "EditorLayout.h"
#include "IGraphics.h"
#include "LICE_SysBitmap.h"
#include "OfflineEffect.h"
#include "TestSignals.h"
#include "support/Threads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <vector>

namespace
{
TEST(EffectThreads, ProcessingAgainstTicks)
{
  OfflineEffect plug{IPlugOffline::InstanceInfo()};
  plug.SetUpProcessing(44100.0, 256);
  IGraphics* editor = plug.GetGUI();
  const int n = 256 * 120;
  const std::vector<double> voice = SibilantSignal(n, 9);
  std::vector<float> left(voice.begin(), voice.end()), right = left, out0(256), out1(256);
  std::atomic<bool> processing{true};
  auto audio = [&] {
    for (int start = 0; start < n; start += 256)
    {
      float* inputs[2] = {left.data() + start, right.data() + start};
      float* outputs[2] = {out0.data(), out1.data()};
      testing::internal::CaptureStdout();
      plug.ProcessBlock(inputs, outputs, 256);
      testing::internal::GetCapturedStdout();
    }
    processing.store(false);
  };
  auto ui = [&] {
    IMouseKeys left;
    left.left = true;
    for (int round = 0; processing.load() || round < 50; ++round)
    {
      if (round < 40)
      {
        editor->DispatchMouseDown(72, 101, &left);
        editor->DispatchMouseDrag(72, 101 - round % 7, &left);
        editor->DispatchMouseUp(72, 101, &left);
      }
      DrawDirty(editor);
    }
  };
  RunConcurrently(audio, ui);
  DrawDirty(editor);
  DrawDirty(editor);
  // Drawing everything again changes nothing: the surface showed the last
  // values already. The meter advances its smoothing per render, so it is
  // left out.
  LICE_SysBitmap* surface = editor->DrawSurface();
  const int pixels = surface->RowSpan() * surface->Height();
  std::vector<PixelArgb> shown(surface->PixelData(), surface->PixelData() + pixels);
  const IBounds meter = editor->GetControl(plug.Editor().MeterIndex())->DrawBounds();
  editor->RenderDirty(IBounds(0, 0, 500, 230));
  int differences = 0;
  for (int y = 0; y < surface->Height(); ++y)
    for (int x = 0; x < surface->Width(); ++x)
      if (!meter.Hit(x, y))
        differences += shown[y * surface->RowSpan() + x] != surface->PixelData()[y * surface->RowSpan() + x];
  EXPECT_EQ(differences, 0);
}
}
