#include "app/session.h"
#include "cli_support.h"
#include "profile/profile.h"
#include "support/temp_folder.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

namespace zeruda {
namespace {

using test::runCli;

class ScoreCommand : public testing::Test {
 protected:
  // Runs `score -` with `input` on standard input.
  test::CliRun scoreStdin(const std::string& input, std::vector<std::string> options = {}) {
    std::istringstream in(input);
    std::streambuf* saved = std::cin.rdbuf(in.rdbuf());
    options.insert(options.begin(), {"score", "-"});
    auto run = runCli(options);
    std::cin.rdbuf(saved);
    return run;
  }

  static std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
  }

  // The tab-separated fields of an output line: name, body, stars, score, findings.
  static std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) out.push_back(field);
    return out;
  }

  test::SandboxedRoots sandbox_;
};

TEST_F(ScoreCommand, RatesAFoundersShortlistAndFlagsWhatTheOfficeWouldRefuse) {
  auto run = scoreStdin(
      "成都华通科技有限公司\n中国华通科技有限公司\n成都华科技有限公司\n成都AB科技有限公司\n",
      {"--base", "3"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(
      lines(run.out),
      (std::vector<std::string>{
          "成都华通科技有限公司\t华通\t4\t7\t",
          "中国华通科技有限公司\t华通\t4\t7\t需审批：名称冠以“中国”，须从严审核并报国务院批准",
          "成都华科技有限公司\t华\t0\t-\t不可用：字号只有1个汉字：字号须由两个以上汉字组成",
          "成都AB科技有限公司\tAB\t0\t-\t不可用：字号里没有汉字：字号须由两个以上汉字组成；"
          "不可用：含外文或拼音字母“AB”：名称只能使用规范汉字",
      }));
}

TEST_F(ScoreCommand, EveryStarCountIsWhatRateGivesForTheBody) {
  const std::string input =
      "成都华通科技有限公司\n四川省成都市金华通达信息技术有限公司\n华通达\n北京龙汇贸易有限公司\n"
      "成都天宝合伙企业（有限合伙）\n鑫鑫鑫鑫\n";
  for (const char* base : {"0", "3", "5"}) {
    auto run = scoreStdin(input, {"--base", base});
    ASSERT_EQ(run.code, 0) << run.err;
    ASSERT_EQ(lines(run.out).size(), 6u);
    for (const std::string& line : lines(run.out)) {
      const auto field = fields(line);
      EXPECT_EQ(fields(runCli({"rate", field[1], "--base", base}).out)[0], field[2]) << line;
    }
  }
}

TEST_F(ScoreCommand, JsonGivesTheScoreItsPartsAndTheFindings) {
  auto run = scoreStdin("成都华科技有限公司\n成都华通科技有限公司\n", {"--base", "3", "--json"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(
      run.out,
      "[{\"rank\":1,\"name\":\"成都华通科技有限公司\",\"body\":\"华通\",\"region\":\"成都\","
      "\"industry\":\"科技\",\"form\":\"有限公司\",\"branch\":\"\",\"stars\":4,\"score\":7,"
      "\"parts\":{\"base\":3,\"talents\":1,\"grids\":[1,0,1,0,1],\"elements\":0},"
      "\"findings\":[]},"
      "{\"rank\":2,\"name\":\"成都华科技有限公司\",\"body\":\"华\",\"region\":\"成都\","
      "\"industry\":\"科技\",\"form\":\"有限公司\",\"branch\":\"\",\"stars\":0,\"score\":null,"
      "\"parts\":null,\"findings\":[{\"level\":\"不可用\",\"reason\":\"字号只有1个汉字："
      "字号须由两个以上汉字组成\"}]}]\n");
}

TEST_F(ScoreCommand, ReadsAFileAndWritesTheCsvInGbk) {
  test::TempFolder folder;
  test::writeFile(folder / "names.txt", "\xEF\xBB\xBF成都华通科技有限公司\r\n");
  auto run = runCli({"score", (folder / "names.txt").string(), "--base", "3", "--csv",
                     (folder / "out.csv").string()});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(
      test::readFile(folder / "out.csv"),
      test::gbk("序号,全名,主体名,星级,分数,登记提示\r\n1,成都华通科技有限公司,华通,☆☆☆☆,7,\r\n"));
}

TEST_F(ScoreCommand, WithoutBaseTakesTheProfilesAndRefusesBadInput) {
  // 吉数 5: nothing missing
  ASSERT_TRUE(profile::writeLegalPersonProfile(app::Session().profile().path(), {}).ok());
  EXPECT_EQ(fields(scoreStdin("华通\n").out)[2], "5");
  EXPECT_EQ(runCli({"score", "/no/such/file"}).code, 2);
  // A line that is not UTF-8 is refused by its number; the others are scored.
  const auto broken = scoreStdin("\xFF\n华通\n");
  EXPECT_EQ(broken.code, 1);
  EXPECT_EQ(broken.err, "zeruda-cli score: 第1行有GBK字符集以外的字符，未评分\n");
  EXPECT_EQ(fields(broken.out)[0], "华通");
  EXPECT_EQ(runCli({"score", "--help"}).out,
            "usage: zeruda-cli score FILE|- [--base N] [--json] [--csv OUT]\n");
}

TEST_F(ScoreCommand, ALineTooLongIsRefusedByNumberWhileTheOthersAreScored) {
  std::string hundred;
  for (int i = 0; i < 100; ++i) hundred += "华";
  // Long, yet together within the list's size.
  const std::string huge(900'000, 'x');
  // Bytes that start no character count too: broken UTF-8 is held to the limit.
  const std::string continuations(900'000, '\x8D');
  auto run = scoreStdin("华通\n" + hundred + "华\n" + hundred + "\r\n" + huge + "\n" +
                        continuations + "\n成都华通科技有限公司");
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(lines(run.err),
            (std::vector<std::string>{"zeruda-cli score: 第2行超过100个字或400字节，未评分",
                                      "zeruda-cli score: 第4行超过100个字或400字节，未评分",
                                      "zeruda-cli score: 第5行超过100个字或400字节，未评分"}));
  const auto out = lines(run.out);
  ASSERT_EQ(out.size(), 3u) << run.out;
  EXPECT_EQ(fields(out[2])[0], hundred) << "exactly 100 characters are a name";
}

// Found by fuzzing: the byte-order mark took a character of the limit's room, so
// the "\r" of the line end stayed and the line counted as too long.
TEST_F(ScoreCommand, AFirstLineWithAMarkAndACarriageReturnHasTheWholeLimit) {
  std::string hundred;
  for (int i = 0; i < 100; ++i) hundred += "华";
  auto run = scoreStdin("\xEF\xBB\xBF" + hundred + "\r\n");
  EXPECT_EQ(run.code, 0) << run.err;
  const auto out = lines(run.out);
  ASSERT_EQ(out.size(), 1u) << run.out;
  EXPECT_EQ(fields(out[0])[0], hundred);
}

TEST_F(ScoreCommand, AFolderIsNoListOfNames) {
  auto run = runCli({"score", sandbox_.tmp().string()});
  EXPECT_EQ(run.code, 2);
  EXPECT_NE(run.err.find("is a folder"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace zeruda
