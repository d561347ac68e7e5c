// zeruda-cli rate BODY [--base N]: the star rating of a company-name body.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command_list.h"
#include "cli/command_session.h"
#include "cli/dictionary_characters.h"
#include "cli/terminal.h"
#include "numerology/rating.h"
#include "storage/character_table.h"

namespace zeruda::cli {

int runRate(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args parsed(args, {"base"});
  parsed.expectPositional(1, "BODY");
  const std::string body = argToGbk(parsed.positional()[0], "BODY");
  requireDictionaryCharacters(body, "BODY");
  const std::optional<int> base =
      parsed.value("base") ? std::optional<int>(parsed.intValue("base", 0, 0, 5)) : std::nullopt;
  CommandSession session(err);
  // The rating counts a character table it cannot read as one without elements;
  // here that would be a wrong answer, so the table is opened first.
  if (auto table = session.tables().open("zk"); !table.ok()) {
    err << "zeruda-cli rate: " << fromGbk(table.error()) << '\n';
    return kExitRefused;
  }
  const auto rating = numerology::rateName(body, base.value_or(session.profile().baseScore()),
                                           storage::characterTable(session.tables()));
  out << rating.stars << '\t' << fromGbk(numerology::starText(rating.stars)) << '\n';
  return kExitOk;
}

}  // namespace zeruda::cli
