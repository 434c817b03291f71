// PNG loads from memory: the editor's knob strip as the module embeds it,
// and a small image whose compressed stream holds 1 GB of zeros after its
// last row (a file of 1 MB), which the loader does not inflate.

#include "LICE_Png.h"
#include "PngChunks.h"
#include "PngFixtures.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace
{
std::vector<unsigned char> ReadWhole(const char* path)
{
  std::vector<unsigned char> bytes;
  if (std::FILE* file = std::fopen(path, "rb"))
  {
    unsigned char piece[65536];
    for (std::size_t n; (n = std::fread(piece, 1, sizeof piece, file)) > 0;)
      bytes.insert(bytes.end(), piece, piece + n);
    std::fclose(file);
  }
  return bytes;
}

void Load(benchmark::State& state, const std::vector<unsigned char>& png)
{
  for (auto _ : state)
  {
    std::unique_ptr<LICE_IBitmap> bitmap(LICE_ReadPngMemory(png.data(), static_cast<int>(png.size())));
    if (!bitmap)
      state.SkipWithError("the image did not load");
    benchmark::DoNotOptimize(bitmap.get());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * png.size()));
}

void BM_PngKnobStrip(benchmark::State& state) { Load(state, ReadWhole(ZL_BENCH_KNOB_PNG)); }

void BM_PngSmallImage(benchmark::State& state)
{
  Load(state, EncodePng(PatternImage(6, 8, false, 13, 7)));
}

void BM_PngSmallImageWith1GBAfterItsRows(benchmark::State& state)
{
  static const std::vector<unsigned char> png =
      RecompressImageData(EncodePng(PatternImage(6, 8, false, 13, 7)), std::size_t{1} << 30, 65536);
  Load(state, png);
}
}

BENCHMARK(BM_PngKnobStrip);
BENCHMARK(BM_PngSmallImage);
BENCHMARK(BM_PngSmallImageWith1GBAfterItsRows)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
