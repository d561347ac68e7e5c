#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "numerology/grids.h"
#include "numerology/rating.h"
#include "storage/character_table.h"
#include "text/gbk.h"

namespace {

using namespace zeruda;

void BM_LoadNamePartsAndComputeGrids(benchmark::State& state) {
  const std::string body = text::toGbk("金华通达");
  numerology::NameGrids record;
  for (auto _ : state) {
    numerology::loadNameParts(record, body);
    record.grids = numerology::computeGrids(record.surnamePart, record.givenPart);
    benchmark::DoNotOptimize(record.grids);
  }
}
BENCHMARK(BM_LoadNamePartsAndComputeGrids);

void BM_ComputeGrids(benchmark::State& state) {
  numerology::NameGrids record;
  numerology::loadNameParts(record, text::toGbk("金华通达"));
  for (auto _ : state) {
    benchmark::DoNotOptimize(numerology::computeGrids(record.surnamePart, record.givenPart));
  }
}
BENCHMARK(BM_ComputeGrids);

void BM_RateNameWithoutTable(benchmark::State& state) {
  const std::string body = text::toGbk("华通达");
  const numerology::ElementLookup none = [](std::string_view) {
    return std::optional<std::string>();
  };
  for (auto _ : state) benchmark::DoNotOptimize(numerology::rateName(body, 3, none).stars);
}
BENCHMARK(BM_RateNameWithoutTable);

// A company body rated as the engine and the report rate it: base score from the
// profile on the disk, elements from the character table.
void BM_RateNameWithProfile(benchmark::State& state) {
  app::Session& session = bench::benchSession();
  const std::string body = text::toGbk("华通达");
  for (auto _ : state) {
    benchmark::DoNotOptimize(numerology::rateName(body, session.profile().baseScore(),
                                                  storage::characterTable(session.tables()))
                                 .stars);
  }
}
BENCHMARK(BM_RateNameWithProfile);

}  // namespace
