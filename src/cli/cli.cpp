#include "cli/cli.h"

#include <algorithm>
#include <span>

#include "cli/command.h"

namespace zeruda::cli {
namespace {

void printUsage(std::ostream& out) {
  out << "usage: zeruda-cli COMMAND [ARGUMENTS]\n"
         "       zeruda-cli COMMAND --help\n\ncommands:\n";
  for (const auto& command : commands()) {
    out << "  " << command.name << ' ' << command.usage << '\n';
    if (!command.summary.empty()) out << "      " << command.summary << '\n';
  }
}

}  // namespace

std::string usageLine(const Command& command) {
  std::string line = "usage: zeruda-cli " + std::string(command.name);
  if (!command.usage.empty()) line += ' ' + std::string(command.usage);
  return line + '\n';
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    printUsage(err);
    return kExitBadInput;
  }
  if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
    printUsage(out);
    return kExitOk;
  }
  for (const auto& command : commands()) {
    if (command.name != args[0]) continue;
    // Every command explains itself on --help, whatever else stands on the line.
    if (std::find(args.begin() + 1, args.end(), "--help") != args.end()) {
      out << usageLine(command);
      return kExitOk;
    }
    try {
      return command.run(std::span<const std::string>(args).subspan(1), out, err);
    } catch (const UsageError& e) {
      err << "zeruda-cli " << command.name << ": " << e.what() << '\n';
      return kExitBadInput;
    } catch (const OutOfRange& e) {
      err << "zeruda-cli " << command.name << ": " << e.what() << '\n';
      return kExitRefused;
    }
  }
  err << "zeruda-cli: unknown command '" << args[0] << "' (try 'zeruda-cli help')\n";
  return kExitBadInput;
}

}  // namespace zeruda::cli
