#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace zeruda::naming {

// A word or single character a name should neither hold nor be heard as (肚子疼 in
// 杜子腾). Texts GBK, valid for the life of the program.
struct AvoidWord {
  std::string_view kind;  // 污秽, 疾病, 死丧, 辱骂, 动物 …
  std::string_view word;
  std::vector<std::string_view> toneful;   // one syllable a character; no mark: neutral tone
  std::vector<std::string_view> toneless;  // the same without tone marks (ü stays ü)
  int frequency = 0;                       // in jieba's dictionary; 0 where it lacks the word
};

// Every word to avoid, in the list's order (by kind).
std::span<const AvoidWord> avoidWords();

// The entry of exactly this word (GBK); nothing when it is not listed.
const AvoidWord* findAvoidWord(std::string_view word);

}  // namespace zeruda::naming
