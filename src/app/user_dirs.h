#pragma once

#include <filesystem>
#include <string_view>

namespace zeruda::app {

// The user's desktop and documents folders as the desktop's user-dirs settings name
// them. The settings file is read directly: starting `xdg-user-dir` for it would
// cost a process per start.
struct UserFolders {
  std::filesystem::path home;
  std::filesystem::path desktop;    // empty when the desktop is the home folder itself
  std::filesystem::path documents;  // may not exist
};

// The value of `key` (such as "XDG_DESKTOP_DIR") in the text of a user-dirs.dirs
// file: a line KEY="$HOME/sub" or KEY="/absolute", with backslash escapes inside
// the quotes. Empty when the key is missing or its value is of another form, which
// the format does not allow.
std::filesystem::path userDirFromText(std::string_view fileText, std::string_view key,
                                      const std::filesystem::path& home);

// The folders from a user-dirs.dirs text; where it names none, the environment
// variable of the same key, then the usual defaults ~/Desktop and ~/Documents.
UserFolders userFoldersFrom(std::string_view fileText, const std::filesystem::path& home);

// The folders of this user: $XDG_CONFIG_HOME/user-dirs.dirs, else
// ~/.config/user-dirs.dirs.
UserFolders systemUserFolders();

}  // namespace zeruda::app
