#include "numerology/company_report.h"

#include "app/company_evaluation.h"
#include "support/program_sandbox.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::numerology {
namespace {

using test::gbk;
using test::utf8;

class CompanyNameReport : public testing::Test {
 protected:
  CompanyReportOutcome run(const char* body, double base = 3) {
    CompanyReportRequest request;
    request.body = gbk(body);
    request.prefix = gbk("成都");
    request.suffix = gbk("科技有限公司");
    request.baseScore = base;
    return companyNameReport(request, app::programReportSources(sandbox_.session().tables()));
  }

  // The 81-number texts of a record of the table the program carries.
  std::pair<std::string, std::string> numberTexts(int number) {
    auto table = sandbox_.session().tables().open("sl");
    EXPECT_TRUE(table.ok());
    table.value().moveTo(number);
    return {table.value().field(3).value(), table.value().field(7).value()};
  }

  test::ProgramSandbox sandbox_;
};

TEST_F(CompanyNameReport, FollowsTheLayoutLineByLine) {
  auto outcome = run("华通");
  ASSERT_FALSE(outcome.refusal);
  ASSERT_TRUE(outcome.report);
  auto [verdict, meaning] = numberTexts(28);
  const std::string expected =
      "成都华通科技有限公司　星级：☆☆☆☆\r\n\r\n"
      "-----------------------五格三才基本信息-----------------------\r\n"
      "华(hua)通(tong)\r\n"
      "五格：天格15(土)　人格28(金)　地格15(土)　总格28(金)　外格1(木)\r\n"
      "与法人结合的三才：天才5(土)→人才8(金)→地才5(土)\r\n"
      "名字五行属性：华(水)通(火)\r\n\r\n"
      "----------------------------名字释义---------------------------\r\n"
      "总评： " +
      utf8(verdict) + "\r\n" + "解释： " + utf8(meaning) + "\r\n";
  EXPECT_EQ(utf8(outcome.report->plainText()), expected);
  EXPECT_EQ(outcome.report->stars, 4);
}

TEST_F(CompanyNameReport, ColoursTheTwoRulesAsHeadings) {
  auto outcome = run("华通");
  ASSERT_TRUE(outcome.report);
  int headings = 0;
  for (const auto& piece : outcome.report->pieces) {
    bool isRule = piece.text.find("-----") != std::string::npos;
    EXPECT_EQ(piece.colour, isRule ? kHeadingColour : kBodyColour) << utf8(piece.text);
    headings += isRule;
  }
  EXPECT_EQ(headings, 2);
}

TEST_F(CompanyNameReport, WritesTheSameReportAsAGbkPage) {
  auto outcome = run("华通");
  const auto written = app::writeReportPage(*outcome.report, sandbox_.session().folder());
  EXPECT_EQ(written, sandbox_.workingFile("gsmzpf.htm"));
  const std::string page = test::readFile(written);
  EXPECT_EQ(page, outcome.report->html());
  EXPECT_NE(page.find("charset=gbk"), std::string::npos);
  EXPECT_NE(page.find("color:#0000FF"), std::string::npos);  // headings
  EXPECT_NE(page.find("color:#0088FF"), std::string::npos);  // body
  EXPECT_NE(page.find(gbk("天格15(土)")), std::string::npos);
}

TEST_F(CompanyNameReport, TheReportPageReplacesALinkInItsPlace) {
  const auto notes = sandbox_.workingFile("notes.txt");
  test::writeFile(notes, "my notes");
  std::filesystem::create_symlink(notes, sandbox_.workingFile("gsmzpf.htm"));
  const auto written = app::writeReportPage(*run("华通").report, sandbox_.session().folder());
  EXPECT_FALSE(std::filesystem::is_symlink(written));
  EXPECT_EQ(test::readFile(notes), "my notes");
}

TEST_F(CompanyNameReport, SpacesAreRemovedFromTheBody) {
  auto spaced = run("华 通");
  EXPECT_EQ(utf8(spaced.body), "华通");
  ASSERT_TRUE(spaced.report);
  EXPECT_EQ(spaced.report->plainText(), run("华通").report->plainText());
}

struct Refusal {
  const char* name;
  const char* body;
  const char* message;
};

class CompanyNameReportRefusal : public CompanyNameReport,
                                 public testing::WithParamInterface<Refusal> {};

TEST_P(CompanyNameReportRefusal, NamesTheProblemAndFocusesTheBody) {
  auto outcome = run(GetParam().body);
  ASSERT_TRUE(outcome.refusal);
  EXPECT_FALSE(outcome.report);
  EXPECT_EQ(utf8(outcome.refusal->message), GetParam().message);
  EXPECT_EQ(utf8(outcome.refusal->caption), "提示");
  EXPECT_EQ(outcome.refusal->icon, MessageIcon::Warning);
  EXPECT_EQ(outcome.refusal->field, Field::NameBody);
}

INSTANTIATE_TEST_SUITE_P(Bodies, CompanyNameReportRefusal,
                         testing::Values(Refusal{"Empty", "", "请输公司名字主体"},
                                         Refusal{"OneCharacter", "华", "请输公司名字主体"},
                                         Refusal{"FiveCharacters", "金华通达科",
                                                 "公司名字主体最多4个汉字"},
                                         Refusal{"FiveBytesMixed", "华a通", "请输公司名字主体"},
                                         Refusal{"SevenBytesMixed", "华通a达", "请输公司名字主体"},
                                         Refusal{"ControlCharacters", "\t\t华通",
                                                 "公司名字主体不能含有制表符、换行符等控制字符！"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CompanyNameReport, RefusesAffixesLongerThanThePageTakesOrWithControlCharacters) {
  CompanyReportRequest request;
  request.body = gbk("华通");
  request.prefix = gbk("一二三四五六七八九十一");
  auto sources = app::programReportSources(sandbox_.session().tables());
  auto outcome = companyNameReport(request, sources);
  ASSERT_TRUE(outcome.refusal);
  EXPECT_EQ(utf8(outcome.refusal->message), "地域前缀最多10个字！");
  EXPECT_EQ(outcome.refusal->field, Field::RegionPrefix);
  request.prefix = gbk("成都");
  request.suffix = gbk("科技\x1b[2J有限公司");
  outcome = companyNameReport(request, sources);
  ASSERT_TRUE(outcome.refusal);
  EXPECT_EQ(outcome.refusal->field, Field::TradeSuffix);
}

TEST_F(CompanyNameReport, TakesTheStarsOfTheSelectedRowForTheSameBody) {
  CompanyReportRequest request;
  request.body = gbk("华通");
  request.baseScore = 3;
  request.selectedBody = gbk("华通");
  request.selectedStars = gbk("☆☆");  // rated when the profile said otherwise
  auto same = companyNameReport(request, app::programReportSources(sandbox_.session().tables()));
  EXPECT_EQ(utf8(same.report->pieces[2].text), "☆☆");
  request.selectedBody = gbk("华达");
  auto other = companyNameReport(request, app::programReportSources(sandbox_.session().tables()));
  EXPECT_EQ(utf8(other.report->pieces[2].text), "☆☆☆☆");
}

TEST_F(CompanyNameReport, TwoCharacterBodiesShowOuterGridOneOfWood) {
  for (const char* body : {"龙汇", "金鑫", "天宝"}) {
    auto outcome = run(body);
    ASSERT_TRUE(outcome.report) << body;
    EXPECT_NE(utf8(outcome.report->plainText()).find("外格1(木)"), std::string::npos) << body;
  }
}

TEST_F(CompanyNameReport, LeavesOutCharactersTheTableLacks) {
  // "〇" is a GBK character the character table does not carry as a Chinese character.
  auto outcome = run("华〇");
  ASSERT_TRUE(outcome.report);
  const std::string text = utf8(outcome.report->plainText());
  EXPECT_NE(text.find("名字五行属性：华(水)\r\n"), std::string::npos) << text;
}

TEST_F(CompanyNameReport, TotalsBeyondTheTableShowItsLastRecord) {
  // 鑫 24 ×4 = 96: record 81 stands for every larger total.
  auto outcome = run("鑫鑫鑫鑫");
  ASSERT_TRUE(outcome.report);
  auto [verdict, meaning] = numberTexts(81);
  EXPECT_NE(outcome.report->plainText().find(verdict), std::string::npos);
}

TEST_F(CompanyNameReport, ATableThatCannotBeReadIsNamedInsteadOfBlankLines) {
  ReportSources sources = app::programReportSources(sandbox_.session().tables());
  sources.numberTexts = [](int) -> Result<NumberTexts> {
    return Error{gbk("数据文件已损坏：sl.dat")};
  };
  CompanyReportRequest request;
  request.body = gbk("华通");
  const auto outcome = companyNameReport(request, sources);
  EXPECT_FALSE(outcome.report);
  ASSERT_TRUE(outcome.refusal);
  EXPECT_EQ(utf8(outcome.refusal->message), "数据文件已损坏：sl.dat");
}

TEST_F(CompanyNameReport, AnExtraSectionFollowsTheReportsOwnLines) {
  CompanyReportRequest request;
  request.body = gbk("华通");
  request.prefix = gbk("成都");
  request.suffix = gbk("科技有限公司");
  request.baseScore = 3;
  ReportSources sources = app::programReportSources(sandbox_.session().tables());
  sources.extraSection = [](const std::string& prefix, const std::string& body,
                            const std::string& suffix) {
    return ReportSection{"\r\n--rule--\r\n", prefix + "|" + body + "|" + suffix + "\r\n"};
  };
  const auto outcome = companyNameReport(request, sources);
  EXPECT_EQ(utf8(outcome.report->plainText()),
            utf8(run("华通").report->plainText()) + "\r\n--rule--\r\n成都|华通|科技有限公司\r\n");
  ASSERT_GE(outcome.report->pieces.size(), 2u);
  EXPECT_EQ(outcome.report->pieces.rbegin()[1].colour, kHeadingColour);
  EXPECT_EQ(outcome.report->pieces.back().colour, kBodyColour);
}

}  // namespace
}  // namespace zeruda::numerology
