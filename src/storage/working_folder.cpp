#include "storage/working_folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace zeruda::storage {
namespace {

// An environment variable holding an absolute path; relative values are ignored,
// as the XDG rules ask, so nothing lands relative to the current folder.
std::filesystem::path absoluteFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return {};
  std::filesystem::path path(value);
  return path.is_absolute() ? path : std::filesystem::path();
}

bool writeEmptyFile(const std::filesystem::path& file) {
  int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  return ::close(fd) == 0;
}

}  // namespace

WorkingRoots systemRoots() {
  WorkingRoots roots;
  roots.primary = absoluteFromEnvironment("XDG_DATA_HOME");
  if (roots.primary.empty()) {
    auto home = absoluteFromEnvironment("HOME");
    if (!home.empty()) roots.primary = home / ".local" / "share";
  }
  std::error_code error;
  roots.fallback = std::filesystem::temp_directory_path(error);
  if (error || !roots.fallback.is_absolute()) roots.fallback = "/tmp";
  return roots;
}

std::filesystem::path zerudaTree(const std::filesystem::path& root) { return root / "zeruda"; }

std::filesystem::path workingPathUnder(const std::filesystem::path& root, std::string_view name) {
  return zerudaTree(root) / "gs" / name;
}

std::filesystem::path WorkingFolder::file(std::string_view name) const {
  if (root_.empty()) return {};
  return workingPathUnder(root_, name);
}

void createWorkingFolder(const std::filesystem::path& root) {
  if (root.empty()) return;
  std::error_code ignored;
  std::filesystem::create_directories(workingFolderUnder(root), ignored);
}

WorkingFolder chooseDriveRoot(const WorkingRoots& roots) {
  std::filesystem::path chosen = roots.fallback;
  if (!roots.primary.empty()) {
    createWorkingFolder(roots.primary);
    if (writeEmptyFile(workingPathUnder(roots.primary, kProbeFileName))) chosen = roots.primary;
  }
  if (chosen != roots.primary) createWorkingFolder(chosen);
  return WorkingFolder(chosen);
}

}  // namespace zeruda::storage
