#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zeruda::cli {

// Exit codes shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;   // the request was understood but refused
inline constexpr int kExitBadInput = 2;  // malformed arguments or text

// Runs one command line (without the program name); output is UTF-8.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zeruda::cli
