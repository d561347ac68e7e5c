#pragma once

#include "text/result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zeruda::storage {

// Writes `bytes` into what `file` names without replacing it. A device, a pipe or
// a socket gets them as they are; an ordinary file is rewritten whole, but only once
// the room for the new text is reserved, so that a full disk refuses the write and
// leaves the old text as it was. A pipe whose reader has gone is an error like any
// other, not the end of the program. The error names the file and the system's
// reason (GBK text).
Result<Done> writeInPlace(const std::filesystem::path& file, std::string_view bytes);

// Writes `bytes` to the program's open descriptor `fd` at its own place (the shell's
// redirection of "/dev/stdout" decides whether it appends); `file` names it in the
// error.
Result<Done> writeToDescriptor(int fd, const std::filesystem::path& file, std::string_view bytes);

// Writes the whole of `bytes` to `fd`, again after a short write; false with errno
// set when a write fails.
bool writeAll(int fd, std::string_view bytes);

// Why a write failed, in words the user acts on: no space, over quota, too large,
// no permission, read-only; else the system's own text.
std::string writeFailureCause(int error);

// "无法写入文件：<name>（<writeFailureCause>）"
Error fileWriteError(const std::filesystem::path& file, int error);

}  // namespace zeruda::storage
