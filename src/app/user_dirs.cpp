#include "app/user_dirs.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace zeruda::app {
namespace {

std::filesystem::path absoluteFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value != '/') return {};
  return value;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  return text;
}

// The text between the double quotes, escapes undone; nothing when unquoted.
std::optional<std::string> unquoted(std::string_view value) {
  if (value.size() < 2 || value.front() != '"' || value.back() != '"') return std::nullopt;
  value = value.substr(1, value.size() - 2);
  std::string text;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) ++i;
    text += value[i];
  }
  return text;
}

std::filesystem::path resolved(const std::string& value, const std::filesystem::path& home) {
  constexpr std::string_view kHome = "$HOME";
  if (value.rfind(kHome, 0) == 0 && (value.size() == kHome.size() || value[kHome.size()] == '/')) {
    if (home.empty()) return {};
    std::string rest = value.substr(kHome.size());
    while (!rest.empty() && rest.front() == '/') rest.erase(0, 1);
    return rest.empty() ? home : home / rest;
  }
  if (!value.empty() && value.front() == '/') return value;
  return {};
}

bool sameFolder(const std::filesystem::path& a, const std::filesystem::path& b) {
  auto text = [](const std::filesystem::path& folder) {
    std::string t = folder.lexically_normal().string();
    while (t.size() > 1 && t.back() == '/') t.pop_back();
    return t;
  };
  return text(a) == text(b);
}

std::filesystem::path namedFolder(std::string_view fileText, const char* key,
                                  const std::filesystem::path& home) {
  std::filesystem::path folder = userDirFromText(fileText, key, home);
  return folder.empty() ? absoluteFromEnvironment(key) : folder;
}

}  // namespace

std::filesystem::path userDirFromText(std::string_view fileText, std::string_view key,
                                      const std::filesystem::path& home) {
  std::filesystem::path found;
  while (!fileText.empty()) {
    const std::size_t end = fileText.find('\n');
    std::string_view line = trimmed(fileText.substr(0, end));
    fileText = end == std::string_view::npos ? std::string_view() : fileText.substr(end + 1);
    if (line.rfind(key, 0) != 0) continue;
    line = trimmed(line.substr(key.size()));
    if (line.empty() || line.front() != '=') continue;
    // As the shell reads the file, a later line wins.
    if (auto value = unquoted(trimmed(line.substr(1)))) found = resolved(*value, home);
  }
  return found;
}

UserFolders userFoldersFrom(std::string_view fileText, const std::filesystem::path& home) {
  UserFolders folders;
  folders.home = home;
  folders.desktop = namedFolder(fileText, "XDG_DESKTOP_DIR", home);
  if (folders.desktop.empty() && !home.empty()) folders.desktop = home / "Desktop";
  // A desktop set to the home folder itself means the user has no desktop folder.
  if (!home.empty() && sameFolder(folders.desktop, home)) folders.desktop.clear();
  folders.documents = namedFolder(fileText, "XDG_DOCUMENTS_DIR", home);
  if (folders.documents.empty() && !home.empty()) folders.documents = home / "Documents";
  return folders;
}

UserFolders systemUserFolders() {
  const std::filesystem::path home = absoluteFromEnvironment("HOME");
  std::filesystem::path config = absoluteFromEnvironment("XDG_CONFIG_HOME");
  if (config.empty() && !home.empty()) config = home / ".config";
  std::string text;
  if (!config.empty()) {
    std::ifstream file(config / "user-dirs.dirs", std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  return userFoldersFrom(text, home);
}

}  // namespace zeruda::app
