#include "personal/person_chart.h"

#include "calendar/lunar.h"
#include "calendar/lunar_names.h"
#include "chart/element_strength.h"
#include "text/gbk_literal.h"

namespace zeruda::personal {

using namespace text::literals;

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
  profile.hourBranch = calendar::hourBranchText(chart.pillars);
  profile.zodiac = chart.zodiacAnimal;
  profile.pillars = calendar::pillarsWithUnits(chart.pillars);
  profile.eightCharacters = calendar::eightCharacters(chart.pillars);
  profile.elements = chart.pillarElements;
  const auto nayin = chart::chartNayin(chart);
  profile.nayin = nayin[0] + "；"_gbk + nayin[1] + "；"_gbk + nayin[2] + "；"_gbk + nayin[3];
  profile.favourable = chart.missingElements.text();
  return profile;
}

}  // namespace zeruda::personal
