#pragma once

#include "calendar/date_time.h"

#include <optional>
#include <string_view>

namespace zeruda::profile {

// The moment a stored "公历" value falls back to when it is empty or unreadable:
// 2000-01-01 00:00, a date every date box and the calendar accept.
inline constexpr calendar::DateTime kFallbackBirth{2000, 1, 1, 0, 0, 0};

// Reads back the text form written by calendar::dateTimeText ("1985年6月15日8时30分"):
// a date of years 1 to 9999 that exists, optionally followed by "时", "时分" or
// "时分秒" parts within a day. Nothing for any other text.
std::optional<calendar::DateTime> parseBirthText(std::string_view gbk);

// parseBirthText, or kFallbackBirth.
calendar::DateTime birthFromProfile(std::string_view gbk);

}  // namespace zeruda::profile
