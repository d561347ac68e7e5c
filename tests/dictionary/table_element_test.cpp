#include "dictionary/table_element.h"

#include "support/program_sandbox.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::dictionary {
namespace {

using test::gbk;
using test::utf8;

class TableElement : public testing::Test {
 protected:
  test::ProgramSandbox sandbox_;
};

TEST_F(TableElement, ReadsTheElementOfTheCharactersRecord) {
  EXPECT_EQ(utf8(tableElement(gbk("华")).value_or("?")), "水");
  EXPECT_EQ(utf8(tableElement(gbk("通")).value_or("?")), "火");
  EXPECT_EQ(utf8(tableElement(gbk("金")).value_or("?")), "金");
}

TEST_F(TableElement, ReportsACharacterItLacks) {
  EXPECT_FALSE(tableElement("a").has_value());
  EXPECT_FALSE(tableElement(gbk("华通")).has_value());  // whole fields only
  EXPECT_FALSE(tableElement("").has_value());
}

TEST_F(TableElement, ReportsNothingWithoutItsTable) {
  storage::shutdownCleanup();  // the table file is gone and closed
  EXPECT_FALSE(tableElement(gbk("华")).has_value());
}

struct Query {
  const char* name;
  const char* input;
  bool refused;
  const char* element;
};

class ElementQueryInput : public TableElement, public testing::WithParamInterface<Query> {};

TEST_P(ElementQueryInput, ChecksTheInputThenLooksItUpWhole) {
  auto query = queryElement(gbk(GetParam().input));
  ASSERT_EQ(query.refusal.has_value(), GetParam().refused);
  if (query.refusal) {
    EXPECT_EQ(utf8(query.refusal->text), "您未输入合法内容！");
    EXPECT_EQ(utf8(query.refusal->caption), "提示");
    EXPECT_EQ(utf8(query.refusal->focus), "编辑框输入");
  }
  EXPECT_EQ(utf8(query.element), GetParam().element);
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
