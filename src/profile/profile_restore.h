#pragma once

#include "calendar/date_time.h"
#include "profile/profile.h"

#include <filesystem>
#include <string>

namespace zeruda::profile {

// What the main window shows of the saved legal representative when it starts (on
// the company page and the birth-chart page alike). Texts are GBK.
struct StartupRestore {
  std::string surname;
  std::string givenName;
  std::string regionPrefix;
  std::string tradeSuffix;
  calendar::DateTime birth;  // the birth date
  int hour = 0;              // and its hour (0 … 23)
  int minute = 0;            // and minute (0 … 59)
  std::string chartSummary;  // the chart summary beside the result list
};

// What the company-name evaluation window takes from the profile when it opens.
struct EvaluationRestore {
  std::string surname;
  std::string givenName;
  std::string regionPrefix;
  std::string tradeSuffix;
  calendar::DateTime birth;  // the birth date
  int hour = 0;              // and its hour (0 … 23)
  int minute = 0;            // and minute (0 … 59)
};

// Both read the section "法人资料" of `profile`. A missing file or value gives
// empty texts and 0; an hour or minute outside 0 … 23 or 0 … 59 gives 0 too, so a
// front end always has a time to show; the date of an empty or
// unreadable "公历" is kFallbackBirth (birth_text.h). The hour and minute come
// from "法人时" and "法人分", never from the date text.
StartupRestore restoreOnStartup(const std::filesystem::path& profile);
EvaluationRestore restoreIntoEvaluation(const std::filesystem::path& profile);

// The chart summary: a heading, then one tab-indented line per stored value, the
// hour's branch followed by its pinyin in full-width brackets.
std::string chartSummaryText(const LegalPersonProfile& profile);

}  // namespace zeruda::profile
