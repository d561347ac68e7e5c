#include "json/run_json.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace zeruda::json {
namespace {

using test::gbk;

TEST(GenerateJson, GivesEachRowItsSevenCellsUnderTheColumnKeys) {
  generation::CandidateRow row;
  row.cells = {"1",        gbk("成都华通科技有限公司"), gbk("华通"), "6,10", "14,11", gbk("水-火"),
               gbk("☆☆☆☆")};
  const std::vector<generation::CandidateRow> rows = {row};
  EXPECT_EQ(generateJson(rows),
            R"([{"sequence":"1","full_name":"成都华通科技有限公司","body":"华通",)"
            R"("written_strokes":"6,10","kangxi_strokes":"14,11","elements":"水-火",)"
            R"("stars":"☆☆☆☆"}])");
  EXPECT_EQ(generateJson({}), "[]");
}

}  // namespace
}  // namespace zeruda::json
