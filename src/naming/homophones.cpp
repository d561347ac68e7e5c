#include "naming/homophones.h"

#include "naming/toneless.h"
#include "text/gbk_literal.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <vector>

namespace zeruda::naming {

using namespace text::literals;

namespace {

using How = HeardWord::How;

struct Run {
  std::string text;
  std::vector<std::string_view> toneful;
  std::vector<std::string> toneless;
};

Run runOf(const NameSound& sound, std::size_t from, std::size_t to) {
  Run run;
  for (std::size_t k = from; k < to; ++k) {
    run.text += sound.characters[k];
    run.toneful.push_back(sound.syllables[k]);
    run.toneless.push_back(tonelessOf(sound.syllables[k]));
  }
  return run;
}

std::optional<How> howHeard(const Run& run, const AvoidWord& word) {
  if (word.word == run.text) return How::Written;
  if (word.toneful.size() != run.toneful.size()) return std::nullopt;
  if (std::any_of(run.toneful.begin(), run.toneful.end(),
                  [](std::string_view s) { return s.empty(); })) {
    return std::nullopt;
  }
  if (std::equal(word.toneful.begin(), word.toneful.end(), run.toneful.begin(), run.toneful.end()))
    return How::SameTones;
  if (std::equal(word.toneless.begin(), word.toneless.end(), run.toneless.begin(),
                 run.toneless.end()))
    return How::OtherTones;
  return std::nullopt;
}

// The words of two characters or more that a run could be heard as: those spelled as
// it, and those whose first syllable is its first without tones. Indices into
// avoidWords(), so that the words are tried in the list's order as before.
struct WordIndex {
  std::unordered_map<std::string_view, std::vector<std::size_t>> byFirstSyllable;
  std::unordered_map<std::string_view, std::size_t> bySpelling;
};

const WordIndex& wordIndex() {
  static const WordIndex index = [] {
    WordIndex built;
    const auto words = avoidWords();
    for (std::size_t i = 0; i < words.size(); ++i) {
      if (words[i].word.size() < 4) continue;
      built.bySpelling.emplace(words[i].word, i);
      if (!words[i].toneless.empty()) built.byFirstSyllable[words[i].toneless[0]].push_back(i);
    }
    return built;
  }();
  return index;
}

std::vector<std::size_t> candidatesFor(const Run& run) {
  const WordIndex& index = wordIndex();
  std::vector<std::size_t> candidates;
  if (const auto spelled = index.bySpelling.find(run.text); spelled != index.bySpelling.end()) {
    candidates.push_back(spelled->second);
  }
  if (!run.toneless.empty()) {
    const auto heard = index.byFirstSyllable.find(run.toneless[0]);
    if (heard != index.byFirstSyllable.end()) {
      candidates.insert(candidates.end(), heard->second.begin(), heard->second.end());
    }
  }
  std::sort(candidates.begin(), candidates.end());
  candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
  return candidates;
}

std::string quoted(std::string_view text) { return "“"_gbk + std::string(text) + "”"_gbk; }

std::string joined(const std::vector<std::string_view>& syllables) {
  std::string out;
  for (auto s : syllables) out += (out.empty() ? "" : " ") + std::string(s);
  return out;
}

}  // namespace

std::vector<HeardWord> heardWords(const NameSound& sound) {
  std::vector<HeardWord> found;
  auto add = [&](const AvoidWord& word, const std::string& heardIn, How how) {
    if (std::any_of(found.begin(), found.end(),
                    [&](const HeardWord& h) { return h.word == &word; }))
      return;
    found.push_back({&word, heardIn, how});
  };
  const std::size_t n = sound.characters.size();
  // Runs of two characters or more that reach into the given name, longest first.
  for (std::size_t length = n; length >= 2; --length) {
    for (std::size_t from = 0; from + length <= n; ++from) {
      if (from + length <= sound.surnameLength) continue;
      const Run run = runOf(sound, from, from + length);
      for (const std::size_t i : candidatesFor(run)) {
        const AvoidWord& word = avoidWords()[i];
        if (const auto how = howHeard(run, word)) add(word, run.text, *how);
      }
    }
  }
  for (std::size_t k = sound.surnameLength; k < n; ++k) {
    if (const AvoidWord* word = findAvoidWord(sound.characters[k])) {
      add(*word, sound.characters[k], How::Written);
    }
  }
  return found;
}

std::string heardWordWarning(const HeardWord& heard) {
  const std::string word = quoted(heard.word->word);
  const std::string reading = "（"_gbk + joined(heard.word->toneful) + "）"_gbk;
  switch (heard.how) {
    case How::Written:
      return "忌用字词：名中有"_gbk + word;
    case How::SameTones:
      return "谐音："_gbk + quoted(heard.heardIn) + "与"_gbk + word + "同音"_gbk + reading;
    case How::OtherTones:
      return "谐音："_gbk + quoted(heard.heardIn) + "音近"_gbk + word + reading;
  }
  return {};
}

}  // namespace zeruda::naming
