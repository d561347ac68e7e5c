#pragma once

#include "calendar/date_time.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zeruda::profile {

// The saved legal representative as the opening-day picker takes them.
struct SavedLegalPerson {
  std::string name;          // 法人姓 + 法人名, GBK
  calendar::DateTime birth;  // date of "公历", hour and minute of "法人时" and "法人分"
};

// The legal representative of section "法人资料", or nothing when no birth date is
// saved there (a missing file, or a "公历" that is empty or unreadable): a date the
// user never entered is no one's birthday. The hour and minute are read as the forms
// restore them, so one outside its list counts as 0.
std::optional<SavedLegalPerson> savedLegalPerson(const std::filesystem::path& profile);

}  // namespace zeruda::profile
