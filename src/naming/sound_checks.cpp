#include "naming/sound_checks.h"

#include "text/gbk_literal.h"

#include <array>

namespace zeruda::naming {

using namespace text::literals;

namespace {

// The tones' names as 汉语拼音 teaching gives them, by tone number.
const std::string& toneName(int tone) {
  static const std::array<std::string, 5> kNames = {"轻声"_gbk, "阴平"_gbk, "阳平"_gbk, "上声"_gbk,
                                                    "去声"_gbk};
  return kNames[static_cast<std::size_t>(tone)];
}

// The note on the last tone: naming custom prefers a level (平) ending.
std::string makeEndingNote(int tone) {
  if (tone <= 2) {
    return "声调：末字"_gbk + toneName(tone) + "，以平声收尾，响亮，是取名常见的做法"_gbk;
  }
  return "声调：末字"_gbk + toneName(tone) + "，以仄声收尾；取名习惯多以平声收尾"_gbk;
}

// Built once per tone: every judged row carries one of these four notes.
std::array<std::string, 5> makeEndingNotes() {
  std::array<std::string, 5> notes;
  for (int t = 1; t <= 4; ++t) notes[static_cast<std::size_t>(t)] = makeEndingNote(t);
  return notes;
}

const std::string& endingNote(int tone) {
  static const std::array<std::string, 5> kNotes = makeEndingNotes();
  return kNotes[static_cast<std::size_t>(tone)];
}

std::string quoted(std::string_view text) { return "“"_gbk + std::string(text) + "”"_gbk; }

void checkTones(const NameSound& sound, SoundFindings& found) {
  const auto& t = found.tones;
  for (std::size_t k = 0; k + 2 < t.size(); ++k) {
    if (t[k] != 0 && t[k] == t[k + 1] && t[k] == t[k + 2]) {
      found.warnings.push_back("声调：连着三个字都是"_gbk + toneName(t[k]) +
                               "，读来平板，取名习惯避开"_gbk);
      break;
    }
  }
  for (std::size_t k = 0; k + 1 < t.size(); ++k) {
    if (t[k] == 3 && t[k + 1] == 3) {
      found.warnings.push_back("声调："_gbk +
                               quoted(sound.characters[k] + sound.characters[k + 1]) +
                               "两个上声相连，前一字要变读阳平，取名习惯避开"_gbk);
      break;
    }
  }
  if (t.empty() || t.back() == 0) return;
  found.notes.push_back(endingNote(t.back()));
}

void checkSurnameJoin(const NameSound& sound, SoundFindings& found) {
  const std::size_t last = sound.surnameLength;
  if (last == 0 || last >= sound.syllables.size()) return;
  const std::string& a = sound.toneless[last - 1];
  const std::string& b = sound.toneless[last];
  if (a.empty() || b.empty() || a == b) return;  // one syllable twice: see checkRepeats
  const std::string pair =
      quoted(sound.characters[last - 1]) + "与"_gbk + quoted(sound.characters[last]);
  const std::string_view initialA = initialOf(a), initialB = initialOf(b);
  if (!initialA.empty() && initialA == initialB) {
    found.notes.push_back("双声："_gbk + pair + "同以 "_gbk + std::string(initialA) +
                          " 起声，连读略显拗口"_gbk);
  }
  if (a.substr(initialA.size()) == b.substr(initialB.size())) {
    found.notes.push_back("叠韵："_gbk + pair + "同韵 "_gbk + a.substr(initialA.size()) +
                          "，连读略显拗口"_gbk);
  }
}

void checkRepeats(const NameSound& sound, SoundFindings& found) {
  const auto& c = sound.characters;
  for (std::size_t i = 0; i < c.size(); ++i) {
    for (std::size_t j = i + 1; j < c.size(); ++j) {
      const std::string& a = sound.toneless[i];
      if (a.empty() || a != sound.toneless[j]) continue;
      const bool doubled = c[i] == c[j] && j == i + 1 && i >= sound.surnameLength;
      if (doubled) {
        found.notes.push_back("叠字："_gbk + quoted(c[i] + c[j]) + "，叠字名多见于女孩和小名"_gbk);
      } else {
        found.warnings.push_back("重音："_gbk + quoted(c[i]) + "与"_gbk + quoted(c[j]) +
                                 "都读 "_gbk + a + "，连读含混"_gbk);
      }
      return;
    }
  }
}

}  // namespace

std::string_view initialOf(std::string_view syllable) {
  for (std::string_view two : {"zh", "ch", "sh"}) {
    if (syllable.starts_with(two)) return syllable.substr(0, 2);
  }
  constexpr std::string_view kInitials = "bpmfdtnlgkhjqxrzcsyw";
  if (!syllable.empty() && kInitials.find(syllable[0]) != std::string_view::npos) {
    return syllable.substr(0, 1);
  }
  return {};
}

SoundFindings soundFindings(const NameSound& sound) {
  SoundFindings found;
  found.tones.reserve(sound.tones.size());
  for (const int tone : sound.tones) {
    found.tones.push_back(tone);
    found.tonePattern += tone == 0 ? "？"_gbk : tone <= 2 ? "平"_gbk : "仄"_gbk;
  }
  checkTones(sound, found);
  checkSurnameJoin(sound, found);
  checkRepeats(sound, found);
  return found;
}

}  // namespace zeruda::naming
