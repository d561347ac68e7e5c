#pragma once

#include "text/user_message.h"

#include <span>
#include <string>

namespace zeruda::personal {

// The names of the candidate list for the clipboard, each followed by "\r\n" (GBK).
std::string namesClipboardText(std::span<const std::string> names);

enum class CopyOutcome { NothingToCopy, Copied, Failed };

// The message after the copy command: an empty list, a copy the clipboard took, or
// one it did not.
UserMessage copyNamesMessage(CopyOutcome outcome);

}  // namespace zeruda::personal
