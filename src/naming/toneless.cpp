#include "naming/toneless.h"

#include "text/gbk.h"

#include <array>
#include <cstdint>
#include <utility>

namespace zeruda::naming {
namespace {

// Each toned pinyin letter GBK has (not ǹ or ḿ), with its bare letter, four tones to a
// vowel in order (ń and ň are the 2nd and 3rd); UTF-8 here, converted to GBK once.
constexpr std::array<std::pair<std::string_view, std::string_view>, 26> kToneLetters{{
    {"ā", "a"}, {"á", "a"}, {"ǎ", "a"}, {"à", "a"}, {"ē", "e"}, {"é", "e"}, {"ě", "e"},
    {"è", "e"}, {"ī", "i"}, {"í", "i"}, {"ǐ", "i"}, {"ì", "i"}, {"ō", "o"}, {"ó", "o"},
    {"ǒ", "o"}, {"ò", "o"}, {"ū", "u"}, {"ú", "u"}, {"ǔ", "u"}, {"ù", "u"}, {"ǖ", "ü"},
    {"ǘ", "ü"}, {"ǚ", "ü"}, {"ǜ", "ü"}, {"ń", "n"}, {"ň", "n"},
}};

// A toned letter as its two GBK bytes in one number, so a syllable's letters are
// matched by comparing numbers, not strings: names are read by the thousand a run.
struct GbkLetter {
  std::uint16_t code = 0;
  std::string bare;
};

constexpr int kFirstNasal = 24;

int toneAt(std::size_t index) {
  return index < kFirstNasal ? static_cast<int>(index % 4) + 1
                             : static_cast<int>(index - kFirstNasal) + 2;
}

std::uint16_t codeOf(unsigned char lead, unsigned char trail) {
  return static_cast<std::uint16_t>(lead << 8 | trail);
}

const std::array<GbkLetter, kToneLetters.size()>& gbkLetters() {
  static const auto built = [] {
    std::array<GbkLetter, kToneLetters.size()> letters;
    for (std::size_t i = 0; i < kToneLetters.size(); ++i) {
      const std::string toned = text::toGbk(kToneLetters[i].first);
      letters[i] = {
          codeOf(static_cast<unsigned char>(toned[0]), static_cast<unsigned char>(toned[1])),
          text::toGbk(kToneLetters[i].second)};
    }
    return letters;
  }();
  return built;
}

// The index among the toned letters of the two-byte unit at `pos`, or -1.
int letterAt(std::string_view gbk, std::size_t pos) {
  const std::uint16_t code =
      codeOf(static_cast<unsigned char>(gbk[pos]), static_cast<unsigned char>(gbk[pos + 1]));
  const auto& letters = gbkLetters();
  for (std::size_t i = 0; i < letters.size(); ++i) {
    if (letters[i].code == code) return static_cast<int>(i);
  }
  return -1;
}

bool startsUnit(std::string_view gbk, std::size_t pos) {
  return static_cast<unsigned char>(gbk[pos]) >= 0x80 && pos + 1 < gbk.size();
}

}  // namespace

int toneOf(std::string_view syllableGbk) {
  for (std::size_t pos = 0; pos < syllableGbk.size();) {
    if (!startsUnit(syllableGbk, pos)) {
      ++pos;
      continue;
    }
    if (const int letter = letterAt(syllableGbk, pos); letter >= 0) {
      return toneAt(static_cast<std::size_t>(letter));
    }
    pos += 2;
  }
  return 0;
}

std::string tonelessOf(std::string_view tonefulGbk) {
  std::string out;
  out.reserve(tonefulGbk.size());
  for (std::size_t pos = 0; pos < tonefulGbk.size();) {
    if (!startsUnit(tonefulGbk, pos)) {
      out += tonefulGbk[pos++];
      continue;
    }
    const int letter = letterAt(tonefulGbk, pos);
    if (letter >= 0) {
      out += gbkLetters()[static_cast<std::size_t>(letter)].bare;
    } else {
      out.append(tonefulGbk.substr(pos, 2));
    }
    pos += 2;
  }
  return out;
}

}  // namespace zeruda::naming
