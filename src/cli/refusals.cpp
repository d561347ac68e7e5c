#include "cli/refusals.h"

#include "actions/field_names.h"
#include "actions/inputs.h"
#include "cli/command.h"
#include "cli/terminal.h"

#include <ostream>

namespace zeruda::cli {
namespace {

std::string refusalLine(const Error& error, FieldOptions options) {
  for (const auto& [field, option] : options) {
    if (field == error.field) {
      return std::string(option) + ": " + fromGbk(actions::namedMessage(error));
    }
  }
  return fromGbk(actions::namedMessage(error));
}

}  // namespace

void refuse(const Error& error, FieldOptions options) {
  throw OutOfRange(refusalLine(error, options));
}

std::string gbkArg(std::string_view utf8, Field field, FieldOptions options) {
  return orRefuse(actions::gbkText(utf8, field), options);
}

std::optional<std::string> gbkOption(const std::optional<std::string>& utf8, Field field,
                                     FieldOptions options) {
  if (!utf8) return std::nullopt;
  return gbkArg(*utf8, field, options);
}

void printRefusal(std::ostream& err, std::string_view command, const Error& error,
                  FieldOptions options) {
  err << "zeruda-cli " << command << ": " << refusalLine(error, options) << '\n';
}

}  // namespace zeruda::cli
