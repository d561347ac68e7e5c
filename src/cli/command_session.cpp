#include "cli/command_session.h"

#include "cli/terminal.h"

namespace zeruda::cli {

CommandSession::CommandSession(std::ostream& err) {
  if (!folderNotice().empty()) err << "zeruda-cli: " << fromGbk(folderNotice()) << '\n';
}

}  // namespace zeruda::cli
