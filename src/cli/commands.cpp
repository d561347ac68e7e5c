// The command table. Each command lives in a file of its own beside this one.
#include <array>

#include "cli/command.h"
#include "cli/command_list.h"

namespace zeruda::cli {

std::span<const Command> commands() {
  static const std::array kCommands = {
      Command{"chars", "TEXT [--json]", runChars},
      Command{"grids", "BODY [--json]", runGrids},
      Command{"demo", "", runDemo},
      Command{"calendar", "--from DATE --to DATE [--time TIME]", runCalendar},
      Command{"terms", "YEAR", runTerms},
      Command{"chart", "DATE TIME [--json]", runChart},
  };
  return kCommands;
}

}  // namespace zeruda::cli
