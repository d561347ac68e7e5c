// The typed-date reader: any bytes are read without harm, and a date it takes is
// one the box can show again: its text reads back to the same date.
#include "calendar/typed_date.h"
#include "property.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using zeruda::calendar::DateCalendar;
using zeruda::calendar::DateField;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks the counting, the rest is the text.
  const DateCalendar calendar = data[0] % 2 ? DateCalendar::Lunar : DateCalendar::Gregorian;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  for (DateField field : {DateField::Year, DateField::Month, DateField::Day}) {
    FUZZ_PROPERTY(zeruda::calendar::typedDateFieldEnd(text, field) <= text.size());
  }
  for (std::size_t offset = 0; offset <= text.size(); offset += 1 + text.size() / 8) {
    (void)zeruda::calendar::typedDateFieldAt(text, offset);
  }

  const auto date = zeruda::calendar::parseTypedDate(text, calendar);
  if (!date) return 0;
  const std::string shown = zeruda::calendar::typedDateText(date.value(), calendar);
  FUZZ_PROPERTY(!shown.empty());
  const auto again = zeruda::calendar::parseTypedDate(shown, calendar);
  FUZZ_PROPERTY(again.ok() && again.value() == date.value());
  // Either counting shows the same day.
  const DateCalendar other =
      calendar == DateCalendar::Lunar ? DateCalendar::Gregorian : DateCalendar::Lunar;
  const auto across =
      zeruda::calendar::parseTypedDate(zeruda::calendar::typedDateText(date.value(), other), other);
  FUZZ_PROPERTY(across.ok() && across.value() == date.value());
  return 0;
}
