#pragma once

#include "text/user_message.h"

#include <ostream>

namespace zeruda::cli {

// A refusal or failure of the core as one line: the message, then its caption in
// brackets when it has one.
void printUserMessage(std::ostream& err, const UserMessage& message);

}  // namespace zeruda::cli
