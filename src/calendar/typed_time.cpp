#include "calendar/typed_time.h"

#include "calendar/gregorian.h"
#include "text/gbk_literal.h"

#include <vector>

namespace zeruda::calendar {
namespace {

using namespace text::literals;

// The digit runs between the separators; nothing when anything else stands there or a
// run is empty or longer than two digits.
std::optional<std::vector<int>> timeParts(std::string_view text) {
  static const std::string wideColon = "："_gbk;
  std::vector<int> parts(1, 0);
  int digits = 0;
  std::size_t i = 0;
  auto addDigit = [&](int digit) {
    parts.back() = parts.back() * 10 + digit;
    return ++digits <= 2;
  };
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::string_view unit = text.substr(i, byte < 0x80 ? 1 : 2);
    bool ok = true;
    if (byte >= '0' && byte <= '9') {
      ok = addDigit(byte - '0');
    } else if (unit.size() == 2 && static_cast<unsigned char>(unit[0]) == 0xA3 &&
               static_cast<unsigned char>(unit[1]) >= 0xB0 &&
               static_cast<unsigned char>(unit[1]) <= 0xB9) {
      ok = addDigit(static_cast<unsigned char>(unit[1]) - 0xB0);  // a full-width digit
    } else if (unit == ":" || unit == wideColon) {
      ok = digits > 0;
      parts.push_back(0);
      digits = 0;
    } else {
      ok = false;
    }
    if (!ok) return std::nullopt;
    i += unit.size();
  }
  if (digits == 0) return std::nullopt;
  return parts;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

Result<DateTime> parseTypedTime(std::string_view text) {
  const auto parts = timeParts(trimmed(text));
  if (!parts || parts->size() < 2 || parts->size() > 3) {
    return Error{"请按时、分的次序输入时刻，如08:30"_gbk};
  }
  DateTime time;
  time.hour = (*parts)[0];
  time.minute = (*parts)[1];
  time.second = parts->size() == 3 ? (*parts)[2] : 0;
  if (!isValidTimeOfDay(time)) return Error{"没有这个时刻（00:00至23:59）"_gbk};
  return time;
}

}  // namespace zeruda::calendar
