#include "storage/working_folder.h"

#include "storage/table_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

namespace zeruda::storage {
namespace {

namespace fs = std::filesystem;
using test::ScopedEnv;
using test::TempFolder;

TEST(SystemRoots, PrimaryIsTheDataHomeAndFallbackAFolderOfTheUserInTheTemporaryFolder) {
  TempFolder folder;
  ScopedEnv data("XDG_DATA_HOME", (folder / "data").string());
  ScopedEnv tmp("TMPDIR", (folder / "tmp").string());
  fs::create_directory(folder / "tmp");
  WorkingRoots roots = systemRoots();
  EXPECT_EQ(roots.primary, folder / "data");
  EXPECT_EQ(roots.fallback, folder / "tmp" / ("zeruda-" + std::to_string(::geteuid())));
}

TEST(SystemRoots, WithoutDataHomeThePrimaryIsLocalShareInHome) {
  ScopedEnv data("XDG_DATA_HOME", std::nullopt);
  ScopedEnv home("HOME", "/home/someone");
  EXPECT_EQ(systemRoots().primary, fs::path("/home/someone/.local/share"));
}

TEST(SystemRoots, ARelativeDataHomeIsIgnored) {
  ScopedEnv data("XDG_DATA_HOME", "relative/data");
  ScopedEnv home("HOME", "/home/someone");
  EXPECT_EQ(systemRoots().primary, fs::path("/home/someone/.local/share"));
}

TEST(SystemRoots, WithoutAnyHomeThereIsNoPrimaryRoot) {
  ScopedEnv data("XDG_DATA_HOME", std::nullopt);
  ScopedEnv home("HOME", std::nullopt);
  EXPECT_TRUE(systemRoots().primary.empty());
}

TEST(WorkingPath, IsRootThenZerudaGsThenTheFileName) {
  EXPECT_EQ(workingPathUnder("/r", "shengchen.ini").string(), "/r/zeruda/gs/shengchen.ini");
  EXPECT_EQ(workingFolderUnder("/r").string(), "/r/zeruda/gs/");
}

TEST(WorkingPath, IsEmptyWhileNoRootHasBeenChosen) {
  EXPECT_TRUE(WorkingFolder().file("sl.dat").empty());
  EXPECT_TRUE(WorkingFolder().path().empty());
  EXPECT_TRUE(tableFile(WorkingFolder(), "sl").empty());
}

class DriveChoice : public testing::Test {
 protected:
  TempFolder folder_;
  WorkingRoots roots_{folder_ / "primary", folder_ / "fallback"};
};

TEST_F(DriveChoice, AWritablePrimaryRootIsChosenAndHoldsTheProbeFile) {
  const WorkingFolder chosen = chooseDriveRoot(roots_);
  EXPECT_EQ(chosen.root(), roots_.primary);
  EXPECT_TRUE(fs::is_regular_file(roots_.primary / "zeruda/gs/1.txt"));
  EXPECT_EQ(fs::file_size(roots_.primary / "zeruda/gs/1.txt"), 0u);
  EXPECT_EQ(chosen.path(), roots_.primary / "zeruda/gs/");
  EXPECT_FALSE(fs::exists(roots_.fallback / "zeruda"));
}

TEST_F(DriveChoice, APrimaryRootThatIsAFileSendsEveryWorkingFileToTheFallback) {
  test::writeFile(roots_.primary, "not a folder");
  const WorkingFolder chosen = chooseDriveRoot(roots_);
  EXPECT_EQ(chosen.root(), roots_.fallback);
  EXPECT_EQ(chosen.placement(), Placement::PrimaryNotWritable);
  EXPECT_TRUE(fs::is_directory(roots_.fallback / "zeruda/gs"));
  EXPECT_EQ(chosen.file("shengchen.ini"), roots_.fallback / "zeruda/gs/shengchen.ini");
  for (auto alias : kTableAliases) {
    EXPECT_EQ(tableFile(chosen, alias).parent_path(), roots_.fallback / "zeruda/gs") << alias;
  }
}

TEST_F(DriveChoice, AReadOnlyPrimaryRootSendsWorkingFilesToTheFallback) {
  if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
  fs::create_directories(roots_.primary);
  fs::permissions(roots_.primary, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(chooseDriveRoot(roots_).file("sl.dat"), roots_.fallback / "zeruda/gs/sl.dat");
}

TEST_F(DriveChoice, AWorkingFolderWithoutRoomForTheProbeSendsFilesToTheFallback) {
  // A folder where the probe file should be: the write fails even for root.
  fs::create_directories(roots_.primary / "zeruda/gs/1.txt");
  EXPECT_EQ(chooseDriveRoot(roots_).root(), roots_.fallback);
}

TEST_F(DriveChoice, NoPrimaryRootMeansTheFallbackMadeForThisUserAlone) {
  const WorkingFolder chosen = chooseDriveRoot({fs::path(), roots_.fallback});
  EXPECT_EQ(chosen.root(), roots_.fallback);
  EXPECT_EQ(chosen.placement(), Placement::NoPrimary);
  EXPECT_TRUE(fs::is_directory(roots_.fallback / "zeruda/gs"));
  struct stat info {};
  ASSERT_EQ(::stat(roots_.fallback.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(DriveChoice, AProbeFileLinkIsRemovedInsteadOfEmptyingWhatItPointsTo) {
  fs::create_directories(roots_.primary / "zeruda/gs");
  test::writeFile(folder_ / "important.txt", "precious");
  fs::create_symlink(folder_ / "important.txt", roots_.primary / "zeruda/gs/1.txt");
  EXPECT_EQ(chooseDriveRoot(roots_).root(), roots_.primary);
  EXPECT_EQ(test::readFile(folder_ / "important.txt"), "precious");
  EXPECT_FALSE(fs::is_symlink(roots_.primary / "zeruda/gs/1.txt"));
}

// What another user may have left where the fallback root should be: none of it is
// taken, and nothing is written through it.
TEST_F(DriveChoice, AFallbackRootThatIsNotTheUsersOwnIsNeverUsed) {
  const fs::path elsewhere = folder_ / "elsewhere";
  fs::create_directories(elsewhere);
  const struct {
    const char* name;
    std::function<bool(const fs::path&)> plant;  // false: cannot be planted here
  } cases[] = {
      {"a link to a folder elsewhere",
       [&](const fs::path& root) {
         fs::create_directory_symlink(elsewhere, root);
         return true;
       }},
      {"a folder others may enter",
       [](const fs::path& root) {
         return ::mkdir(root.c_str(), 0777) == 0 && ::chmod(root.c_str(), 0777) == 0;
       }},
      {"a folder of another user",
       [](const fs::path& root) {
         return ::geteuid() == 0 && ::mkdir(root.c_str(), 0700) == 0 &&
                ::chown(root.c_str(), 4321, 4321) == 0;
       }},
  };
  for (const auto& planted : cases) {
    const fs::path root = folder_ / "planted";
    fs::remove_all(root);
    if (!planted.plant(root)) continue;
    test::writeFile(roots_.primary, "not a folder");
    const WorkingFolder chosen = chooseDriveRoot({roots_.primary, root});
    EXPECT_TRUE(chosen.root().empty()) << planted.name;
    EXPECT_TRUE(chosen.file("shengchen.ini").empty()) << planted.name;
    EXPECT_TRUE(fs::is_empty(elsewhere)) << planted.name;
    fs::remove_all(root);
  }
}

}  // namespace
}  // namespace zeruda::storage
