// The effect's editor redrawn: every control dirty (each tick while audio
// runs, the effect marks them all) and an idle tick (nothing dirty), with
// the heap allocations per tick counted.

#include "EditorLayout.h"
#include "IGraphics.h"
#include "OfflineEffect.h"
#include "support/TestHeap.h"

#include <benchmark/benchmark.h>

namespace
{
void ReportAllocations(benchmark::State& state, long long before)
{
  state.counters["allocations_per_tick"] = benchmark::Counter(
      static_cast<double>(TestHeap::Allocations() - before), benchmark::Counter::kAvgIterations);
}

void BM_FullRedraw(benchmark::State& state)
{
  OfflineEffect plug{IPlugOffline::InstanceInfo()};
  IGraphics* editor = plug.GetGUI();
  DrawDirty(editor);  // fonts and glyphs made once, as on the first tick
  const long long before = TestHeap::Allocations();
  for (auto _ : state)
  {
    for (int i = 0; i < editor->NControls(); ++i)
      editor->GetControl(i)->MarkDirty(false);
    DrawDirty(editor);
  }
  ReportAllocations(state, before);
}

void BM_IdleTick(benchmark::State& state)
{
  OfflineEffect plug{IPlugOffline::InstanceInfo()};
  IGraphics* editor = plug.GetGUI();
  while (DrawDirty(editor))
  {
  }
  const long long before = TestHeap::Allocations();
  for (auto _ : state)
    benchmark::DoNotOptimize(DrawDirty(editor));
  ReportAllocations(state, before);
}
}

BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IdleTick)->Unit(benchmark::kNanosecond);
BENCHMARK_MAIN();
