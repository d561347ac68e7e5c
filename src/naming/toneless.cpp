#include "naming/toneless.h"

#include "text/gbk.h"

#include <array>
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

struct GbkLetters {
  std::array<std::pair<std::string, std::string>, kToneLetters.size()> pairs;
};

const GbkLetters& gbkLetters() {
  static const GbkLetters built = [] {
    GbkLetters letters;
    for (std::size_t i = 0; i < kToneLetters.size(); ++i) {
      letters.pairs[i] = {text::toGbk(kToneLetters[i].first), text::toGbk(kToneLetters[i].second)};
    }
    return letters;
  }();
  return built;
}

constexpr int kFirstNasal = 24;

int toneAt(std::size_t index) {
  return index < kFirstNasal ? static_cast<int>(index % 4) + 1
                             : static_cast<int>(index - kFirstNasal) + 2;
}

}  // namespace

int toneOf(std::string_view syllableGbk) {
  const auto& pairs = gbkLetters().pairs;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (syllableGbk.find(pairs[i].first) != std::string_view::npos) return toneAt(i);
  }
  return 0;
}

std::string tonelessOf(std::string_view tonefulGbk) {
  std::string out;
  out.reserve(tonefulGbk.size());
  for (std::size_t pos = 0; pos < tonefulGbk.size();) {
    if (static_cast<unsigned char>(tonefulGbk[pos]) < 0x80 || pos + 1 == tonefulGbk.size()) {
      out += tonefulGbk[pos++];
      continue;
    }
    const auto unit = tonefulGbk.substr(pos, 2);
    std::string_view bare = unit;
    for (const auto& [toned, plain] : gbkLetters().pairs) {
      if (unit == toned) bare = plain;
    }
    out += bare;
    pos += 2;
  }
  return out;
}

}  // namespace zeruda::naming
