#pragma once

#include "text/result.h"

#include <filesystem>
#include <string_view>

namespace zeruda::storage {

// Replaces `target` with `bytes` so that a crash or a full disk at any moment leaves
// either the old file or the new one, never a part: the bytes go to a temporary file
// beside the target, are flushed to the disk, and the temporary file is renamed over
// the target. An existing target keeps its permission bits. The error names the file
// and the system's reason (GBK text).
Result<Done> writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// For tests that stop the program between writing the temporary file and renaming
// it: the hook runs at that moment. Not for use by the program itself.
void setAtomicWriteHookForTesting(void (*hook)());

}  // namespace zeruda::storage
