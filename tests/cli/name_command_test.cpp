#include "cli_support.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace zeruda::cli {
namespace {

TEST(NameCommand, JsonGivesReadingMeaningsTonesSourceAndHowTheStarsWereCounted) {
  const test::SandboxedRoots sandbox;
  const auto run = test::runCli({"name", "李", "清扬", "--gender", "女", "--birth", "2024-03-10",
                                 "--time", "10:00", "--json"});
  ASSERT_EQ(run.code, kExitOk) << run.err;
  for (const char* part :
       {"\"pinyin\":\"lǐ qīng yáng\"", "\"tones\":[3,1,2]", "\"tone_pattern\":\"仄平平\"",
        "\"meanings\":[\"水清澈；纯洁\",\"飞扬；弘扬\"]", "\"text\":\"子之清扬\"",
        "\"book\":\"诗经\"", "\"warnings\":[]",
        "\"star_parts\":{\"base\":", "\"sum\":", "\"threshold\":"}) {
    EXPECT_NE(run.out.find(part), std::string::npos) << part << " in " << run.out;
  }
}

TEST(NameCommand, ReportWarnsOfTheWordANameIsHeardAs) {
  const test::SandboxedRoots sandbox;
  const auto run = test::runCli({"name", "杜", "子腾"});
  ASSERT_EQ(run.code, kExitOk) << run.err;
  EXPECT_NE(run.out.find("姓名：杜子腾（dù zǐ téng）"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("提醒：谐音：“杜子腾”音近“肚子疼”"), std::string::npos) << run.out;
  // No birth, no stars.
  EXPECT_EQ(run.out.find("星级"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace zeruda::cli
