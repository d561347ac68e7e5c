#include "profile/birth_text.h"

#include "text/gbk_literal.h"

namespace zeruda::profile {
namespace {

using namespace text::literals;

// Reads digits followed by `unit`; at most five digits, so no value overflows.
std::optional<int> takeNumber(std::string_view& text, std::string_view unit) {
  std::size_t digits = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
  if (digits == 0 || digits > 5 || text.substr(digits, unit.size()) != unit) return std::nullopt;
  int value = 0;
  for (std::size_t i = 0; i < digits; ++i) value = value * 10 + (text[i] - '0');
  text.remove_prefix(digits + unit.size());
  return value;
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

bool isValid(const calendar::DateTime& m) {
  return m.year >= 1 && m.year <= 9999 && m.month >= 1 && m.month <= 12 && m.day >= 1 &&
         m.day <= daysInMonth(m.year, m.month) && m.hour >= 0 && m.hour <= 23 && m.minute >= 0 &&
         m.minute <= 59 && m.second >= 0 && m.second <= 59;
}

}  // namespace

std::optional<calendar::DateTime> parseBirthText(std::string_view text) {
  calendar::DateTime moment;
  auto year = takeNumber(text, "年"_gbk);
  auto month = year ? takeNumber(text, "月"_gbk) : std::nullopt;
  auto day = month ? takeNumber(text, "日"_gbk) : std::nullopt;
  if (!day) return std::nullopt;
  moment.year = *year;
  moment.month = *month;
  moment.day = *day;
  // The time parts come in order and each one is optional only after the first.
  int* parts[] = {&moment.hour, &moment.minute, &moment.second};
  const std::string* units[] = {&"时"_gbk, &"分"_gbk, &"秒"_gbk};
  for (int i = 0; i < 3 && !text.empty(); ++i) {
    auto value = takeNumber(text, *units[i]);
    if (!value) return std::nullopt;
    *parts[i] = *value;
  }
  if (!text.empty() || !isValid(moment)) return std::nullopt;
  return moment;
}

calendar::DateTime birthFromProfile(std::string_view text) {
  return parseBirthText(text).value_or(kFallbackBirth);
}

}  // namespace zeruda::profile
