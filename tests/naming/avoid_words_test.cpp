#include "naming/avoid_words.h"

#include "naming/character_facts.h"
#include "naming/toneless.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::naming {
namespace {

using test::gbk;
using test::utf8;

std::string joined(const std::vector<std::string_view>& syllables) {
  std::string out;
  for (auto syllable : syllables) out += (out.empty() ? "" : " ") + utf8(syllable);
  return out;
}

TEST(AvoidWords, GiveTheWordHeard) {
  const auto* word = findAvoidWord(gbk("肚子疼"));
  ASSERT_NE(word, nullptr);
  EXPECT_EQ(joined(word->toneful), "dù zi téng");
  EXPECT_EQ(joined(word->toneless), "du zi teng");
  EXPECT_GT(word->frequency, 0);
  EXPECT_EQ(joined(findAvoidWord(gbk("倒霉"))->toneful), "dǎo méi");
  EXPECT_EQ(findAvoidWord(gbk("清扬")), nullptr);
}

// Every entry reads one syllable a character, its toneless form is its toneful one
// bared, and no single character to avoid is one the name lists give.
TEST(AvoidWords, EveryEntryHasItsReading) {
  ASSERT_GT(avoidWords().size(), 300u);
  for (const auto& entry : avoidWords()) {
    ASSERT_EQ(entry.toneful.size() * 2, entry.word.size()) << utf8(entry.word);
    for (std::size_t i = 0; i < entry.toneful.size(); ++i) {
      EXPECT_FALSE(entry.toneful[i].empty()) << utf8(entry.word);
      EXPECT_EQ(tonelessOf(entry.toneful[i]), entry.toneless[i]) << utf8(entry.word);
    }
    if (entry.word.size() == 2) {
      EXPECT_EQ(factsOf(entry.word), nullptr) << utf8(entry.word);
    }
  }
}

TEST(Toneless, TakesOffTheMarksAndKeepsUmlaut) {
  EXPECT_EQ(utf8(tonelessOf(gbk("lǐ qīng yáng"))), "li qing yang");
  EXPECT_EQ(utf8(tonelessOf(gbk("lǜ nǚ"))), "lü nü");
  EXPECT_EQ(utf8(tonelessOf(gbk("zi"))), "zi");
}

TEST(Toneless, ReadsTheToneOfASyllable) {
  struct Row {
    const char* reading;
    int tone;
  } const rows[] = {{"qīng", 1}, {"yáng", 2}, {"lǐ", 3}, {"lǜ", 4}, {"ň", 3}, {"zi", 0}, {"", 0}};
  for (const auto& row : rows) EXPECT_EQ(toneOf(gbk(row.reading)), row.tone) << row.reading;
}

}  // namespace
}  // namespace zeruda::naming
