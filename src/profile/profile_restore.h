#pragma once

#include "calendar/date_time.h"
#include "profile/profile.h"

#include <filesystem>
#include <string>

namespace zeruda::profile {

// What the main window shows of the saved legal representative when it starts;
// the window copies each value into its control(s). Texts are GBK.
struct StartupRestore {
  std::string surname;       // 公司法人姓 and 编辑框八字姓
  std::string givenName;     // 公司法人名 and 编辑框八字姓1
  std::string regionPrefix;  // 公司前缀
  std::string tradeSuffix;   // 公司后缀
  calendar::DateTime birth;  // the dates of 公司法人农历日期框 and 农历日期框八字
  int hourIndex = 0;         // 公司法人组合框时 and 组合框八字时 (0 … 23)
  int minuteIndex = 0;       // 公司法人组合框分 and 组合框八字分 (0 … 59)
  std::string chartBox;      // 公司法人八字编辑框
};

// What the company-name evaluation window takes from the profile when it opens.
struct EvaluationRestore {
  std::string surname;       // 公司法人姓
  std::string givenName;     // 公司法人名
  std::string regionPrefix;  // 公司前缀
  std::string tradeSuffix;   // 公司后缀
  calendar::DateTime birth;  // 公司法人农历日期框
  int hourIndex = 0;         // 公司法人组合框时
  int minuteIndex = 0;       // 公司法人组合框分
};

// Both read the section "法人资料" of `profile`. A missing file or value gives
// empty texts and index 0; an hour or minute outside its list gives index 0 too,
// so a selector is never left without a selection; the date of an empty or
// unreadable "公历" is kFallbackBirth (birth_text.h). The hour and minute come
// from "法人时" and "法人分", never from the date text.
StartupRestore restoreOnStartup(const std::filesystem::path& profile);
EvaluationRestore restoreIntoEvaluation(const std::filesystem::path& profile);

// The chart box text: a heading, then one tab-indented line per stored value, the
// hour's branch followed by its pinyin in full-width brackets.
std::string chartBoxText(const LegalPersonProfile& profile);

}  // namespace zeruda::profile
