#include "storage/in_place_file.h"

#include "text/gbk_literal.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace zeruda::storage {
namespace {

using namespace text::literals;

// A write into a pipe whose reader has gone raises SIGPIPE, whose default ends the
// program (a window with unsaved work among them). While this object lives the
// signal is held for the calling thread, the write fails with EPIPE instead, and a
// SIGPIPE it raised is taken away before the thread's old mask returns.
class SigpipeHeld {
 public:
  SigpipeHeld() {
    ::sigemptyset(&pipe_);
    ::sigaddset(&pipe_, SIGPIPE);
    sigset_t pending;
    ::sigpending(&pending);
    pendingBefore_ = ::sigismember(&pending, SIGPIPE) == 1;
    ::pthread_sigmask(SIG_BLOCK, &pipe_, &old_);
  }
  ~SigpipeHeld() {
    if (!pendingBefore_) {
      const timespec now{};
      ::sigtimedwait(&pipe_, nullptr, &now);
    }
    ::pthread_sigmask(SIG_SETMASK, &old_, nullptr);
  }
  SigpipeHeld(const SigpipeHeld&) = delete;
  SigpipeHeld& operator=(const SigpipeHeld&) = delete;

 private:
  sigset_t pipe_{};
  sigset_t old_{};
  bool pendingBefore_ = false;
};

// 0, or the reason the bytes did not all go.
int sendAll(int fd, std::string_view bytes) {
  const SigpipeHeld held;
  return writeAll(fd, bytes) ? 0 : errno;
}

// The old text stays until the new one has its room: reserving it first makes a
// full disk (or a file-size limit) refuse the write before a byte has changed, and
// overwriting room already held needs no more. 0, or the reason.
int rewriteWhole(int fd, std::string_view bytes) {
  struct stat old {};
  if (::fstat(fd, &old) != 0) return errno;
  const auto size = static_cast<off_t>(bytes.size());
  if (size > 0) {
    if (const int error = ::posix_fallocate(fd, 0, size); error != 0) {
      // A reservation that failed half-way may have lengthened the file.
      [[maybe_unused]] const int restored = ::ftruncate(fd, old.st_size);
      return error;
    }
  }
  if (!writeAll(fd, bytes) || ::ftruncate(fd, size) != 0 || ::fsync(fd) != 0) return errno;
  return 0;
}

// Reading is asked for too where allowed: where the file system cannot reserve room
// itself, the reservation reads the blocks it fills.
int openOrdinary(const std::filesystem::path& file) {
  const int fd = ::open(file.c_str(), O_RDWR | O_CLOEXEC);
  if (fd >= 0 || errno != EACCES) return fd;
  return ::open(file.c_str(), O_WRONLY | O_CLOEXEC);
}

}  // namespace

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (written == 0) {  // nothing taken and no reason given: it would never end
      errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

std::string writeFailureCause(int error) {
  switch (error) {
    case ENOSPC:
      return "磁盘空间不足"_gbk;
    case EDQUOT:
      return "超出磁盘配额"_gbk;
    case EFBIG:
      return "文件超过允许的大小"_gbk;
    case EACCES:
    case EPERM:
      return "没有写入权限"_gbk;
    case EROFS:
      return "磁盘或文件夹是只读的"_gbk;
    default:
      return std::strerror(error);  // the C locale's text: plain ASCII, valid GBK
  }
}

Error fileWriteError(const std::filesystem::path& file, int error) {
  return Error{"无法写入文件："_gbk + file.filename().string() + "（"_gbk +
               writeFailureCause(error) + "）"_gbk};
}

Result<Done> writeInPlace(const std::filesystem::path& file, std::string_view bytes) {
  struct stat named {};
  const bool ordinary = ::stat(file.c_str(), &named) == 0 && S_ISREG(named.st_mode);
  const int fd =
      ordinary ? openOrdinary(file) : ::open(file.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return fileWriteError(file, errno);
  int error = ordinary ? rewriteWhole(fd, bytes) : sendAll(fd, bytes);
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0) return fileWriteError(file, error);
  return Done{};
}

Result<Done> writeToDescriptor(int fd, const std::filesystem::path& file, std::string_view bytes) {
  if (const int error = sendAll(fd, bytes); error != 0) return fileWriteError(file, error);
  return Done{};
}

}  // namespace zeruda::storage
