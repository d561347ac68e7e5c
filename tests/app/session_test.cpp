#include "app/session.h"

#include "storage/atomic_file.h"
#include "storage/table_files.h"
#include "support/temp_folder.h"
#include "text/gbk_literal.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <string>

namespace zeruda::app {
namespace {

namespace fs = std::filesystem;
using namespace text::literals;

class SessionTest : public testing::Test {
 protected:
  fs::path working(const std::string& name) const {
    return storage::workingPathUnder(roots_.data(), name);
  }
  int tableFilesThere() const {
    int count = 0;
    for (auto alias : storage::kTableAliases)
      count += fs::exists(working(std::string(alias) + ".dat"));
    return count;
  }

  test::SandboxedRoots roots_;
};

TEST_F(SessionTest, BeginsInTheDataRootWithoutLeftoversAndWithItsTablesInMemory) {
  storage::createWorkingFolder(roots_.data());
  const fs::path stale = working("shengchen.ini") += std::string(storage::kTempMarker) + "stale1";
  const fs::path fresh = working("shengchen.ini") += std::string(storage::kTempMarker) + "fresh1";
  test::writeFile(stale, "");
  test::writeFile(fresh, "");
  fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::hours(2));

  Session session;
  EXPECT_EQ(session.folder().path(), working(""));
  EXPECT_EQ(session.profile().path(), working("shengchen.ini"));
  EXPECT_FALSE(fs::exists(stale)) << "left by a writer killed on the way";
  EXPECT_TRUE(fs::exists(fresh)) << "may belong to a writer at work";
  EXPECT_EQ(session.tables().open("sl").value().recordCount(), 81);
  EXPECT_EQ(tableFilesThere(), 0);
  EXPECT_EQ(session.folderNotice(), "");
}

TEST_F(SessionTest, WithoutAnyFolderOfItsOwnItKeepsNothingSaysSoAndStillWorks) {
  test::writeFile(roots_.data() / "zeruda", "a file where the program's folder should be");
  fs::create_directory_symlink(roots_.folder().path(),
                               roots_.tmp() / ("zeruda-" + std::to_string(::geteuid())));
  Session session;
  session.ownTableFiles();
  EXPECT_TRUE(session.profile().path().empty());
  EXPECT_NE(session.folderNotice().find("不保存任何工作文件"_gbk), std::string::npos);
  EXPECT_EQ(session.tables().open("sl").value().recordCount(), 81);
}

TEST_F(SessionTest, TheWindowsSessionOwnsTheTableFilesUntilItEnds) {
  Session window;
  window.ownTableFiles();
  EXPECT_EQ(tableFilesThere(), 5);
  test::writeFile(window.profile().path(), "[法人资料]\r\n");
  {
    Session command;  // zeruda-cli while the window runs
    EXPECT_TRUE(command.tables()
                    .open("xm")
                    .value()
                    .append({"a", "1", "2", "3", "4", "5", "6", "7", "8", "9"})
                    .ok());
  }
  EXPECT_EQ(tableFilesThere(), 5) << "another session's end leaves them";
  EXPECT_EQ(window.tables().open("xm").value().recordCount(), 0);

  window.end();
  EXPECT_EQ(tableFilesThere(), 0);
  EXPECT_TRUE(fs::exists(window.profile().path()));
  EXPECT_GT(window.tables().open("zk").value().recordCount(), 0);
  EXPECT_EQ(tableFilesThere(), 0) << "in memory after the end";

  {
    Session again;
    again.ownTableFiles();
  }
  EXPECT_EQ(tableFilesThere(), 0) << "a session that goes ends";
}

}  // namespace
}  // namespace zeruda::app
