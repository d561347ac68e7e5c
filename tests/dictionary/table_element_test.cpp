#include "dictionary/table_element.h"

#include "storage/character_table.h"
#include "storage/table_files.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::dictionary {
namespace {

using test::gbk;
using test::utf8;

class TableElement : public testing::Test {
 protected:
  std::string elementOf(std::string_view character) {
    auto element = storage::tableElement(tables_, character);
    return element.ok() ? utf8(element.value().value_or("-")) : "error";
  }

  storage::TableSet tables_{storage::builtInTables()};
};

TEST_F(TableElement, ReadsTheElementOfTheCharactersRecord) {
  EXPECT_EQ(elementOf(gbk("华")), "水");
  EXPECT_EQ(elementOf(gbk("通")), "火");
  EXPECT_EQ(elementOf(gbk("金")), "金");
}

TEST_F(TableElement, ReportsACharacterItLacks) {
  EXPECT_EQ(elementOf("a"), "-");
  EXPECT_EQ(elementOf(gbk("华通")), "-");  // whole fields only
  EXPECT_EQ(elementOf(""), "-");
}

TEST_F(TableElement, ATableThatCannotBeReadIsNamedNotTakenForAWrongEntry) {
  const dictionary::CharacterTable broken =
      [](std::string_view) -> Result<std::optional<std::string>> {
    return Error{gbk("数据文件已损坏：zk.dat")};
  };
  const Result<std::string> query = queryElement(gbk("鑫"), broken);
  ASSERT_FALSE(query.ok());
  EXPECT_EQ(utf8(query.error()), "数据文件已损坏：zk.dat");
}

struct Query {
  const char* name;
  const char* input;
  bool refused;
  const char* element;
};

class ElementQueryInput : public TableElement, public testing::WithParamInterface<Query> {};

TEST_P(ElementQueryInput, ChecksTheInputThenLooksItUpWhole) {
  auto query = queryElement(gbk(GetParam().input), storage::characterTable(tables_));
  ASSERT_EQ(!query.ok(), GetParam().refused);
  if (!query.ok()) {
    EXPECT_EQ(utf8(query.error()), "您未输入合法内容！");
    EXPECT_EQ(utf8(query.failure().caption), "提示");
    EXPECT_EQ(query.failure().field, Field::LookupCharacter);
  } else {
    EXPECT_EQ(utf8(query.value()), GetParam().element);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ElementQueryInput,
    testing::Values(Query{"OneCharacter", "海", false, "水"},
                    Query{"TwoCharactersPassButMatchNothing", "华通", false, ""},
                    Query{"Empty", "", true, ""}, Query{"SpacesOnly", "　 ", true, ""},
                    Query{"Latin", "ab", true, ""},
                    Query{"LastCharacterNotInTable", "华ab", true, ""},
                    Query{"FirstCharacterNotInTable", "a华", true, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeruda::dictionary
