#include "generation/body_judgement.h"
#include "generation/engine.h"

#include "generation/trade_words.h"
#include "registration/famous_names.h"
#include "support/avoid_check.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace zeruda::generation {
namespace {

using test::gbk;
using test::utf8;

EngineSettings wordsSettings(int bodyLength) {
  EngineSettings s;
  s.bodyLength = bodyLength;
  s.prefix = gbk("成都");
  s.suffix = gbk("科技有限公司");
  return s;
}

// The bodies of one run to the cap on seed `seed`.
std::vector<std::string> bodiesOf(const EngineSettings& settings, std::uint32_t seed) {
  EngineServices services{run::SeededDraw(seed), 3, [](std::string_view) {
                            return Result<std::optional<std::string>>(std::nullopt);
                          }};
  std::vector<std::string> bodies;
  run::StopFlag stop;
  runEngine(SettingsSnapshot(settings), stop, services,
            [&](const CandidateRow& row) { bodies.push_back(row.cell(Column::Body)); });
  return bodies;
}

// Every word the list file writes is one the road draws: none is dropped as unfit.
TEST(WordsRoad, KeepsEveryWordOfItsList) {
  std::ifstream file(ZERUDA_TRADE_WORDS);
  ASSERT_TRUE(file);
  std::size_t written = 0;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line.front() == '#') continue;
    std::istringstream words(line);
    for (std::string word; words >> word;) ++written;
  }
  EXPECT_GE(written, 250u);  // the list as judged word by word, not a stub
  EXPECT_EQ(tradeWords().size(), written);
}

// About 100,000 bodies of two, three and four characters: none holds or is heard as a
// word to avoid beside the prefix and suffix, none is a well-known trade name, and a
// two-character body is a word of the list.
TEST(WordsRoad, ListsNoBodyToAvoid) {
  const test::AvoidCheck check;
  const auto& famous = registration::FamousNames::builtIn();
  const std::string before = gbk("都");
  const std::string after = gbk("科");
  std::size_t bodies = 0;
  for (int length = 2; length <= 4; ++length) {
    for (std::uint32_t seed = 1; seed <= 17; ++seed) {
      for (const std::string& body : bodiesOf(wordsSettings(length), seed)) {
        ASSERT_EQ(check.found(before + body + after), "") << utf8(body);
        ASSERT_TRUE(famous.withTradeName(body).empty()) << utf8(body);
        if (length == 2) {
          ASSERT_NE(std::find(tradeWords().begin(), tradeWords().end(), body), tradeWords().end());
        }
        ++bodies;
      }
    }
  }
  EXPECT_GE(bodies, 100000u);
}

// Fixed characters keep their places; a word that holds them there is drawn where one
// does (华 first), and where none does the others come from the words' characters.
TEST(WordsRoad, KeepsTheFixedCharacters) {
  EngineSettings first = wordsSettings(2);
  first.fixed[0] = gbk("华");
  for (const std::string& body : bodiesOf(first, 4)) {
    EXPECT_EQ(utf8(body.substr(0, 2)), "华");
    EXPECT_NE(std::find(tradeWords().begin(), tradeWords().end(), body), tradeWords().end());
  }
  EngineSettings rare = wordsSettings(3);
  rare.fixed[1] = gbk("龘");
  const auto bodies = bodiesOf(rare, 4);
  ASSERT_FALSE(bodies.empty());
  for (const std::string& body : bodies) EXPECT_EQ(utf8(body.substr(2, 2)), "龘");
}

TEST(WordsRoad, IsTheDefaultAndSeeded) {
  ASSERT_EQ(EngineSettings{}.road, CompanyRoad::Words);
  const auto first = bodiesOf(wordsSettings(3), 8);
  EXPECT_EQ(bodiesOf(wordsSettings(3), 8), first);
  EXPECT_NE(bodiesOf(wordsSettings(3), 9), first);
}

// A 字号 is read and judged as a name is, and told apart from well-known trade names.
TEST(BodyJudgement, ReadsTheBodyAndNamesWhatItMeets) {
  struct Row {
    const char* body;
    const char* pinyin;
    const char* found;  // a text some warning or note holds
  } const rows[] = {
      {"华通", "huá tōng", "读来成词"},
      {"首钢", "shǒu gāng", "首钢集团有限公司"},
      {"史珍", "shǐ zhēn", "谐音：“史珍”音近“湿疹”"},
  };
  for (const auto& row : rows) {
    const naming::NameJudgement judged = judgeBody(gbk(row.body));
    EXPECT_EQ(utf8(judged.pinyin), row.pinyin) << row.body;
    EXPECT_EQ(judged.meanings.size(), 2u) << row.body;
    std::string said;
    for (const auto& text : judged.warnings) said += utf8(text) + "\n";
    for (const auto& text : judged.notes) said += utf8(text) + "\n";
    EXPECT_NE(said.find(row.found), std::string::npos) << row.body << ": " << said;
  }
}

}  // namespace
}  // namespace zeruda::generation
