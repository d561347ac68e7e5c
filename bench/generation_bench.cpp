#include "bench_support.h"
#include "generation/engine.h"
#include "generation/body_judgement.h"
#include "generation/engine_services.h"
#include "generation/name_pool.h"
#include "generation/request.h"
#include "generation/trade_words.h"
#include "numerology/rating.h"
#include "run/stop_flag.h"
#include "text/gbk.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

using namespace zeruda;
using namespace zeruda::generation;

const numerology::ElementLookup kNoLookup =
    [](std::string_view) -> Result<std::optional<std::string>> {
  return std::optional<std::string>();
};

// The pool road unless another is asked for.
EngineSettings companySettings(int bodyLength, CompanyRoad road = CompanyRoad::Pool) {
  EngineSettings s;
  s.bodyLength = bodyLength;
  s.road = road;
  s.prefix = text::toGbk("成都");
  s.suffix = text::toGbk("科技有限公司");
  return s;
}

// One engine run on this thread until `rows` rows stand (or the cap ends it).
EngineOutcome runWith(const SettingsSnapshot& snapshot, EngineServices services, int rows) {
  run::StopFlag stop;
  int accepted = 0;
  return runEngine(snapshot, stop, services, [&](const CandidateRow& row) {
    benchmark::DoNotOptimize(row.cells.data());
    if (++accepted >= rows) stop.requestStop();
  });
}

// A run on a fixed base score of 3 (one element missing from the chart).
EngineOutcome runFor(const SettingsSnapshot& snapshot, std::uint32_t seed, int rows) {
  return runWith(snapshot, {run::SeededDraw(seed), 3.0, kNoLookup}, rows);
}

