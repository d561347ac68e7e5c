#include "actions/name_report.h"

#include "generation/body_judgement.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

#include <memory>

namespace zeruda::actions {
namespace {

using test::gbk;
using test::utf8;

// One row whose 字号 is heard as a word to avoid: the seven plain columns stay as the
// plain export writes them, and the four added ones carry the reading, the meanings,
// the 谐音 warning naming the word and the star counting.
TEST(RichExport, AddsReadingMeaningsWarningsAndStarCounting) {
  generation::CandidateRow row;
  row.cells = {"1",       gbk("成都精子科技有限公司"), gbk("精子"), "14,3", "14,3", gbk("金水"),
               gbk("★★★")};
  row.parts = {1.0, 2.0, {1.0, 0.5, 0, 0, 0}, 0.5};
  row.judgement = std::make_shared<const naming::NameJudgement>(generation::judgeBody(gbk("精子")));
  const std::string csv = utf8(richCsvText({&row, 1}));
  const auto lineEnd = csv.find("\r\n");
  EXPECT_EQ(csv.substr(0, lineEnd),
            "序号,全名,主体名,汉字笔画,康熙笔画,五行,星级,拼音,字义,提示,星级计算");
  const std::string line = csv.substr(lineEnd + 2);
  EXPECT_EQ(line.rfind("1,成都精子科技有限公司,精子,14―3,14―3,金水,★★★,", 0), 0u) << line;
  for (const char* part : {"jīng zǐ", "精 ", " / 子 ", "名中有“精子”",
                           "基数 1 + 三才 2 + 五格 1+0.5+0+0+0 + 五行 0.5 = 5"}) {
    EXPECT_NE(line.find(part), std::string::npos) << part << " in " << line;
  }
  EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
}

}  // namespace
}  // namespace zeruda::actions
