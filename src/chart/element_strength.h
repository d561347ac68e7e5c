#pragma once

#include "calendar/date_time.h"
#include "calendar/element_set.h"
#include "calendar/ganzhi.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zeruda::chart {

// The five totals in Element order: 金 木 水 火 土.
using ElementTotals = std::array<float, calendar::kElementCount>;

// How strongly each element stands in a birth chart and what follows from it. Scores
// are single-precision as the scoring defines them; texts are GBK.
struct ElementStrength {
  ElementTotals scores{};
  std::string dayMaster;  // the day stem's element
  calendar::ElementSet sameKind;   // 同类: the day master and the element producing it, 金土
  calendar::ElementSet otherKind;  // 异类: the other three, e.g. 火木水
  float sameScore = 0;
  float otherScore = 0;
  float balance = 0;  // sameScore - otherScore
  std::string balanceText;
  std::string verdict;     // "八字过弱" … "八字过强"
  calendar::ElementSet favourable;  // one to three elements (喜用神)
  std::string sameDetail;
  std::string otherDetail;

  float score(calendar::Element element) const { return scores[static_cast<std::size_t>(element)]; }
};

// Scores the four pillars of the moment, weighted by the season of the month branch.
// Out of the calendar's span every total is 0 and the texts are empty.
ElementStrength elementStrength(const calendar::DateTime& birthMoment);

// The second half of elementStrength: kinds, balance, verdict and favourable elements
// from the five totals and the day stem (nullopt when there is no day pillar).
ElementStrength judgeTotals(const ElementTotals& totals, std::optional<calendar::Stem> dayStem);

// A score as the reports write it: the value widened to double, "%.6g".
std::string scoreText(float score);

// The elements absent from a chart's element text, in the order 木 火 土 金 水;
// empty when none is missing. Only the first eight characters count, spaces aside.
calendar::ElementSet missingElementsOf(std::string_view elements);

}  // namespace zeruda::chart
