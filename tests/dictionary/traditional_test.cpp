#include "dictionary/traditional.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "dictionary/data_lines.h"
#include "embedded/kTraditionalPairs.h"
#include "support/text_support.h"

namespace zeruda::dictionary {
namespace {

using test::gbk;
using test::utf8;

struct FormRow {
  const char* name;
  const char* unit;  // UTF-8
  const char* traditional;
};

void PrintTo(const FormRow& row, std::ostream* os) { *os << row.name; }

class TraditionalForms : public testing::TestWithParam<FormRow> {};

TEST_P(TraditionalForms, MapSimplifiedCharactersOnly) {
  EXPECT_EQ(utf8(toTraditional(gbk(GetParam().unit))), GetParam().traditional);
}

INSTANTIATE_TEST_SUITE_P(Characters, TraditionalForms,
                         testing::Values(FormRow{"Men", "们", "們"}, FormRow{"Ge", "个", "個"},
                                         FormRow{"Guo", "国", "國"}, FormRow{"Long", "龙", "龍"},
                                         FormRow{"Tie", "铁", "鐵"}, FormRow{"Hua", "华", "華"},
                                         FormRow{"FanTakesTheFormNamesUse", "范", "範"},
                                         FormRow{"JiaIsItsOwnForm", "家", "家"},
                                         FormRow{"TraditionalStaysItself", "們", "們"},
                                         FormRow{"UnchangedCharacterStaysItself", "王", "王"},
                                         FormRow{"PunctuationStaysItself", "，", "，"},
                                         FormRow{"LetterStaysItself", "a", "a"},
                                         FormRow{"Empty", "", ""},
                                         FormRow{"TwoCharactersStayAsTheyAre", "们国", "们国"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TraditionalForms, UnitsThatAreNotGbkCharactersComeBackByteForByte) {
  for (std::string unit : {std::string("{\xBB"), std::string("\xBB"), std::string("\xBB\x31")}) {
    EXPECT_EQ(toTraditional(unit), unit);
  }
}

TEST(TraditionalMapping, IsOneToOneAndNeverMapsATraditionalFormAgain) {
  std::map<std::string, std::string> pairs;
  std::set<std::string> forms;
  forEachTabbedLine(data::kTraditionalPairs, [&](std::string_view simple, std::string_view form) {
    pairs.emplace(simple, form);
    EXPECT_TRUE(forms.emplace(form).second) << utf8(form) << " has two simplified forms";
  });
  EXPECT_GT(pairs.size(), 2000u);
  for (const auto& form : forms) EXPECT_EQ(toTraditional(form), form) << utf8(form);
}

}  // namespace
}  // namespace zeruda::dictionary
