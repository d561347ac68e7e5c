#include "naming/character_facts.h"

#include "generation/name_pool.h"
#include "personal/name_picker.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::naming {
namespace {

using test::gbk;
using test::utf8;

struct Reading {
  const char* name;
  const char* character;
  const char* reading;
  int level;
  const char* otherReadings;  // "" for a character of one reading
};

class NameReading : public testing::TestWithParam<Reading> {};

// Readings as the 现代汉语词典 and naming use have them; levels from the 2013 table.
TEST_P(NameReading, GivesTheReadingNamesUse) {
  const auto& row = GetParam();
  const auto* facts = factsOf(gbk(row.character));
  ASSERT_NE(facts, nullptr);
  EXPECT_EQ(utf8(facts->reading), row.reading);
  EXPECT_EQ(facts->level, row.level);
  EXPECT_EQ(utf8(facts->otherReadings), row.otherReadings);
}

INSTANTIATE_TEST_SUITE_P(Characters, NameReading,
                         testing::Values(Reading{"OneReading", "清", "qīng", 1, ""},
                                         Reading{"WalkNotRow", "行", "xíng", 1, "háng、héng"},
                                         Reading{"JoyNotMusic", "乐", "lè", 1, "yuè"},
                                         Reading{"LongNotElder", "长", "cháng", 1, "zhǎng"},
                                         Reading{"MorningNotCourt", "朝", "zhāo", 1, "cháo"},
                                         Reading{"ChildWithItsTone", "子", "zǐ", 1, ""},
                                         Reading{"RiseNotMood", "兴", "xīng", 1, "xìng"},
                                         Reading{"LevelThree", "淼", "miǎo", 3, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CharacterFacts, GiveMeaningAndLeaningOfListedCharacters) {
  EXPECT_EQ(utf8(meaningOf(gbk("清"))), "水清澈；纯洁");
  EXPECT_EQ(genderOf(gbk("婷")), Leaning::Female);
  EXPECT_EQ(genderOf(gbk("刚")), Leaning::Male);
  EXPECT_EQ(genderOf(gbk("安")), Leaning::Either);
}

TEST(CharacterFacts, KnowNothingOfOtherText) {
  for (const char* other : {"死", "A", "清扬", ""}) {
    EXPECT_EQ(factsOf(gbk(other)), nullptr) << other;
    EXPECT_TRUE(readingOf(gbk(other)).empty()) << other;
    EXPECT_EQ(levelOf(gbk(other)), 0) << other;
    EXPECT_FALSE(genderOf(gbk(other)).has_value()) << other;
  }
}

// Every character a picker or the company pool can draw has a reading and a meaning.
TEST(CharacterFacts, CoverEveryCharacterTheListsDraw) {
  std::vector<std::string_view> drawn;
  for (auto gender : {personal::Gender::Male, personal::Gender::Female}) {
    const auto& list = personal::nameCharacters(gender).characters();
    drawn.insert(drawn.end(), list.begin(), list.end());
  }
  for (int number = 1; number <= generation::kPoolSize; ++number) {
    drawn.push_back(generation::poolCharacter(number));
  }
  for (std::string_view character : drawn) {
    const auto* facts = factsOf(character);
    ASSERT_NE(facts, nullptr) << utf8(character);
    EXPECT_FALSE(facts->reading.empty()) << utf8(character);
    EXPECT_FALSE(facts->meaning.empty()) << utf8(character);
  }
}

}  // namespace
}  // namespace zeruda::naming