// Rows per second, no filter: each iteration is a full run to the cap.
void BM_EngineUnfilteredFullRun(benchmark::State& state) {
  const SettingsSnapshot snapshot(companySettings(static_cast<int>(state.range(0))));
  std::uint32_t seed = 1;
  std::int64_t rows = 0;
  for (auto _ : state) rows += runFor(snapshot, seed++, 1'000'000).rows;
  state.SetItemsProcessed(rows);
  state.counters["rows_per_run"] =
      benchmark::Counter(static_cast<double>(rows) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_EngineUnfilteredFullRun)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

// Rows per second when only four stars and more are kept: every candidate is rated
// and the weaker ones dropped.
void BM_EngineMinStarsFour(benchmark::State& state) {
  EngineSettings s = companySettings(2);
  s.minimumStars = 4;
  const SettingsSnapshot snapshot(std::move(s));
  std::uint32_t seed = 1;
  std::int64_t rows = 0;
  std::int64_t attempts = 0;
  for (auto _ : state) {
    const EngineOutcome outcome = runFor(snapshot, seed++, 200);
    rows += outcome.rows;
    attempts += outcome.attempts;
  }
  state.SetItemsProcessed(rows);
  state.counters["kept_share"] =
      benchmark::Counter(static_cast<double>(rows) / static_cast<double>(attempts));
}
BENCHMARK(BM_EngineMinStarsFour)->Unit(benchmark::kMillisecond);

// A full run as the program makes it: the base score (3 here too) is read from the
// saved profile once, as the request does before it starts the engine, and the
// character table is the program's.
void BM_EngineUnfilteredWithProfile(benchmark::State& state) {
  app::Session& session = bench::benchSession();
  const SettingsSnapshot snapshot(companySettings(2));
  std::uint32_t seed = 1;
  std::int64_t rows = 0;
  for (auto _ : state) {
    const double base = session.profile().baseScore();
    rows +=
        runWith(snapshot, programEngineServices(seed++, base, session.tables()), 1'000'000).rows;
  }
  state.SetItemsProcessed(rows);
}
BENCHMARK(BM_EngineUnfilteredWithProfile)->Unit(benchmark::kMillisecond);

// One attempt without filters: draw, strokes, elements, rating, the seven cells.
void BM_EngineAttempt(benchmark::State& state) {
  const EngineSettings s = companySettings(2);
  EngineServices services{run::SeededDraw(1), 3.0, kNoLookup};
  for (auto _ : state) benchmark::DoNotOptimize(attemptCandidate(s, 1, services));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EngineAttempt);

// The rating alone on the bodies the engine draws, to set against the attempt.
void BM_RateNameOnPoolBodies(benchmark::State& state) {
  run::SeededDraw draw(1);
  std::vector<std::string> bodies;
  for (int i = 0; i < 1024; ++i) {
    std::string body;
    for (int c = 0; c < 2; ++c) body += poolCharacter(poolNumberForDraw(draw(kDrawLow, kDrawHigh)));
    bodies.push_back(body);
  }
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(numerology::rateName(bodies[i++ & 1023], 3, kNoLookup).stars);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RateNameOnPoolBodies);

// The judgement alone of four-character bodies made of two curated words, as the
// words road makes them, each judged afresh (no memo).
void BM_JudgeFourCharacterBodies(benchmark::State& state) {
  const auto words = tradeWords();
  std::vector<std::string> bodies;
  for (std::size_t i = 0; i < 1024; ++i) {
    bodies.push_back(std::string(words[i % words.size()]) +
                     std::string(words[(i * 7 + 3) % words.size()]));
  }
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(judgeBody(bodies[i++ & 1023]));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_JudgeFourCharacterBodies);

// 2,000 rows of each road (0 words, 1 pool) and body length, no filter: the words
// road's draw and screen set against the pool's draw.
void BM_CompanyRoadTwoThousandRows(benchmark::State& state) {
  const SettingsSnapshot snapshot(
      companySettings(static_cast<int>(state.range(1)), static_cast<CompanyRoad>(state.range(0))));
  std::uint32_t seed = 1;
  std::int64_t rows = 0;
  std::int64_t attempts = 0;
  for (auto _ : state) {
    const EngineOutcome outcome = runFor(snapshot, seed++, 2000);
    rows += outcome.rows;
    attempts += outcome.attempts;
  }
  state.SetItemsProcessed(rows);
  state.counters["attempts_per_row"] =
      benchmark::Counter(static_cast<double>(attempts) / static_cast<double>(rows));
}
BENCHMARK(BM_CompanyRoadTwoThousandRows)
    ->ArgNames({"road", "length"})
    ->ArgsProduct({{static_cast<int>(CompanyRoad::Words), static_cast<int>(CompanyRoad::Pool)},
                   {2, 3, 4}})
    ->Unit(benchmark::kMillisecond);

// The request the browser edition's benchmark (bench/web_bench.cjs) runs in its page,
// from the request to the 2,000th row: 张伟, born 1985-06-15 08:30, 成都 … 科技有限公司,
// bodies of two characters with the favourable elements, seed 20240611. The page's
// time is set against this one. Like the page and zeruda-cli, it keeps the tables in
// memory, in a session of its own (the request writes the profile).
void BM_RequestTwoThousandNamesAsThePage(benchmark::State& state) {
  static bench::BenchFolder folder;
  static app::Session session({folder.path, folder.path});
  CompanyForm form = defaultCompanyForm();
  form.surname = text::toGbk("张");
  form.givenName = text::toGbk("伟");
  form.birthMoment = calendar::DateTime::of(calendar::Date{1985, 6, 15}, 8, 30, 0);
  form.autoElements = true;
  std::int64_t rows = 0;
  for (auto _ : state) {
    const RequestOutcome request =
        runGenerationRequest(form, session.tables(), session.profile().path());
    if (!request.start) {
      state.SkipWithError("the request was refused");
      return;
    }
    rows +=
        runWith(SettingsSnapshot(request.start.value().settings),
                programEngineServices(20240611, request.start.value().baseScore, session.tables()),
                2000)
            .rows;
  }
  state.SetItemsProcessed(rows);
}
BENCHMARK(BM_RequestTwoThousandNamesAsThePage)->Unit(benchmark::kMillisecond);

}  // namespace
