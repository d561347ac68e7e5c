#include "app/user_dirs.h"

#include "app/export_folder.h"
#include "support/temp_folder.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::app {
namespace {

namespace fs = std::filesystem;

// Lines as xdg-user-dirs-update writes them, and as users edit them.
constexpr const char* kFile =
    "# This file is written by xdg-user-dirs-update\n"
    "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n"
    "XDG_DOCUMENTS_DIR=\"/data/my \\\"docs\\\"\"\n"
    "XDG_MUSIC_DIR=$HOME/Music\n"
    "XDG_VIDEOS_DIR=\"Videos\"\n"
    "XDG_PICTURES_DIR=\"$HOME/Old\"\n"
    "  XDG_PICTURES_DIR = \"$HOME/Pictures\"\r\n"
    "XDG_TEMPLATES_DIR=\"$HOME\"\n"
    "XDG_DESKTOP_DIRS=\"/wrong\"\n";

struct DirCase {
  const char* key;
  const char* expected;
};

class UserDirFromText : public testing::TestWithParam<DirCase> {};

TEST_P(UserDirFromText, ReadsTheValueAsTheShellWould) {
  EXPECT_EQ(userDirFromText(kFile, GetParam().key, "/home/u"), fs::path(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, UserDirFromText,
    testing::Values(DirCase{"XDG_DESKTOP_DIR", "/home/u/桌面"},
                    DirCase{"XDG_DOCUMENTS_DIR", "/data/my \"docs\""},
                    DirCase{"XDG_MUSIC_DIR", ""},   // unquoted: not the file's form
                    DirCase{"XDG_VIDEOS_DIR", ""},  // relative: not allowed
                    DirCase{"XDG_PICTURES_DIR", "/home/u/Pictures"},  // the later line wins
                    DirCase{"XDG_TEMPLATES_DIR", "/home/u"}, DirCase{"XDG_DOWNLOAD_DIR", ""}),
    [](const auto& info) { return std::string(info.param.key); });

TEST(UserFolders, DefaultsAndADesktopThatIsTheHomeFolder) {
  test::ScopedEnv noDesktop("XDG_DESKTOP_DIR", std::nullopt);
  test::ScopedEnv noDocuments("XDG_DOCUMENTS_DIR", std::nullopt);
  UserFolders none = userFoldersFrom("", "/home/u");
  EXPECT_EQ(none.desktop, fs::path("/home/u/Desktop"));
  EXPECT_EQ(none.documents, fs::path("/home/u/Documents"));
  EXPECT_EQ(userFoldersFrom("XDG_DESKTOP_DIR=\"$HOME/\"\n", "/home/u").desktop, fs::path());
  EXPECT_EQ(userFoldersFrom(kFile, "/home/u").documents, fs::path("/data/my \"docs\""));
}

TEST(ExportFolder, StartsInTheLastFolderWhileItExistsElseDocumentsElseHome) {
  test::TempFolder folder;
  fs::create_directories(folder / "home/docs");
  fs::create_directories(folder / "exports/最近");
  const fs::path profile = folder / "shengchen.ini";
  const UserFolders user{folder / "home", {}, folder / "home/docs"};

  EXPECT_EQ(exportStartFolder(profile, user), folder / "home/docs");
  rememberExportFolder(profile, folder / "exports/最近/名单.csv");
  EXPECT_EQ(exportStartFolder(profile, user), folder / "exports/最近");
  // Kept in the GBK profile under its own section, beside the others.
  EXPECT_NE(test::readFile(profile).find(test::gbk("[界面]\r\n导出目录=")), std::string::npos);

  fs::remove_all(folder / "exports");
  EXPECT_EQ(exportStartFolder(profile, user), folder / "home/docs");
  fs::remove_all(folder / "home/docs");
  EXPECT_EQ(exportStartFolder(profile, user), folder / "home");
}

}  // namespace
}  // namespace zeruda::app
