// The editor's redraw: every control dirty (each tick while audio runs, the
// effect marks them all) and an idle tick (nothing dirty), with the heap
// allocations per tick counted.

#include "EditorLayout.h"
#include "IGraphicsHeadless.h"
#include "StatePlug.h"
#include "support/TestHeap.h"

#include <benchmark/benchmark.h>

namespace
{
struct Editor
{
  Editor()
  {
    EditorImages::Seed();
    graphics = new IGraphicsHeadless(&plug);
    layout.Build(graphics, &plug);
    plug.AttachEditor(graphics);
  }

  bool Tick() { return DrawDirty(graphics); }

  StatePlug plug;
  EditorLayout layout;
  IGraphicsHeadless* graphics;
};

void ReportAllocations(benchmark::State& state, long long before)
{
  state.counters["allocations_per_tick"] = benchmark::Counter(
      static_cast<double>(TestHeap::Allocations() - before), benchmark::Counter::kAvgIterations);
}

void BM_FullRedraw(benchmark::State& state)
{
  Editor editor;
  const long long before = TestHeap::Allocations();
  for (auto _ : state)
  {
    for (int i = 0; i < editor.graphics->NControls(); ++i)
      editor.graphics->GetControl(i)->MarkDirty(false);
    editor.Tick();
  }
  ReportAllocations(state, before);
}

void BM_IdleTick(benchmark::State& state)
{
  Editor editor;
  while (editor.Tick())
  {
  }
  const long long before = TestHeap::Allocations();
  for (auto _ : state)
    benchmark::DoNotOptimize(editor.Tick());
  ReportAllocations(state, before);
}
}

BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IdleTick)->Unit(benchmark::kNanosecond);
BENCHMARK_MAIN();
