#include "bench_support.h"
#include "personal/scratch_table.h"
#include "personal/worker.h"
#include "personal/worker_services.h"
#include "run/stop_flag.h"
#include "storage/character_table.h"
#include "text/gbk.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zeruda;
using namespace zeruda::personal;

// Counts the records and keeps none: the loop without the scratch table.
struct CountingRecorder final : NameRecorder {
  int count = 0;
  Result<int> record(const NameRecord&) override { return ++count; }
  Result<Done> flush() override { return Done{}; }
};

// 王, two given characters, 金 missing from the chart: every name looks its three
// characters up in "zk" for the sought element, as a run of the program does. The
// stroke road unless another is asked for.
WorkerSettings wangSettings(NamingRoad road = NamingRoad::Strokes) {
  WorkerSettings s;
  s.road = road;
  s.surname = text::toGbk("王");
  s.surnameEntries = {{text::toGbk("王"), 4}};
  s.givenLength = 2;
  s.soughtElements = {calendar::Element::Metal};
  s.baseScore = 4;
  return s;
}

// One whole run to the cap of 2,000 names; gives the names made.
int runToCap(const WorkerSettings& settings, WorkerServices& services) {
  run::StopFlag stop;
  return runNamingWorker(settings, stop, services,
                         [](const NameRow& row) { benchmark::DoNotOptimize(row.text.data()); })
      .names;
}

// Names per second of the worker's loop: draws, picker, grids, score with the
// character-table lookups, row text and recommendation; no "xm" writes.
void BM_NamingWorkerWithoutScratchTable(benchmark::State& state) {
  app::Session& session = bench::benchSession();
  const WorkerSettings settings = wangSettings();
  std::uint32_t seed = 1;
  std::int64_t names = 0;
  for (auto _ : state) {
    WorkerServices services{run::SeededDraw(seed++), storage::characterTable(session.tables()),
                            std::make_unique<CountingRecorder>()};
    names += runToCap(settings, services);
  }
  state.SetItemsProcessed(names);
}
BENCHMARK(BM_NamingWorkerWithoutScratchTable)->Unit(benchmark::kMillisecond);

// The same with every name recorded in the scratch table "xm" on disk, in batches,
// as the window runs it; each run starts on an emptied table, as a request leaves it.
void BM_NamingWorkerWithScratchTable(benchmark::State& state) {
  app::Session& session = bench::benchSession();
  const WorkerSettings settings = wangSettings();
  std::uint32_t seed = 1;
  std::int64_t names = 0;
  for (auto _ : state) {
    if (!emptyScratchTable(session.tables()).ok()) {
      state.SkipWithError("xm cannot be emptied");
      return;
    }
    auto services = programWorkerServices(seed++, session.tables());
    if (!services.ok()) {
      state.SkipWithError("xm cannot be opened");
      return;
    }
    names += runToCap(settings, services.value());
  }
  state.SetItemsProcessed(names);
}
BENCHMARK(BM_NamingWorkerWithScratchTable)->Unit(benchmark::kMillisecond);

// A run to the cap of 2,000 names on each road (0 verse, 1 pairs, 2 strokes), without
// the scratch table: the verse and pairs roads' draws and screen set against the
// stroke road's draw.
void BM_NamingRoadToCap(benchmark::State& state) {
  app::Session& session = bench::benchSession();
  const WorkerSettings settings = wangSettings(static_cast<NamingRoad>(state.range(0)));
  std::uint32_t seed = 1;
  std::int64_t names = 0;
  for (auto _ : state) {
    WorkerServices services{run::SeededDraw(seed++), storage::characterTable(session.tables()),
                            std::make_unique<CountingRecorder>()};
    names += runToCap(settings, services);
  }
  state.SetItemsProcessed(names);
}
BENCHMARK(BM_NamingRoadToCap)
    ->ArgName("road")
    ->Arg(static_cast<int>(NamingRoad::Verse))
    ->Arg(static_cast<int>(NamingRoad::Pairs))
    ->Arg(static_cast<int>(NamingRoad::Strokes))
    ->Unit(benchmark::kMillisecond);

}  // namespace
