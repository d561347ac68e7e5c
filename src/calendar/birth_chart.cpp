#include "calendar/birth_chart.h"

#include "calendar/ganzhi.h"
#include "calendar/nayin.h"
#include "calendar/pillars.h"
#include "text/gbk_literal.h"

namespace zeruda::calendar {
namespace {

using namespace text::literals;

// The elements of a pillar's two characters; empty characters give empty elements.
std::string pillarElementPair(std::string_view pillar) {
  if (pillar.size() < 4) return {};
  return stemBranchElement(pillar.substr(0, 2)) + stemBranchElement(pillar.substr(2, 2));
}

struct StarSignBound {
  int lastDay;  // month × 100 + day of the sign's last day
  std::string_view name;
};

// The Western signs with the closing day of each, by the usual tropical dates.
constexpr std::array<StarSignBound, 12> kStarSignBounds = {{
    {119, "摩羯座"},
    {218, "水瓶座"},
    {320, "双鱼座"},
    {419, "白羊座"},
    {520, "金牛座"},
    {621, "双子座"},
    {722, "巨蟹座"},
    {822, "狮子座"},
    {922, "处女座"},
    {1023, "天秤座"},
    {1122, "天蝎座"},
    {1221, "射手座"},
}};

}  // namespace

std::string stemBranchElement(std::string_view character) {
  if (auto stem = stemFromText(character)) return std::string(elementText(elementOf(*stem)));
  if (auto branch = branchFromText(character)) {
    return std::string(elementText(elementOf(*branch)));
  }
  return {};
}

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

std::string starSignOf(Date date) {
  const int n = date.month * 100 + date.day;
  for (const auto& bound : kStarSignBounds) {
    if (n <= bound.lastDay) return text::toGbk(bound.name);
  }
  return "摩羯座"_gbk;  // from 22 December on
}

std::string lunarText(const LunarDate& lunar, LeapMarker marker) {
  return std::to_string(lunar.year) + "年"_gbk +
         (marker == LeapMarker::Show && lunar.leap ? "闰"_gbk : std::string()) +
         std::to_string(lunar.month) + "月"_gbk + std::to_string(lunar.day) + "日"_gbk;
}

}  // namespace zeruda::calendar
