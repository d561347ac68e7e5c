#include "naming/verse_names.h"

#include "embedded/kNamingVerseNames.h"
#include "naming/table_rows.h"

#include <string>
#include <unordered_map>

namespace zeruda::naming {
namespace {

// Columns: pair, leaning (男 女 中, or 否 for a pair read and left out).
std::unordered_map<std::string_view, Leaning> readKept() {
  std::unordered_map<std::string_view, Leaning> kept;
  forEachRow<2>(data::kNamingVerseNames, [&](const auto& fields) {
    const auto leaning = leaningFromText(fields[1]);
    if (fields[0].size() == 4 && leaning) kept.emplace(fields[0], *leaning);
  });
  return kept;
}

}  // namespace

std::optional<Leaning> verseNameLeaning(std::string_view pair) {
  static const auto kept = readKept();
  const auto found = kept.find(pair);
  if (found == kept.end()) return std::nullopt;
  return found->second;
}

}  // namespace zeruda::naming
