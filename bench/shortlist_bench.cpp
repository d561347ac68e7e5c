#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "shortlist/shortlist.h"
#include "storage/character_table.h"
#include "text/gbk.h"

#include <array>
#include <string>
#include <vector>

namespace {

using namespace zeruda;

// 10,000 full names as a founder's list would hold them: regions of every level,
// bodies of two to four characters, industry words and forms of every kind, and a
// share of names the registration rules object to.
std::vector<std::string> tenThousandNames() {
  const std::array<const char*, 6> regions = {"成都",    "四川省成都市双流区", "北京市", "", "中国",
                                              "浙江义乌"};
  const std::array<const char*, 12> characters = {"华", "通", "金", "达", "鑫", "龙",
                                                  "汇", "天", "宝", "美", "国", "际"};
  const std::array<const char*, 6> suffixes = {"科技有限公司",     "信息技术有限责任公司",
                                               "贸易股份有限公司", "投资合伙企业（有限合伙）",
                                               "银行个人独资企业", ""};
  std::vector<std::string> names;
  names.reserve(10000);
  for (std::size_t i = 0; names.size() < 10000; ++i) {
    std::string body;
    for (std::size_t k = 0; k < 2 + i % 3; ++k) body += characters[(i * 7 + k * 5) % 12];
    names.push_back(text::toGbk(std::string(regions[i % 6]) + body + suffixes[(i / 6) % 6]));
  }
  return names;
}

// A shortlist as the CLI and the window score it: the character table for the
// elements, the base score given.
void BM_ScoreTenThousandNames(benchmark::State& state) {
  app::Session& session = bench::benchSession();
  const std::vector<std::string> names = tenThousandNames();
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        shortlist::scoreShortlist(names, 3, storage::characterTable(session.tables())));
  }
}
BENCHMARK(BM_ScoreTenThousandNames)->Unit(benchmark::kMillisecond);

}  // namespace
