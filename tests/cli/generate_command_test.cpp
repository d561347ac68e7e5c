#include "cli/cli.h"
#include "cli_support.h"
#include "support/temp_folder.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace zeruda::cli {
namespace {

using Line = std::vector<std::string>;

std::vector<Line> rowsOf(const std::string& out) {
  std::vector<Line> rows;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) {
    Line cells;
    std::istringstream cellsIn(line);
    for (std::string cell; std::getline(cellsIn, cell, '\t');) cells.push_back(cell);
    if (!line.empty() && line.back() == '\t') cells.emplace_back();
    rows.push_back(cells);
  }
  return rows;
}

std::vector<std::string> zhangSan(std::initializer_list<std::string> more) {
  std::vector<std::string> args = {"generate",   "--surname", "张",    "--given", "三", "--birth",
                                   "1985-06-15", "--time",    "08:30", "--seed",  "7"};
  args.insert(args.end(), more);
  return args;
}

class GenerateCommand : public testing::Test {
 protected:
  test::SandboxedRoots roots_;
};

TEST_F(GenerateCommand, FiftyRowsWithTheFirstCharacterFixed) {
  const auto args = zhangSan({"--length", "2", "--fixed1", "华", "--count", "50"});
  const auto run = test::runCli(args);
  ASSERT_EQ(run.code, 0) << run.err;
  const auto rows = rowsOf(run.out);
  ASSERT_EQ(rows.size(), 50u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    ASSERT_EQ(rows[i].size(), 7u) << i;
    EXPECT_EQ(rows[i][0], std::to_string(i + 1));
    EXPECT_EQ(rows[i][1], "成都" + rows[i][2] + "科技有限公司");
    EXPECT_EQ(rows[i][2].rfind("华", 0), 0u) << rows[i][2];
    EXPECT_EQ(rows[i][3].rfind("6,", 0), 0u) << rows[i][3];
    EXPECT_EQ(rows[i][4].rfind("14,", 0), 0u) << rows[i][4];
  }
  EXPECT_EQ(test::runCli(args).out, run.out);
}

// Each row's seven cells under the column keys, then its judgement and star_parts.
TEST_F(GenerateCommand, JsonGivesThePlainRowsUnderTheColumnKeys) {
  const auto plain = test::runCli(zhangSan({"--count", "5"}));
  const auto json = test::runCli(zhangSan({"--count", "5", "--json"}));
  ASSERT_EQ(plain.code, 0) << plain.err;
  ASSERT_EQ(json.code, 0) << json.err;
  const std::string keys[] = {"sequence",       "full_name", "body", "written_strokes",
                              "kangxi_strokes", "elements",  "stars"};
  std::size_t at = 0;
  for (const Line& row : rowsOf(plain.out)) {
    ASSERT_EQ(row.size(), 7u);
    std::string cells = "{";
    for (std::size_t i = 0; i < 7; ++i) {
      cells += (i ? ",\"" : "\"") + keys[i] + "\":\"" + row[i] + '"';
    }
    at = json.out.find(cells + ",\"pinyin\":\"", at);
    ASSERT_NE(at, std::string::npos) << cells;
    const auto end = json.out.find("}}", at);
    const std::string rest = json.out.substr(at, end - at);
    EXPECT_NE(rest.find("\"meanings\":[\""), std::string::npos) << rest;
    EXPECT_NE(rest.find("\"star_parts\":{\"base\":"), std::string::npos) << rest;
  }
}

