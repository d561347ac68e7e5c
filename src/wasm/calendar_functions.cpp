#include "wasm/calendar_functions.h"

#include "actions/calendar_actions.h"
#include "almanac/almanac.h"
#include "almanac/almanac_tables.h"
#include "almanac/month_grid.h"
#include "almanac/perpetual_calendar.h"
#include "calendar/date_pattern.h"
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

namespace zeruda::wasm {
namespace {

Reply json(std::string text) { return Reply{Reply::Kind::Json, std::move(text)}; }

Result<calendar::DateTime> chartMoment(const Request& request) {
  const auto date = request.text("date", Field::Day);
  if (!date.ok()) return date.failure();
  const auto time = request.text("time", Field::Time);
  if (!time.ok()) return time.failure();
  return actions::chartMoment(date.value(), time.value());
}

// The month under year and month, as the month box types it ("2026-12").
Result<calendar::TypedMonth> requestMonth(const Request& request) {
  const auto year = request.number("year", Field::Month);
  if (!year.ok()) return year.failure();
  const auto month = request.number("month", Field::Month);
  if (!month.ok()) return month.failure();
  const bool both = year.value() && month.value();
  return actions::calendarMonth(both ? *year.value() + "-" + *month.value() : std::string());
}

Result<almanac::OpeningDaySearch> openingSearch(const Request& request) {
  actions::OpeningDaysRequest asked;
  const auto from = request.text("from", Field::FromDate);
  if (!from.ok()) return from.failure();
  asked.from = from.value();
  const auto days = request.number("days", Field::DayCount);
  if (!days.ok()) return days.failure();
  asked.days = days.value();
  const auto birth = request.optionalText("birth", Field::BirthDate);
  if (!birth.ok()) return birth.failure();
  asked.birthDate = birth.value();
  const auto time = request.optionalText("time", Field::BirthTime);
  if (!time.ok()) return time.failure();
  asked.birthTime = time.value();
  return actions::openingDays(asked, {});
}

}  // namespace

Result<Reply> chartFunction(const Request& request) {
  const auto moment = chartMoment(request);
  if (!moment.ok()) return moment.failure();
  return json(json::chartJson(moment.value()));
}

Result<Reply> chartSvgFunction(const Request& request) {
  const auto moment = chartMoment(request);
  if (!moment.ok()) return moment.failure();
  const auto picture = pictures::elementChart(calendar::fourPillars(moment.value()),
                                              chart::elementStrength(moment.value()));
  return Reply{Reply::Kind::Text, pictures::svgDocument(picture)};
}

Result<Reply> almanacFunction(const Request& request) {
  const auto date = request.text("date", Field::Day);
  if (!date.ok()) return date.failure();
  const auto day = actions::almanacOf(date.value());
  if (!day.ok()) return day.failure();
  return json(json::almanacJson(day.value()));
}

Result<Reply> openingDaysFunction(const Request& request) {
  const auto found = openingSearch(request);
  if (!found.ok()) return found.failure();
  return json(json::openingDaysJson(found.value().days));
}

Result<Reply> openingLeftOutFunction(const Request& request) {
  const auto found = openingSearch(request);
  if (!found.ok()) return found.failure();
  json::Writer days;
  days.beginArray();
  for (const almanac::LeftOutDay& day : found.value().leftOut) {
    days.beginObject().key("date").string(calendar::isoDate(day.date));
    days.key("note").string(day.note).endObject();
  }
  days.endArray();
  return json(days.text());
}

Result<Reply> almanacSearchFunction(const Request& request) {
  actions::AlmanacSearchRequest asked;
  const auto from = request.text("from", Field::FromDate);
  if (!from.ok()) return from.failure();
  asked.from = from.value();
  const auto range = request.number("range", Field::DayCount);
  if (!range.ok()) return range.failure();
  asked.range = range.value();
  const auto activity = request.text("activity", Field::Activity);
  if (!activity.ok()) return activity.failure();
  asked.activity = activity.value();
  const auto avoid = request.flag("avoid", Field::Activity);
  if (!avoid.ok()) return avoid.failure();
  asked.avoid = avoid.value();
  const auto lists = request.flag("lists", Field::Activity);
  if (!lists.ok()) return lists.failure();
  asked.dayLists = lists.value();
  const auto found = actions::searchAlmanac(asked);
  if (!found.ok()) return found.failure();
  // The lines almanac-search prints, and what it says on stderr when the calendar ends
  // (the page's notes).
  std::string lines;
  for (const calendar::Date& day : found.value().days)
    lines += almanac::almanacDateText(day) + "\n";
  Reply reply{Reply::Kind::Text, text::displayUtf8(lines)};
  if (found.value().daysSearched < found.value().daysAsked) {
    using namespace text::literals;
    reply.notes.push_back("历法止于"_gbk + calendar::isoDate(calendar::kLastLunarDate) +
                          "：只查了"_gbk + std::to_string(found.value().daysSearched) + "天"_gbk);
  }
  return reply;
}

Result<Reply> almanacActivitiesFunction(const Request&) {
  json::Writer lists;
  lists.beginObject().key("officer").beginArray();
  for (const std::string& activity : almanac::almanacActivities()) lists.string(activity);
  lists.endArray().key("traditional").beginArray();
  for (std::string_view activity : almanac::traditionalActivities()) lists.string(activity);
  lists.endArray().endObject();
  return json(lists.text());
}

Result<Reply> monthFunction(const Request& request) {
  const auto month = requestMonth(request);
  if (!month.ok()) return month.failure();
  const std::string grid = almanac::monthView(month.value().year, month.value().month);
  return Reply{Reply::Kind::Text, text::displayUtf8(grid)};
}

Result<Reply> monthDaysFunction(const Request& request) {
  const auto month = requestMonth(request);
  if (!month.ok()) return month.failure();
  const auto [year, number] = month.value();
  json::Writer days;
  days.beginArray();
  for (int day = 1; day <= calendar::daysInMonth(year, number); ++day) {
    const calendar::Date date{year, number, day};
    days.beginObject().key("date").string(calendar::isoDate(date));
    days.key("name").string(almanac::dayCellName(date));
    days.key("lunar_name").string(calendar::formatDatePattern("%M%D", date));
    const almanac::DayMarks marks = almanac::dayMarks(date);
    days.key("term").string(marks.term).key("festivals").beginArray();
    for (const std::string& festival : marks.festivals) days.string(festival);
    days.endArray().endObject();
  }
  days.endArray();
  return json(days.text());
}

}  // namespace zeruda::wasm
