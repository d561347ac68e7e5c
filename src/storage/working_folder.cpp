#include "storage/working_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
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

// The probe file, empty. A link in its place is removed rather than written
// through; a file that shares its data with other names is left whole; a pipe is
// not waited on. Anything but an ordinary file of ours fails the probe.
bool writeProbeFile(const std::filesystem::path& file) {
  constexpr int kFlags = O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  int fd = ::open(file.c_str(), kFlags, 0644);
  if (fd < 0 && errno == ELOOP && ::unlink(file.c_str()) == 0) {
    fd = ::open(file.c_str(), kFlags, 0644);
  }
  if (fd < 0) return false;
  struct stat info {};
  bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
            (info.st_size == 0 || (info.st_nlink == 1 && ::ftruncate(fd, 0) == 0));
  ok = ::close(fd) == 0 && ok;
  return ok;
}

// The fallback root as a folder of this user alone: made with mode 0700, or found
// as a real folder (a link is refused, not followed) that this user owns and that
// grants nothing to anybody else.
bool isPrivateFolder(const std::filesystem::path& folder) {
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  const bool own = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
                   (info.st_mode & 077) == 0;
  ::close(fd);
  return own;
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
  std::filesystem::path temp = std::filesystem::temp_directory_path(error);
  if (error || !temp.is_absolute()) temp = "/tmp";
  roots.fallback = temp / ("zeruda-" + std::to_string(::geteuid()));
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
  Placement placement = Placement::NoPrimary;
  if (!roots.primary.empty()) {
    createWorkingFolder(roots.primary);
    if (writeProbeFile(workingPathUnder(roots.primary, kProbeFileName))) {
      return WorkingFolder(roots.primary);
    }
    placement = Placement::PrimaryNotWritable;
  }
  if (roots.fallback.empty() || !isPrivateFolder(roots.fallback))
    return WorkingFolder({}, placement);
  createWorkingFolder(roots.fallback);
  return WorkingFolder(roots.fallback, placement);
}

}  // namespace zeruda::storage
