#include <gtest/gtest.h>

#include "cli/command.h"
#include "cli_support.h"

namespace zeruda {
namespace {

using test::runCli;

TEST(CharsCommand, PrintsStrokesTraditionalAndPinyinPerUnit) {
  auto run = runCli({"chars", "华通"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "华\t6\t14\t華\thua\n通\t10\t14\t通\ttong\n");
}

TEST(CharsCommand, JsonListsEveryUnitIncludingSpaces) {
  auto run = runCli({"chars", "华 a", "--json"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(
      run.out,
      "[{\"char\":\"华\",\"written\":6,\"kangxi\":14,\"traditional\":\"華\",\"pinyin\":\"hua\"},"
      "{\"char\":\" \",\"written\":0,\"kangxi\":0,\"traditional\":\" \",\"pinyin\":\"\"},"
      "{\"char\":\"a\",\"written\":0,\"kangxi\":0,\"traditional\":\"a\",\"pinyin\":\"\"}]\n");
}

struct GridsCase {
  const char* body;
  const char* line;
};

class GridsCommand : public testing::TestWithParam<GridsCase> {};

TEST_P(GridsCommand, PrintsGridsTalentsAndLuck) {
  auto run = runCli({"grids", GetParam().body});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Bodies, GridsCommand,
                         testing::Values(GridsCase{"华通", "15 28 15 28 1 5 8 5\t土金土\t1\n"},
                                         GridsCase{"华通达", "15 28 30 44 17 5 8 10\t土金水\t0\n"},
                                         GridsCase{"金华通达",
                                                   "22 28 30 52 24 2 8 10\t木金水\t0\n"},
                                         // 合 6 and 家 10, as their own forms
                                         GridsCase{"合家", "7 16 11 16 1 7 6 1\t金土木\t0\n"}));

TEST(GridsCommand, JsonNamesThePartsAndTheirStrokes) {
  auto run = runCli({"grids", "华通达", "--json"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out,
            "{\"body\":\"华通达\",\"surname\":[{\"char\":\"华\",\"kangxi\":14}],"
            "\"given\":[{\"char\":\"通\",\"kangxi\":14},{\"char\":\"达\",\"kangxi\":16}],"
            "\"grids\":[15,28,30,44,17,5,8,10],\"talents\":\"土金水\",\"luck\":0}\n");
}

struct BadInput {
  const char* name;
  std::vector<std::string> args;
  int code = 2;  // 2: arguments the command cannot read; 1: text the request refuses
};

class BadCommandLine : public testing::TestWithParam<BadInput> {};

TEST_P(BadCommandLine, ExitsWithItsCodeAndOneLineOnStderr) {
  auto run = runCli(GetParam().args);
  EXPECT_EQ(run.code, GetParam().code);
  EXPECT_TRUE(run.out.empty());
  ASSERT_FALSE(run.err.empty());
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Cases, BadCommandLine,
                         testing::Values(BadInput{"MalformedUtf8", {"chars", "\xE5\x8D"}, 1},
                                         BadInput{"OutsideGbk", {"chars", "华😀"}, 1},
                                         BadInput{"EuroSign", {"chars", "€天府"}, 1},
                                         BadInput{"MissingText", {"chars"}},
                                         BadInput{"ExtraArgument", {"grids", "华通", "x"}},
                                         BadInput{"UnknownOption", {"grids", "华通", "--fast"}},
                                         BadInput{"UnknownCommand", {"frobnicate"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Help, ListsTheCommands) {
  auto run = runCli({"help"});
  EXPECT_EQ(run.code, 0);
  EXPECT_NE(run.out.find("grids BODY"), std::string::npos);
}

TEST(Help, EveryCommandAnswersHelpWithItsUsage) {
  for (const cli::Command& command : cli::commands()) {
    const std::string name(command.name);
    auto run = runCli({name, "--help"});
    EXPECT_EQ(run.code, 0) << name;
    EXPECT_EQ(run.out.rfind("usage: zeruda-cli " + name, 0), 0u) << run.out;
    EXPECT_EQ(run.err, "") << name;
  }
  // Even where the rest of the line would be refused.
  EXPECT_EQ(runCli({"generate", "--length", "9", "--help"}).code, 0);
}

}  // namespace
}  // namespace zeruda
