#include "cli/args.h"

#include <algorithm>
#include <charconv>

#include "cli/command.h"

namespace zeruda::cli {
namespace {

bool contains(std::initializer_list<std::string_view> list, std::string_view name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

}  // namespace

Args::Args(std::span<const std::string> args, std::initializer_list<std::string_view> valueOptions,
           std::initializer_list<std::string_view> flagOptions) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
      positional_.push_back(arg);
      continue;
    }
    std::string name = arg.substr(2);
    if (contains(flagOptions, name)) {
      flags_.push_back(name);
    } else if (contains(valueOptions, name)) {
      if (i + 1 >= args.size()) throw UsageError("option " + arg + " needs a value");
      values_.emplace_back(name, args[++i]);
    } else {
      throw UsageError("unknown option " + arg);
    }
  }
}

bool Args::flag(std::string_view name) const {
  return std::find(flags_.begin(), flags_.end(), name) != flags_.end();
}

std::optional<std::string> Args::value(std::string_view name) const {
  std::optional<std::string> found;
  for (const auto& [key, text] : values_) {
    if (key != name) continue;
    // Which of two would be meant is anyone's guess: say so rather than pick one.
    if (found) throw UsageError("option --" + std::string(name) + " is given more than once");
    found = text;
  }
  return found;
}

std::vector<std::string> Args::values(std::string_view name) const {
  std::vector<std::string> found;
  for (const auto& [key, text] : values_) {
    if (key == name) found.push_back(text);
  }
  return found;
}

int Args::intValue(std::string_view name, int fallback, int min, int max) const {
  auto text = value(name);
  if (!text) return fallback;
  return parseInt(*text, min, max, "--" + std::string(name));
}

void Args::expectPositional(std::size_t count, std::string_view what) const {
  if (positional_.size() < count) throw UsageError("missing " + std::string(what));
  if (positional_.size() > count) {
    throw UsageError("unexpected argument '" + positional_[count] + "'");
  }
}

int parseInt(std::string_view text, int min, int max, std::string_view what) {
  int number = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (ec != std::errc() || end != text.data() + text.size() || number < min || number > max) {
    throw UsageError(std::string(what) + " must be a whole number from " + std::to_string(min) +
                     " to " + std::to_string(max) + ", not '" + std::string(text) + "'");
  }
  return number;
}

}  // namespace zeruda::cli
