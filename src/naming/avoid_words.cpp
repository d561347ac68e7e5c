#include "naming/avoid_words.h"

#include "embedded/kNamingAvoidWords.h"
#include "naming/table_rows.h"

#include <algorithm>
#include <charconv>
#include <unordered_map>

namespace zeruda::naming {
namespace {

std::vector<std::string_view> syllables(std::string_view reading) {
  std::vector<std::string_view> out;
  forEachWord(reading, [&](std::string_view syllable) { out.push_back(syllable); });
  return out;
}

int frequencyFrom(std::string_view text) {
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);  // "-" leaves 0
  return value;
}

struct Table {
  std::vector<AvoidWord> words;
  std::unordered_map<std::string_view, std::size_t> byWord;
};

// Columns: kind, word, toneful reading, toneless reading, jieba frequency.
Table readTable() {
  Table table;
  forEachRow<5>(data::kNamingAvoidWords, [&](const auto& fields) {
    AvoidWord entry{.kind = fields[0],
                    .word = fields[1],
                    .toneful = syllables(fields[2]),
                    .toneless = syllables(fields[3]),
                    .frequency = frequencyFrom(fields[4])};
    if (entry.toneful.size() * 2 != entry.word.size() ||
        entry.toneless.size() != entry.toneful.size()) {
      return;
    }
    table.byWord.emplace(entry.word, table.words.size());
    table.words.push_back(std::move(entry));
  });
  return table;
}

const Table& table() {
  static const Table built = readTable();
  return built;
}

}  // namespace

std::span<const AvoidWord> avoidWords() { return table().words; }

const AvoidWord* findAvoidWord(std::string_view word) {
  const auto found = table().byWord.find(word);
  return found == table().byWord.end() ? nullptr : &table().words[found->second];
}

}  // namespace zeruda::naming
