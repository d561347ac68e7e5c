// Per-character dictionary lookups, called for every candidate the generator draws.
#include <benchmark/benchmark.h>

#include <string>

#include "dictionary/elements.h"
#include "dictionary/strokes.h"
#include "text/gbk.h"

namespace {

using namespace zeruda;

void dictionaryKangxiInGroup(benchmark::State& state) {
  const std::string unit = text::toGbk("华");
  for (auto _ : state) benchmark::DoNotOptimize(dictionary::kangxiStrokes(unit));
}
BENCHMARK(dictionaryKangxiInGroup);

// 龍 is in no group and is answered through its traditional form's written count.
void dictionaryKangxiFromTraditional(benchmark::State& state) {
  const std::string unit = text::toGbk("龍");
  for (auto _ : state) benchmark::DoNotOptimize(dictionary::kangxiStrokes(unit));
}
BENCHMARK(dictionaryKangxiFromTraditional);

void dictionaryKangxiAscii(benchmark::State& state) {
  const std::string unit = "a";
  for (auto _ : state) benchmark::DoNotOptimize(dictionary::kangxiStrokes(unit));
}
BENCHMARK(dictionaryKangxiAscii);

void dictionaryWrittenStrokes(benchmark::State& state) {
  const std::string unit = text::toGbk("通");
  for (auto _ : state) benchmark::DoNotOptimize(dictionary::writtenStrokes(unit));
}
BENCHMARK(dictionaryWrittenStrokes);

void dictionaryKangxiStrokeTextOfFourCharacters(benchmark::State& state) {
  const std::string body = text::toGbk("华通鑫达");
  for (auto _ : state) benchmark::DoNotOptimize(dictionary::kangxiStrokeText(body));
}
BENCHMARK(dictionaryKangxiStrokeTextOfFourCharacters);

void dictionaryListElement(benchmark::State& state) {
  const std::string unit = text::toGbk("文");
  for (auto _ : state) benchmark::DoNotOptimize(dictionary::listElement(unit));
}
BENCHMARK(dictionaryListElement);

}  // namespace
