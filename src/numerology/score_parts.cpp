#include "numerology/score_parts.h"

#include "numerology/number_luck.h"

namespace zeruda::numerology {

double ScoreParts::sum() const {
  double total = base + talents + elements;
  for (double luck : grids) total += luck;
  return total;
}

ScoreParts scorePartsOf(const NameGrids& record, double baseScore, const ElementLookup& lookup) {
  ScoreParts parts;
  parts.base = baseScore;
  parts.talents = threeTalentsLuck(threeTalents(record.grids));
  for (std::size_t k = 0; k < parts.grids.size(); ++k) parts.grids[k] = numberLuck(record.grids[k]);
  parts.elements = soughtElementCount(record, lookup);
  return parts;
}

PartedRating rateNameInParts(std::string_view body, double baseScore, const ElementLookup& lookup) {
  PartedRating rated;
  Rating& rating = rated.rating;
  loadNameParts(rating.record, body);
  rating.record.grids = computeGrids(rating.record.surnamePart, rating.record.givenPart);
  rated.parts = scorePartsOf(rating.record, baseScore, lookup);
  double score = rated.parts.base + rated.parts.talents;
  for (const double luck : rated.parts.grids) score += luck;
  score += rated.parts.elements;
  rating.score = score;
  rating.stars = starsForScore(static_cast<double>(roundHalfAway(score)));
  return rated;
}

std::optional<int> starThreshold(int stars) {
  // starsForScore: above 4 two stars, above 5 three, above 6 four, above 7 five.
  if (stars < 2 || stars > 5) return std::nullopt;
  return stars + 2;
}

}  // namespace zeruda::numerology
