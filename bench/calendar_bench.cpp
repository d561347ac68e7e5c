#include "almanac/almanac.h"
#include "almanac/opening_days.h"
#include "calendar/gregorian.h"
#include "calendar/lunar.h"
#include "calendar/pillars.h"
#include "chart/element_strength.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zeruda::calendar;

void BM_SolarToLunar(benchmark::State& state) {
  const Date date{2014, 10, 24};
  for (auto _ : state) benchmark::DoNotOptimize(solarToLunar(date));
}
BENCHMARK(BM_SolarToLunar);

void BM_FourPillars(benchmark::State& state) {
  const DateTime moment{2014, 2, 4, 6, 4, 0};
  for (auto _ : state) benchmark::DoNotOptimize(fourPillars(moment));
}
BENCHMARK(BM_FourPillars);

void BM_ElementStrength(benchmark::State& state) {
  const DateTime moment{2008, 8, 8, 20, 0, 0};
  for (auto _ : state) benchmark::DoNotOptimize(zeruda::chart::elementStrength(moment));
}
BENCHMARK(BM_ElementStrength);

// Every day of the convertible span, 1901-02-19 to 2048-12-31 (54,008 days): its lunar
// date and its four pillars at noon, as the calendar command and the month views take
// them. Target: under 2 ms for the whole span.
void BM_WholeSpanLunarAndPillars(benchmark::State& state) {
  for (auto _ : state) {
    for (Date d = kFirstLunarDate; d <= kLastLunarDate; d = nextDay(d)) {
      benchmark::DoNotOptimize(solarToLunar(d));
      benchmark::DoNotOptimize(fourPillars(DateTime::of(d, 12)));
    }
  }
  state.SetItemsProcessed(state.iterations() * 54008);
}
BENCHMARK(BM_WholeSpanLunarAndPillars)->Unit(benchmark::kMillisecond);

// The same with the pillars turned into their texts, what a caller pays when it asks
// for text on every day.
void BM_WholeSpanLunarAndPillarTexts(benchmark::State& state) {
  for (auto _ : state) {
    for (Date d = kFirstLunarDate; d <= kLastLunarDate; d = nextDay(d)) {
      benchmark::DoNotOptimize(solarToLunar(d));
      const FourPillars p = fourPillars(DateTime::of(d, 12));
      benchmark::DoNotOptimize(eightCharacters(p));
    }
  }
  state.SetItemsProcessed(state.iterations() * 54008);
}
BENCHMARK(BM_WholeSpanLunarAndPillarTexts)->Unit(benchmark::kMillisecond);

// The longest opening-day search, a year of days, as the almanac page and the
// command run it. Target: under 20 ms, well inside a click.
void BM_OpeningDaysOfAYear(benchmark::State& state) {
  const DateTime birth{1985, 6, 15, 8, 30, 0};
  for (auto _ : state)
    benchmark::DoNotOptimize(zeruda::almanac::openingDays({2027, 1, 1}, 365, birth));
}
BENCHMARK(BM_OpeningDaysOfAYear)->Unit(benchmark::kMillisecond);

// The almanac of every day of a year with the traditional tables' reading, as
// `almanac --from --to` and the month views take it.
void BM_AlmanacOfAYear(benchmark::State& state) {
  for (auto _ : state) {
    for (Date d{2026, 1, 1}; d <= Date{2026, 12, 31}; d = nextDay(d)) {
      benchmark::DoNotOptimize(zeruda::almanac::almanacDay(d));
    }
  }
}
BENCHMARK(BM_AlmanacOfAYear)->Unit(benchmark::kMillisecond);

}  // namespace
