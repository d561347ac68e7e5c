#pragma once

#include "calendar/ganzhi.h"
#include "calendar/sixty_pair.h"

#include <string_view>
#include <vector>

namespace zeruda::almanac {

// The traditional almanac facts built in from data/almanac/ (GBK views into the
// embedded tables, valid for the program's life). The month is the solar month, its
// branch that of the 节 that opened it.

// The day's 宜 and 忌 lists, in the tables' order; empty where the tables give none.
struct DayActivities {
  std::vector<std::string_view> favourable;
  std::vector<std::string_view> unfavourable;
};
DayActivities dayActivities(calendar::Branch month, calendar::Pair dayPair);

// The day's lucky gods (吉神宜趋) and fiends (凶煞宜忌).
struct DaySpirits {
  std::vector<std::string_view> lucky;
  std::vector<std::string_view> fiends;
};
DaySpirits daySpirits(calendar::Branch month, calendar::Pair dayPair);

// The god on duty (值神) when `turn` takes its turn under `ruling`: a day's god under
// its month's branch, an hour's under its day's branch.
struct DutyGod {
  std::string_view name;  // "青龙"
  std::string_view road;  // "黄道" or "黑道"
  std::string_view luck;  // "吉" or "凶"
};
DutyGod dutyGod(calendar::Branch ruling, calendar::Branch turn);

// The branch a day clashes with (六冲), the direction of its 煞, and the stem its clash
// is marked with.
calendar::Branch clashBranch(calendar::Branch day);
std::string_view shaDirection(calendar::Branch day);
calendar::Stem clashStem(calendar::Stem day);

// The 彭祖百忌 sayings of a day's stem and of its branch.
std::string_view pengzuSaying(calendar::Stem stem);
std::string_view pengzuSaying(calendar::Branch branch);

// Every activity word the 宜 and 忌 lists use, in the order first met.
const std::vector<std::string_view>& traditionalActivities();

}  // namespace zeruda::almanac
