#include "dictionary/strokes.h"

#include <gtest/gtest.h>

#include "support/text_support.h"

#include <utility>
#include <vector>

namespace zeruda::dictionary {
namespace {

using test::gbk;

struct CountRow {
  const char* name;
  const char* character;  // UTF-8
  int written;
  int kangxi;
};

void PrintTo(const CountRow& row, std::ostream* os) { *os << row.name; }

class StrokeCounts : public testing::TestWithParam<CountRow> {};

TEST_P(StrokeCounts, GiveWrittenAndKangxiCounts) {
  const CountRow& row = GetParam();
  EXPECT_EQ(writtenStrokes(gbk(row.character)), row.written) << row.character;
  EXPECT_EQ(kangxiStrokes(gbk(row.character)), row.kangxi) << row.character;
}

// Counts from dictionaries: the written form as printed, the Kangxi count of the
// traditional form with radicals in full (艸 6, 辵 7, 金 8).
INSTANTIATE_TEST_SUITE_P(
    KnownCharacters, StrokeCounts,
    testing::Values(CountRow{"Yi", "一", 1, 1}, CountRow{"Wang", "王", 4, 4},
                    CountRow{"Li", "李", 7, 7}, CountRow{"ZhangCountsTraditionalForm", "张", 7, 11},
                    CountRow{"HuaCountsGrassRadicalInFull", "华", 6, 14},
                    CountRow{"TongCountsWalkRadicalInFull", "通", 10, 14},
                    CountRow{"MenCountsTraditionalForm", "们", 5, 10},
                    CountRow{"GanTakesGreatestGroup", "干", 3, 11},
                    CountRow{"TaiTakesGreatestGroup", "台", 5, 18},
                    CountRow{"XuTakesGreatestGroup", "须", 9, 22}, CountRow{"Xin", "鑫", 24, 24},
                    CountRow{"Cu", "麤", 33, 33}, CountRow{"TraditionalLong", "龍", 16, 16},
                    CountRow{"TripleDragon", "龘", 51, 51},
                    CountRow{"TraditionalMenIsItsOwnForm", "們", 10, 10},
                    CountRow{"GuoCountsTraditionalForm", "国", 8, 11},
                    CountRow{"Zhong", "中", 4, 4}),
    [](const auto& info) { return std::string(info.param.name); });

// Kangxi counts that naming practice gives, each a fault of an earlier rule: a rare
// traditional form (合 閤, 家 傢), a radical not counted in full (芊 艸, 阡 阜, 珂 玉), a
// radical counted the modern way (骨 鬼 瓦 廴 鼎), numerals by value, and the form names
// use (范 範, 岳 嶽, 千 千, 沈 沈).
TEST(KangxiStrokes, AgreeWithNamingPractice) {
  const std::vector<std::pair<const char*, int>> counts = {
      {"家", 10}, {"出", 5},  {"合", 6},  {"同", 6},  {"向", 6},  {"回", 6},  {"曲", 6},
      {"志", 7},  {"克", 7},  {"蒙", 16}, {"旋", 11}, {"板", 8},  {"芊", 9},  {"沅", 8},
      {"汜", 7},  {"阡", 11}, {"陂", 13}, {"邬", 17}, {"邝", 22}, {"珂", 10}, {"忖", 7},
      {"狩", 10}, {"魏", 18}, {"骨", 10}, {"鬼", 10}, {"建", 9},  {"延", 7},  {"甄", 14},
      {"鼎", 13}, {"瓷", 11}, {"五", 5},  {"六", 6},  {"七", 7},  {"八", 8},  {"九", 9},
      {"十", 10}, {"范", 15}, {"岳", 17}, {"滕", 14}, {"艳", 28}, {"为", 12}, {"当", 13},
      {"尽", 14}, {"净", 12}, {"冲", 15}, {"沈", 8},  {"千", 3},  {"后", 9},  {"里", 13},
      {"华", 14}, {"通", 14}, {"们", 10}, {"张", 11}, {"干", 11}, {"台", 18}, {"须", 22},
      {"龍", 16}, {"鑫", 24}, {"麤", 33}, {"龘", 51}};
  for (const auto& [character, count] : counts) {
    EXPECT_EQ(kangxiStrokes(gbk(character)), count) << character;
  }
}

struct GreatestRow {
  const char* name;
  const char* character;
  int kangxi;
};

void PrintTo(const GreatestRow& row, std::ostream* os) { *os << row.name; }

class CharactersInSeveralGroups : public testing::TestWithParam<GreatestRow> {};

TEST_P(CharactersInSeveralGroups, TakeTheGreatestCount) {
  EXPECT_EQ(kangxiStrokes(gbk(GetParam().character)), GetParam().kangxi);
}

INSTANTIATE_TEST_SUITE_P(Greatest, CharactersInSeveralGroups,
                         testing::Values(GreatestRow{"BuAsRadish", "卜", 17},
                                         GreatestRow{"Si", "四", 5},
                                         GreatestRow{"ChongAsInsects", "虫", 18},
                                         GreatestRow{"ZhiAsFine", "致", 15},
                                         GreatestRow{"Yao", "耀", 20}),
                         [](const auto& info) { return std::string(info.param.name); });

struct NoStrokeRow {
  const char* name;
  std::string unit;  // GBK bytes
};

void PrintTo(const NoStrokeRow& row, std::ostream* os) { *os << row.name; }

class UnitsWithoutStrokes : public testing::TestWithParam<NoStrokeRow> {};

TEST_P(UnitsWithoutStrokes, CountZero) {
  EXPECT_EQ(writtenStrokes(GetParam().unit), 0);
  EXPECT_EQ(kangxiStrokes(GetParam().unit), 0);
}

INSTANTIATE_TEST_SUITE_P(NotChinese, UnitsWithoutStrokes,
                         testing::Values(NoStrokeRow{"Letter", "a"}, NoStrokeRow{"Digit", "7"},
                                         NoStrokeRow{"Space", " "}, NoStrokeRow{"Empty", ""},
                                         NoStrokeRow{"LineBreak", "\n"},
                                         NoStrokeRow{"FullWidthSpace", "\xA1\xA1"},
                                         NoStrokeRow{"FullWidthComma", "\xA3\xAC"},
                                         NoStrokeRow{"BraceWithLeadByte", "{\xBB"},
                                         NoStrokeRow{"TildePair", "~~"},
                                         NoStrokeRow{"LoneLeadByte", "\xBB"},
                                         NoStrokeRow{"LeadByteWithAsciiTrail", "\xBB\x31"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StrokeLookups, CountOnlyTheFirstCharacterOfALongerUnit) {
  EXPECT_EQ(writtenStrokes(gbk("华通")), 6);
  EXPECT_EQ(kangxiStrokes(gbk("华通")), 14);
}

// "{" + text, built by appending: GCC 12 warns falsely on prepending to a string.
std::string afterBrace(const std::string& text) {
  std::string joined = "{";
  joined += text;
  return joined;
}

struct TextRow {
  const char* name;
  std::string text;  // GBK bytes
  const char* written;
  const char* kangxi;
};

void PrintTo(const TextRow& row, std::ostream* os) { *os << row.name; }

class StrokeTexts : public testing::TestWithParam<TextRow> {};

TEST_P(StrokeTexts, JoinTheCountOfEveryUnit) {
  EXPECT_EQ(writtenStrokeText(GetParam().text), GetParam().written);
  EXPECT_EQ(kangxiStrokeText(GetParam().text), GetParam().kangxi);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StrokeTexts,
    testing::Values(TextRow{"TwoCharacters", gbk("华通"), "6-10", "14-14"},
                    TextRow{"SpaceIsAUnitOfZero", gbk("华 通"), "6-0-10", "14-0-14"},
                    TextRow{"FullWidthSpaceIsAUnitOfZero", gbk("华　通"), "6-0-10", "14-0-14"},
                    TextRow{"OneCharacter", gbk("鑫"), "24", "24"},
                    TextRow{"FourCharacters", gbk("张王李们"), "7-4-7-5", "11-4-7-10"},
                    TextRow{"LettersCountZero", gbk("a华1"), "0-6-0", "0-14-0"},
                    TextRow{"EmptyText", "", "", ""}, TextRow{"SpacesOnly", gbk("  　 "), "", ""},
                    TextRow{"BraceTakesTheNextByte", afterBrace(gbk("华")), "0-0", "0-0"},
                    TextRow{"TrailingLeadByte", gbk("华") + "\xBB", "6-0", "14-0"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeruda::dictionary
