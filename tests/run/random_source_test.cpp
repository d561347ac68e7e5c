#include "run/random_source.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace zeruda::run {
namespace {

std::vector<int> drawMany(std::uint32_t seed, int count, int low, int high) {
  SeededDraw draw(seed);
  std::vector<int> out;
  for (int i = 0; i < count; ++i) out.push_back(draw(low, high));
  return out;
}

TEST(SeededDraw, MapsTheTwisterOutputOntoTheRange) {
  // The first output of a Mersenne Twister seeded with 5489 is 3499211612, far below
  // the rejection limit, so it maps to 1 + 3499211612 mod 498.
  SeededDraw draw(5489);
  EXPECT_EQ(draw(1, 498), 1 + static_cast<int>(3499211612u % 498u));
}

TEST(SeededDraw, TheSameSeedGivesTheSameNumbers) {
  EXPECT_EQ(drawMany(7, 1000, 1, 498), drawMany(7, 1000, 1, 498));
  EXPECT_NE(drawMany(7, 1000, 1, 498), drawMany(8, 1000, 1, 498));
}

TEST(SeededDraw, StaysInsideTheRangeAndReachesBothEnds) {
  const auto numbers = drawMany(42, 20000, 1, 498);
  const std::set<int> seen(numbers.begin(), numbers.end());
  EXPECT_EQ(*seen.begin(), 1);
  EXPECT_EQ(*seen.rbegin(), 498);
  EXPECT_EQ(seen.size(), 498u);
}

TEST(SeededDraw, AnEmptyRangeGivesItsLowEnd) {
  SeededDraw draw(1);
  EXPECT_EQ(draw(5, 5), 5);
  EXPECT_EQ(draw(5, 4), 5);
}

}  // namespace
}  // namespace zeruda::run
