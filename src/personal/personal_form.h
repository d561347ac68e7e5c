#pragma once

#include "calendar/date_time.h"
#include "calendar/lunar.h"

#include <optional>
#include <string>

namespace zeruda::personal {

// 组合框性别: "男" is item 0, "女" item 1.
enum class Gender { Male, Female };

// The given name has one to three characters.
inline constexpr int kMinGivenLength = 1;
inline constexpr int kMaxGivenLength = 3;

// What the 取名 page's controls hold when its start button is pressed; texts GBK.
struct PersonalForm {
  std::string surname;                              // 编辑框姓
  Gender gender = Gender::Male;                     // 组合框性别
  calendar::Date birthDate;                         // 农历日期框取名
  std::optional<calendar::LunarDate> lunarReading;  // that box's lunar display, if any
  int hourIndex = 0;                                // 组合框时: the hour 0-23
  int minuteIndex = 0;                              // 组合框分: the minute 0-59
  int givenLength = 2;                              // 单选框字数一/二/三
  bool fixCharacter = false;                        // 选择框固定字
  int fixedPositionIndex = 0;                       // 组合框固定字选择: 0-2 for 一 二 三
  std::string fixedCharacter;                       // 编辑框固定字
  bool pickLevel = false;                           // 选择框星级
  int starLevelIndex = 3;                           // 组合框星级: 0-4 for one to five stars
};

// The form names of the page's text boxes a refused entry sends the focus to (GBK).
struct PersonalControls {
  static const std::string& surname();
  static const std::string& fixedCharacter();
};

// "男" or "女" (GBK), as the gender box shows it.
const std::string& genderText(Gender gender);

// The birth moment the date box and the hour and minute boxes give, second 0.
calendar::DateTime birthMomentOf(const PersonalForm& form);

// The star level the recommendation list collects: the chosen one when 选择框星级
// is ticked, else four.
int wantedLevelOf(const PersonalForm& form);

// The fixed-position selector's index once the given name has `givenLength`
// characters: a position past the name's end moves to its last character (a
// two-character name has no third position, a one-character name only a first).
int fixedPositionIndexFor(int givenLength, int positionIndex);

}  // namespace zeruda::personal
