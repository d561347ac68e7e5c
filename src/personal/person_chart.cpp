#include "personal/person_chart.h"

#include "calendar/lunar.h"
#include "calendar/lunar_names.h"
#include "chart/element_strength.h"
#include "text/gbk_literal.h"

namespace zeruda::personal {

using namespace text::literals;

namespace {

std::string hourBranchOf(const chart::BirthChart& chart) {
  const std::string& hour = chart.hourPillar;
  return hour.size() >= 2 ? hour.substr(hour.size() - 2) : std::string();
}

}  // namespace

chart::BirthChart personChartOf(const PersonalForm& form) {
  chart::BirthChart chart;
  chart.birthMoment = form.birthMoment;
  if (const auto lunar = calendar::solarToLunar(form.birthMoment.date())) {
    chart.lunarText = calendar::lunarText(*lunar, calendar::LeapMarker::Show);
  }
  chart::fillChart(chart);
  chart.genderText = genderText(form.gender);
  chart.missingElements = chart::missingElementsOf(chart.pillarElements);
  return chart;
}

profile::PersonalChartProfile personalChartProfileOf(const chart::BirthChart& chart,
                                                     std::string_view surname) {
  profile::PersonalChartProfile profile;
  profile.surname = std::string(surname);
  profile.gender = chart.genderText;
  profile.solarBirth = calendar::dateTimeText(chart.birthMoment);
  profile.lunarBirth = chart.lunarText;
  profile.hourBranch = hourBranchOf(chart);
  profile.zodiac = chart.zodiacAnimal;
  profile.pillars = chart.yearPillar + "年"_gbk + chart.monthPillar + "月"_gbk + chart.dayPillar +
                    "日"_gbk + chart.hourPillar + "时"_gbk;
  profile.eightCharacters =
      chart.yearPillar + chart.monthPillar + chart.dayPillar + chart.hourPillar;
  profile.elements = chart.pillarElements;
  const auto nayin = chart::chartNayin(chart);
  profile.nayin = nayin[0] + "；"_gbk + nayin[1] + "；"_gbk + nayin[2] + "；"_gbk + nayin[3];
  profile.favourable = chart.missingElements.text();
  return profile;
}

}  // namespace zeruda::personal
