#include "chart/birth_chart.h"

#include "calendar/star_sign.h"

#include "calendar/ganzhi.h"
#include "calendar/nayin.h"
#include "calendar/pillars.h"
#include "text/gbk_literal.h"

namespace zeruda::chart {

using namespace calendar;
namespace {

using namespace text::literals;

// The elements of a pillar's stem and branch; none gives empty elements.
std::string pillarElementPair(Pair pillar) {
  if (!pillar.valid()) return {};
  return std::string(elementText(elementOf(pillar.stem()))) +
         std::string(elementText(elementOf(pillar.branch())));
}

}  // namespace

void fillChart(BirthChart& chart) {
  chart.pillars = fourPillars(chart.birthMoment);
  const FourPillars& p = chart.pillars;
  chart.pillarElements = pillarElementPair(p.year) + " " + pillarElementPair(p.month) + " " +
                         pillarElementPair(p.day) + " " + pillarElementPair(p.hour);
  chart.zodiacAnimal = zodiacAnimalOf(chart.birthMoment);
  chart.starSign = starSignOf(chart.birthMoment.date());
}

std::array<std::string, 4> chartNayin(const BirthChart& chart) {
  const FourPillars& p = chart.pillars;
  return {nayinOf(p.year), nayinOf(p.month), nayinOf(p.day), nayinOf(p.hour)};
}

}  // namespace zeruda::chart
