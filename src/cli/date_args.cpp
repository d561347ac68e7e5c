#include "cli/date_args.h"

#include "calendar/gregorian.h"
#include "calendar/lunar.h"
#include "cli/command.h"

#include <charconv>
#include <optional>
#include <string>
#include <vector>

namespace zeruda::cli {
namespace {

// The parts of `text` between `separator`s, each one to `maxDigits` decimal digits.
std::optional<std::vector<int>> numberParts(std::string_view text, char separator,
                                            std::size_t maxDigits) {
  std::vector<int> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = std::min(text.find(separator, start), text.size());
    const std::string_view part = text.substr(start, end - start);
    if (part.empty() || part.size() > maxDigits) return std::nullopt;
    int value = 0;
    auto [ptr, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (ec != std::errc() || ptr != part.data() + part.size()) return std::nullopt;
    parts.push_back(value);
    if (end == text.size()) return parts;
    start = end + 1;
  }
}

}  // namespace

calendar::Date parseDate(std::string_view text, std::string_view what) {
  const auto parts = numberParts(text, '-', 4);
  const std::string quoted = std::string(what) + " '" + std::string(text) + "'";
  if (!parts || parts->size() != 3 || text.find('-') != 4 || (*parts)[1] > 99 || (*parts)[2] > 99) {
    throw UsageError(quoted + " is not a date of the form YYYY-MM-DD");
  }
  const calendar::Date date{(*parts)[0], (*parts)[1], (*parts)[2]};
  if (!calendar::isValidDate(date)) throw UsageError(quoted + " is not a date that exists");
  if (date < calendar::kFirstLunarDate || calendar::kLastLunarDate < date) {
    throw OutOfRange(outsideCalendar(text));
  }
  return date;
}

std::string outsideCalendar(std::string_view dateText) {
  return std::string(dateText) + " is outside the calendar (" +
         calendar::isoDate(calendar::kFirstLunarDate) + " to " +
         calendar::isoDate(calendar::kLastLunarDate) + ")";
}

calendar::DateTime parseTime(std::string_view text, std::string_view what) {
  const auto parts = numberParts(text, ':', 2);
  const std::string quoted = std::string(what) + " '" + std::string(text) + "'";
  if (!parts || parts->size() < 2 || parts->size() > 3) {
    throw UsageError(quoted + " is not a time of the form HH:MM or HH:MM:SS");
  }
  calendar::DateTime time;
  time.hour = (*parts)[0];
  time.minute = (*parts)[1];
  time.second = parts->size() == 3 ? (*parts)[2] : 0;
  if (!calendar::isValidTimeOfDay(time)) {
    throw UsageError(quoted + " is not a time of day (00:00:00 to 23:59:59)");
  }
  return time;
}

}  // namespace zeruda::cli
