#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace zeruda::test {

// Runs `work` in a child process whose files cannot grow beyond `bytes`, as on a
// disk with only that much room: a write past it fails (EFBIG) instead of ending the
// process. Gives the child's exit code, or -1 when it did not exit.
inline int runWithFileSizeLimit(rlim_t bytes, const std::function<int()>& work) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::_exit(work());
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace zeruda::test
