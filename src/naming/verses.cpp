#include "naming/verses.h"

#include "embedded/kNamingVerses.h"
#include "naming/table_rows.h"

#include <algorithm>
#include <vector>

namespace zeruda::naming {
namespace {

// Columns: pair, clause, title, author, dynasty, book. The file lists the books in
// order; a stable sort by pair keeps that order within a pair.
std::vector<Verse> readVerses() {
  std::vector<Verse> verses;
  forEachRow<6>(data::kNamingVerses, [&](const auto& fields) {
    if (fields[0].size() != 4) return;
    verses.push_back({.pair = fields[0],
                      .clause = fields[1],
                      .title = fields[2],
                      .author = fields[3],
                      .dynasty = fields[4],
                      .book = fields[5]});
  });
  std::stable_sort(verses.begin(), verses.end(),
                   [](const Verse& a, const Verse& b) { return a.pair < b.pair; });
  return verses;
}

const std::vector<Verse>& verses() {
  static const std::vector<Verse> built = readVerses();
  return built;
}

}  // namespace

std::span<const Verse> allVerses() { return verses(); }

std::span<const Verse> versesOf(std::string_view pair) {
  struct ByPair {
    bool operator()(const Verse& verse, std::string_view key) const { return verse.pair < key; }
    bool operator()(std::string_view key, const Verse& verse) const { return key < verse.pair; }
  };
  const auto [first, last] = std::equal_range(verses().begin(), verses().end(), pair, ByPair{});
  // Pointer and count: the browser edition's library has no span from two iterators.
  return {verses().data() + (first - verses().begin()), static_cast<std::size_t>(last - first)};
}

}  // namespace zeruda::naming
