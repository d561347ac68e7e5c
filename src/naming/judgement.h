#pragma once

#include "naming/character_facts.h"
#include "naming/verses.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zeruda::naming {

// What the naming custom says of a person's name, beside its numerology (texts GBK).
struct NameJudgement {
  std::string pinyin;                      // the whole name read, "lǐ qīng yáng"
  std::vector<int> tones;                  // one per character: 1-4, 0 neutral or unknown
  std::string tonePattern;                 // 平 and 仄 in order, "仄平平"
  std::vector<std::string_view> meanings;  // one per given character: the facts' own text
  const Verse* source = nullptr;           // the verse a pair of the given name stands in
  std::vector<std::string> warnings;       // a 谐音 names the word heard
  std::vector<std::string> notes;          // what the custom remarks on without counting it a flaw
};

// Judges surname + given (both GBK, two-byte characters): the reading, each given
// character's meaning, the sound (tones, 双声, 叠韵, repeats), the words to avoid it
// holds or is heard as, characters outside the 通用规范汉字表 or of its third level,
// polyphones, the fit with `gender` (Male or Female; nothing: not judged) and the
// verse source.
NameJudgement judgeName(std::string_view surname, std::string_view given,
                        std::optional<Leaning> gender);

// The same without the verse source, for a 字号: its verse is not what a founder asks,
// and the browser edition then need not load the verses for a company run.
NameJudgement judgeNameWithoutSource(std::string_view surname, std::string_view given,
                                     std::optional<Leaning> gender);

// The judgements of one run, each made once however often the run gives its name:
// a run gives few names many times over (the verse road's pairs, the 字号 words).
class JudgementMemo {
 public:
  // The judgement kept for `key`, made by `judge()` the first time `key` is asked for.
  template <typename Judge>
  std::shared_ptr<const NameJudgement> of(const std::string& key, Judge&& judge) {
    auto& judgement = judged_[key];
    if (!judgement) judgement = std::make_shared<const NameJudgement>(judge());
    return judgement;
  }

 private:
  std::unordered_map<std::string, std::shared_ptr<const NameJudgement>> judged_;
};

}  // namespace zeruda::naming
