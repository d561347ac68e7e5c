#include "naming/homophones.h"

#include "dictionary/gbk_code.h"
#include "text/gbk_literal.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zeruda::naming {

using namespace text::literals;

namespace {

using How = HeardWord::How;

// A run of the name's characters, [from, to), with its characters' text.
struct Run {
  const NameSound& sound;
  std::size_t from = 0;
  std::size_t to = 0;
  std::string_view text;
  std::size_t size() const { return to - from; }
};

std::optional<How> howHeard(const Run& run, const AvoidWord& word) {
  if (word.word == run.text) return How::Written;
  if (word.toneful.size() != run.size()) return std::nullopt;
  bool sameTones = true;
  bool sameSounds = true;
  for (std::size_t i = 0; i < run.size(); ++i) {
    const std::string_view syllable = run.sound.syllables[run.from + i];
    if (syllable.empty()) return std::nullopt;
    sameTones = sameTones && word.toneful[i] == syllable;
    sameSounds = sameSounds && word.toneless[i] == run.sound.toneless[run.from + i];
  }
  if (sameTones) return How::SameTones;
  if (sameSounds) return How::OtherTones;
  return std::nullopt;
}

// The words of two characters or more that a run could be heard as: those spelled as
// it, and those whose first syllable is its first without tones. Indices into
// avoidWords(), so that the words are tried in the list's order as before.
struct WordIndex {
  // By first syllable, then by the word's length in characters: a run is heard only
  // as a word of its own length.
  std::unordered_map<std::string_view, std::vector<std::vector<std::size_t>>> byFirstSyllable;
  std::unordered_map<std::string_view, std::size_t> bySpelling;
  std::vector<bool> startsSpelling;  // by GBK slot: a word of bySpelling begins with it
};

const WordIndex& wordIndex() {
  static const WordIndex index = [] {
    WordIndex built;
    built.startsSpelling.assign(dictionary::kGbkCodeCount, false);
    const auto words = avoidWords();
    for (std::size_t i = 0; i < words.size(); ++i) {
      if (words[i].word.size() < 4) continue;
      built.bySpelling.emplace(words[i].word, i);
      if (const auto slot = dictionary::gbkSlot(words[i].word.substr(0, 2))) {
        built.startsSpelling[*slot] = true;
      }
      if (words[i].toneless.empty()) continue;
      auto& byLength = built.byFirstSyllable[words[i].toneless[0]];
      if (byLength.size() <= words[i].toneless.size())
        byLength.resize(words[i].toneless.size() + 1);
      byLength[words[i].toneless.size()].push_back(i);
    }
    return built;
  }();
  return index;
}

// Calls `visit` with the index of each word the run could be heard as, in the list's
// order, each once.
template <typename Visit>
void forEachCandidate(const Run& run, const std::vector<std::size_t>& heard, Visit visit) {
  const WordIndex& index = wordIndex();
  std::size_t spelled = avoidWords().size();
  const auto slot = dictionary::gbkSlot(run.text.substr(0, 2));
  if (slot && index.startsSpelling[*slot]) {
    if (const auto at = index.bySpelling.find(run.text); at != index.bySpelling.end()) {
      spelled = at->second;
    }
  }
  // Both ascend: merged so the spelled word comes in its place, and not twice.
  for (const std::size_t i : heard) {
    if (spelled < i) visit(std::exchange(spelled, avoidWords().size()));
    if (i == spelled) spelled = avoidWords().size();
    visit(i);
  }
  if (spelled < avoidWords().size()) visit(spelled);
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
  // The words each position could begin, sought once for all the runs from it.
  static const std::vector<std::vector<std::size_t>> kNone;
  std::vector<const std::vector<std::vector<std::size_t>>*> heardFrom(n, &kNone);
  for (std::size_t k = 0; k < n; ++k) {
    const auto& bySyllable = wordIndex().byFirstSyllable;
    if (const auto at = bySyllable.find(sound.toneless[k]); at != bySyllable.end()) {
      heardFrom[k] = &at->second;
    }
  }
  std::string text;
  // Runs of two characters or more that reach into the given name, longest first.
  for (std::size_t length = n; length >= 2; --length) {
    for (std::size_t from = 0; from + length <= n; ++from) {
      if (from + length <= sound.surnameLength) continue;
      text.clear();
      for (std::size_t k = from; k < from + length; ++k) text += sound.characters[k];
      const Run run{sound, from, from + length, text};
      static const std::vector<std::size_t> kNoWords;
      const auto& byLength = *heardFrom[from];
      forEachCandidate(run, length < byLength.size() ? byLength[length] : kNoWords,
                       [&](std::size_t i) {
                         const AvoidWord& word = avoidWords()[i];
                         if (const auto how = howHeard(run, word)) add(word, text, *how);
                       });
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
