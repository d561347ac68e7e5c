#include "generation/stop_flag.h"

namespace zeruda::generation {

StopFlag& programStopFlag() {
  static StopFlag flag{static_cast<int>(StopState::kRun)};
  return flag;
}

}  // namespace zeruda::generation
