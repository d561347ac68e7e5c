#pragma once

#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zeruda::cli {

// Thrown inside the command-line layer for input it cannot accept; runCli turns it
// into exit code 2 and one line on stderr.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Thrown for input that is well formed but lies where the program cannot follow (a
// date outside the calendar); runCli turns it into exit code 1, the code of a
// refused request, and one line on stderr.
class OutOfRange : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using CommandFn = int (*)(std::span<const std::string> args, std::ostream& out, std::ostream& err);

struct Command {
  std::string_view name;
  std::string_view usage;  // arguments after the command name
  CommandFn run;
  std::string_view summary = {};  // one line on what it does, for the help list
};

// "usage: zeruda-cli NAME USAGE": what `NAME --help` prints, and the man page too.
std::string usageLine(const Command& command);

// The table of commands, in the order `zeruda-cli help` lists them.
std::span<const Command> commands();

}  // namespace zeruda::cli
