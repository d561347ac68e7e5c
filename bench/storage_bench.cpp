// The storage room's hot paths: the base score that single ratings read, and the
// data tables that start-up opens and the rating and personal naming search.
#include "bench_support.h"
#include "storage/data_table.h"
#include "text/gbk_literal.h"

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace {

using namespace zeruda;
using namespace zeruda::text::literals;

using bench::benchSession;

constexpr int kLargeTableRecords = 20900;  // about the size of the character table

std::string nameOf(int i) { return "n" + std::to_string(i); }

// The scratch table filled to the size of the character table, through the same
// calls personal naming makes.
void ensureLargeTable() {
  static bool ready = [] {
    auto xm = benchSession().tables().open("xm").value();
    xm.empty();
    for (int i = 0; i < kLargeTableRecords; ++i) {
      xm.append({nameOf(i), "15", "28", "15", "28", "1", "5", "8", "5", "3"});
    }
    return true;
  }();
  (void)ready;
}

void BM_ProfileBaseScore(benchmark::State& state) {
  profile::ProfileFile& profile = benchSession().profile();
  for (auto _ : state) benchmark::DoNotOptimize(profile.baseScore());
}
BENCHMARK(BM_ProfileBaseScore);

void BM_OpenNumberLuckTable(benchmark::State& state) {
  storage::TableSet& tables = benchSession().tables();
  for (auto _ : state) {
    tables.closeAll();
    benchmark::DoNotOptimize(tables.open("sl").ok());
  }
}
BENCHMARK(BM_OpenNumberLuckTable)->Unit(benchmark::kMillisecond);

void BM_OpenCharacterTable(benchmark::State& state) {
  storage::TableSet& tables = benchSession().tables();
  for (auto _ : state) {
    tables.closeAll();
    benchmark::DoNotOptimize(tables.open("zk").ok());
  }
}
BENCHMARK(BM_OpenCharacterTable)->Unit(benchmark::kMillisecond);

void BM_CharacterElementLookup(benchmark::State& state) {
  auto zk = benchSession().tables().open("zk").value();
  for (auto _ : state) benchmark::DoNotOptimize(zk.lookup("汉字"_gbk, "鑫"_gbk, "五行"_gbk));
}
BENCHMARK(BM_CharacterElementLookup);

// Start-up's share: writing the five table files into an empty working folder.
void BM_WriteTableFilesAtStart(benchmark::State& state) {
  app::Session& session = benchSession();
  for (auto _ : state) {
    session.end();
    session.ownTableFiles();
  }
}
BENCHMARK(BM_WriteTableFilesAtStart)->Unit(benchmark::kMillisecond);

void BM_OpenTableOf20900Records(benchmark::State& state) {
  ensureLargeTable();
  storage::TableSet& tables = benchSession().tables();
  for (auto _ : state) {
    tables.closeAll();
    benchmark::DoNotOptimize(tables.open("xm").ok());
  }
}
BENCHMARK(BM_OpenTableOf20900Records)->Unit(benchmark::kMillisecond);

void BM_LookupInTableOf20900Records(benchmark::State& state) {
  ensureLargeTable();
  auto xm = benchSession().tables().open("xm").value();
  xm.lookup("姓名"_gbk, nameOf(0), "星数"_gbk);  // the index is built on first use
  std::mt19937 random(1);
  std::vector<std::string> names;
  for (int i = 0; i < 1024; ++i)
    names.push_back(nameOf(static_cast<int>(random() % kLargeTableRecords)));
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(xm.lookup("姓名"_gbk, names[i++ & 1023], "星数"_gbk));
  }
}
BENCHMARK(BM_LookupInTableOf20900Records);

void BM_AppendScratchRecord(benchmark::State& state) {
  auto xm = benchSession().tables().open("xm").value();
  xm.empty();
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        xm.append({"华通"_gbk, "15", "28", "15", "28", "1", "5", "8", "5", "5"}));
  }
  xm.empty();
}
BENCHMARK(BM_AppendScratchRecord)->Unit(benchmark::kMicrosecond);

}  // namespace
