#include "dictionary/pinyin.h"

#include <gtest/gtest.h>

#include "support/text_support.h"

namespace zeruda::dictionary {
namespace {

using test::gbk;

struct ReadingRow {
  const char* name;
  const char* character;  // UTF-8
  const char* pinyin;
};

void PrintTo(const ReadingRow& row, std::ostream* os) { *os << row.name; }

class Readings : public testing::TestWithParam<ReadingRow> {};

TEST_P(Readings, AreLowerCaseWithoutTone) {
  EXPECT_EQ(pinyinOf(gbk(GetParam().character)), GetParam().pinyin);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Readings,
    testing::Values(ReadingRow{"Hua", "华", "hua"}, ReadingRow{"Tong", "通", "tong"},
                    ReadingRow{"UmlautAsV", "绿", "lv"}, ReadingRow{"UmlautAsVNv", "女", "nv"},
                    ReadingRow{"Zhong", "中", "zhong"}, ReadingRow{"Xin", "鑫", "xin"},
                    ReadingRow{"FirstReadingOfLe", "了", "le"}),
    [](const auto& info) { return std::string(info.param.name); });

// The hour branches are shown with their pinyin in the chart summaries.
INSTANTIATE_TEST_SUITE_P(
    EarthlyBranches, Readings,
    testing::Values(ReadingRow{"Zi", "子", "zi"}, ReadingRow{"Chou", "丑", "chou"},
                    ReadingRow{"Yin", "寅", "yin"}, ReadingRow{"Mao", "卯", "mao"},
                    ReadingRow{"Chen", "辰", "chen"}, ReadingRow{"Si", "巳", "si"},
                    ReadingRow{"Wu", "午", "wu"}, ReadingRow{"Wei", "未", "wei"},
                    ReadingRow{"Shen", "申", "shen"}, ReadingRow{"You", "酉", "you"},
                    ReadingRow{"Xu", "戌", "xu"}, ReadingRow{"Hai", "亥", "hai"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Readings, AreEmptyOutsideGb2312) {
  EXPECT_EQ(pinyinOf(gbk("們")), "");
  EXPECT_EQ(pinyinOf(gbk("龘")), "");
}

TEST(Readings, AreEmptyForAnythingButAChineseCharacter) {
  EXPECT_EQ(pinyinOf("a"), "");
  EXPECT_EQ(pinyinOf(""), "");
  EXPECT_EQ(pinyinOf(gbk("，")), "");
  EXPECT_EQ(pinyinOf("\xBB"), "");
}

}  // namespace
}  // namespace zeruda::dictionary
