#include "storage/ini_file.h"

#include "storage/atomic_file.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>

namespace zeruda::storage {
namespace {

using namespace text::literals;

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::mutex& writeLock() {
  static std::mutex lock;
  return lock;
}

// An advisory lock for one read-modify-write of a file, shared with every other
// process of ours that updates a file in the same folder (the window and a command
// at once). The file is replaced by a rename, so it cannot carry the lock itself:
// its folder does. A folder that cannot be opened gives no lock; the write then
// fails on its own.
class FolderLock {
 public:
  explicit FolderLock(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    while (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
  }
  ~FolderLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  int fd_ = -1;
};

// The file's bytes; empty when there is no file; an error when a file is there but
// cannot be read, so that a write never replaces a profile it could not see.
Result<std::string> readBytes(const std::filesystem::path& file) {
  // A link in the profile's place is not followed: it reads as no file, and the
  // next write puts a file of ours in its place.
  int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR || errno == ELOOP) return std::string();
    return Error{"无法读取文件："_gbk + file.filename().string()};
  }
  std::string bytes;
  char buffer[16384];
  while (true) {
    ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      ::close(fd);
      return Error{"无法读取文件："_gbk + file.filename().string()};
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return bytes;
}

// Bytes as the GBK text they are meant to be. Text behind a UTF-8 mark that does
// not convert is kept as it is: better unreadable values than lost lines.
std::string asGbk(std::string bytes) {
  if (!bytes.starts_with(kUtf8Mark)) return bytes;
  std::string_view body = std::string_view(bytes).substr(kUtf8Mark.size());
  auto converted = text::utf8ToGbk(body);
  return converted.ok() ? std::move(converted).value() : std::string(body);
}

}  // namespace

IniDocument loadIniFile(const std::filesystem::path& file) {
  auto bytes = readBytes(file);
  return bytes.ok() ? IniDocument::parse(asGbk(std::move(bytes).value())) : IniDocument();
}

std::string readProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key) {
  return loadIniFile(file).get(section, key);
}

Result<Done> updateIniFile(const std::filesystem::path& file,
                           const std::function<Result<Done>(IniDocument&)>& change) {
  std::lock_guard guard(writeLock());
  const FolderLock folderLock(file);
  auto bytes = readBytes(file);
  if (!bytes.ok()) return bytes.failure();
  IniDocument document = IniDocument::parse(asGbk(std::move(bytes).value()));
  if (auto changed = change(document); !changed.ok()) return changed;
  return writeOwnedFile(file, document.text());
}

Result<Done> writeProfileString(const std::filesystem::path& file, std::string_view section,
                                std::string_view key, std::string_view value) {
  return updateIniFile(file,
                       [&](IniDocument& document) { return document.set(section, key, value); });
}

}  // namespace zeruda::storage
