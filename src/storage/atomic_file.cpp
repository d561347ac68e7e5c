#include "storage/atomic_file.h"

#include "storage/in_place_file.h"
#include "text/gbk_literal.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <optional>
#include <random>
#include <string>

namespace zeruda::storage {
namespace {

using namespace text::literals;

std::atomic<void (*)()> afterTempWritten{nullptr};

// The rename itself lives in the folder; flushing the folder makes it last.
void syncFolder(const std::filesystem::path& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The descriptor a path names by its number ("/dev/fd/1", "/proc/self/fd/1"), if any.
std::optional<int> descriptorNamed(const std::filesystem::path& path) {
  const std::string text = path.lexically_normal().string();
  for (std::string_view folder : {"/dev/fd/", "/proc/self/fd/", "/proc/thread-self/fd/"}) {
    if (!text.starts_with(folder)) continue;
    const std::string_view number = std::string_view(text).substr(folder.size());
    int fd = -1;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), fd);
    if (error == std::errc() && end == number.data() + number.size()) return fd;
  }
  return std::nullopt;
}

// What a write really writes to. Links are followed (a relative link from the folder
// it lies in), so a linked profile stays a link and its target gets the bytes; a
// link that points nowhere yet gives the place it points to. A chain that reaches
// one of the program's open descriptors ("/dev/stdout" is a link to one) gives it.
struct WriteTarget {
  std::filesystem::path file;
  std::optional<int> descriptor;
};

WriteTarget resolve(const std::filesystem::path& target) {
  std::filesystem::path path = target;
  for (int hops = 0; hops < 40; ++hops) {  // the system's own limit on a chain of links
    if (auto fd = descriptorNamed(path)) return {path, fd};
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) break;
    auto next = std::filesystem::read_symlink(path, error);
    if (error) break;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return {path, std::nullopt};
}

std::string randomTail() {
  static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937 random(std::random_device{}() ^ static_cast<unsigned>(::getpid()));
  std::string tail(6, ' ');
  for (char& c : tail) c = kLetters[random() % kLetters.size()];
  return tail;
}

// A new temporary file beside `file`, locked while it is written (the start-up
// clean-up leaves locked ones alone). Created with 0666 so that the umask decides
// its mode, as for any new file the user's programs make.
int createTemp(const std::filesystem::path& file, std::string& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = file.string() + std::string(kTempMarker) + randomTail();
    int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::flock(fd, LOCK_EX);
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

// Every piece, in one text.
std::string whole(const PieceSource& pieces) {
  std::string text;
  for (std::string_view piece; pieces(piece);) text += piece;
  return text;
}

// Every piece as it comes; false with errno set when a write fails.
bool writePieces(int fd, const PieceSource& pieces) {
  for (std::string_view piece; pieces(piece);) {
    if (!writeAll(fd, piece)) return false;
  }
  return true;
}

// Puts a new ordinary file with the pieces in the place of `file` by a rename; the
// error names `target`. `existing` is the ordinary file replaced, if any: its
// permission bits are kept, and where the folder takes no new file it is written in
// place instead.
Result<Done> replaceFile(const std::filesystem::path& file, const std::filesystem::path& target,
                         const struct stat* existing, const PieceSource& pieces) {
  const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
  removeStaleTempFiles(folder);
  std::string temp;
  int fd = createTemp(file, temp);
  if (fd < 0) {
    const int error = errno;
    // Some folders take no new file while the files in them may be written (a
    // folder made read-only around a writable profile).
    if ((error == EACCES || error == EPERM) && existing != nullptr &&
        ::access(file.c_str(), W_OK) == 0) {
      return writeInPlace(file, whole(pieces));
    }
    return fileWriteError(target, error);
  }

  // A replaced file keeps its permission bits; a new one has what the umask gave.
  bool ok = (existing == nullptr || ::fchmod(fd, existing->st_mode & 07777) == 0) &&
            writePieces(fd, pieces) && ::fsync(fd) == 0;
  int error = errno;
  if (ok) {
    if (auto hook = afterTempWritten.load()) hook();
    ok = ::rename(temp.c_str(), file.c_str()) == 0;
    error = errno;
  }
  ::close(fd);  // after the rename: the lock is held until the file has its name
  if (!ok) {
    ::unlink(temp.c_str());
    return fileWriteError(target, error);
  }
  syncFolder(folder);
  return Done{};
}

}  // namespace

void setAtomicWriteHookForTesting(void (*hook)()) { afterTempWritten.store(hook); }

Result<Done> writeFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
  bool given = false;
  return writeFileAtomically(target, [&](std::string_view& piece) {
    if (given) return false;
    piece = bytes;
    return given = true;
  });
}

Result<Done> writeFileAtomically(const std::filesystem::path& target, const PieceSource& pieces) {
  // No working folder means no file, not one in the current folder.
  if (target.empty()) return Error{"尚未选定工作文件夹"_gbk};
  const WriteTarget resolved = resolve(target);
  if (resolved.descriptor) return writeToDescriptor(*resolved.descriptor, target, whole(pieces));
  const std::filesystem::path& file = resolved.file;
  struct stat existing {};
  const bool replacing = ::stat(file.c_str(), &existing) == 0;
  // A device, a pipe or a socket is not ours to replace: it takes the bytes itself.
  if (replacing && !S_ISREG(existing.st_mode)) return writeInPlace(file, whole(pieces));
  return replaceFile(file, target, replacing ? &existing : nullptr, pieces);
}

Result<Done> writeOwnedFile(const std::filesystem::path& file, std::string_view bytes) {
  if (file.empty()) return Error{"尚未选定工作文件夹"_gbk};
  struct stat existing {};
  const bool present = ::lstat(file.c_str(), &existing) == 0;
  // The rename below takes the name from a link without following it.
  const bool link = present && S_ISLNK(existing.st_mode);
  if (present && !link && !S_ISREG(existing.st_mode)) {
    return Error{"无法写入文件："_gbk + file.filename().string() + "（不是普通文件）"_gbk};
  }
  bool given = false;
  return replaceFile(file, file, present && !link ? &existing : nullptr,
                     [&](std::string_view& piece) {
                       if (given) return false;
                       piece = bytes;
                       return given = true;
                     });
}

void removeLinkAt(const std::filesystem::path& file) {
  struct stat info {};
  if (!file.empty() && ::lstat(file.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
    ::unlink(file.c_str());
  }
}

void removeStaleTempFiles(const std::filesystem::path& folder) {
  std::error_code error;
  const auto now = std::filesystem::file_time_type::clock::now();
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.find(kTempMarker) == std::string::npos) continue;
    std::error_code ignored;
    if (!entry.is_regular_file(ignored) || entry.is_symlink(ignored)) continue;
    const auto modified = entry.last_write_time(ignored);
    if (ignored || now - modified < std::chrono::minutes(1)) continue;
    int fd = ::open(entry.path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) continue;
    // A writer holds its lock until the rename: a file nobody locks is left over.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(entry.path().c_str());
    ::close(fd);
  }
}

}  // namespace zeruda::storage
