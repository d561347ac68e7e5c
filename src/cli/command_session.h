#pragma once

#include "app/session.h"

#include <ostream>

namespace zeruda::cli {

// The session of one command. When the working folder is not under the data folder,
// the command says so on stderr, once, before it does anything else.
class CommandSession : public app::Session {
 public:
  explicit CommandSession(std::ostream& err);
};

}  // namespace zeruda::cli
