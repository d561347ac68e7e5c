#include "storage/working_folder.h"

#include "storage/table_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace zeruda::storage {
namespace {

namespace fs = std::filesystem;
using test::ScopedEnv;
using test::TempFolder;

TEST(SystemRoots, PrimaryIsTheDataHomeAndFallbackTheTemporaryFolder) {
  TempFolder folder;
  ScopedEnv data("XDG_DATA_HOME", (folder / "data").string());
  ScopedEnv tmp("TMPDIR", (folder / "tmp").string());
  fs::create_directory(folder / "tmp");
  WorkingRoots roots = systemRoots();
  EXPECT_EQ(roots.primary, folder / "data");
  EXPECT_EQ(roots.fallback, folder / "tmp");
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

TEST_F(DriveChoice, NoPrimaryRootMeansTheFallback) {
  EXPECT_EQ(chooseDriveRoot({fs::path(), roots_.fallback}).root(), roots_.fallback);
  EXPECT_TRUE(fs::is_directory(roots_.fallback / "zeruda/gs"));
}

}  // namespace
}  // namespace zeruda::storage
