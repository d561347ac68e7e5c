#pragma once

#include "calendar/date_time.h"
#include "calendar/element_set.h"
#include "calendar/pillars.h"
#include "generation/company_form.h"
#include "profile/profile.h"

#include <string>
#include <string_view>

namespace zeruda::generation {

// The legal representative's birth chart as the company request needs it (GBK).
struct LegalChart {
  calendar::DateTime birthMoment;
  std::string lunarText;  // the birth date's lunar date, "闰" shown
  calendar::FourPillars pillars;
  std::string zodiac;    // 属相
  std::string starSign;  // 星座
  std::string elements;  // eight elements in four groups: "木土 水火 木金 金土"
  calendar::ElementSet missingElements;  // in the order 木 火 土 金 水
  std::string nayin;                     // the four pillars' Nayin joined by "；"
  std::string favourable;                // 喜用神

  // The earthly branch of the hour pillar (its last character).
  std::string hourBranch() const;
  // The eight characters: the four pillars joined.
  std::string eightCharacters() const;
};

// The chart of the birth the form gives. Out of the calendar's span the pillars and
// what depends on them are empty.
LegalChart computeLegalChart(const CompanyForm& form);

// The profile section the request writes for the form and its chart ("吉数" is the
// writer's to compute).
profile::LegalPersonProfile legalPersonProfileOf(const CompanyForm& form, const LegalChart& chart);

// The text of the page's chart box: a heading, then one tab-led line each for the
// lunar date and hour branch (with its pinyin), zodiac animal, star sign, pillars,
// eight characters, elements and Nayin (as the profile file holds it), every line
// ending in "\r\n".
std::string chartSummary(const LegalChart& chart, std::string_view storedNayin);

}  // namespace zeruda::generation
