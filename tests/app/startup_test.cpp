#include "app/startup.h"

#include "support/temp_folder.h"
#include "support/text_support.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zeruda::app {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::TempFolder;
using test::writeFile;

class StartupCheck : public testing::Test {
 protected:
  void SetUp() override {
    for (auto name : {"app", "tmp", "desktop", "primary", "fallback"}) {
      fs::create_directories(folder_ / name);
    }
    writeFile(inputs_.programFile, "program");
  }

  fs::path launcher() const { return inputs_.desktopFolder / "朗星轩公司取名软件.desktop"; }

  TempFolder folder_;
  StartupInputs inputs_{folder_ / "app/zeruda",
                        folder_ / "tmp",
                        folder_ / "desktop",
                        {folder_ / "primary", folder_ / "fallback"}};
};

struct ArchiveCase {
  const char* name;
  const char* program;
  const char* temp;
  bool ends;
};

class ArchiveCheck : public testing::TestWithParam<ArchiveCase> {};

TEST_P(ArchiveCheck, EndsTheProgramOnlyWhenItRunsInsideTheTemporaryFolder) {
  StartupInputs inputs{GetParam().program, GetParam().temp, {}, {}};
  EXPECT_EQ(startupCheck(inputs).endProgram, GetParam().ends);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ArchiveCheck,
    testing::Values(ArchiveCase{"InsideTemp", "/tmp/Rar$EXa1.234/zeruda", "/tmp", true},
                    ArchiveCase{"DeepInsideTemp", "/tmp/a/b/c/zeruda", "/tmp/", true},
                    ArchiveCase{"DirectlyInTemp", "/tmp/zeruda", "/tmp", true},
                    ArchiveCase{"TempNameInsideAnotherPath", "/var/tmp/y/zeruda", "/tmp", false},
                    ArchiveCase{"NameOnlyStartsLikeTemp", "/tmpfiles/zeruda", "/tmp", false},
                    ArchiveCase{"Elsewhere", "/opt/zeruda/zeruda", "/tmp", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupCheck, FromAnArchiveItAsksToUnpackAndTouchesNothing) {
  inputs_.programFile = inputs_.tempFolder / "archive/zeruda";
  fs::create_directories(inputs_.tempFolder / "archive");
  writeFile(inputs_.tempFolder / "archive/run.ini", "");
  StartupOutcome outcome = startupCheck(inputs_);
  EXPECT_TRUE(outcome.endProgram);
  EXPECT_EQ(test::utf8(outcome.message), "〖朗星轩公司取名软件提示您〗请解压后再运行本软件");
  EXPECT_EQ(test::utf8(outcome.caption), "友情提示：");
  EXPECT_TRUE(fs::exists(inputs_.tempFolder / "archive/run.ini"));
  EXPECT_FALSE(fs::exists(inputs_.roots.primary / "zeruda"));
  EXPECT_FALSE(fs::exists(launcher()));
}

TEST_F(StartupCheck, AProgramInItsOwnBuildTreeUnderTheTemporaryFolderRuns) {
  // A checkout cloned into the temporary folder and built there (make run).
  const fs::path build = inputs_.tempFolder / "zeruda/build/release";
  inputs_.programFile = build / "src/gui/zeruda";
  fs::create_directories(inputs_.programFile.parent_path());
  EXPECT_TRUE(startupCheck(inputs_).endProgram) << "no build tree yet: an unpacked archive";
  writeFile(build / "CMakeCache.txt", "");
  EXPECT_FALSE(startupCheck(inputs_).endProgram);
  // A cache beside the temporary folder, not between it and the program, says nothing.
  fs::remove(build / "CMakeCache.txt");
  writeFile(folder_ / "CMakeCache.txt", "");
  EXPECT_TRUE(startupCheck(inputs_).endProgram);
}

TEST_F(StartupCheck, ANormalStartCreatesTheWorkingFolderUnderThePrimaryRoot) {
  EXPECT_FALSE(startupCheck(inputs_).endProgram);
  EXPECT_TRUE(fs::is_directory(inputs_.roots.primary / "zeruda/gs"));
}

TEST_F(StartupCheck, TheResetMarkerRemovesBothTreesAndItselfOnce) {
  for (const auto& root : {inputs_.roots.primary, inputs_.roots.fallback}) {
    fs::create_directories(root / "zeruda/gs");
    writeFile(root / "zeruda/gs/shengchen.ini", "[法人资料]\r\n");
    writeFile(root / "other.txt", "kept");
  }
  writeFile(inputs_.programFile.parent_path() / "run.ini", "");

  startupCheck(inputs_);
  EXPECT_FALSE(fs::exists(inputs_.programFile.parent_path() / "run.ini"));
  EXPECT_FALSE(fs::exists(inputs_.roots.primary / "zeruda/gs/shengchen.ini"));
  EXPECT_FALSE(fs::exists(inputs_.roots.fallback / "zeruda"));
  EXPECT_EQ(readFile(inputs_.roots.primary / "other.txt"), "kept");
  EXPECT_EQ(readFile(inputs_.roots.fallback / "other.txt"), "kept");
  EXPECT_TRUE(fs::is_directory(inputs_.roots.primary / "zeruda/gs")) << "skeleton made again";

  writeFile(inputs_.roots.primary / "zeruda/gs/shengchen.ini", "x");
  startupCheck(inputs_);
  EXPECT_TRUE(fs::exists(inputs_.roots.primary / "zeruda/gs/shengchen.ini"));
}

TEST_F(StartupCheck, TheResetNeverFollowsALinkNamedZeruda) {
  fs::create_directories(folder_ / "precious");
  writeFile(folder_ / "precious/file", "keep me");
  fs::create_directory_symlink(folder_ / "precious", inputs_.roots.fallback / "zeruda");
  writeFile(inputs_.programFile.parent_path() / "run.ini", "");

  startupCheck(inputs_);
  EXPECT_EQ(readFile(folder_ / "precious/file"), "keep me");
  EXPECT_TRUE(fs::is_symlink(inputs_.roots.fallback / "zeruda"));
}

TEST(RemoveZerudaTree, RefusesAnythingButAFolderNamedZerudaUnderAnAbsoluteRoot) {
  TempFolder folder;
  writeFile(folder / "zeruda", "a file, not a folder");
  EXPECT_FALSE(removeZerudaTree(folder.path()));
  EXPECT_TRUE(fs::exists(folder / "zeruda"));
  EXPECT_FALSE(removeZerudaTree(""));
  EXPECT_FALSE(removeZerudaTree("relative/root"));
}

TEST_F(StartupCheck, TheLauncherOnTheDesktopStartsTheProgram) {
  startupCheck(inputs_);
  std::string expected =
      "[Desktop Entry]\nType=Application\nVersion=1.0\nName=朗星轩公司取名软件\nExec=\"" +
      inputs_.programFile.string() + "\"\nIcon=zeruda\nTerminal=false\n";
  EXPECT_EQ(readFile(launcher()), expected);
  struct stat info {};
  ASSERT_EQ(::stat(launcher().c_str(), &info), 0);
  EXPECT_TRUE(info.st_mode & S_IXUSR) << "desktops only launch executable launchers";
}

TEST_F(StartupCheck, AStaleLauncherIsRewrittenAndACurrentOneLeftAlone) {
  writeFile(launcher(), "stale launcher");
  startupCheck(inputs_);
  EXPECT_NE(readFile(launcher()).find("[Desktop Entry]"), std::string::npos);
  struct stat before {};
  ASSERT_EQ(::stat(launcher().c_str(), &before), 0);
  startupCheck(inputs_);
  struct stat after {};
  ASSERT_EQ(::stat(launcher().c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino) << "an atomic rewrite would give a new file";
}

TEST_F(StartupCheck, NoLauncherWhenTheProgramRunsFromTheDesktop) {
  inputs_.programFile = inputs_.desktopFolder / "zeruda";
  startupCheck(inputs_);
  EXPECT_FALSE(fs::exists(launcher()));
}

TEST_F(StartupCheck, NoLauncherWhenThereIsNoDesktopFolder) {
  inputs_.desktopFolder = folder_ / "no-desktop";
  startupCheck(inputs_);
  EXPECT_FALSE(fs::exists(folder_ / "no-desktop"));
}

struct ExecCase {
  const char* name;
  const char* program;
  const char* exec;  // the Exec line as the launcher format requires it
};

class LauncherExec : public testing::TestWithParam<ExecCase> {};

TEST_P(LauncherExec, QuotesTheProgramPathForTheDesktop) {
  std::string text = desktopLauncherText(GetParam().program);
  EXPECT_NE(text.find(std::string("\nExec=") + GetParam().exec + "\n"), std::string::npos) << text;
}

// Inside a quoted argument '"', '`', '$' and '\' take a backslash and '%' is
// doubled; the launcher's string escapes then double each backslash.
INSTANTIATE_TEST_SUITE_P(
    Paths, LauncherExec,
    testing::Values(ExecCase{"Plain", "/opt/z/zeruda", R"("/opt/z/zeruda")"},
                    ExecCase{"Blank", "/opt/my z/zeruda", R"("/opt/my z/zeruda")"},
                    ExecCase{"Dollar", "/opt/$z/zeruda", R"("/opt/\\$z/zeruda")"},
                    ExecCase{"Percent", "/opt/100%/zeruda", R"("/opt/100%%/zeruda")"},
                    ExecCase{"Quote", "/opt/a\"b/zeruda", R"("/opt/a\\"b/zeruda")"},
                    ExecCase{"Backslash", "/opt/a\\b/zeruda", R"("/opt/a\\\\b/zeruda")"},
                    ExecCase{"Chinese", "/opt/取名/zeruda", R"("/opt/取名/zeruda")"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LauncherExec, APathWithALineBreakGetsNoLauncher) {
  EXPECT_EQ(desktopLauncherText("/opt/a\nb/zeruda"), "");
}

}  // namespace
}  // namespace zeruda::app
