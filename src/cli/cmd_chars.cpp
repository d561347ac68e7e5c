// zeruda-cli chars TEXT [--json]: strokes, traditional form and pinyin of each unit.
#include "actions/character_actions.h"
#include "cli/args.h"
#include "cli/command_list.h"
#include "cli/refusals.h"
#include "cli/terminal.h"
#include "dictionary/pinyin.h"
#include "dictionary/strokes.h"
#include "dictionary/traditional.h"
#include "json/name_json.h"
#include "text/characters.h"

namespace zeruda::cli {

int runChars(std::span<const std::string> args, std::ostream& out, std::ostream&) {
  Args parsed(args, {}, {"json"});
  parsed.expectPositional(1, "TEXT");
  const FieldOptions kOptions = {{Field::Characters, "TEXT"}};
  const std::string text = gbkArg(parsed.positional()[0], Field::Characters, kOptions);
  const auto units = orRefuse(actions::characterUnits(text), kOptions);
  if (parsed.flag("json")) {
    out << json::charsJson(text) << '\n';
    return 0;
  }
  for (const auto& unit : units) {
    out << fromGbk(unit) << '\t' << dictionary::writtenStrokes(unit) << '\t'
        << dictionary::kangxiStrokes(unit) << '\t' << fromGbk(dictionary::toTraditional(unit))
        << '\t' << dictionary::pinyinOf(unit) << '\n';
  }
  return 0;
}

}  // namespace zeruda::cli
