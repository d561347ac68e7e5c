// GBK conversion: every literal, table read and line shown to the user goes through it.
#include <benchmark/benchmark.h>

#include <string>

#include "library/catalogue.h"
#include "text/gbk.h"

namespace {

using namespace zeruda;

// The company law guide: a long text of prose, punctuation and digits.
const std::string& articleGbk() {
  static const std::string text(library::lawGuide().text);
  return text;
}

void textArticleGbkToUtf8(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(text::gbkToUtf8(articleGbk()));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(articleGbk().size()));
}
BENCHMARK(textArticleGbkToUtf8);

void textArticleUtf8ToGbk(benchmark::State& state) {
  const std::string utf8 = text::toUtf8(articleGbk());
  for (auto _ : state) benchmark::DoNotOptimize(text::utf8ToGbk(utf8));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(utf8.size()));
}
BENCHMARK(textArticleUtf8ToGbk);

void textArticleGbkToWide(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(text::gbkToWide(articleGbk()));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(articleGbk().size()));
}
BENCHMARK(textArticleGbkToWide);

// A company name as typed on the command line or read from a row.
void textNameUtf8ToGbk(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(text::utf8ToGbk("成都华通鑫达科技有限公司"));
}
BENCHMARK(textNameUtf8ToGbk);

void textNameGbkToUtf8(benchmark::State& state) {
  const std::string name = text::toGbk("成都华通鑫达科技有限公司");
  for (auto _ : state) benchmark::DoNotOptimize(text::gbkToUtf8(name));
}
BENCHMARK(textNameGbkToUtf8);

}  // namespace
