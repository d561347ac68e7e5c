#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace {

// Output that never arrived (a full disk, a pipe whose reader left while SIGPIPE is
// ignored) is a failure the caller must see. SIGPIPE keeps its default, so a reader
// that leaves early (`| head`) ends the program quietly before it gets here.
int withOutputChecked(int code) {
  errno = 0;
  std::cout.flush();
  if (std::cout && std::fflush(stdout) == 0 && !std::ferror(stdout)) return code;
  const int error = errno;
  std::cerr << "zeruda-cli: cannot write the output";
  if (error != 0) std::cerr << " (" << std::strerror(error) << ')';
  std::cerr << '\n';
  return code != zeruda::cli::kExitOk ? code : zeruda::cli::kExitRefused;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return withOutputChecked(zeruda::cli::runCli(args, std::cout, std::cerr));
}
