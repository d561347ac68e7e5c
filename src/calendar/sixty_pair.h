#pragma once

#include "calendar/ganzhi.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zeruda::calendar {

// One pair of the sixty-year cycle (甲子 … 癸亥), or none: what a pillar holds. It is
// text only where it is shown or stored.
class Pair {
 public:
  constexpr Pair() = default;

  // The pair numbered 1-60 from 甲子; none for any other number.
  static constexpr Pair numbered(int number) {
    return isPairNumber(number) ? Pair(number) : Pair();
  }
  // The pair of this stem and branch; none when the two never meet in the cycle.
  static constexpr Pair of(Stem stem, Branch branch) {
    return numbered(pairNumberOf(stem, branch));
  }
  // The pair written as its two GBK characters ("甲子"); none for any other text.
  static Pair fromText(std::string_view gbk);

  constexpr bool valid() const { return number_ != 0; }
  // 1-60 from 甲子; 0 for none.
  constexpr int number() const { return number_; }
  // Stem and branch of a valid pair (甲 and 子 for none).
  constexpr Stem stem() const {
    return valid() ? static_cast<Stem>((number_ - 1) % kStemCount) : Stem::Jia;
  }
  constexpr Branch branch() const {
    return valid() ? static_cast<Branch>((number_ - 1) % kBranchCount) : Branch::Zi;
  }
  // The pair `steps` on through the cycle (back when negative); none stays none.
  constexpr Pair next(int steps) const {
    if (!valid()) return {};
    // One division, not two: pillars step through the cycle for every day of a sweep.
    int place = (number_ - 1 + steps) % kPairCount;
    if (place < 0) place += kPairCount;
    return Pair(place + 1);
  }
  // "甲子" (GBK); empty for none.
  std::string text() const;

  friend constexpr bool operator==(Pair, Pair) = default;

 private:
  constexpr explicit Pair(int number) : number_(static_cast<std::uint8_t>(number)) {}
  std::uint8_t number_ = 0;
};

}  // namespace zeruda::calendar
