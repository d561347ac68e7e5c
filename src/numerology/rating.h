#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "dictionary/table_element.h"
#include "numerology/grids.h"

namespace zeruda::numerology {

// The element of one character from the character table.
using ElementLookup = dictionary::CharacterTable;

// How many distinct characters of record.soughtElements (read as two-byte
// characters) occur among the table elements of the record's characters. A table
// that cannot be read adds nothing: callers that can say so open it beforehand.
int soughtElementCount(const NameGrids& record, const ElementLookup& lookup);

// Rounds halves away from zero; a hair of tolerance lets 6.4999999999999 count as 6.5.
long long roundHalfAway(double score);

// Stars for a rounded score: above 7 five, above 6 four, above 5 three, above 4 two,
// else one.
int starsForScore(double roundedScore);

// A rated body: its stars and the record the rating filled.
struct Rating {
  int stars = 1;
  double score = 0;
  NameGrids record;
};

// Rates a body on the given base score (from the legal representative's chart).
Rating rateName(std::string_view body, double baseScore, const ElementLookup& lookup);

// "☆" repeated `stars` times, GBK.
std::string starText(int stars);

}  // namespace zeruda::numerology
