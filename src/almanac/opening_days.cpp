#include "almanac/opening_days.h"

#include "almanac/almanac.h"
#include "almanac/unfavourable_clauses.h"
#include "calendar/ganzhi.h"
#include "calendar/gregorian.h"
#include "calendar/pillars.h"
#include "chart/element_strength.h"
#include "text/characters.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

#include <algorithm>
#include <optional>
#include <tuple>
#include <variant>

namespace zeruda::almanac {

using namespace calendar;
namespace {

using namespace text::literals;

// What the search needs of the legal representative's chart.
struct Person {
  Branch yearBranch;
  Branch dayBranch;
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

bool listHolds(const std::vector<std::string>& list, const std::string& word) {
  return std::find(list.begin(), list.end(), word) != list.end();
}

// The words of the traditional lists an opening looks for, 开市 first, then the tie
// breakers in their order.
const std::vector<std::string>& listBusiness() {
  static const std::vector<std::string> words = {"开市"_gbk, "纳财"_gbk, "交易"_gbk, "立券"_gbk};
  return words;
}

std::vector<std::string> listed(const std::vector<std::string>& list) {
  std::vector<std::string> found;
  for (const std::string& word : listBusiness()) {
    if (listHolds(list, word)) found.push_back(word);
  }
  return found;
}

// Whether a clause of the officer's 忌 text that holds in the day's lunar month names a
// forbidden activity; a clause bound to other months does not count.
bool monthForbids(DayOfficer officer, const LunarDate& lunar, const OpeningActivities& activities) {
  for (const UnfavourableClause& clause : unfavourableClauses(officerTexts(officer).unfavourable)) {
    if (clause.holdsIn(lunar.month) && !foundIn(clause.text, activities.forbidden).empty()) {
      return true;
    }
  }
  return false;
}

std::string clashReason(Branch day, const Person& person) {
  return "日支"_gbk + std::string(branchText(day)) + "，不冲法人生年之"_gbk +
         std::string(branchText(person.yearBranch)) + "、生日之"_gbk +
         std::string(branchText(person.dayBranch));
}

// The note of a day left out for its clash, or nothing when it clashes with neither.
std::optional<std::string> clashNote(Pair dayPair, const Person& person) {
  const Branch day = dayPair.branch();
  std::vector<std::string> with;
  if (day == nextBranch(person.yearBranch, 6)) {
    with.push_back("生年之"_gbk + std::string(branchText(person.yearBranch)));
  }
  if (day == nextBranch(person.dayBranch, 6)) {
    with.push_back("生日之"_gbk + std::string(branchText(person.dayBranch)));
  }
  if (with.empty()) return std::nullopt;
  return dayPair.text() + "日冲法人"_gbk + joined(with) + "，不取"_gbk;
}

std::string elementReason(Stem stem, bool favourable, const calendar::ElementSet& elements) {
  return "日干"_gbk + std::string(stemText(stem)) + "属"_gbk +
         std::string(elementText(elementOf(stem))) +
         (favourable ? "，合喜用神"_gbk : "，喜用神为"_gbk) + elements.text();
}

OpeningVerdict verdictOf(const TraditionalDay& day) {
  if (listHolds(day.favourable, "开市"_gbk)) return OpeningVerdict::Favoured;
  if (listHolds(day.unfavourable, "开市"_gbk)) return OpeningVerdict::Forbidden;
  return OpeningVerdict::Neither;
}

void addTraditional(OpeningDay& opening, const TraditionalDay& day) {
  opening.verdict = verdictOf(day);
  if (const auto good = listed(day.favourable); !good.empty()) {
    opening.reasons.push_back("黄历宜"_gbk + joined(good));
  }
  if (day.yellowRoad) opening.reasons.push_back("值神"_gbk + day.dayGod + "（黄道）"_gbk);
  if (const auto bad = listed(day.unfavourable); !bad.empty()) {
    opening.cautions.push_back("黄历忌"_gbk + joined(bad));
  }
  if (!day.yellowRoad) opening.cautions.push_back("值神"_gbk + day.dayGod + "（黑道）"_gbk);
  opening.cautions.push_back("冲"_gbk + day.clashAnimal + "("_gbk + day.clashPillar.text() +
                             ")　煞"_gbk + day.sha);
  for (const AlmanacHour& hour : day.hours) {
    if (hour.lucky) opening.luckyHours.push_back(hour);
  }
}

// The ranking key of an opening day, smaller first.
using Rank = std::tuple<OpeningVerdict, bool, bool, bool, int, bool, int>;

struct Candidate {
  OpeningDay day;
  Rank rank;
};

Rank rankOf(const OpeningDay& opening, const TraditionalDay& day, std::size_t officerBusiness) {
  const auto lacks = [&](const char* word) {
    return !listHolds(day.favourable, text::toGbk(word));
  };
  return {opening.verdict,
          lacks("纳财"),
          lacks("交易"),
          lacks("立券"),
          -static_cast<int>(officerBusiness),
          !opening.favourable,
          dayNumber(opening.date)};
}

// The day as an opening day, a day left out for its clash, or nothing when another rule
// sets it aside.
std::variant<std::monostate, Candidate, LeftOutDay> judgeDay(Date date, const Person& person,
                                                             const OpeningActivities& activities) {
  const AlmanacDay day = almanacDay(date);
  if (!day.officer || !day.lunar || !day.traditional) return {};
  if (*day.officer == DayOfficer::Po || *day.officer == DayOfficer::Bi) return {};
  const auto business = foundIn(officerTexts(*day.officer).favourable, activities.business);
  if (business.empty()) return {};
  if (monthForbids(*day.officer, *day.lunar, activities)) return {};
  if (auto note = clashNote(day.pillars[2], person)) return LeftOutDay{date, std::move(*note)};

  const Stem dayStem = day.pillars[2].stem();
  OpeningDay opening;
  opening.date = date;
  opening.officer = *day.officer;
  opening.pillars = day.pillars;
  opening.weekday = weekdayText(date);
  opening.favourable = person.favourable.contains(elementOf(dayStem));
  opening.reasons.push_back("值"_gbk + officerText(*day.officer) + "日"_gbk);
  opening.reasons.push_back("宜"_gbk + joined(business));
  addTraditional(opening, *day.traditional);
  opening.reasons.push_back(clashReason(day.pillars[2].branch(), person));
  opening.reasons.push_back(elementReason(dayStem, opening.favourable, person.favourable));
  const Rank rank = rankOf(opening, *day.traditional, business.size());
  return Candidate{std::move(opening), rank};
}

}  // namespace

OpeningDaySearch searchOpeningDays(Date start, int days, const DateTime& birth,
                                   const OpeningActivities& activities) {
  OpeningDaySearch search;
  const FourPillars pillars = fourPillars(birth);
  if (!isValidDate(start) || !pillars.year.valid()) return search;
  const Person person{pillars.year.branch(), pillars.day.branch(),
                      chart::elementStrength(birth).favourable};
  std::vector<Candidate> found;
  Date date = start;
  for (int i = 1; i <= days; ++i) {
    date = nextDay(date);
    auto judged = judgeDay(date, person, activities);
    if (auto* day = std::get_if<Candidate>(&judged)) found.push_back(std::move(*day));
    if (auto* left = std::get_if<LeftOutDay>(&judged)) search.leftOut.push_back(std::move(*left));
  }
  std::sort(found.begin(), found.end(),
            [](const Candidate& a, const Candidate& b) { return a.rank < b.rank; });
  for (Candidate& candidate : found) search.days.push_back(std::move(candidate.day));
  return search;
}

std::vector<OpeningDay> openingDays(Date start, int days, const DateTime& birth,
                                    const OpeningActivities& activities) {
  return searchOpeningDays(start, days, birth, activities).days;
}

std::string openingDayText(const OpeningDay& day) {
  std::string text;
  for (const std::string& reason : day.reasons) text += (text.empty() ? "" : "；"_gbk) + reason;
  text += "　留意："_gbk;
  for (std::size_t i = 0; i < day.cautions.size(); ++i) {
    text += (i ? "；"_gbk : std::string()) + day.cautions[i];
  }
  text += "　吉时："_gbk;
  for (std::size_t i = 0; i < day.luckyHours.size(); ++i) {
    text += (i ? "、"_gbk : std::string()) + std::string(branchText(day.luckyHours[i].branch));
  }
  return text;
}

Date openingRangeEnd(Date start, int days) { return dateOfDayNumber(dayNumber(start) + days); }

}  // namespace zeruda::almanac
