// The audio thread writes into the editor's controls (parameter pushes and
// the effect's display marks, under the plug mutex) while the user-interface
// thread draws and drags: nothing races, and no mark is lost.

#include "EditorFixture.h"
#include "LICE_SysBitmap.h"
#include "support/Threads.h"

#include <atomic>
#include <cstring>
#include <vector>

namespace
{
using EditorThreads = EditorFixture;

TEST_F(EditorThreads, AudioWritesWhileTheEditorDraws)
{
  constexpr int kRounds = 3000;
  std::atomic<bool> dragging{true}, written{false};
  const double finalAmount = 0.8;
  auto audio = [&] {
    for (int round = 0; round < kRounds; ++round)
    {
      MutexGuard lock(plug.GetMutex());
      graphics->PushParamToControls(0, (round % 100) / 100.0, true);
      for (int band = 0; band < 8; ++band)
        graphics->PushParamToControls(2 + band, (round + band) % 3 == 0 ? 1.0 : 0.0, true);
      for (int i = 0; i < graphics->NControls(); ++i)
        graphics->GetControl(i)->MarkDirty(false);
    }
    // The last values, once the user has let go of the knob.
    while (dragging.load() && !ThreadsUnavailable())
    {
    }
    MutexGuard lock(plug.GetMutex());
    graphics->PushParamToControls(0, finalAmount, true);
    for (int band = 0; band < 8; ++band)
      graphics->PushParamToControls(2 + band, band % 2, true);
    written.store(true);
  };
  auto editor = [&] {
    IMouseKeys left;
    left.left = true;
    for (int round = 0; round < 200; ++round)
    {
      graphics->DispatchMouseDown(60, 100, &left);
      graphics->DispatchMouseDrag(60, 100 - round % 20, &left);
      graphics->DispatchMouseUp(60, 100, &left);
      Tick();
    }
    dragging.store(false);
    while (!written.load() && !ThreadsUnavailable())
      Tick();
    Tick();
    Tick();
  };
  // Without a second thread the drags come first, the audio's last values
  // after them.
  RunConcurrently(editor, audio);
  if (ThreadsUnavailable())
  {
    Tick();
    Tick();
  }

  EXPECT_EQ(Control(knob)->Value(), finalAmount);
  for (int band = 0; band < 8; ++band)
    EXPECT_EQ(Control(lights[band])->Value(), band % 2) << band;
  // Two ticks after the writer stopped the surface shows its last values:
  // drawing everything again changes nothing.
  LICE_SysBitmap* surface = graphics->DrawSurface();
  const int pixels = surface->RowSpan() * surface->Height();
  std::vector<PixelArgb> shown(surface->PixelData(), surface->PixelData() + pixels);
  graphics->RenderDirty(IBounds(0, 0, 500, 230));
  EXPECT_EQ(std::memcmp(shown.data(), surface->PixelData(), pixels * sizeof(PixelArgb)), 0);
}
}
