#include "app/startup.h"

#include "app/user_dirs.h"
#include "storage/atomic_file.h"
#include "text/gbk_literal.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <system_error>

namespace zeruda::app {
namespace {

using namespace text::literals;

constexpr std::string_view kProgramName = "朗星轩公司取名软件";  // UTF-8: seen by the desktop
constexpr std::string_view kResetMarker = "run.ini";

// A folder as text without trailing separators, for comparing folders.
std::string folderText(const std::filesystem::path& folder) {
  std::string text = folder.lexically_normal().string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

// A program built where it lies: CMake leaves its cache at the top of every build
// tree, so one of the folders from the program's up to (not including) `top` holds it.
bool insideBuildTree(const std::filesystem::path& programFolder, const std::string& top) {
  std::error_code error;
  for (std::filesystem::path folder = programFolder.lexically_normal();
       folderText(folder).size() > top.size(); folder = folder.parent_path()) {
    if (std::filesystem::is_regular_file(folder / "CMakeCache.txt", error)) return true;
    if (folder == folder.parent_path()) break;
  }
  return false;
}

// An archive opened in place unpacks into the temporary folder; a program started
// from there loses its folder as soon as the archive closes.
bool runsFromTemporaryFolder(const StartupInputs& inputs) {
  std::string temp = folderText(inputs.tempFolder);
  if (temp.empty() || temp == "/") return false;
  // Inside the temporary folder, not merely somewhere under a folder called tmp:
  // /var/tmp/... or ~/tmp/... is an ordinary place to keep a program here.
  std::string program = folderText(inputs.programFile.parent_path()) + "/";
  if (program.rfind(temp + "/", 0) != 0) return false;
  // A checkout cloned into the temporary folder and built there is no archive.
  return !insideBuildTree(inputs.programFile.parent_path(), temp);
}

void applyResetMarker(const StartupInputs& inputs) {
  std::error_code error;
  auto marker = inputs.programFile.parent_path() / kResetMarker;
  if (!std::filesystem::exists(marker, error)) return;
  std::filesystem::remove(marker, error);
  removeZerudaTree(inputs.roots.primary);
  removeZerudaTree(inputs.roots.fallback);
}

// A launcher of our own that already says `text` and may be run: a plain file, not
// a link, owned by us.
bool isCurrentLauncher(const std::filesystem::path& launcher, const std::string& text) {
  struct stat info {};
  if (::lstat(launcher.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
      info.st_uid != ::geteuid() || (info.st_mode & S_IXUSR) == 0 ||
      info.st_size != static_cast<off_t>(text.size())) {
    return false;
  }
  std::ifstream in(launcher, std::ios::binary);
  std::string held(text.size(), '\0');
  return in.read(held.data(), static_cast<std::streamsize>(held.size())) && held == text;
}

void writeDesktopLauncher(const StartupInputs& inputs) {
  std::error_code error;
  if (inputs.desktopFolder.empty() || !std::filesystem::is_directory(inputs.desktopFolder, error)) {
    return;
  }
  if (folderText(inputs.desktopFolder) == folderText(inputs.programFile.parent_path())) return;
  std::string text = desktopLauncherText(inputs.programFile);
  if (text.empty()) return;
  auto launcher = inputs.desktopFolder / desktopLauncherName();
  if (isCurrentLauncher(launcher, text)) return;  // nothing to write, nothing to wait for
  std::filesystem::remove(launcher, error);
  if (storage::writeFileAtomically(launcher, text).ok()) {
    // Desktops launch only launchers that are marked executable.
    ::chmod(launcher.c_str(), 0755);
  }
}

// Quoting for the Exec key: inside double quotes a backslash guards '"', '`', '$'
// and itself; '%' is doubled; then the whole value gets the string escapes of the
// launcher format, which double every backslash again.
std::string execValue(const std::string& program) {
  std::string quoted = "\"";
  for (char c : program) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    quoted += c;
  }
  quoted += '"';
  std::string escaped;
  for (char c : quoted) {
    if (c == '\\') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

}  // namespace

bool removeZerudaTree(const std::filesystem::path& root) {
  if (root.empty() || !root.is_absolute()) return false;
  auto tree = storage::zerudaTree(root);
  std::error_code error;
  auto status = std::filesystem::symlink_status(tree, error);
  if (error || status.type() != std::filesystem::file_type::directory) return false;
  std::filesystem::remove_all(tree, error);
  return !error;
}

std::string desktopLauncherName() { return std::string(kProgramName) + ".desktop"; }

std::string desktopLauncherText(const std::filesystem::path& programFile) {
  const std::string program = programFile.string();
  for (unsigned char c : program) {
    if (c < 0x20 || c == 0x7f) return {};  // no line of the file may be broken
  }
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Version=1.0\n"
         "Name=" +
         std::string(kProgramName) +
         "\n"
         "Exec=" +
         execValue(program) +
         "\n"
         "Icon=zeruda\n"
         "Terminal=false\n";
}

StartupInputs systemStartupInputs() {
  StartupInputs inputs;
  std::error_code error;
  inputs.programFile = std::filesystem::read_symlink("/proc/self/exe", error);
  inputs.tempFolder = std::filesystem::temp_directory_path(error);
  if (error) inputs.tempFolder = "/tmp";
  inputs.desktopFolder = systemUserFolders().desktop;
  inputs.roots = storage::systemRoots();
  return inputs;
}

StartupOutcome startupCheck(const StartupInputs& inputs) {
  if (runsFromTemporaryFolder(inputs)) {
    return {true, "〖朗星轩公司取名软件提示您〗请解压后再运行本软件"_gbk, "友情提示："_gbk};
  }
  // Without knowing where the program is, there is no marker beside it to look for
  // and nothing for a launcher to start.
  const bool programKnown = inputs.programFile.is_absolute();
  if (programKnown) applyResetMarker(inputs);
  storage::createWorkingFolder(inputs.roots.primary);
  if (programKnown) writeDesktopLauncher(inputs);
  return {};
}

}  // namespace zeruda::app
