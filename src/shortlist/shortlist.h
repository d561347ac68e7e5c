#pragma once

#include "numerology/grids.h"
#include "numerology/rating.h"
#include "numerology/score_parts.h"
#include "registration/finding.h"
#include "registration/name_parts.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zeruda::shortlist {

// What a rated body's score is made of (no sought elements for a company).
using ScoreParts = numerology::ScoreParts;

// One name of a shortlist, judged (texts GBK).
struct ScoredName {
  std::size_t inputIndex = 0;  // its place in the list as given, from 0
  std::string name;            // as given, spaces removed
  registration::NameParts parts;
  bool rated = false;  // only a body of 2 to 4 two-byte characters is rated
  int stars = 0;       // 1-5 when rated, 0 when not
  double score = 0;
  ScoreParts scoreParts;
  numerology::GridNumbers grids{};
  // The element of each body character from the character table; empty where the
  // table lacks the character or cannot be read (callers open it beforehand).
  std::vector<std::string> characterElements;
  std::vector<registration::Finding> findings;

  const std::string& body() const { return parts.body; }
  // Region, trade name, industry, form and branch part, as shown beside the name.
  registration::NameSplit split() const { return registration::splitOf(parts); }
};

// The names of a pasted or read text: one a line ("\r\n", "\n" or a lone "\r" ends
// one), spaces removed, empty lines left out.
std::vector<std::string> shortlistNames(std::string_view gbk);

// The name one line gives (spaces removed; empty for a blank line).
std::string shortlistName(std::string_view gbkLine);

// Whether a body can be rated: two to four two-byte characters.
bool isRateable(std::string_view body);

// Judges every name on the legal representative's base score: its body found
// between the longest known region and the longest known industry + form suffix,
// rated as `rateName` rates it, its grids, elements and registration findings.
// Usable names first: sorted by the most serious finding (none, 提示, 需审批, 不可用),
// then by stars and score, both descending, then input order.
std::vector<ScoredName> scoreShortlist(std::span<const std::string> names, double baseScore,
                                       const numerology::ElementLookup& elementOf);

// One name of a shortlist judged as scoreShortlist judges it; `index` is its place in
// the list.
ScoredName scoreName(std::size_t index, const std::string& name, double baseScore,
                     const numerology::ElementLookup& elementOf);

// How far a name's findings stand in the way of registering it: higher is better.
enum class Standing { Unusable, NeedsApproval, Note, Clear };

// The standing the most serious of these findings gives; Clear for none.
Standing standingOf(const std::vector<registration::Finding>& findings);

// What the order of a shortlist rests on.
struct RankKey {
  Standing standing = Standing::Clear;
  int stars = 0;
  double score = 0;
};
inline RankKey rankKey(const ScoredName& name) {
  return {standingOf(name.findings), name.stars, name.score};
}

// The input places in the order scoreShortlist gives their names. A list too long to
// keep every judged name in memory is ranked from these keys alone and each name
// judged again when its turn comes.
std::vector<std::size_t> rankOrder(std::span<const RankKey> keys);

// A score as the shortest decimal text that reads back as the same number (7, 6.5).
std::string scoreText(double score);

}  // namespace zeruda::shortlist
