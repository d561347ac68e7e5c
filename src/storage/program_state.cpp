#include "storage/program_state.h"

namespace zeruda::storage {

ProgramState& programState() {
  static ProgramState state;
  return state;
}

}  // namespace zeruda::storage
