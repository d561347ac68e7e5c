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

// The elements of a pillar's two characters; empty characters give empty elements.
std::string pillarElementPair(std::string_view pillar) {
  if (pillar.size() < 4) return {};
  return stemBranchElement(pillar.substr(0, 2)) + stemBranchElement(pillar.substr(2, 2));
}

}  // namespace

void fillChart(BirthChart& chart) {
  FourPillars pillars = fourPillars(chart.birthMoment);
  chart.pillarElements = pillarElementPair(pillars.year) + " " + pillarElementPair(pillars.month) +
                         " " + pillarElementPair(pillars.day) + " " +
                         pillarElementPair(pillars.hour);
  chart.yearPillar = std::move(pillars.year);
  chart.monthPillar = std::move(pillars.month);
  chart.dayPillar = std::move(pillars.day);
  chart.hourPillar = std::move(pillars.hour);
  chart.zodiacAnimal = zodiacAnimalOf(chart.birthMoment);
  chart.starSign = starSignOf(chart.birthMoment.date());
}

std::array<std::string, 4> chartNayin(const BirthChart& chart) {
  return {nayinOf(chart.yearPillar), nayinOf(chart.monthPillar), nayinOf(chart.dayPillar),
          nayinOf(chart.hourPillar)};
}

}  // namespace zeruda::chart
