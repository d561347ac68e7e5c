#include "dictionary/standard_characters.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::dictionary {
namespace {

struct Level {
  const char* name;
  const char* character;
  int level;
};

class StandardCharacterLevel : public testing::TestWithParam<Level> {};

TEST_P(StandardCharacterLevel, ReadsTheLevelFromTheTable) {
  EXPECT_EQ(standardCharacterLevel(test::gbk(GetParam().character)), GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(Characters, StandardCharacterLevel,
                         testing::Values(Level{"FirstOfLevelOne", "一", 1},
                                         Level{"Common", "的", 1}, Level{"LevelTwo", "亘", 2},
                                         Level{"NameCharacterOfLevelThree", "喆", 3},
                                         Level{"TraditionalFormOutside", "華", 0},
                                         Level{"RareOutside", "龘", 0}, Level{"Ascii", "A", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeruda::dictionary
