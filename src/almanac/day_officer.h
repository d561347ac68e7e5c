#pragma once

#include "calendar/date_time.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zeruda::almanac {

// The twelve day officers (建除十二神), in the order they follow the branches.
enum class DayOfficer : std::uint8_t {
  Jian,
  Chu,
  Man,
  Ping,
  Ding,
  Zhi,
  Po,
  Wei,
  Cheng,
  Shou,
  Kai,
  Bi
};

inline constexpr int kOfficerCount = 12;

// The officer of a day. 建 falls on the branch of the solar month the day lies in (正月建寅:
// from 立春 the 寅 day is 建, from 小寒 the 丑 day, before 小寒 the 子 day), and the
// officers follow the day branches from there. A 节 opens its period on its own day,
// whatever its hour. Nothing for a date outside the calendar's span.
std::optional<DayOfficer> dayOfficer(calendar::Date date);

// The officer's character, GBK ("建").
std::string officerText(DayOfficer officer);

// The almanac's favourable (宜) and unfavourable (忌) texts of an officer, GBK.
struct OfficerTexts {
  std::string favourable;
  std::string unfavourable;
};
const OfficerTexts& officerTexts(DayOfficer officer);

}  // namespace zeruda::almanac
