// zeruda-cli element TEXT: each unit's element from the lists and from the table.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command_list.h"
#include "cli/environment.h"
#include "cli/terminal.h"
#include "dictionary/elements.h"
#include "dictionary/table_element.h"
#include "text/characters.h"

namespace zeruda::cli {

int runElement(std::span<const std::string> args, std::ostream& out, std::ostream&) {
  Args parsed(args, {});
  parsed.expectPositional(1, "TEXT");
  const std::string text = argToGbk(parsed.positional()[0], "TEXT");
  ProgramEnvironment environment;
  for (const auto& unit : text::splitCharacters(text)) {
    out << fromGbk(unit) << '\t' << fromGbk(dictionary::listElement(unit)) << '\t'
        << fromGbk(dictionary::tableElement(unit).value_or("")) << '\n';
  }
  out << fromGbk(dictionary::elementText(text)) << '\n';
  return kExitOk;
}

}  // namespace zeruda::cli
