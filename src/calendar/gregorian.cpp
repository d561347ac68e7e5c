#include "calendar/gregorian.h"

namespace zeruda::calendar {

Date dateOfDayNumber(int number) {
  using detail::yearStart;
  const int fromYearOne = number + detail::kDaysBefore1901;
  // An estimate from the mean year length, corrected by at most a step either way.
  int year = static_cast<int>(400LL * fromYearOne / 146097) + 1;
  while (yearStart(year) > fromYearOne) --year;
  while (yearStart(year + 1) <= fromYearOne) ++year;
  int dayOfYear = fromYearOne - yearStart(year);
  int month = 1;
  while (dayOfYear >= daysInMonth(year, month)) dayOfYear -= daysInMonth(year, month++);
  return {year, month, dayOfYear + 1};
}

}  // namespace zeruda::calendar
