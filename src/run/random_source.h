#pragma once

#include <cstdint>
#include <functional>
#include <random>

namespace zeruda::run {

// A source of whole numbers in [low, high], both included. The engine takes one so
// that a run can be repeated (a seeded source) or scripted (tests).
using DrawInteger = std::function<int(int low, int high)>;

// Uniform draws from a Mersenne Twister seeded by the caller. The mapping onto the
// range is our own rejection sampling, not a library distribution (whose output
// the standard leaves open), so a seed gives the same numbers everywhere.
class SeededDraw {
 public:
  explicit SeededDraw(std::uint32_t seed) : engine_(seed) {}
  int operator()(int low, int high);

 private:
  std::mt19937 engine_;
};

// The seed the window uses: the clock's millisecond tick, cut to 32 bits.
std::uint32_t millisecondTickSeed();

}  // namespace zeruda::run
