// Kinds, balance, verdict and favourable elements: the judging half of the element
// strength, kept apart from the scoring tables.
#include "chart/element_strength.h"

#include "text/gbk_literal.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace zeruda::chart {

using namespace calendar;
namespace {

using namespace text::literals;
using E = Element;

// How a day master divides and weighs the five elements. Several orders differ from
// the order the kind texts are written in; each is kept as the scoring has it, since
// float sums and tie-breaks depend on the order.
struct KindRule {
  std::array<Element, 2> sameText;     // 同类 as written: the master first
  std::array<Element, 3> otherText;    // 异类 as written
  std::array<Element, 2> sameSum;      // summation order, also the same-kind line's order
  std::array<Element, 3> otherSum;     // summation order
  std::array<Element, 3> otherDetail;  // order of the other-kind line
  std::array<Element, 3> lowOther;     // strong chart: low other-kind elements in this order
  std::array<Element, 3> tieOther;     // strong chart, none low: the weakest, ties in this order
  std::array<Element, 2> lowSame;      // weak chart: low same-kind elements in this order
  std::array<Element, 2> pair;         // the pair rule's p and q
};

// Indexed by the day master's element, in Element order 金 木 水 火 土.
constexpr std::array<KindRule, kElementCount> kKindRules = {{
    /* 金 */ {{E::Metal, E::Earth},
              {E::Fire, E::Wood, E::Water},
              {E::Metal, E::Earth},
              {E::Fire, E::Wood, E::Water},
              {E::Fire, E::Wood, E::Water},
              {E::Fire, E::Wood, E::Water},
              {E::Wood, E::Water, E::Fire},
              {E::Metal, E::Earth},
              {E::Metal, E::Earth}},
    /* 木 */
    {{E::Wood, E::Water},
     {E::Metal, E::Earth, E::Fire},
     {E::Wood, E::Water},
     {E::Fire, E::Metal, E::Earth},
     {E::Fire, E::Metal, E::Earth},
     {E::Metal, E::Earth, E::Fire},
     {E::Metal, E::Fire, E::Earth},
     {E::Wood, E::Water},
     {E::Wood, E::Water}},
    /* 水 */
    {{E::Water, E::Metal},
     {E::Earth, E::Fire, E::Wood},
     {E::Water, E::Metal},
     {E::Wood, E::Fire, E::Earth},
     {E::Wood, E::Fire, E::Earth},
     {E::Earth, E::Wood, E::Fire},
     {E::Wood, E::Fire, E::Earth},
     {E::Water, E::Metal},
     {E::Metal, E::Water}},
    /* 火 */
    {{E::Fire, E::Wood},
     {E::Water, E::Metal, E::Earth},
     {E::Wood, E::Fire},
     {E::Water, E::Metal, E::Earth},
     {E::Water, E::Metal, E::Earth},
     {E::Water, E::Metal, E::Earth},
     {E::Metal, E::Water, E::Earth},
     {E::Fire, E::Wood},
     {E::Wood, E::Fire}},
    /* 土 */
    {{E::Earth, E::Fire},
     {E::Wood, E::Water, E::Metal},
     {E::Earth, E::Fire},
     {E::Water, E::Metal, E::Wood},
     {E::Wood, E::Water, E::Metal},
     {E::Wood, E::Water, E::Metal},
     {E::Metal, E::Wood, E::Water},
     {E::Earth, E::Fire},
     {E::Earth, E::Fire}},
}};

// Score comparisons allow for float noise.
constexpr double kTolerance = 1e-7;
bool above(double x, double t) { return x - t > kTolerance; }
bool below(double x, double t) { return x - t < -kTolerance; }
bool isLow(float total) { return below(total, 0.5); }

float total(const ElementTotals& totals, Element e) { return totals[static_cast<std::size_t>(e)]; }

// A single-precision sum in the given order, each step done in double.
float sumOf(const ElementTotals& totals, std::span<const Element> order) {
  float sum = 0;
  for (Element e : order) {
    sum = static_cast<float>(static_cast<double>(sum) + static_cast<double>(total(totals, e)));
  }
  return sum;
}

// "金 1.2，土 3.4， 共计 4.6 分" and "火 1，木 2， 水 3， 共计 6 分".
std::string detailLine(const ElementTotals& totals, std::span<const Element> order, float sum) {
  std::string out;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (i == 1) out += "，"_gbk;
    if (i == 2) out += "， "_gbk;
    out += std::string(elementText(order[i])) + " " + scoreText(total(totals, order[i]));
  }
  return out + "， 共计 "_gbk + scoreText(sum) + " 分"_gbk;
}

std::string verdictOf(double balance) {
  if (!above(balance, -2)) return "八字过弱"_gbk;
  if (!above(balance, -0.5)) return "八字偏弱"_gbk;
  if (below(balance, 0)) return "八字基本平衡"_gbk;
  if (!above(balance, 0)) return "八字平衡"_gbk;
  if (!above(balance, 0.5)) return "八字基本平衡"_gbk;
  if (!above(balance, 2)) return "八字偏强"_gbk;
  return "八字过强"_gbk;
}

// The lower of the pair, or both when they are exactly equal.
ElementSet pairRule(const ElementTotals& totals, const KindRule& rule) {
  const float p = total(totals, rule.pair[0]);
  const float q = total(totals, rule.pair[1]);
  if (p > q) return {rule.pair[1]};
  if (p < q) return {rule.pair[0]};
  return ElementSet(rule.pair);
}

ElementSet lowElements(const ElementTotals& totals, std::span<const Element> order) {
  ElementSet low;
  for (Element e : order) {
    if (isLow(total(totals, e))) low.insert(e);
  }
  return low;
}

ElementSet favourableOf(const ElementTotals& totals, const KindRule& rule, double balance) {
  if (above(balance, 0)) {
    ElementSet low = lowElements(totals, rule.lowOther);
    if (!low.empty()) return low;
    float weakest = total(totals, rule.tieOther[0]);
    for (Element e : rule.tieOther) weakest = std::min(weakest, total(totals, e));
    for (Element e : rule.tieOther) {
      if (total(totals, e) == weakest) return {e};
    }
  }
  if (below(balance, 0)) {
    ElementSet low = lowElements(totals, rule.lowSame);
    if (!low.empty()) return low;
  }
  return pairRule(totals, rule);
}

}  // namespace

ElementStrength judgeTotals(const ElementTotals& totals, std::optional<Stem> dayStem) {
  ElementStrength result;
  result.scores = totals;
  result.balanceText = scoreText(result.balance);
  if (!dayStem) return result;

  const Element master = elementOf(*dayStem);
  const KindRule& rule = kKindRules[static_cast<std::size_t>(master)];
  result.dayMaster = elementText(master);
  result.sameKind = ElementSet(rule.sameText);
  result.otherKind = ElementSet(rule.otherText);
  result.sameScore = sumOf(totals, rule.sameSum);
  result.otherScore = sumOf(totals, rule.otherSum);
  result.balance = static_cast<float>(static_cast<double>(result.sameScore) -
                                      static_cast<double>(result.otherScore));
  result.balanceText = scoreText(result.balance);
  result.verdict = verdictOf(result.balance);
  result.favourable = favourableOf(totals, rule, result.balance);
  result.sameDetail = detailLine(totals, rule.sameSum, result.sameScore);
  result.otherDetail = detailLine(totals, rule.otherDetail, result.otherScore);
  return result;
}

}  // namespace zeruda::chart
