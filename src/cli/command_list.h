#pragma once

#include <ostream>
#include <span>
#include <string>

// One line per command; each lives in cmd_<name>.cpp.
namespace zeruda::cli {

int runPaths(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runProfile(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runTable(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace zeruda::cli
