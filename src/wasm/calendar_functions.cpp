#include "wasm/calendar_functions.h"

#include "almanac/almanac.h"
#include "almanac/month_grid.h"
#include "almanac/opening_days.h"
#include "almanac/perpetual_calendar.h"
#include "calendar/gregorian.h"
#include "calendar/lunar.h"
#include "calendar/pillars.h"
#include "chart/element_strength.h"
#include "json/calendar_json.h"
#include "json/writer.h"
#include "pictures/element_chart.h"
#include "pictures/svg_writer.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"
#include "wasm/moments.h"

namespace zeruda::wasm {
namespace {

using namespace text::literals;

const std::string& outsideCalendar() {
  static const std::string text = "不在历法范围内（1901-02-19至2048-12-31）"_gbk;
  return text;
}

struct Month {
  int year = 0;
  int month = 0;
};

// The month under year and month; one of whose days lies within the calendar.
Result<Month> requestMonth(const Request& request) {
  const auto year = request.number("year", 1, 9999);
  if (!year.ok()) return Error{year.error()};
  const auto month = request.number("month", 1, 12);
  if (!month.ok()) return Error{month.error()};
  if (!year.value() || !month.value()) return Error{"缺少year或month"_gbk};
  const Month m{*year.value(), *month.value()};
  const calendar::Date first{m.year, m.month, 1};
  const calendar::Date last{m.year, m.month, calendar::daysInMonth(m.year, m.month)};
  if (last < calendar::kFirstLunarDate || first > calendar::kLastLunarDate) {
    return Error{"月份"_gbk + outsideCalendar()};
  }
  return m;
}

Reply json(std::string text) { return Reply{Reply::Kind::Json, std::move(text)}; }

}  // namespace

Result<Reply> chartFunction(const Request& request) {
  const auto moment = requestMoment(request, "date", "time");
  if (!moment.ok()) return Error{moment.error()};
  return json(json::chartJson(moment.value()));
}

Result<Reply> chartSvgFunction(const Request& request) {
  const auto moment = requestMoment(request, "date", "time");
  if (!moment.ok()) return Error{moment.error()};
  const auto picture = pictures::elementChart(calendar::fourPillars(moment.value()),
                                              chart::elementStrength(moment.value()));
  return Reply{Reply::Kind::Text, pictures::svgDocument(picture)};
}

Result<Reply> almanacFunction(const Request& request) {
  const auto date = requestDate(request, "date");
  if (!date.ok()) return Error{date.error()};
  return json(json::almanacJson(almanac::almanacDay(date.value())));
}

Result<Reply> openingDaysFunction(const Request& request) {
  const auto from = requestDate(request, "from");
  if (!from.ok()) return Error{from.error()};
  const auto days = request.number("days", almanac::kFewestOpeningDays, almanac::kMostOpeningDays);
  if (!days.ok()) return Error{days.error()};
  if (!days.value()) return Error{"缺少days"_gbk};
  const auto birth = requestMoment(request, "birth", "time");
  if (!birth.ok()) return Error{birth.error()};
  const calendar::Date end = almanac::openingRangeEnd(from.value(), *days.value());
  if (calendar::kLastLunarDate < end) return Error{calendar::isoDate(end) + outsideCalendar()};
  return json(
      json::openingDaysJson(almanac::openingDays(from.value(), *days.value(), birth.value())));
}

Result<Reply> monthFunction(const Request& request) {
  const auto month = requestMonth(request);
  if (!month.ok()) return Error{month.error()};
  const std::string grid = almanac::monthView(month.value().year, month.value().month);
  return Reply{Reply::Kind::Text, text::displayUtf8(grid)};
}

Result<Reply> monthDaysFunction(const Request& request) {
  const auto month = requestMonth(request);
  if (!month.ok()) return Error{month.error()};
  const auto [year, number] = month.value();
  json::Writer days;
  days.beginArray();
  for (int day = 1; day <= calendar::daysInMonth(year, number); ++day) {
    const calendar::Date date{year, number, day};
    days.beginObject().key("date").string(calendar::isoDate(date));
    days.key("name").string(almanac::dayCellName(date)).endObject();
  }
  days.endArray();
  return json(days.text());
}

}  // namespace zeruda::wasm
