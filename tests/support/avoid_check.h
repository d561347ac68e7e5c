#pragma once

#include "dictionary/pinyin.h"
#include "naming/avoid_words.h"
#include "naming/character_facts.h"
#include "naming/toneless.h"
#include "text/gbk.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zeruda::test {

// The words to avoid as a reader would look for them in a whole name (GBK): any run
// of its characters written as a word, or any run of two or more sounding like one
// without tones (which a sound with tones implies). Gives the word found, "" for none.
class AvoidCheck {
 public:
  AvoidCheck() {
    for (const auto& word : naming::avoidWords()) {
      written_.emplace(std::string(word.word), std::string(word.word));
      if (word.toneless.size() < 2) continue;
      std::string sound;
      for (const auto syllable : word.toneless) sound += std::string(syllable) + "|";
      heard_.emplace(sound, std::string(word.word));
    }
  }

  std::string found(std::string_view name) const {
    std::vector<std::string> sounds;
    for (std::size_t at = 0; at + 1 < name.size(); at += 2)
      sounds.push_back(soundOf(name.substr(at, 2)));
    for (std::size_t first = 0; first < sounds.size(); ++first) {
      std::string sound;
      for (std::size_t last = first; last < sounds.size(); ++last) {
        const std::string written(name.substr(first * 2, (last - first + 1) * 2));
        if (auto hit = written_.find(written); hit != written_.end()) return hit->second;
        sound += sounds[last] + "|";
        if (last == first) continue;
        if (auto hit = heard_.find(sound); hit != heard_.end()) return hit->second;
      }
    }
    return "";
  }

 private:
  static std::string soundOf(std::string_view character) {
    if (const auto reading = naming::readingOf(character); !reading.empty()) {
      return naming::tonelessOf(reading);
    }
    std::string sound;
    for (const char c : dictionary::pinyinOf(character))
      sound += c == 'v' ? text::toGbk("ü") : std::string(1, c);
    return sound;
  }

  std::unordered_map<std::string, std::string> written_;
  std::unordered_map<std::string, std::string> heard_;
};

}  // namespace zeruda::test
