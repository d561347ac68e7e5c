#include "almanac/opening_days.h"

#include "almanac/almanac.h"
#include "almanac/unfavourable_clauses.h"
#include "calendar/ganzhi.h"
#include "calendar/gregorian.h"
#include "calendar/lunar_names.h"
#include "calendar/pillars.h"
#include "chart/element_strength.h"
#include "text/characters.h"
#include "text/gbk_literal.h"

#include <algorithm>
#include <optional>

namespace zeruda::almanac {

using namespace calendar;
namespace {

using namespace text::literals;

// What the search needs of the legal representative's chart.
struct Person {
  Branch yearBranch;
  calendar::ElementSet favourable;  // 喜用神, one to three elements
};

// The words of `words` that `text` holds, in list order.
std::vector<std::string> foundIn(std::string_view text, const std::vector<std::string>& words) {
  std::vector<std::string> found;
  for (const std::string& word : words) {
    if (text::findCharacterAware(text, word) != std::string_view::npos) found.push_back(word);
  }
  return found;
}

std::string joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : "、"_gbk) + word;
  return text;
}

// Checks the 忌 text clause by clause in the day's lunar month. Nothing when a clause
// that holds names a forbidden activity; else the reasons of the clauses set aside by
// their months (none when no clause named one).
std::optional<std::vector<std::string>> unfavourableReasons(const std::string& text,
                                                            const LunarDate& lunar,
                                                            const OpeningActivities& activities) {
  std::vector<std::string> reasons;
  for (const UnfavourableClause& clause : unfavourableClauses(text)) {
    const auto forbidden = foundIn(clause.text, activities.forbidden);
    if (forbidden.empty()) continue;
    if (clause.holdsIn(lunar.month)) return std::nullopt;
    reasons.push_back("忌"_gbk + joined(forbidden) + "只在"_gbk + clause.monthsText +
                      "，此日为农历"_gbk + dateBoxMonthName(lunar.month, lunar.leap));
  }
  return reasons;
}

std::string clashReason(Branch day, Branch year) {
  const std::string yearText(branchText(year));
  return "日支"_gbk + std::string(branchText(day)) + "，不冲生年"_gbk + yearText + "（"_gbk +
         yearText + std::string(branchText(nextBranch(year, 6))) + "相冲）"_gbk;
}

std::string elementReason(Stem stem, bool favourable, const calendar::ElementSet& elements) {
  return "日干"_gbk + std::string(stemText(stem)) + "属"_gbk +
         std::string(elementText(elementOf(stem))) +
         (favourable ? "，合喜用神"_gbk : "，喜用神为"_gbk) + elements.text();
}

// The day as an opening day, or nothing when a rule sets it aside.
std::optional<OpeningDay> judgeDay(Date date, const Person& person,
                                   const OpeningActivities& activities) {
  const AlmanacDay day = almanacDay(date);
  if (!day.officer || !day.lunar) return std::nullopt;
  if (*day.officer == DayOfficer::Po || *day.officer == DayOfficer::Bi) return std::nullopt;
  const OfficerTexts& texts = officerTexts(*day.officer);
  const auto business = foundIn(texts.favourable, activities.business);
  if (business.empty()) return std::nullopt;
  auto monthReasons = unfavourableReasons(texts.unfavourable, *day.lunar, activities);
  if (!monthReasons) return std::nullopt;
  const Branch dayBranch = branchOfPair(day.pillars[2]);
  if (dayBranch == nextBranch(person.yearBranch, 6)) return std::nullopt;

  const Stem dayStem = stemOfPair(day.pillars[2]);
  OpeningDay opening{date, *day.officer, day.pillars, false, {}};
  opening.favourable = person.favourable.contains(elementOf(dayStem));
  opening.reasons.push_back("值"_gbk + officerText(*day.officer) + "日"_gbk);
  opening.reasons.push_back("宜"_gbk + joined(business));
  for (auto& reason : *monthReasons) opening.reasons.push_back(std::move(reason));
  opening.reasons.push_back(clashReason(dayBranch, person.yearBranch));
  opening.reasons.push_back(elementReason(dayStem, opening.favourable, person.favourable));
  return opening;
}

}  // namespace

std::vector<OpeningDay> openingDays(Date start, int days, const DateTime& birth,
                                    const OpeningActivities& activities) {
  std::vector<OpeningDay> found;
  const int yearPair = pillarNumbers(birth).year;
  if (!isValidDate(start) || !isPairNumber(yearPair)) return found;
  const Person person{branchOfPair(yearPair), chart::elementStrength(birth).favourable};
  Date date = start;
  for (int i = 1; i <= days; ++i) {
    date = nextDay(date);
    if (auto day = judgeDay(date, person, activities)) found.push_back(std::move(*day));
  }
  std::stable_partition(found.begin(), found.end(),
                        [](const OpeningDay& day) { return day.favourable; });
  return found;
}

Date openingRangeEnd(Date start, int days) { return dateOfDayNumber(dayNumber(start) + days); }

}  // namespace zeruda::almanac
