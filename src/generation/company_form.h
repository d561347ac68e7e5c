#pragma once

#include "calendar/date_time.h"
#include "generation/engine_settings.h"

#include <array>
#include <optional>
#include <string>

namespace zeruda::generation {

// A company-naming request as the user gives it, on the company page or the command
// line; all texts GBK. The request hands it back with the changes it made (texts
// reduced to their Chinese part, the favourable elements chosen).
struct CompanyForm {
  std::string surname;               // the legal representative's surname
  std::string givenName;             // and given name
  std::string prefix;                // regional prefix (地域前缀)
  std::string suffix;                // trade suffix (行业后缀)
  std::array<std::string, 4> fixed;  // the character fixed at body position 1-4, if any
  bool shopName = false;             // a shop or brand name: prefix and suffix may be empty
  bool autoElements = false;         // the wanted elements are the favourable ones
  ElementSet wantedElements{};       // elements the body must contain
  bool takeAsTyped = false;          // texts as typed, without keeping their Chinese part
  std::optional<int> minimumStars;   // list only bodies of at least this many stars (1-5)
  int bodyLength = 2;                // characters in the body: 2, 3 or 4
  calendar::DateTime birthMoment;    // the legal representative's birth, second 0
  CompanyRoad road = CompanyRoad::Words;
};

// The request as the page first opens: prefix "成都", suffix "科技有限公司", a body
// of two characters, everything else empty or unchosen.
CompanyForm defaultCompanyForm();

// What the engine reads from the request.
EngineSettings engineSettingsOf(const CompanyForm& form);

}  // namespace zeruda::generation
