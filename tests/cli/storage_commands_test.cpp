#include "cli/cli.h"
#include "storage/built_in_tables.h"
#include "support/temp_folder.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <sstream>

namespace zeruda::cli {
namespace {

namespace fs = std::filesystem;

struct CliRun {
  int code;
  std::string out;
  std::string err;
};

CliRun run(std::vector<std::string> args) {
  std::ostringstream out, err;
  int code = runCli(args, out, err);
  return {code, out.str(), err.str()};
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

class StorageCommands : public testing::Test {
 protected:
  fs::path working() const { return sandbox_.data() / "zeruda/gs"; }

  std::vector<std::string> dataFiles(const fs::path& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      if (entry.path().extension() == ".dat") names.push_back(entry.path().filename().string());
    }
    return names;
  }

  test::SandboxedRoots sandbox_;
};

TEST_F(StorageCommands, PathsListsTheWorkingFolderTheFiveTablesAndTheProfile) {
  CliRun result = run({"paths"});
  EXPECT_EQ(result.code, 0);
  const std::string folder = working().string() + "/";
  EXPECT_EQ(
      lines(result.out),
      (std::vector<std::string>{folder, folder + "sl.dat", folder + "sc.dat", folder + "xm.dat",
                                folder + "gs.dat", folder + "zk.dat", folder + "shengchen.ini"}));
}

TEST_F(StorageCommands, PathsMoveToTheTemporaryFolderWhenTheDataFolderCannotHoldFiles) {
  fs::remove(sandbox_.data());
  test::writeFile(sandbox_.data(), "a file where the data folder should be");
  CliRun result = run({"paths"});
  EXPECT_EQ(result.code, 0);
  const fs::path own = sandbox_.tmp() / ("zeruda-" + std::to_string(::geteuid())) / "zeruda/gs/";
  for (const auto& line : lines(result.out)) {
    EXPECT_TRUE(line.starts_with(own.string())) << line;
  }
  // Said once, with the reason and the place.
  EXPECT_EQ(lines(result.err).size(), 1u) << result.err;
  EXPECT_NE(result.err.find("无法写入"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find(own.string()), std::string::npos) << result.err;
}

TEST_F(StorageCommands, TableSlPrintsItsFieldsAnd81RecordsAndLeavesNoTableFileBehind) {
  CliRun result = run({"table", "sl"});
  EXPECT_EQ(result.code, 0) << result.err;
  auto printed = lines(result.out);
  ASSERT_EQ(printed.size(), 82u);
  EXPECT_EQ(printed[0], "数理\t吉否\t描述\t基业\t家庭\t健康\t含意");
  EXPECT_TRUE(printed[81].starts_with("81\t"));
  EXPECT_EQ(dataFiles(working()), std::vector<std::string>());
}

TEST_F(StorageCommands, TableScPrints125Records) {
  CliRun result = run({"table", "sc"});
  EXPECT_EQ(result.code, 0) << result.err;
  auto printed = lines(result.out);
  ASSERT_EQ(printed.size(), 126u);
  EXPECT_EQ(printed[0], "三才1\t三才2\t三才3\t三才评语");
}

TEST_F(StorageCommands, TheProfileOutlivesTheCommandAndTheTablesDoNot) {
  fs::create_directories(working());
  test::writeFile(working() / "shengchen.ini", test::gbk("[法人资料]\r\n法人姓=张\r\n"));
  EXPECT_EQ(run({"table", "gs"}).code, 0);
  EXPECT_TRUE(fs::exists(working() / "shengchen.ini"));
  EXPECT_EQ(dataFiles(working()), std::vector<std::string>());
}

TEST_F(StorageCommands, ProfilePrintsBothSectionsKeyByKeyEmptyValuesIncluded) {
  fs::create_directories(working());
  test::writeFile(working() / "shengchen.ini",
                  test::gbk("[先天八字]\r\n吉数=3\r\n姓氏=李\r\n\r\n[法人资料]\r\n法人姓=张\r\n"
                            "五行缺失=木火\r\n吉数=3\r\n"));
  CliRun result = run({"profile"});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.out,
            "法人资料\t法人姓\t张\n法人资料\t法人名\t\n法人资料\t公司地域前缀\t\n"
            "法人资料\t公司后缀\t\n法人资料\t公历\t\n法人资料\t农历\t\n法人资料\t法人时\t\n"
            "法人资料\t法人分\t\n法人资料\t时辰\t\n法人资料\t属相\t\n法人资料\t四柱\t\n"
            "法人资料\t八字\t\n法人资料\t五行\t\n法人资料\t纳音\t\n法人资料\t喜用神\t\n"
            "法人资料\t五行缺失\t木火\n法人资料\t吉数\t3\n"
            "先天八字\t姓氏\t李\n先天八字\t性别\t\n先天八字\t公历\t\n先天八字\t农历\t\n"
            "先天八字\t时辰\t\n先天八字\t属相\t\n先天八字\t四柱\t\n先天八字\t八字\t\n"
            "先天八字\t五行\t\n先天八字\t纳音\t\n先天八字\t喜用神\t\n先天八字\t吉数\t3\n");
}

TEST_F(StorageCommands, TheFoldersTableFilesAreTheWindowsAndNeverTouched) {
  // A running window's files, one of them damaged: commands read the tables the
  // program carries and leave every file as it is.
  fs::create_directories(working());
  for (const char* alias : {"sc", "xm", "gs", "zk"}) {
    test::writeFile(working() / (std::string(alias) + ".dat"),
                    std::string(storage::builtInTableBlock(alias).value()));
  }
  test::writeFile(working() / "sl.dat", "scribbled over");
  for (const auto& command : std::vector<std::vector<std::string>>{
           {"table", "sl"}, {"rate", "华通"}, {"report", "天府"}, {"element", "鑫"}}) {
    CliRun result = run(command);
    EXPECT_EQ(result.code, 0) << command[0] << ": " << result.err;
  }
  EXPECT_EQ(test::readFile(working() / "sl.dat"), "scribbled over");
  EXPECT_EQ(test::readFile(working() / "zk.dat"), storage::builtInTableBlock("zk").value());
  EXPECT_EQ(dataFiles(working()).size(), 5u);
}

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
};

class StorageCommandUsage : public StorageCommands,
                            public testing::WithParamInterface<UsageCase> {};

TEST_P(StorageCommandUsage, IsABadInputWithOneLineOfExplanation) {
  CliRun result = run(GetParam().args);
  EXPECT_EQ(result.code, 2);
  EXPECT_EQ(lines(result.err).size(), 1u) << result.err;
}

INSTANTIATE_TEST_SUITE_P(Arguments, StorageCommandUsage,
                         testing::Values(UsageCase{"UnknownTable", {"table", "qq"}},
                                         UsageCase{"NoTable", {"table"}},
                                         UsageCase{"TwoTables", {"table", "sl", "sc"}},
                                         UsageCase{"PathsWithArgument", {"paths", "x"}},
                                         UsageCase{"ProfileWithArgument", {"profile", "x"}},
                                         UsageCase{"DemoWithArgument", {"demo", "x"}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeruda::cli
