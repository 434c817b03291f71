// One editor frame drawn into a 500 x 230 surface, as the editor draws it:
// the background copied at full alpha, two knob frames and sixteen band
// frames composed with their own alpha, thirteen meter segments filled. The
// library against the plain per-pixel model of the tests.

#include "LICE_Compose.h"
#include "LICE_MemBitmap.h"
#include "LICE_SysBitmap.h"
#include "RasterModel.h"

#include <benchmark/benchmark.h>

#include <random>

namespace
{
struct Frame
{
  LICE_SysBitmap surface{500, 230};
  LICE_MemBitmap background{500, 200};
  LICE_MemBitmap knob{96, 96};
  LICE_MemBitmap band{20, 20};

  Frame()
  {
    std::mt19937 random(1);
    for (LICE_MemBitmap* image : {&background, &knob, &band})
      for (int y = 0; y < image->Height(); ++y)
        for (int x = 0; x < image->Width(); ++x)
        {
          // Images with transparent corners, soft edges and opaque middles.
          const int kind = image == &background ? 2 : (x + y) % 7 < 2 ? 0 : (x * y) % 5 == 0 ? 1 : 2;
          const PixelArgb alpha = kind == 0 ? 0 : kind == 1 ? (random() % 254 + 1) : 255;
          image->PixelData()[y * image->RowSpan() + x] = alpha << 24 | (random() & 0xFFFFFF);
        }
  }
};

template <class ComposeFn, class FillFn>
void DrawFrame(Frame& f, ComposeFn compose, FillFn fill)
{
  compose(&f.surface, &f.background, 0, 0, 1.0f, CombineCopy);
  compose(&f.surface, &f.knob, 24, 53, 1.0f, CombineCopy | CombineUseSourceAlpha);
  compose(&f.surface, &f.knob, 379, 53, 1.0f, CombineCopy | CombineUseSourceAlpha);
  for (int i = 0; i < 8; ++i)
  {
    compose(&f.surface, &f.band, 135 + 30 * i, 84, 1.0f, CombineCopy | CombineUseSourceAlpha);
    compose(&f.surface, &f.band, 135 + 30 * i, 112, 1.0f, CombineCopy | CombineUseSourceAlpha);
  }
  for (int i = 0; i < 13; ++i)
    fill(&f.surface, 247 + 9 * i, 26, 7, 12, 0xC0FF4020u, 1.0f, CombineCopy | CombineUseSourceAlpha);
}

void BM_EditorFrameLibrary(benchmark::State& state)
{
  Frame frame;
  for (auto _ : state)
  {
    DrawFrame(
        frame,
        [](LICE_IBitmap* d, LICE_IBitmap* s, int x, int y, float a, int m) { LICE_Compose(d, s, x, y, nullptr, a, m); },
        LICE_FillBox);
    benchmark::DoNotOptimize(frame.surface.PixelData());
  }
}

void BM_EditorFramePerPixelModel(benchmark::State& state)
{
  Frame frame;
  for (auto _ : state)
  {
    DrawFrame(
        frame,
        [](LICE_IBitmap* d, LICE_IBitmap* s, int x, int y, float a, int m) { model::Compose(d, s, x, y, nullptr, a, m); },
        model::FillBox);
    benchmark::DoNotOptimize(frame.surface.PixelData());
  }
}
}

BENCHMARK(BM_EditorFrameLibrary)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EditorFramePerPixelModel)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
