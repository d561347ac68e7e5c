#pragma once

#include <string>

namespace zeruda {

enum class MessageIcon { None, Information, Warning };

// The input a message is about, named by what it is rather than by what shows it:
// each front end points the user at its own control or option for it.
enum class Field {
  None,
  LegalSurname,          // the legal representative's surname
  LegalGivenName,        // and given name
  RegionPrefix,          // a company name's regional prefix
  TradeSuffix,           // and its trade suffix
  FixedCharacter1,       // the character fixed at position 1 of a company-name body
  FixedCharacter2,       // ... at position 2
  FixedCharacter3,       // ... at position 3
  FixedCharacter4,       // ... at position 4
  WantedElements,        // the elements a company-name body must contain
  NameBody,              // the body of a company name to evaluate
  PersonSurname,         // the surname of a person to name
  PersonFixedCharacter,  // the character fixed in that person's given name
  PersonGivenName,       // a person's given name to judge
  LookupCharacter,       // the character whose element is looked up
  ShortlistNames,        // the names of a shortlist
  BirthDate,             // a person's date of birth
  BirthTime,             // and hour and minute of birth
  BodyLength,            // how many characters a company-name body has
  MinimumStars,          // the fewest stars a listed body may have
  NameCount,             // how many names a run lists
  Seed,                  // where a run's random draws start
  BaseScore,             // the base score of a rating (吉数)
  ReportPrefix,          // the regional prefix of a company name to evaluate
  ReportSuffix,          // and its trade suffix
  PersonGender,          // the gender of a person to name
  GivenLength,           // how many characters that person's given name has
  FixedPosition,         // where the fixed character stands in it
  StarLevel,             // the star level the recommendations collect
  Day,                   // the day an answer is about
  Time,                  // the time of day an answer is about
  FromDate,              // the first day of a range
  ToDate,                // and its last day
  DayCount,              // how many days a range has
  Activity,              // the activity an almanac search looks for
  Month,                 // a month of the calendar
  Year,                  // a year of the calendar
  Characters,            // characters whose strokes or elements are looked up
  ExportRows,            // the rows of a result list to export
  ArticleId,             // a page of the reference library
  NamingRoad,            // how a run draws its names (诗词典籍, 词库佳名 …)
};

// A message the front end must show in a modal box: the program's own text and
// caption (GBK), its icon, and the input to turn to afterwards.
struct UserMessage {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::None;
  Field focus = Field::None;
};

}  // namespace zeruda
