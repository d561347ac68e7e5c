#include "run/random_source.h"

#include <chrono>

namespace zeruda::run {

int SeededDraw::operator()(int low, int high) {
  if (high <= low) return low;
  const std::uint64_t span = static_cast<std::uint64_t>(high - low) + 1;
  // Values at or above `limit` would favour the low end of the range; draw again.
  constexpr std::uint64_t kOutputs = std::uint64_t{1} << 32;
  const std::uint64_t limit = kOutputs - kOutputs % span;
  std::uint64_t value = engine_();
  while (value >= limit) value = engine_();
  return low + static_cast<int>(value % span);
}

std::uint32_t millisecondTickSeed() {
  const auto tick = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
  return static_cast<std::uint32_t>(tick.count());
}

}  // namespace zeruda::run
