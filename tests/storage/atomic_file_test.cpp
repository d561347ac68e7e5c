#include "storage/atomic_file.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <chrono>

namespace zeruda::storage {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::writeFile;

class AtomicFile : public testing::Test {
 protected:
  fs::path file() const { return folder_ / "shengchen.ini"; }

  // The temporary files of ours lying in the folder.
  int temporaries() const {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder_.path())) {
      count += entry.path().filename().string().find(kTempMarker) != std::string::npos;
    }
    return count;
  }

  // Leaves a temporary file the way a writer killed before its rename does.
  void killedWrite() {
    pid_t child = ::fork();
    if (child == 0) {
      setAtomicWriteHookForTesting([] { ::raise(SIGKILL); });
      (void)writeFileAtomically(file(), "new");
      ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
  }

  void ageTemporaries(std::chrono::seconds by) {
    for (const auto& entry : fs::directory_iterator(folder_.path())) {
      fs::last_write_time(entry.path(), fs::last_write_time(entry.path()) - by);
    }
  }

  test::TempFolder folder_;
};

TEST_F(AtomicFile, ANewFileGetsTheModeTheUmaskGives) {
  const mode_t old = ::umask(077);
  const bool written = writeFileAtomically(file(), "x").ok();
  ::umask(old);
  ASSERT_TRUE(written);
  EXPECT_EQ(fs::status(file()).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(AtomicFile, ALinkIsFollowedAndStaysALink) {
  fs::create_directory(folder_ / "real");
  writeFile(folder_ / "real/profile.ini", "old");
  fs::create_symlink("real/profile.ini", file());
  ASSERT_TRUE(writeFileAtomically(file(), "new").ok());
  EXPECT_TRUE(fs::is_symlink(file()));
  EXPECT_EQ(readFile(folder_ / "real/profile.ini"), "new");
}

TEST_F(AtomicFile, AFolderThatTakesNoNewFileStillLetsItsFileBeWritten) {
  if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
  writeFile(file(), "old");
  fs::permissions(folder_.path(), fs::perms::owner_read | fs::perms::owner_exec);
  const bool written = writeFileAtomically(file(), "new").ok();
  fs::permissions(folder_.path(), fs::perms::owner_all);
  ASSERT_TRUE(written);
  EXPECT_EQ(readFile(file()), "new");
}

TEST_F(AtomicFile, LeftoversOfAKilledWriteGoAtTheNextStartOnceAMinuteOldAndUnheld) {
  writeFile(file(), "old");
  killedWrite();
  const fs::path held = file().string() + std::string(kTempMarker) + "abcdef";
  writeFile(held, "a writer still at work");
  int fd = ::open(held.c_str(), O_RDONLY);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  ASSERT_EQ(temporaries(), 2);
  removeStaleTempFiles(folder_.path());
  EXPECT_EQ(temporaries(), 2) << "younger than a minute, either may be in use";
  ageTemporaries(std::chrono::minutes(2));
  removeStaleTempFiles(folder_.path());
  ::close(fd);
  EXPECT_EQ(temporaries(), 1);
  EXPECT_TRUE(fs::exists(held));
  EXPECT_EQ(readFile(file()), "old");
}

}  // namespace
}  // namespace zeruda::storage
