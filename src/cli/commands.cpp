// The command table. Each command lives in a file of its own beside this one.
#include <array>

#include "cli/command.h"
#include "cli/command_list.h"

namespace zeruda::cli {

std::span<const Command> commands() {
  static const std::array kCommands = {
      Command{"chars", "TEXT [--json]", runChars},
      Command{"grids", "BODY [--json] [--svg FILE]", runGrids},
      Command{"demo", "", runDemo},
      Command{"element", "TEXT", runElement},
      Command{"rate", "BODY [--base N]", runRate},
      Command{"report", "BODY [--prefix P] [--suffix S] [--base N]", runReport},
      Command{"score", "FILE|- [--base N] [--json] [--csv OUT]", runScore},
      Command{"calendar", "--from DATE --to DATE [--time TIME]", runCalendar},
      Command{"terms", "YEAR", runTerms},
      Command{"month", "YYYY-MM", runMonth},
      Command{"almanac", "DATE [--json] | --from DATE --to DATE", runAlmanac},
      Command{"almanac-search", "--from DATE --range 7|15|30|60|90|180 --activity TEXT [--avoid]",
              runAlmanacSearch},
      Command{"opening-days", "--from DATE --days N [--birth DATE --time HH:MM] [--json]",
              runOpeningDays},
      Command{"chart", "DATE TIME [--json] [--svg FILE]", runChart},
      Command{"paths", "", runPaths},
      Command{"profile", "", runProfile},
      Command{"table", "ALIAS", runTable},
      Command{"generate",
              "--surname S --given G --birth DATE --time TIME [--prefix P] [--suffix S] [--shop] "
              "[--raw] [--length 2|3|4] [--fixed1 C] [--fixed2 C] [--fixed3 C] [--fixed4 C] "
              "[--element E]... [--auto-elements] [--min-stars N] [--count N] [--seed N] "
              "[--csv FILE] [--txt FILE]",
              runGenerate},
      Command{"personal",
              "--surname S --gender 男|女 --birth DATE --time TIME --length 1|2|3 "
              "[--fixed-pos 1|2|3 --fixed C] [--level 1-5] [--count N] [--seed N] [--json]",
              runPersonal},
      Command{"article", "list | show TITLE [N]", runArticle},
      Command{"web-url", "baidu|360|alibaba|trademark NAME", runWebUrl},
      Command{"fetch", "URL [--method M] [--header H]... [--data D] [--proxy P] [--headers]",
              runFetch},
  };
  return kCommands;
}

}  // namespace zeruda::cli
