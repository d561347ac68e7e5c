#include "wasm/moments.h"

#include "calendar/gregorian.h"
#include "calendar/lunar.h"
#include "text/gbk_literal.h"

#include <charconv>
#include <optional>
#include <vector>

namespace zeruda::wasm {
namespace {

using namespace text::literals;

// The numbers of `text` between the separators, each of one to `maxDigits` digits;
// nothing when anything else stands there or a number is missing.
std::optional<std::vector<int>> numbersBetween(std::string_view text,
                                               const std::vector<std::string_view>& separators,
                                               std::size_t maxDigits) {
  std::vector<int> numbers;
  std::size_t pos = 0;
  for (std::size_t i = 0; i <= separators.size(); ++i) {
    const std::size_t end = i < separators.size() ? text.find(separators[i], pos) : text.size();
    if (end == std::string_view::npos || end == pos || end - pos > maxDigits) return std::nullopt;
    int number = 0;
    const auto [last, error] = std::from_chars(text.data() + pos, text.data() + end, number);
    if (error != std::errc() || last != text.data() + end) return std::nullopt;
    numbers.push_back(number);
    pos = end + (i < separators.size() ? separators[i].size() : 0);
  }
  return numbers;
}

}  // namespace

Result<calendar::Date> requestDate(const Request& request, std::string_view key) {
  auto given = request.text(key);
  if (!given.ok()) return Error{given.error()};
  const std::string& text = given.value();
  static const std::string year = "年"_gbk, month = "月"_gbk, day = "日"_gbk;
  auto numbers = numbersBetween(text, {"-", "-"}, 4);
  if (!numbers && text.ends_with(day)) {
    numbers = numbersBetween(std::string_view(text).substr(0, text.size() - day.size()),
                             {year, month}, 4);
  }
  if (!numbers || (*numbers)[0] < 1000) {
    return Error{std::string(key) + "应写作 1985-06-15 或 1985年6月15日"_gbk};
  }
  const calendar::Date date{(*numbers)[0], (*numbers)[1], (*numbers)[2]};
  if (!calendar::isValidDate(date)) return Error{std::string(key) + "不是存在的日期"_gbk};
  if (date < calendar::kFirstLunarDate || calendar::kLastLunarDate < date) {
    return Error{std::string(key) + "不在历法范围内（1901-02-19至2048-12-31）"_gbk};
  }
  return date;
}

Result<calendar::DateTime> requestTime(const Request& request, std::string_view key) {
  auto given = request.text(key);
  if (!given.ok()) return Error{given.error()};
  auto numbers = numbersBetween(given.value(), {":"}, 2);
  if (!numbers) numbers = numbersBetween(given.value(), {":", ":"}, 2);
  calendar::DateTime time;
  if (numbers) {
    time.hour = (*numbers)[0];
    time.minute = (*numbers)[1];
    time.second = numbers->size() == 3 ? (*numbers)[2] : 0;
  }
  if (!numbers || !calendar::isValidTimeOfDay(time)) {
    return Error{std::string(key) + "应写作 08:30 这样的时刻（00:00至23:59）"_gbk};
  }
  return time;
}

Result<calendar::DateTime> requestMoment(const Request& request, std::string_view dateKey,
                                         std::string_view timeKey) {
  const auto date = requestDate(request, dateKey);
  if (!date.ok()) return Error{date.error()};
  const auto time = requestTime(request, timeKey);
  if (!time.ok()) return Error{time.error()};
  const calendar::DateTime& t = time.value();
  return calendar::DateTime::of(date.value(), t.hour, t.minute, t.second);
}

}  // namespace zeruda::wasm
