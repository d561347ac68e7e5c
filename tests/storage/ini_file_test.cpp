#include "storage/ini_file.h"

#include "storage/atomic_file.h"
#include "support/temp_folder.h"
#include "support/text_support.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <set>
#include <thread>

namespace zeruda::storage {
namespace {

namespace fs = std::filesystem;
using test::gbk;
using test::readFile;
using test::utf8;
using test::writeFile;

class IniFile : public testing::Test {
 protected:
  fs::path file() const { return folder_ / "shengchen.ini"; }

  // Runs `body` in a child process and gives how it ended.
  template <typename Body>
  int inChild(Body body) {
    pid_t child = ::fork();
    if (child == 0) {
      body();
      ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
  }

  std::vector<std::string> filesInFolder() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_.path())) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  test::TempFolder folder_;
};

TEST_F(IniFile, AMissingFileReadsEmpty) {
  EXPECT_EQ(readProfileString(file(), "s", "k"), "");
  EXPECT_FALSE(fs::exists(file()));
}

TEST_F(IniFile, AWriteCreatesTheFile) {
  ASSERT_TRUE(writeProfileString(file(), gbk("法人资料"), gbk("法人姓"), gbk("张")).ok());
  EXPECT_EQ(readFile(file()), gbk("[法人资料]\r\n法人姓=张\r\n"));
}

TEST_F(IniFile, AWriteKeepsThePermissionBitsOfTheFile) {
  writeFile(file(), "[s]\r\nk=1\r\n");
  fs::permissions(file(), fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(writeProfileString(file(), "s", "k", "2").ok());
  EXPECT_EQ(fs::status(file()).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(IniFile, AWriteIntoAMissingFolderIsReported) {
  auto written = writeProfileString(folder_ / "missing/shengchen.ini", "s", "k", "1");
  ASSERT_FALSE(written.ok());
  EXPECT_NE(utf8(written.error()).find("无法写入文件：shengchen.ini"), std::string::npos);
}

// The profile is the working folder's own: a link in its place is neither read nor
// written through, but replaced.
TEST_F(IniFile, ALinkInTheProfilesPlaceIsReplacedNeverWrittenThrough) {
  writeFile(folder_ / "notes.txt", "[s]\r\nsecret=1\r\n");
  fs::create_symlink(folder_ / "notes.txt", file());
  EXPECT_EQ(readProfileString(file(), "s", "secret"), "");
  ASSERT_TRUE(writeProfileString(file(), "s", "k", "2").ok());
  EXPECT_FALSE(fs::is_symlink(file()));
  EXPECT_EQ(readFile(file()), "[s]\r\nk=2\r\n");
  EXPECT_EQ(readFile(folder_ / "notes.txt"), "[s]\r\nsecret=1\r\n");
}

TEST_F(IniFile, AProfileThatCannotBeReadIsNeverReplaced) {
  fs::create_directory(file());  // something unreadable where the file should be
  writeFile(file() / "inside", "x");
  EXPECT_EQ(readProfileString(file(), "s", "k"), "");
  EXPECT_FALSE(writeProfileString(file(), "s", "k", "1").ok());
  EXPECT_TRUE(fs::exists(file() / "inside"));
}

TEST_F(IniFile, AProfileSavedAsUtf8WithMarkIsReadAndStoredAsGbkAgain) {
  writeFile(file(), "\xEF\xBB\xBF[法人资料]\r\n法人姓=张\r\n");
  EXPECT_EQ(utf8(readProfileString(file(), gbk("法人资料"), gbk("法人姓"))), "张");
  ASSERT_TRUE(writeProfileString(file(), gbk("法人资料"), gbk("法人名"), gbk("三")).ok());
  EXPECT_EQ(readFile(file()), gbk("[法人资料]\r\n法人姓=张\r\n法人名=三\r\n"));
}

TEST_F(IniFile, AMarkBeforeTextThatIsNotUtf8KeepsTheTextAsItIs) {
  writeFile(file(), "\xEF\xBB\xBF[s]\r\nk=\xFF\xFE\r\n");
  EXPECT_EQ(readProfileString(file(), "s", "k"), "\xFF\xFE");
}

TEST_F(IniFile, Utf8WithoutMarkIsTakenForGbkAndFindsNothing) {
  // UTF-8 and GBK cannot be told apart reliably without a mark; the section names
  // then simply do not match, and the values read as empty.
  writeFile(file(), "[法人资料]\r\n法人姓=张\r\n");
  EXPECT_EQ(readProfileString(file(), gbk("法人资料"), gbk("法人姓")), "");
}

TEST_F(IniFile, AProcessKilledBeforeTheRenameLeavesTheOldProfile) {
  writeProfileString(file(), "s", "k", "old");
  const std::string before = readFile(file());
  int status = inChild([&] {
    setAtomicWriteHookForTesting([] { ::raise(SIGKILL); });
    writeProfileString(file(), "s", "k", "new");
  });
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  EXPECT_EQ(readFile(file()), before);
}

TEST_F(IniFile, AProcessKilledAtAnyMomentLeavesOneWholeProfile) {
  // Large values make each write take long enough to be interrupted at all stages.
  const std::string first(1 << 20, 'a'), second(1 << 20, 'b'), third(1 << 19, 'c');
  writeProfileString(file(), "s", "k", first);
  std::set<std::string> whole;
  for (const auto& value : {first, second, third}) {
    IniDocument document;
    document.set("s", "k", value);
    whole.insert(document.text());
  }
  std::mt19937 random(20260101);
  for (int round = 0; round < 12; ++round) {
    pid_t child = ::fork();
    if (child == 0) {
      for (int i = 0;; ++i) writeProfileString(file(), "s", "k", i % 2 ? second : third);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 40000));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(whole.contains(readFile(file()))) << "round " << round;
  }
}

TEST_F(IniFile, AFullDiskIsReportedAndLeavesTheOldProfile) {
  writeProfileString(file(), "s", "k", "old");
  const std::string before = readFile(file());
  int status = inChild([&] {
    // A file-size limit makes writes fail the way a full disk does.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{16, 16};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::_exit(writeProfileString(file(), "s", "k", std::string(4096, 'x')).ok() ? 0 : 3);
  });
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 3) << "the failure reaches the caller";
  EXPECT_EQ(readFile(file()), before);
  EXPECT_EQ(filesInFolder(), std::vector<std::string>{"shengchen.ini"}) << "no temporary left";
}

// The window writes 法人资料 while a command writes 先天八字: with a slow disk (a
// pause between reading the file and putting the new one in place) each would
// otherwise put back the file it read, without the other's section.
TEST_F(IniFile, TwoProcessesUpdatingAtOnceKeepBothChanges) {
  setAtomicWriteHookForTesting([] { std::this_thread::sleep_for(std::chrono::milliseconds(200)); });
  pid_t child = ::fork();
  if (child == 0) ::_exit(writeProfileString(file(), "child", "k", "1").ok() ? 0 : 3);
  const bool written = writeProfileString(file(), "parent", "k", "2").ok();
  int status = 0;
  ::waitpid(child, &status, 0);
  setAtomicWriteHookForTesting(nullptr);
  ASSERT_TRUE(written && WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(readProfileString(file(), "child", "k"), "1");
  EXPECT_EQ(readProfileString(file(), "parent", "k"), "2");
}

}  // namespace
}  // namespace zeruda::storage
