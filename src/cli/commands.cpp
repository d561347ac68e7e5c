// The command table. Each command lives in a file of its own beside this one.
#include <array>

#include "cli/command.h"
#include "cli/command_list.h"

namespace zeruda::cli {

std::span<const Command> commands() {
  static const std::array kCommands = {
      Command{"version", "", [](std::span<const std::string>, std::ostream& out,
                                std::ostream&) {
                out << "zeruda-cli 0.1\n";
                return 0;
              }},
      Command{"paths", "", runPaths},
      Command{"profile", "", runProfile},
      Command{"table", "ALIAS", runTable},
  };
  return kCommands;
}

}  // namespace zeruda::cli
