#pragma once

#include "calendar/date_time.h"
#include "calendar/lunar.h"
#include "generation/engine_settings.h"

#include <array>
#include <optional>
#include <string>

namespace zeruda::generation {

// What the company page's controls hold when its generate button is pressed. The
// window copies its controls in and the outcome's form back out; all texts GBK.
struct CompanyForm {
  std::string surname;                            // 公司法人姓
  std::string givenName;                          // 公司法人名
  std::string prefix;                             // 公司前缀
  std::string suffix;                             // 公司后缀
  std::array<std::string, 4> fixed;               // 公司编辑框固定字1-4
  bool shopName = false;                          // 选择框1: prefix and suffix may be empty
  bool autoElements = false;                      // 选择框2: elements from the favourable ones
  std::array<bool, kElementBoxCount> elements{};  // 选择框3-7: 金 木 水 火 土
  bool takeAsTyped = false;                       // 选择框8: no Chinese-only filter
  bool autoPick = false;                          // 公司选择框星级
  int starLevelIndex = 0;       // 公司组合框星级: 0-4 for one to five stars
  std::string middleCountText;  // 公司中间字数: "2", "3" or "4"
  calendar::Date birthDate;     // 公司法人农历日期框
  std::optional<calendar::LunarDate> lunarReading;  // that box's lunar display, if any
  int hourIndex = 0;                                // 公司法人组合框时: the hour 0-23
  int minuteIndex = 0;                              // 公司法人组合框分: the minute 0-59
};

// The page as it first opens: prefix "成都", suffix "科技有限公司", two middle
// characters, everything else empty or unticked.
CompanyForm defaultCompanyForm();

// The form names of the controls a failed check sends the focus to (GBK).
struct CompanyControls {
  static const std::string& surname();
  static const std::string& givenName();
  static const std::string& prefix();
  static const std::string& suffix();
};

// The birth moment the date box and the hour and minute boxes give, second 0.
calendar::DateTime birthMomentOf(const CompanyForm& form);

// The body length as the page reads its box: the text as a number (0 when it is none).
int middleCountOf(const CompanyForm& form);

// What the engine reads from the page.
EngineSettings engineSettingsOf(const CompanyForm& form);

}  // namespace zeruda::generation
