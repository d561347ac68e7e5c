#include "shortlist/shortlist.h"

#include "numerology/number_luck.h"
#include "registration/name_check.h"
#include "text/characters.h"
#include "text/lines.h"
#include "text/number_text.h"

#include <algorithm>
#include <numeric>

namespace zeruda::shortlist {
namespace {

bool allTwoByte(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size(); pos += 2) {
    if (static_cast<unsigned char>(text[pos]) < 0x80 || pos + 1 >= text.size()) return false;
  }
  return true;
}

ScoreParts partsOf(const numerology::Rating& rating, double baseScore) {
  ScoreParts parts;
  parts.base = baseScore;
  parts.talents = numerology::threeTalentsLuck(numerology::threeTalents(rating.record.grids));
  for (std::size_t k = 0; k < parts.grids.size(); ++k) {
    parts.grids[k] = numerology::numberLuck(rating.record.grids[k]);
  }
  // What the rating adds beyond base, talents and grids: the sought elements.
  parts.elements = rating.score - parts.base - parts.talents;
  for (double luck : parts.grids) parts.elements -= luck;
  return parts;
}

// Standing, stars, then score, all descending; scores within 1e-7 of each other are
// equal.
bool ranksBefore(const RankKey& a, const RankKey& b) {
  if (a.standing != b.standing) return a.standing > b.standing;
  if (a.stars != b.stars) return a.stars > b.stars;
  return a.score - b.score > 1e-7;
}

}  // namespace

Standing standingOf(const std::vector<registration::Finding>& findings) {
  Standing worst = Standing::Clear;
  for (const registration::Finding& finding : findings) {
    const Standing standing = finding.level == registration::Level::Unusable ? Standing::Unusable
                              : finding.level == registration::Level::NeedsApproval
                                  ? Standing::NeedsApproval
                                  : Standing::Note;
    worst = std::min(worst, standing);
  }
  return worst;
}

std::vector<std::string> shortlistNames(std::string_view gbk) {
  std::vector<std::string> names;
  const auto take = [&](std::string_view line) {
    std::string name = shortlistName(line);
    if (!name.empty()) names.push_back(std::move(name));
  };
  text::forEachLine(gbk, [&](std::string_view line) {
    // A lone carriage return (the line end of old Mac text) ends a line too; no GBK
    // byte after a lead byte is one.
    for (std::size_t end = line.find('\r'); end != std::string_view::npos; end = line.find('\r')) {
      take(line.substr(0, end));
      line.remove_prefix(end + 1);
    }
    take(line);
  });
  return names;
}

std::string shortlistName(std::string_view gbkLine) {
  // Spaces first: a full-width space before a tab would otherwise keep the tab.
  return std::string(text::trimBlanks(text::removeSpaces(gbkLine)));
}

ScoredName scoreName(std::size_t index, const std::string& name, double baseScore,
                     const numerology::ElementLookup& elementOf) {
  ScoredName scored;
  scored.inputIndex = index;
  scored.name = name;
  scored.parts = registration::splitFullName(name);
  scored.findings = registration::checkName(scored.parts);
  if (!isRateable(scored.body())) return scored;
  const numerology::Rating rating = numerology::rateName(scored.body(), baseScore, elementOf);
  scored.rated = true;
  scored.stars = rating.stars;
  scored.score = rating.score;
  scored.scoreParts = partsOf(rating, baseScore);
  scored.grids = rating.record.grids;
  for (std::size_t pos = 0; pos < scored.body().size(); pos += 2) {
    auto element = elementOf(scored.body().substr(pos, 2));
    scored.characterElements.push_back(element.ok() ? element.value().value_or("") : "");
  }
  return scored;
}

bool isRateable(std::string_view body) {
  return body.size() >= 4 && body.size() <= 8 && body.size() % 2 == 0 && allTwoByte(body);
}

std::vector<ScoredName> scoreShortlist(std::span<const std::string> names, double baseScore,
                                       const numerology::ElementLookup& elementOf) {
  std::vector<ScoredName> scored;
  std::vector<RankKey> keys;
  scored.reserve(names.size());
  keys.reserve(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    scored.push_back(scoreName(i, names[i], baseScore, elementOf));
    keys.push_back(rankKey(scored.back()));
  }
  std::vector<ScoredName> sorted;
  sorted.reserve(scored.size());
  for (std::size_t index : rankOrder(keys)) sorted.push_back(std::move(scored[index]));
  return sorted;
}

// Sorting places, not the records: each record holds a dozen strings.
std::vector<std::size_t> rankOrder(std::span<const RankKey> keys) {
  std::vector<std::size_t> order(keys.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return ranksBefore(keys[a], keys[b]); });
  return order;
}

std::string scoreText(double score) { return text::shortestNumberText(score); }

}  // namespace zeruda::shortlist
