#pragma once

#include "calendar/date_time.h"
#include "calendar/ganzhi.h"
#include "calendar/sixty_pair.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zeruda::almanac {

// One of the day's twelve double hours, 子 (from 00:00) to 亥.
struct AlmanacHour {
  calendar::Branch branch = calendar::Branch::Zi;
  calendar::Pair pillar;  // the hour pillar
  std::string god;        // 值神, GBK
  bool lucky = false;     // the god walks the 黄道 (吉)
};

// What the traditional almanac tables say of a day, GBK texts: they follow the solar
// month (counted from the day of the 节 that opens it) and the day's pillar.
struct TraditionalDay {
  std::vector<std::string> favourable;    // 宜
  std::vector<std::string> unfavourable;  // 忌
  std::string clashAnimal;                // "猪"
  calendar::Pair clashPillar;             // 辛亥
  std::string sha;                        // "东"
  std::array<std::string, 2> pengzu;      // the stem's saying, then the branch's
  std::vector<std::string> luckyGods;     // 吉神宜趋
  std::vector<std::string> fiends;        // 凶煞宜忌
  std::string dayGod;                     // 值神, "玄武"
  bool yellowRoad = false;                // 黄道 (else 黑道)
  std::array<AlmanacHour, calendar::kBranchCount> hours;
};

// The tables' reading of a day whose month and day pillars are `monthPair` and
// `dayPair`; nothing when either is none.
std::optional<TraditionalDay> traditionalDay(calendar::Pair monthPair, calendar::Pair dayPair);

// The day as text lines (GBK, each ending in "\n"): 宜, 忌, 冲 and 煞, 彭祖百忌, 吉神宜趋,
// 凶煞宜忌, 值神, then one line per hour.
std::string traditionalLines(const TraditionalDay& day);

// The day's texts as traditionalLines writes them, without their captions (GBK): a
// list's words between spaces ("无" for none), "冲猪(辛亥)　煞东", the two 彭祖百忌
// sayings, "玄武（黑道）".
struct TraditionalTexts {
  std::string favourable;
  std::string unfavourable;
  std::string clash;
  std::string pengzu;
  std::string luckyGods;
  std::string fiends;
  std::string dayGod;
};
TraditionalTexts traditionalTexts(const TraditionalDay& day);

// "黄道" or "黑道", and "吉" or "凶" (GBK).
std::string roadText(bool yellowRoad);
std::string luckText(bool lucky);

// The hour pillar of `hour` on a day of pillar `dayPair` (五鼠遁: 甲 and 己 days start
// their 子 hour at 甲子, 乙 and 庚 at 丙子 …); none for a day of none.
calendar::Pair hourPillar(calendar::Pair dayPair, calendar::Branch hour);

}  // namespace zeruda::almanac
