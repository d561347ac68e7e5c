#pragma once

#include "app/session.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <string_view>

namespace zeruda::test {

// The program as its window runs it, inside a fresh test folder: the data home and
// the temporary folder point there, and a session holds the working folder's table
// files; they go when the sandbox does, as at the program's end.
class ProgramSandbox {
 public:
  ProgramSandbox() { session_.ownTableFiles(); }
  ProgramSandbox(const ProgramSandbox&) = delete;
  ProgramSandbox& operator=(const ProgramSandbox&) = delete;

  app::Session& session() { return session_; }
  const SandboxedRoots& roots() const { return roots_; }
  // A file in the session's working folder.
  std::filesystem::path workingFile(std::string_view name) const {
    return session_.folder().file(name);
  }

 private:
  SandboxedRoots roots_;  // constructed first: the session reads its environment
  app::Session session_;
};

}  // namespace zeruda::test
