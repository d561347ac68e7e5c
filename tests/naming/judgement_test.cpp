#include "naming/judgement.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace zeruda::naming {
namespace {

using test::gbk;
using test::utf8;

struct TableName {
  std::string surname, given, heard;  // UTF-8
};

// The rows of a tab-separated table of names (surname, given[, word heard]).
std::vector<TableName> tableNames(const char* path) {
  std::ifstream in(path);
  std::vector<TableName> names;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    const auto tab = line.find('\t'), second = line.find('\t', tab + 1);
    names.push_back({line.substr(0, tab), line.substr(tab + 1, second - tab - 1),
                     second == std::string::npos ? "" : line.substr(second + 1)});
  }
  return names;
}

bool heardIn(const NameJudgement& judged, const std::string& word) {
  for (const auto& warning : judged.warnings) {
    const std::string text = utf8(warning);
    const bool aboutWords = text.starts_with("谐音") || text.starts_with("忌用字词");
    if (aboutWords && (word.empty() || text.find("“" + word + "”") != std::string::npos)) {
      return true;
    }
  }
  return false;
}

NameJudgement judged(const char* surname, const char* given,
                     std::optional<Leaning> gender = std::nullopt) {
  return judgeName(gbk(surname), gbk(given), gender);
}

TEST(NameJudgement, ReadsMeansAndSourcesAVerseName) {
  const auto name = judged("李", "清扬", Leaning::Female);
  EXPECT_EQ(utf8(name.pinyin), "lǐ qīng yáng");
  EXPECT_EQ(name.tones, (std::vector<int>{3, 1, 2}));
  EXPECT_EQ(utf8(name.tonePattern), "仄平平");
  ASSERT_EQ(name.meanings.size(), 2u);
  EXPECT_EQ(utf8(name.meanings[0]), "水清澈；纯洁");
  ASSERT_NE(name.source, nullptr);
  EXPECT_EQ(utf8(name.source->book), "诗经");
  EXPECT_TRUE(name.warnings.empty()) << utf8(name.warnings.front());
  // One character of two that leans to boys is remarked on, not warned.
  EXPECT_FALSE(name.notes.empty());
}

TEST(NameJudgement, ReadsSurnamesAsSurnames) {
  EXPECT_EQ(utf8(judged("单", "雄").pinyin), "shàn xióng");
  EXPECT_EQ(utf8(judged("曾", "敏").pinyin), "zēng mǐn");
  EXPECT_EQ(utf8(judged("欧阳", "修").pinyin), "ōu yáng xiū");
}

struct SoundCase {
  const char* name;
  const char* surname;
  const char* given;
  const char* warningStart;  // "" where no warning is due
};

class NameSoundWarning : public testing::TestWithParam<SoundCase> {};

TEST_P(NameSoundWarning, WarnsOnlyWhereTheCustomDoes) {
  const auto& row = GetParam();
  const auto name = judged(row.surname, row.given, Leaning::Male);
  std::string found;
  for (const auto& warning : name.warnings) found += utf8(warning) + "\n";
  if (*row.warningStart == 0) {
    EXPECT_TRUE(found.empty()) << found;
  } else {
    EXPECT_NE(found.find(row.warningStart), std::string::npos) << found;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameSoundWarning,
    testing::Values(SoundCase{"ThreeLevelTones", "汪", "东升", "声调：连着三个字都是阴平"},
                    SoundCase{"TwoThirdTones", "李", "雨", "声调：“李雨”两个上声相连"},
                    SoundCase{"OneSyllableTwice", "李", "丽", "重音：“李”与“丽”都读 li"},
                    SoundCase{"AGirlsCharacter", "张", "婷", "性别：“婷”"},
                    SoundCase{"OutsideTheTable", "王", "龍", "用字：“龍”不在通用规范汉字表内"},
                    SoundCase{"WellFormed", "张", "明远", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NameJudgement, NotesRhymeAndTheEndingTone) {
  const auto name = judged("张", "昌");
  std::string notes;
  for (const auto& note : name.notes) notes += utf8(note) + "\n";
  EXPECT_NE(notes.find("叠韵：“张”与“昌”同韵 ang"), std::string::npos) << notes;
  EXPECT_NE(notes.find("以平声收尾"), std::string::npos) << notes;
}

// Every name the advice pages give is warned with the word it is heard as.
TEST(NameJudgement, HearsEveryEmbarrassingNameOfTheAdvicePages) {
  const auto names = tableNames(ZERUDA_EMBARRASSING_NAMES);
  ASSERT_GE(names.size(), 50u);
  for (const auto& name : names) {
    const auto judgedName = judged(name.surname.c_str(), name.given.c_str());
    EXPECT_TRUE(heardIn(judgedName, name.heard)) << name.surname << name.given << " " << name.heard;
  }
}

// Real people's names are seldom heard as a word to avoid: at most one in fifty.
TEST(NameJudgement, HearsFewRealNamesAsWordsToAvoid) {
  const auto names = tableNames(ZERUDA_REAL_NAMES);
  ASSERT_GE(names.size(), 500u);
  std::size_t warned = 0;
  for (const auto& name : names) {
    const auto judgedName = judged(name.surname.c_str(), name.given.c_str());
    if (!heardIn(judgedName, "")) continue;
    ++warned;
    std::cout << "[ warned   ] " << name.surname << name.given << ": "
              << utf8(judgedName.warnings.front()) << '\n';
  }
  std::cout << "[ warned   ] " << warned << " of " << names.size() << '\n';
  EXPECT_LE(warned * 50, names.size());
}

}  // namespace
}  // namespace zeruda::naming
