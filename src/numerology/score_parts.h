#pragma once

#include "numerology/grids.h"
#include "numerology/rating.h"

#include <array>
#include <optional>

namespace zeruda::numerology {

// What a rated name's score is made of: the base score, the three-talent luck, the
// luck of each of the five grids and the sought elements (none for a company).
struct ScoreParts {
  double base = 0;
  double talents = 0;
  std::array<double, 5> grids{};
  double elements = 0;

  double sum() const;
};

// The parts of a name's score as the ratings add them: the base given, the three
// talents and five grids of the record's numbers, and the count of its sought elements
// among its characters (soughtElementCount).
ScoreParts scorePartsOf(const NameGrids& record, double baseScore, const ElementLookup& lookup);

// A rating with the parts it was added from, each part worked out once.
struct PartedRating {
  Rating rating;
  ScoreParts parts;
};

// As rateName, keeping the parts: the score is added up in rateName's order.
PartedRating rateNameInParts(std::string_view body, double baseScore, const ElementLookup& lookup);

// The boundary a rounded score must pass for `stars` (4 for two stars up to 7 for
// five, as starsForScore counts); nothing for one star, which every score has.
std::optional<int> starThreshold(int stars);

}  // namespace zeruda::numerology
