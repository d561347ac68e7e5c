// zeruda-cli demo: a short tour of what the program computes, for `make run`.
#include <string>
#include <vector>

#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command_list.h"

namespace zeruda::cli {

int runDemo(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args(args, {}).expectPositional(0, "");
  const std::vector<std::vector<std::string>> steps = {
      {"chars", "华通"}, {"grids", "华通"}, {"grids", "华通达"}, {"grids", "金华通达"}};
  for (const auto& step : steps) {
    out << "$ zeruda-cli";
    for (const auto& arg : step) out << ' ' << arg;
    out << '\n';
    if (int code = runCli(step, out, err); code != 0) return code;
    out << '\n';
  }
  return 0;
}

}  // namespace zeruda::cli
