// zeruda-cli element TEXT: each unit's element from the lists and from the table.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command_list.h"
#include "cli/command_session.h"
#include "cli/terminal.h"
#include "dictionary/elements.h"
#include "storage/character_table.h"
#include "text/characters.h"

namespace zeruda::cli {

int runElement(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args parsed(args, {});
  parsed.expectPositional(1, "TEXT");
  const std::string text = argToGbk(parsed.positional()[0], "TEXT");
  CommandSession session(err);
  for (const auto& unit : text::splitCharacters(text)) {
    auto element = storage::tableElement(session.tables(), unit);
    if (!element.ok()) {
      err << "zeruda-cli element: " << fromGbk(element.error()) << '\n';
      return kExitRefused;
    }
    out << fromGbk(unit) << '\t' << fromGbk(dictionary::listElement(unit)) << '\t'
        << fromGbk(element.value().value_or("")) << '\n';
  }
  out << fromGbk(dictionary::elementText(text)) << '\n';
  return kExitOk;
}

}  // namespace zeruda::cli
