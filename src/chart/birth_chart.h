#pragma once

#include "calendar/date_time.h"
#include "calendar/element_set.h"
#include "calendar/lunar.h"
#include "calendar/pillars.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeruda::chart {

// One character of a name with its stroke count, as the naming requests record it.
struct CharacterStrokes {
  std::string character;
  int strokes = 0;
};

// What the naming code knows about a person's birth. All texts are GBK. The caller sets
// birthMoment and lunarText; fillChart fills the pillars through starSign; the naming
// requests fill the name, gender and grid fields; missingElements comes last.
struct BirthChart {
  calendar::DateTime birthMoment;  // second always 0 when it comes from the forms
  std::string lunarText;
  calendar::FourPillars pillars;
  std::string pillarElements;  // "木水 火木 土土 金金"
  std::string zodiacAnimal;
  std::string starSign;
  std::vector<CharacterStrokes> surnameChars;
  std::vector<CharacterStrokes> givenChars;
  std::string genderText;
  std::array<int, 8> gridNumbers{};      // five grids, then the three talents
  calendar::ElementSet missingElements;  // in the order 木 火 土 金 水
};

// Fills pillars … starSign and pillarElements from chart.birthMoment. Out of the
// calendar's span the pillars, the animal and the elements' characters are empty (the
// elements text keeps its three spaces); the star sign still follows the date.
void fillChart(BirthChart& chart);

// The Nayin of the year, month, day and hour pillars, in that order.
std::array<std::string, 4> chartNayin(const BirthChart& chart);

}  // namespace zeruda::chart