TEST_F(GenerateCommand, AFilterNoNameCanPassIsRefusedAtOnce) {
  const auto run = test::runCli({"generate", "--surname", "王", "--given", "建国", "--birth",
                                 "1985-06-15", "--time", "08:30", "--length", "2", "--fixed1", "华",
                                 "--element", "木", "--element", "火", "--count", "10"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "zeruda-cli generate: --element: "
            "包含五行的要求无法满足：除固定字外只剩1个字，却还需要包含2种五行。\n");
}

TEST_F(GenerateCommand, AnotherSeedGivesOtherRows) {
  const auto seven = test::runCli(zhangSan({"--count", "20"}));
  auto args = zhangSan({"--count", "20"});
  args[10] = "8";
  const auto eight = test::runCli(args);
  ASSERT_EQ(seven.code, 0) << seven.err;
  ASSERT_EQ(eight.code, 0) << eight.err;
  EXPECT_NE(seven.out, eight.out);
}

// The words road is the default; each road gives its own rows, the same again on the
// same seed.
TEST_F(GenerateCommand, DrawsOnTheRoadAsked) {
  const auto byDefault = test::runCli(zhangSan({"--count", "20"}));
  ASSERT_EQ(byDefault.code, 0) << byDefault.err;
  EXPECT_EQ(test::runCli(zhangSan({"--count", "20", "--road", "words"})).out, byDefault.out);
  const auto pool = test::runCli(zhangSan({"--count", "20", "--road", "字库随机"}));
  ASSERT_EQ(pool.code, 0) << pool.err;
  EXPECT_NE(pool.out, byDefault.out);
  EXPECT_EQ(test::runCli(zhangSan({"--count", "20", "--road", "pool"})).out, pool.out);
}

TEST_F(GenerateCommand, WithoutACountRunsToTheEnginesCap) {
  const auto run = test::runCli(zhangSan({}));
  ASSERT_EQ(run.code, 0) << run.err;
  const auto rows = rowsOf(run.out);
  ASSERT_EQ(rows.size(), 2001u);  // no filter: the attempt at the cap is accepted too
  EXPECT_EQ(rows.back()[0], "2001");
}

TEST_F(GenerateCommand, KeepsOnlyRowsWithTheRequiredElementsAndStars) {
  const auto run = test::runCli(zhangSan({"--length", "3", "--element", "金", "--element", "水",
                                          "--min-stars", "5", "--count", "30"}));
  ASSERT_EQ(run.code, 0) << run.err;
  const auto rows = rowsOf(run.out);
  ASSERT_EQ(rows.size(), 30u);
  for (const auto& row : rows) {
    EXPECT_NE(row[5].find("金"), std::string::npos) << row[5];
    EXPECT_NE(row[5].find("水"), std::string::npos) << row[5];
    EXPECT_EQ(row[6], "☆☆☆☆☆");
  }
}

TEST_F(GenerateCommand, AShopNameHasNoPrefixOrSuffix) {
  const auto run = test::runCli(
      zhangSan({"--shop", "--prefix", "", "--suffix", "", "--length", "4", "--count", "10"}));
  ASSERT_EQ(run.code, 0) << run.err;
  for (const auto& row : rowsOf(run.out)) {
    EXPECT_EQ(row[1], row[2]);
    EXPECT_EQ(row[2].size(), 12u);  // four characters of three UTF-8 bytes
  }
}

TEST_F(GenerateCommand, WritesTheProfile) {
  ASSERT_EQ(test::runCli(zhangSan({"--count", "1"})).code, 0);
  const std::string profile = test::readFile(roots_.data() / "zeruda" / "gs" / "shengchen.ini");
  EXPECT_NE(profile.find("[\xB7\xA8\xC8\xCB\xD7\xCA\xC1\xCF]"), std::string::npos);  // [法人资料]
  EXPECT_NE(profile.find("\xBC\xAA\xCA\xFD=5"), std::string::npos);                  // 吉数=5
}

TEST_F(GenerateCommand, AFailedCheckIsReportedWithItsCaption) {
  const auto run = test::runCli({"generate", "--surname", "Zhang", "--given", "三", "--birth",
                                 "1985-06-15", "--time", "08:30"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "zeruda-cli generate: --surname: 请填写公司法人姓,只可输入中文！\n");
}

TEST_F(GenerateCommand, TooManyElementsAreRefused) {
  const auto run =
      test::runCli(zhangSan({"--element", "金", "--element", "木", "--element", "水"}));
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, "zeruda-cli generate: 可包含五行个数超过中间字总个数，请重新选择！\n");
}

TEST_F(GenerateCommand, AsManyFixedCharactersAsTheBodyHasAreRefused) {
  const auto run = test::runCli(zhangSan({"--fixed1", "华", "--fixed2", "通"}));
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "zeruda-cli generate: "
            "名字中间字个数与限定字个数一样了，软件将不生成名字，请减少限定字后，重新开始\n");
}

TEST_F(GenerateCommand, AFixedCharacterTheDictionaryLacksIsRefusedUnlessTakenAsTyped) {
  const std::vector<std::pair<const char*, std::vector<std::string>>> cases = {
      {"full-width digits", zhangSan({"--fixed1", "１２"})},
      {"Latin letters", zhangSan({"--fixed1", "abc"})},
      {"a punctuation mark", zhangSan({"--fixed2", "、"})},
  };
  for (const auto& [name, args] : cases) {
    const auto run = test::runCli(args);
    EXPECT_EQ(run.code, 1) << name;
    EXPECT_EQ(run.out, "") << name;
    EXPECT_NE(run.err.find("不是字库里的汉字"), std::string::npos) << name << ": " << run.err;
  }
  EXPECT_EQ(test::runCli(zhangSan({"--raw", "--fixed1", "a", "--count", "1"})).code, 0);
}

