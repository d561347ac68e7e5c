#pragma once

#include "calendar/date_time.h"
#include "text/result.h"

#include <optional>
#include <string>
#include <string_view>

namespace zeruda::actions {

// The readers and checks every action shares. Each refusal names its field as the
// user knows it (fieldName) and carries the field, for the front end to point at.

// "{field's name}{text}" as a refusal of `field` (text GBK).
Error refusal(Field field, std::string_view text);

// A front end's UTF-8 text as the core's GBK; refused when it is not UTF-8 or holds a
// character GBK lacks.
Result<std::string> gbkText(std::string_view utf8, Field field);

// A typed date in any form the date boxes take (calendar::parseTypedDate): it must
// exist and lie within the calendar.
Result<calendar::Date> readDate(std::string_view typed, Field field);

// A typed time of day, "08:30" or "08:30:15" (calendar::parseTypedTime).
Result<calendar::DateTime> readTime(std::string_view typed, Field field);

// A date and a time of day as one moment.
Result<calendar::DateTime> readMoment(std::string_view date, std::string_view time, Field dateField,
                                      Field timeField);

// A whole number typed as decimal digits (ASCII or full-width, a sign and blanks
// around allowed) within [min, max]; absent or blank is refused as missing.
Result<int> readNumber(const std::optional<std::string>& typed, Field field, int min, int max);

// The same, where the number may be left out (absent or blank: nothing).
Result<std::optional<int>> readOptionalNumber(const std::optional<std::string>& typed, Field field,
                                              int min, int max);

// The window's lists hold numbers: as the text a front end hands in.
std::string numberText(long long number);

// Every character of `gbk` is a two-byte character the stroke dictionary has; an empty
// text is refused as missing.
Result<Done> requireDictionaryCharacters(std::string_view gbk, Field field);

// A text of at most `maxCharacters` characters: no field of a form needs more, and a
// pasted document would cost every row of a run its size again.
Result<Done> requireAtMostCharacters(std::string_view gbk, Field field, std::size_t maxCharacters);

// The longest prefix, suffix or name body a request may give: more than any name.
inline constexpr std::size_t kMaxNameTextCharacters = 30;

// Text a field must hold (blank counts as missing).
Result<Done> requireText(std::string_view gbk, Field field);

}  // namespace zeruda::actions
