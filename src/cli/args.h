#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zeruda::cli {

// Command arguments: "--name value" options, "--flag" switches and positional
// arguments, in any order. Unknown options and missing values are UsageErrors.
class Args {
 public:
  Args(std::span<const std::string> args, std::initializer_list<std::string_view> valueOptions,
       std::initializer_list<std::string_view> flagOptions = {});

  bool flag(std::string_view name) const;
  // The value given for a single-valued option, if any; given twice, a UsageError.
  std::optional<std::string> value(std::string_view name) const;
  // Every value of a repeatable option, in order.
  std::vector<std::string> values(std::string_view name) const;
  // A whole number within [min, max]; `fallback` when the option is absent.
  int intValue(std::string_view name, int fallback, int min, int max) const;

  const std::vector<std::string>& positional() const { return positional_; }
  // Exactly `count` positional arguments, named by `what` in the error message.
  void expectPositional(std::size_t count, std::string_view what) const;

 private:
  std::vector<std::pair<std::string, std::string>> values_;
  std::vector<std::string> flags_;
  std::vector<std::string> positional_;
};

// Parses a whole decimal number within [min, max], or throws a UsageError naming `what`.
int parseInt(std::string_view text, int min, int max, std::string_view what);

}  // namespace zeruda::cli
