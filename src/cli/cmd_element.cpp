// zeruda-cli element TEXT: each unit's element from the lists and from the table.
#include "actions/character_actions.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command_list.h"
#include "cli/command_session.h"
#include "cli/refusals.h"
#include "cli/terminal.h"
#include "dictionary/elements.h"

namespace zeruda::cli {

int runElement(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args parsed(args, {});
  parsed.expectPositional(1, "TEXT");
  const FieldOptions kOptions = {{Field::Characters, "TEXT"}};
  const std::string text = gbkArg(parsed.positional()[0], Field::Characters, kOptions);
  CommandSession session(err);
  actions::Context context{session.tables(), &session.profile()};
  const actions::TextElements found = orRefuse(actions::textElements(text, context), kOptions);
  for (const actions::UnitElement& unit : found.units) {
    out << fromGbk(unit.unit) << '\t' << fromGbk(unit.listed) << '\t' << fromGbk(unit.tabled)
        << '\n';
  }
  out << fromGbk(found.elements) << '\n';
  return kExitOk;
}

}  // namespace zeruda::cli
