#include "numerology/rating.h"

#include <cmath>

#include "numerology/number_luck.h"
#include "numerology/score_parts.h"
#include "text/characters.h"
#include "text/gbk_literal.h"

namespace zeruda::numerology {

using namespace text::literals;

int soughtElementCount(const NameGrids& record, const ElementLookup& lookup) {
  if (record.soughtElements.size() < 2) return 0;
  std::string found;
  for (const auto* part : {&record.surnamePart, &record.givenPart}) {
    for (const auto& c : *part) {
      auto element = lookup(c.character);
      if (element.ok() && element.value()) found += *element.value();
    }
  }
  int count = 0;
  const std::string_view sought = record.soughtElements;
  for (std::size_t pos = 0; pos + 2 <= sought.size(); pos += 2) {
    if (text::findCharacterAware(found, sought.substr(pos, 2)) != std::string_view::npos) ++count;
  }
  return count;
}

long long roundHalfAway(double score) {
  double whole = std::floor(std::fabs(score));
  double fraction = std::fabs(score) - whole;
  long long magnitude = static_cast<long long>(whole) + (fraction + 1e-12 >= 0.5 ? 1 : 0);
  return score < 0 ? -magnitude : magnitude;
}

int starsForScore(double rounded) {
  constexpr double kTolerance = 1e-7;
  if (rounded - 7 > kTolerance) return 5;
  if (rounded - 6 > kTolerance) return 4;
  if (rounded - 5 > kTolerance) return 3;
  if (rounded - 4 > kTolerance) return 2;
  return 1;
}

Rating rateName(std::string_view body, double baseScore, const ElementLookup& lookup) {
  return rateNameInParts(body, baseScore, lookup).rating;
}

std::string starText(int stars) {
  std::string out;
  for (int i = 0; i < stars; ++i) out += "☆"_gbk;
  return out;
}

}  // namespace zeruda::numerology
