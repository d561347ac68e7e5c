#include "app/session.h"
#include "cli_support.h"
#include "profile/profile.h"
#include "support/temp_folder.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zeruda {
namespace {

using test::runCli;

class NumerologyCommands : public testing::Test {
 protected:
  std::filesystem::path workingFile(const char* name) {
    return sandbox_.data() / "zeruda" / "gs" / name;
  }
  test::SandboxedRoots sandbox_;
};

TEST_F(NumerologyCommands, ElementPrintsListAndTableElementsThenTheWholeText) {
  auto run = runCli({"element", "华通a"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "华\t水\t水\n通\t火\t火\na\t\t\n水-火-\n");
}

TEST_F(NumerologyCommands, RateUsesTheGivenBase) {
  EXPECT_EQ(runCli({"rate", "华通", "--base", "3"}).out, "4\t☆☆☆☆\n");
  EXPECT_EQ(runCli({"rate", "华通", "--base", "5"}).out, "5\t☆☆☆☆☆\n");
}

TEST_F(NumerologyCommands, RateWithoutProfileCountsOnlyTheNameAndLeavesNoTables) {
  // 华通 scores 4 points on its own: one star.
  EXPECT_EQ(runCli({"rate", "华通"}).out, "1\t☆\n");
  EXPECT_FALSE(std::filesystem::exists(workingFile("zk.dat")));
  EXPECT_FALSE(std::filesystem::exists(workingFile("shengchen.ini")));
}

TEST_F(NumerologyCommands, WithoutProfileAnAllLuckyBodyHasThreeStars) {
  // 友 4, 天 4: grids 5, 8, 5, 8, 1 and 土金土, all lucky: 6 points.
  EXPECT_EQ(runCli({"rate", "友天"}).out, "3\t☆☆☆\n");
}

TEST_F(NumerologyCommands, RateReadsTheBaseFromTheProfile) {
  profile::LegalPersonProfile profile;  // nothing missing: 吉数 5
  ASSERT_TRUE(profile::writeLegalPersonProfile(app::Session().profile().path(), profile).ok());
  EXPECT_EQ(runCli({"rate", "华通"}).out, "5\t☆☆☆☆☆\n");
}

TEST_F(NumerologyCommands, ReportPrintsThePlainTextAndWritesThePage) {
  auto run = runCli({"report", "华通", "--base", "3"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out.rfind("成都华通科技有限公司　星级：☆☆☆☆\r\n", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("与法人结合的三才：天才5(土)→人才8(金)→地才5(土)\r\n"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(workingFile("gsmzpf.htm")));
  EXPECT_FALSE(std::filesystem::exists(workingFile("sl.dat")));
}

TEST_F(NumerologyCommands, ReportTakesPrefixAndSuffix) {
  auto run = runCli({"report", "华通", "--prefix", "北京", "--suffix", "", "--base", "3"});
  EXPECT_EQ(run.out.rfind("北京华通　星级", 0), 0u) << run.out;
}

TEST_F(NumerologyCommands, ReportRefusesABadBodyWithItsMessage) {
  auto run = runCli({"report", "华"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, "zeruda-cli report: BODY: 请输公司名字主体\n");
  EXPECT_TRUE(run.out.empty());
}

TEST_F(NumerologyCommands, ABodyTheDictionaryLacksIsRefusedNotRated) {
  const std::vector<std::vector<std::string>> cases = {
      {"rate", ""},      {"rate", "abc"},    {"rate", "华 为"},  {"grids", "abc"},
      {"grids", "１２"}, {"report", "１２"}, {"report", "华、"},
  };
  for (const auto& args : cases) {
    const auto run = runCli(args);
    EXPECT_EQ(run.code, 1) << args[0] << " " << args[1];
    EXPECT_EQ(run.out, "") << args[0] << " " << args[1];
    EXPECT_TRUE(run.err.starts_with("zeruda-cli " + args[0] + ": BODY")) << run.err;
  }
}

TEST_F(NumerologyCommands, ABadBaseIsRefusedAndAMissingOneIsAUsageError) {
  EXPECT_EQ(runCli({"rate", "华通", "--base", "six"}).err,
            "zeruda-cli rate: --base: 吉数应是整数\n");
  EXPECT_EQ(runCli({"rate", "华通", "--base", "9"}).code, 1);
  EXPECT_EQ(runCli({"report", "华通", "--base"}).code, 2);
}

}  // namespace
}  // namespace zeruda
