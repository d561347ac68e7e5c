#include "naming/judgement.h"

#include "dictionary/standard_characters.h"
#include "naming/homophones.h"
#include "naming/name_readings.h"
#include "naming/sound_checks.h"
#include "text/gbk_literal.h"

namespace zeruda::naming {

using namespace text::literals;

namespace {

std::string quoted(std::string_view text) { return "“"_gbk + std::string(text) + "”"_gbk; }

std::string pinyinOf(const NameSound& sound) {
  std::string out;
  for (std::size_t k = 0; k < sound.syllables.size(); ++k) {
    if (k > 0) out += ' ';
    out += sound.syllables[k].empty() ? "?" : std::string(sound.syllables[k]);
  }
  return out;
}

void checkCharacters(const NameSound& sound, NameJudgement& judged) {
  for (std::size_t k = 0; k < sound.characters.size(); ++k) {
    const std::string& c = sound.characters[k];
    const bool given = k >= sound.surnameLength;
    const int level = dictionary::standardCharacterLevel(c);
    if (level == 0) {
      judged.warnings.push_back("用字："_gbk + quoted(c) +
                                "不在通用规范汉字表内，登记和录入时可能遇到困难"_gbk);
    } else if (level == 3 && given) {
      judged.notes.push_back("用字："_gbk + quoted(c) +
                             "是通用规范汉字表三级字，较生僻，不易认读"_gbk);
    }
    if (sound.syllables[k].empty()) {
      judged.notes.push_back("读音："_gbk + quoted(c) + "的读音未收录"_gbk);
    }
    const CharacterFacts* facts = given ? factsOf(c) : nullptr;
    if (facts && facts->polyphone()) {
      judged.notes.push_back("读音："_gbk + quoted(c) + "是多音字，名中读 "_gbk +
                             std::string(facts->reading) + "（另读 "_gbk +
                             std::string(facts->otherReadings) + "）"_gbk);
    }
  }
}

// A name leans the other way when most of its characters do; one such character among
// others is only remarked on.
void checkGender(const NameSound& sound, Leaning gender, NameJudgement& judged) {
  const Leaning other = gender == Leaning::Male ? Leaning::Female : Leaning::Male;
  std::string leaning;
  std::size_t count = 0;
  for (std::size_t k = sound.surnameLength; k < sound.characters.size(); ++k) {
    if (genderOf(sound.characters[k]) != other) continue;
    leaning += sound.characters[k];
    ++count;
  }
  if (count == 0) return;
  const std::string text =
      "性别："_gbk + quoted(leaning) +
      (other == Leaning::Female ? "按取名习惯多用于女孩"_gbk : "按取名习惯多用于男孩"_gbk);
  const std::size_t given = sound.characters.size() - sound.surnameLength;
  (count * 2 > given ? judged.warnings : judged.notes).push_back(text);
}

// The first adjacent pair of the given name that stands in a verse, in the books' order.
const Verse* sourceOf(const NameSound& sound) {
  for (std::size_t k = sound.surnameLength; k + 1 < sound.characters.size(); ++k) {
    const auto verses = versesOf(sound.characters[k] + sound.characters[k + 1]);
    if (!verses.empty()) return &verses.front();
  }
  return nullptr;
}

// Everything but the verse source, from the name read once.
NameJudgement judgeSound(const NameSound& sound, std::optional<Leaning> gender) {
  NameJudgement judged;
  judged.pinyin = pinyinOf(sound);
  judged.meanings.reserve(sound.characters.size() - sound.surnameLength);
  for (std::size_t k = sound.surnameLength; k < sound.characters.size(); ++k) {
    static const std::string kUnknown = "（字义未收录）"_gbk;
    const std::string_view meaning = meaningOf(sound.characters[k]);
    judged.meanings.push_back(meaning.empty() ? std::string_view(kUnknown) : meaning);
  }
  for (const HeardWord& heard : heardWords(sound)) {
    judged.warnings.push_back(heardWordWarning(heard));
  }
  SoundFindings found = soundFindings(sound);
  judged.tones = std::move(found.tones);
  judged.tonePattern = std::move(found.tonePattern);
  judged.warnings.insert(judged.warnings.end(), std::make_move_iterator(found.warnings.begin()),
                         std::make_move_iterator(found.warnings.end()));
  judged.notes = std::move(found.notes);
  checkCharacters(sound, judged);
  if (gender && *gender != Leaning::Either) checkGender(sound, *gender, judged);
  return judged;
}

}  // namespace

NameJudgement judgeName(std::string_view surname, std::string_view given,
                        std::optional<Leaning> gender) {
  const NameSound sound = nameSoundOf(surname, given);
  NameJudgement judged = judgeSound(sound, gender);
  judged.source = sourceOf(sound);
  return judged;
}

NameJudgement judgeNameWithoutSource(std::string_view surname, std::string_view given,
                                     std::optional<Leaning> gender) {
  return judgeSound(nameSoundOf(surname, given), gender);
}

}  // namespace zeruda::naming