TEST_F(GenerateCommand, ControlCharactersAndOverlongFieldsReachNeitherProfileNorTerminal) {
  std::string longSurname;
  for (int i = 0; i < 43600; ++i) longSurname += "张";
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"--surname: 法人姓最多4个字！\n", {"--surname", longSurname}},
      {"--surname: 法人姓不能含有制表符、换行符等控制字符！\n", {"--surname", "张\t"}},
      {"--given: 法人名不能含有制表符、换行符等控制字符！\n",
       {"--surname", "张", "--given", "\x1b[31m三", "--raw"}},
      {"--fixed1: 固定字1最多1个字！\n", {"--surname", "张", "--raw", "--fixed1", "ab"}},
  };
  for (const auto& [message, names] : cases) {
    std::vector<std::string> args = {"generate", "--birth", "1985-06-15", "--time", "08:30"};
    args.insert(args.end(), names.begin(), names.end());
    if (std::find(args.begin(), args.end(), "--given") == args.end()) {
      args.insert(args.end(), {"--given", "三"});
    }
    const auto run = test::runCli(args);
    EXPECT_EQ(run.code, 1) << message;
    EXPECT_EQ(run.out, "") << message;
    EXPECT_EQ(run.err, "zeruda-cli generate: " + message);
    EXPECT_FALSE(std::filesystem::exists(roots_.data() / "zeruda" / "gs" / "shengchen.ini"));
  }
}

TEST_F(GenerateCommand, UnreadableArgumentsExitWithTwo) {
  const std::vector<std::pair<const char*, std::vector<std::string>>> cases = {
      {"an option given twice", zhangSan({"--surname", "李"})},
      {"unknown option", zhangSan({"--colour", "red"})},
      {"an option without its value", zhangSan({"--count"})},
  };
  for (const auto& [name, args] : cases) {
    const auto run = test::runCli(args);
    EXPECT_EQ(run.code, 2) << name;
    EXPECT_EQ(run.out, "") << name;
    EXPECT_FALSE(run.err.empty()) << name;
  }
}

TEST_F(GenerateCommand, ValuesTheRequestRefusesExitWithOne) {
  const std::vector<std::pair<const char*, std::vector<std::string>>> cases = {
      {"length outside 2-4", zhangSan({"--length", "5"})},
      {"unknown element", zhangSan({"--element", "石"})},
      {"stars outside 1-5", zhangSan({"--min-stars", "0"})},
      {"count of zero", zhangSan({"--count", "0"})},
      {"hour out of range",
       {"generate", "--surname", "张", "--given", "三", "--birth", "1985-06-15", "--time",
        "25:00"}},
      {"date that does not exist",
       {"generate", "--surname", "张", "--given", "三", "--birth", "1985-02-30", "--time",
        "08:30"}},
      {"chosen and favourable elements at once", zhangSan({"--auto-elements", "--element", "金"})},
      {"missing birth date", {"generate", "--surname", "张", "--given", "三", "--time", "08:30"}},
      {"a fixed character beyond the body", zhangSan({"--fixed3", "华"})},
  };
  for (const auto& [name, args] : cases) {
    const auto run = test::runCli(args);
    EXPECT_EQ(run.code, 1) << name;
    EXPECT_EQ(run.out, "") << name;
    EXPECT_FALSE(run.err.empty()) << name;
  }
}

TEST_F(GenerateCommand, ExportsTheRowsItPrinted) {
  const auto csv = roots_.folder() / "names.csv";
  const auto txt = roots_.folder() / "names.txt";
  const auto run =
      test::runCli(zhangSan({"--count", "5", "--csv", csv.string(), "--txt", txt.string()}));
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string csvBytes = test::readFile(csv);
  std::size_t lines = 0;
  for (std::size_t pos = 0; (pos = csvBytes.find("\r\n", pos)) != std::string::npos; pos += 2) {
    ++lines;
  }
  EXPECT_EQ(lines, 6u);
  EXPECT_EQ(test::readFile(txt).front(), ' ');
}

// The rich CSV starts each line with the plain CSV's line and adds the reading.
TEST_F(GenerateCommand, WritesTheRichCsvBesideThePlainOne) {
  const auto csv = roots_.folder() / "names.csv";
  const auto rich = roots_.folder() / "rich.csv";
  const auto run =
      test::runCli(zhangSan({"--count", "3", "--csv", csv.string(), "--rich-csv", rich.string()}));
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string plain = test::readFile(csv);
  const std::string richBytes = test::readFile(rich);
  const std::size_t plainRow = plain.find("\r\n") + 2;
  const std::size_t richRow = richBytes.find("\r\n") + 2;
  const std::string plainLine = plain.substr(plainRow, plain.find("\r\n", plainRow) - plainRow);
  EXPECT_EQ(richBytes.substr(richRow, plainLine.size() + 1), plainLine + ",");
  EXPECT_NE(test::utf8(richBytes).find("基数 "), std::string::npos);
}

TEST_F(GenerateCommand, AnExportThatCannotBeWrittenIsAFailure) {
  const auto nowhere = roots_.folder() / "missing" / "names.csv";
  const auto run = test::runCli(zhangSan({"--count", "3", "--csv", nowhere.string()}));
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(rowsOf(run.out).size(), 3u);
  EXPECT_EQ(run.err.rfind("导出失败：", 0), 0u) << run.err;
  EXPECT_FALSE(std::filesystem::exists(nowhere));
}

}  // namespace
}  // namespace zeruda::cli
