#include "cli/user_message_out.h"

#include "cli/terminal.h"

namespace zeruda::cli {

void printUserMessage(std::ostream& err, const UserMessage& message) {
  err << fromGbk(message.text);
  if (!message.caption.empty()) err << " (" << fromGbk(message.caption) << ")";
  err << '\n';
}

}  // namespace zeruda::cli
