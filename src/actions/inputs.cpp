#include "actions/inputs.h"

#include "actions/field_names.h"
#include "calendar/typed_date.h"
#include "calendar/typed_time.h"
#include "dictionary/strokes.h"
#include "text/characters.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

#include <limits>

namespace zeruda::actions {

using namespace text::literals;

namespace {

bool isBlank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

// The digit a byte pair or byte at `i` stands for (ASCII or full-width), and its length.
std::optional<std::pair<int, std::size_t>> digitAt(std::string_view text, std::size_t i) {
  const auto byte = static_cast<unsigned char>(text[i]);
  if (byte >= '0' && byte <= '9') return std::pair{byte - '0', std::size_t{1}};
  if (byte == 0xA3 && i + 1 < text.size()) {
    const auto second = static_cast<unsigned char>(text[i + 1]);
    if (second >= 0xB0 && second <= 0xB9) return std::pair{second - 0xB0, std::size_t{2}};
  }
  return std::nullopt;
}

// The whole number of a typed text; nothing when it is not one. Past the range of
// `long long` it stays at a value beyond every bound the actions check.
std::optional<long long> wholeNumber(std::string_view text) {
  std::size_t i = text.find_first_not_of(" \t");
  std::size_t end = text.find_last_not_of(" \t") + 1;
  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= end) return std::nullopt;
  long long value = 0;
  constexpr long long kCeiling = std::numeric_limits<int>::max() + 1LL;
  while (i < end) {
    const auto digit = digitAt(text.substr(0, end), i);
    if (!digit) return std::nullopt;
    value = std::min(value * 10 + digit->first, kCeiling);
    i += digit->second;
  }
  return negative ? -value : value;
}

}  // namespace

Error refusal(Field field, std::string_view text) {
  return {fieldName(field) + std::string(text), field};
}

Result<std::string> gbkText(std::string_view utf8, Field field) {
  auto gbk = text::utf8ToGbk(utf8);
  if (!gbk.ok()) return refusal(field, "中有GBK字符集以外的字符"_gbk);
  return std::move(gbk).value();
}

Result<calendar::Date> readDate(std::string_view typed, Field field) {
  if (isBlank(typed)) return refusal(field, "不能为空"_gbk);
  auto date = calendar::parseTypedDate(typed, calendar::DateCalendar::Gregorian);
  if (!date.ok()) return refusal(field, "："_gbk + date.error());
  return date.value();
}

Result<calendar::DateTime> readTime(std::string_view typed, Field field) {
  if (isBlank(typed)) return refusal(field, "不能为空"_gbk);
  auto time = calendar::parseTypedTime(typed);
  if (!time.ok()) return refusal(field, "："_gbk + time.error());
  return time.value();
}

Result<calendar::DateTime> readMoment(std::string_view date, std::string_view time, Field dateField,
                                      Field timeField) {
  const auto day = readDate(date, dateField);
  if (!day.ok()) return day.failure();
  const auto clock = readTime(time, timeField);
  if (!clock.ok()) return clock.failure();
  const calendar::DateTime& t = clock.value();
  return calendar::DateTime::of(day.value(), t.hour, t.minute, t.second);
}

Result<std::optional<int>> readOptionalNumber(const std::optional<std::string>& typed, Field field,
                                              int min, int max) {
  if (!typed || isBlank(*typed)) return std::optional<int>();
  const std::optional<long long> number = wholeNumber(*typed);
  if (!number) return refusal(field, "应是整数"_gbk);
  if (*number < min || *number > max) {
    return refusal(field,
                   "应在"_gbk + std::to_string(min) + "到"_gbk + std::to_string(max) + "之间"_gbk);
  }
  return std::optional<int>(static_cast<int>(*number));
}

Result<int> readNumber(const std::optional<std::string>& typed, Field field, int min, int max) {
  auto number = readOptionalNumber(typed, field, min, max);
  if (!number.ok()) return number.failure();
  if (!number.value()) return refusal(field, "不能为空"_gbk);
  return *number.value();
}

std::string numberText(long long number) { return std::to_string(number); }

Result<Done> requireText(std::string_view gbk, Field field) {
  if (isBlank(gbk)) return refusal(field, "不能为空"_gbk);
  return Done{};
}

Result<Done> requireAtMostCharacters(std::string_view gbk, Field field, std::size_t maxCharacters) {
  std::size_t characters = 0;
  for (std::size_t pos = 0; pos < gbk.size(); pos += text::charLength(gbk, pos)) {
    if (++characters > maxCharacters) {
      return refusal(field, "超过"_gbk + std::to_string(maxCharacters) + "个字"_gbk);
    }
  }
  return Done{};
}

Result<Done> requireDictionaryCharacters(std::string_view gbk, Field field) {
  if (auto given = requireText(gbk, field); !given.ok()) return given;
  for (std::size_t pos = 0; pos < gbk.size();) {
    const std::size_t length = text::charLength(gbk, pos);
    const std::string_view unit = gbk.substr(pos, length);
    if (length != 2 || dictionary::kangxiStrokes(unit) == 0) {
      return refusal(field, "中的“"_gbk + std::string(unit) + "”不是字库里的汉字"_gbk);
    }
    pos += length;
  }
  return Done{};
}

}  // namespace zeruda::actions
