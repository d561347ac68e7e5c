#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace zeruda::test {

struct CliRun {
  int code = 0;
  std::string out;
  std::string err;
};

// Runs one command line in-process, as the terminal would.
inline CliRun runCli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int code = cli::runCli(args, out, err);
  return {code, out.str(), err.str()};
}

}  // namespace zeruda::test
