#include "storage/atomic_file.h"

#include "storage/in_place_file.h"

#include "support/file_size_limit.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <chrono>
#include <optional>
#include <thread>

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

TEST_F(AtomicFile, AWriteRemovesTheLeftoversOfKilledWritesInItsFolder) {
  killedWrite();
  ageTemporaries(std::chrono::minutes(2));
  ASSERT_EQ(temporaries(), 1);
  ASSERT_TRUE(writeFileAtomically(folder_ / "out.csv", "x").ok());
  EXPECT_EQ(temporaries(), 0);
}

// Everything a descriptor gets, once its writers are gone.
std::string drain(int fd) {
  std::string got;
  char buffer[4096];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) got.append(buffer, n);
  return got;
}

TEST_F(AtomicFile, APipeTakesTheBytesAndStaysAPipe) {
  ASSERT_EQ(::mkfifo(file().c_str(), 0600), 0);
  const int reader = ::open(file().c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_TRUE(writeFileAtomically(file(), "row\r\n").ok());
  EXPECT_EQ(drain(reader), "row\r\n");
  ::close(reader);
  EXPECT_EQ(fs::status(file()).type(), fs::file_type::fifo);
}

TEST_F(AtomicFile, ADescriptorPathWritesThroughTheProgramsOwnDescriptor) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  writeFile(file(), "log\n");
  const int appending = ::open(file().c_str(), O_WRONLY | O_APPEND);
  for (const int fd : {ends[1], appending}) {
    const fs::path path = "/dev/fd/" + std::to_string(fd);
    const auto written = writeFileAtomically(path, "row\n");
    EXPECT_TRUE(written.ok()) << path << ' ' << (written.ok() ? "" : written.error());
    ::close(fd);
  }
  EXPECT_EQ(drain(ends[0]), "row\n");
  ::close(ends[0]);
  EXPECT_EQ(readFile(file()), "log\nrow\n") << "a shell's >> appends";
}

TEST_F(AtomicFile, ADeviceOrAPipeThatTakesNothingIsAnErrorAndStays) {
  // A copy of the full device where the system lets us make one, so that a writer
  // that replaced it would replace the copy only; else the device itself, which a
  // user other than root cannot replace.
  const fs::path full = folder_ / "full";
  if (::mknod(full.c_str(), S_IFCHR | 0666, ::makedev(1, 7)) != 0) {
    if (::geteuid() == 0) GTEST_SKIP() << "no device node can be made here";
    fs::create_symlink("/dev/full", full);
  }
  // A pipe whose reader leaves once the first bytes are in.
  const fs::path pipe = folder_ / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  std::thread leaving([reader] {
    pollfd waiting{reader, POLLIN, 0};
    ::poll(&waiting, 1, 5000);
    ::close(reader);
  });
  const std::string lines(1 << 20, 'x');  // more than a pipe holds
  for (const fs::path& path : {full, pipe}) {
    const fs::file_type type = fs::status(path).type();
    EXPECT_FALSE(writeFileAtomically(path, lines).ok()) << path;
    EXPECT_EQ(fs::status(path).type(), type) << path;
  }
  leaving.join();
}

TEST_F(AtomicFile, AnInPlaceRewriteWithoutRoomLeavesTheOldText) {
  const std::string old(8040, 'o');
  struct Case {
    const char* name;
    std::size_t newSize;
    bool fits;
  };
  for (const Case& row : {Case{"longer than the room", 9000, false},
                          Case{"longer within the room", 8100, true}, Case{"shorter", 100, true}}) {
    writeFile(file(), old);
    const std::string text(row.newSize, 'n');
    const int code =
        test::runWithFileSizeLimit(8192, [&] { return writeInPlace(file(), text).ok() ? 0 : 1; });
    EXPECT_EQ(code, row.fits ? 0 : 1) << row.name;
    const std::string now = readFile(file());
    EXPECT_TRUE(now == (row.fits ? text : old)) << row.name << ": " << now.size() << " bytes";
  }
}

}  // namespace
}  // namespace zeruda::storage
