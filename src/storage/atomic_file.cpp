#include "storage/atomic_file.h"

#include "text/gbk_literal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>

namespace zeruda::storage {
namespace {

using namespace text::literals;

std::atomic<void (*)()> afterTempWritten{nullptr};

Error failure(const std::filesystem::path& target, int error) {
  return Error{"无法写入文件："_gbk + target.filename().string() + "（"_gbk + std::strerror(error) +
               "）"_gbk};
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The rename itself lives in the folder; flushing the folder makes it last.
void syncFolder(const std::filesystem::path& folder) {
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

mode_t modeFor(const std::filesystem::path& target) {
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0) return existing.st_mode & 07777;
  return 0644;
}

}  // namespace

void setAtomicWriteHookForTesting(void (*hook)()) { afterTempWritten.store(hook); }

Result<Done> writeFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
  std::string temp = target.string() + ".XXXXXX";
  int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return failure(target, errno);

  bool ok = ::fchmod(fd, modeFor(target)) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok) {
    if (auto hook = afterTempWritten.load()) hook();
    ok = ::rename(temp.c_str(), target.c_str()) == 0;
    error = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return failure(target, error);
  }
  syncFolder(target.parent_path());
  return Done{};
}

}  // namespace zeruda::storage
