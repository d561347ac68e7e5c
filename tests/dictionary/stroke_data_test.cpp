// Checks on the shape of the stroke data the lookups are built from.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "dictionary/data_lines.h"
#include "dictionary/strokes.h"
#include "embedded/kKangxiStrokeGroups.h"
#include "embedded/kWrittenStrokeTable.h"
#include "support/text_support.h"

namespace zeruda::dictionary {
namespace {

using test::gbk;
using test::utf8;

std::map<int, std::string> kangxiGroups() {
  std::map<int, std::string> groups;
  forEachTabbedLine(data::kKangxiStrokeGroups, [&](std::string_view count, std::string_view chars) {
    groups[std::stoi(std::string(count))] = std::string(chars);
  });
  return groups;
}

TEST(KangxiGroups, RunFromOneToTheGreatestCountWithoutGaps) {
  auto groups = kangxiGroups();
  ASSERT_FALSE(groups.empty());
  EXPECT_EQ(groups.begin()->first, 1);
  EXPECT_EQ(groups.rbegin()->first, 51);
  EXPECT_EQ(groups.size(), 51u);
  EXPECT_EQ(utf8(groups[51]), "龘");
  EXPECT_EQ(utf8(groups[33]).rfind("麤", 0), 0u);
}

TEST(KangxiGroups, BeginWithTheirKnownMembers) {
  const std::map<int, const char*> openings = {{1, "一乙"},
                                               {2, "二丁乃入了人刀刁"},
                                               {3, "丈上下久夕乞干刃"},
                                               {4, "才仃不中丹之予互"},
                                               {5, "且丕世丙主丼乍乏"},
                                               {6, "亘亥交亦仰仲休仵"},
                                               {7, "串些亨伯估伴伶伸"},
                                               {8, "并乖乳事亚享京佩"},
                                               {9, "亮亭侯侣便促俄俊"},
                                               {10, "乘修俱俸倅俩仓倍"},
                                               {11, "干偃偰偲侧侦偎偌"},
                                               {12, "傅杰备伞云傀凯割"},
                                               {13, "催佣传债仅佥偬僊"},
                                               {14, "像侨僚僭僦僧僩侥"},
                                               {15, "万价僾仪侬亿侩俭"},
                                               {16, "傧儒俦侪冀凝剂勋"},
                                               {17, "偿优励勴压壑壔壖"},
                                               {18, "储儭儱垒嬴彝懑戴"},
                                               {19, "儴勷嚭垄宠巃庐庞"},
                                               {20, "严壤宝巉岿怀悬拢"},
                                               {21, "俪巍攘栏樱榉瀼澜"},
                                               {22, "俨傥囋娈孋孪峦巑"},
                                               {23, "孍恋戁攒摊挛晒栾"},
                                               {24, "孎瓒矗笾脏蚕衢让"},
                                               {25, "厅揽榄灏灞瓛蛮篱"},
                                               {26, "湾瞩逻酾镊鑵驴"},
                                               {27, "滦缆谳谠锣钻銮骧"},
                                               {28, "戆驩鹦"},
                                               {29, "骊鹳"},
                                               {30, "鲡鸾鹂"}};
  auto groups = kangxiGroups();
  for (const auto& [count, opening] : openings) {
    const std::string expected = gbk(opening);
    EXPECT_EQ(utf8(groups[count].substr(0, expected.size())), opening) << "group " << count;
  }
}

TEST(KangxiGroups, HoldSomeCharactersUnderTwoCounts) {
  const std::map<const char*, std::set<int>> twice = {
      {"卜", {2, 17}}, {"干", {3, 11}},  {"四", {4, 5}},   {"虫", {6, 18}},
      {"致", {9, 15}}, {"台", {14, 18}}, {"须", {12, 22}}, {"耀", {18, 20}}};
  auto groups = kangxiGroups();
  for (const auto& [character, counts] : twice) {
    std::set<int> found;
    for (const auto& [count, chars] : groups) {
      forEachGbkCharacter(chars, [&](std::size_t slot) {
        if (gbkCharacter(slot) == gbk(character)) found.insert(count);
      });
    }
    EXPECT_EQ(found, counts) << character;
  }
}

TEST(KangxiGroups, CoverEveryCommonCharacterThatNamesUse) {
  std::size_t members = 0;
  for (const auto& [count, chars] : kangxiGroups()) members += chars.size() / 2;
  // GB2312 level 1 alone holds 3,755 characters.
  EXPECT_GT(members, 3755u);
  for (const char* common : {"伟", "芳", "娜", "敏", "静", "丽", "强", "磊", "军", "洋"}) {
    EXPECT_GT(kangxiStrokes(gbk(common)), 0) << common;
  }
}

// GB2312 is rows 0xB0-0xF7 of 94 codes each; row 0xD7 ends after 0xD7F9.
TEST(KangxiGroups, HoldEveryGb2312Character) {
  std::vector<bool> grouped(kGbkCodeCount, false);
  forEachTabbedLine(data::kKangxiStrokeGroups, [&](std::string_view, std::string_view chars) {
    forEachGbkCharacter(chars, [&](std::size_t slot) { grouped[slot] = true; });
  });
  std::string missing;  // characters that would fall back to their written count
  for (int lead = 0xB0; lead <= 0xF7; ++lead) {
    for (int trail = 0xA1; trail <= (lead == 0xD7 ? 0xF9 : 0xFE); ++trail) {
      const std::string character{static_cast<char>(lead), static_cast<char>(trail)};
      if (!grouped[*gbkSlot(character)]) missing += utf8(character);
    }
  }
  EXPECT_EQ(missing, "");
}

TEST(WrittenTable, OpensWithItsKnownEntries) {
  const std::string opening = gbk("卝4,羋8,羐10,瑴14,彛16,龜16,彞18,龞27,丨1,丩2,丬3,丫3,丰4,中4,");
  EXPECT_EQ(utf8(data::kWrittenStrokeTable.substr(0, opening.size())), utf8(opening));
}

TEST(WrittenTable, ListsEveryGbkChineseCharacterOnceWithCountsFromOneTo51) {
  std::set<std::size_t> seen;
  int smallest = 99, greatest = 0;
  std::size_t entries = 0;
  forEachGbkCharacter(data::kWrittenStrokeTable, [&](std::size_t slot) {
    ++entries;
    EXPECT_TRUE(seen.insert(slot).second) << utf8(gbkCharacter(slot)) << " listed twice";
    const int count = writtenStrokes(gbkCharacter(slot));
    smallest = std::min(smallest, count);
    greatest = std::max(greatest, count);
  });
  // GBK holds 20,902 unified ideographs and a few compatibility ones.
  EXPECT_GE(entries, 20902u);
  EXPECT_LT(entries, 21100u);
  EXPECT_EQ(smallest, 1);
  EXPECT_EQ(greatest, 51);
}

// The programs read the packed counts (stroke_counts.txt): they must say what the two
// texts say, or pack_strokes.py was not rerun after them.
TEST(PackedCounts, AgreeWithTheTextsTheyArePackedFrom) {
  // "字N," entries, line breaks between them; a character listed twice keeps its first.
  std::vector<int> written(kGbkCodeCount, 0);
  std::string_view table = data::kWrittenStrokeTable;
  for (std::size_t comma; (comma = table.find(',')) != std::string_view::npos;
       table.remove_prefix(comma + 1)) {
    std::string_view entry = table.substr(0, comma);
    while (!entry.empty() && (entry.front() == '\n' || entry.front() == '\r'))
      entry.remove_prefix(1);
    const auto slot = gbkSlot(entry);
    if (slot && written[*slot] == 0) written[*slot] = std::stoi(std::string(entry.substr(2)));
  }
  std::vector<int> kangxi(kGbkCodeCount, 0);
  for (const auto& [count, chars] : kangxiGroups()) {
    forEachGbkCharacter(chars,
                        [&](std::size_t slot) { kangxi[slot] = std::max(kangxi[slot], count); });
  }
  std::size_t differing = 0;
  for (std::size_t slot = 0; slot < kGbkCodeCount; ++slot) {
    const std::string character = gbkCharacter(slot);
    if (written[slot] != 0 && writtenStrokes(character) != written[slot]) ++differing;
    if (kangxi[slot] != 0 && kangxiStrokes(character) != kangxi[slot]) ++differing;
  }
  EXPECT_EQ(differing, 0u);
}

}  // namespace
}  // namespace zeruda::dictionary
