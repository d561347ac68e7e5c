#include "shell/program_state.h"

namespace zeruda::shell {

ProgramState& programState() {
  static ProgramState state;
  return state;
}

}  // namespace zeruda::shell
