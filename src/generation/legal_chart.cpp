#include "generation/legal_chart.h"

#include "calendar/lunar.h"
#include "calendar/lunar_names.h"
#include "chart/birth_chart.h"
#include "chart/element_strength.h"
#include "dictionary/pinyin.h"
#include "text/gbk_literal.h"

namespace zeruda::generation {

using namespace text::literals;

std::string LegalChart::hourBranch() const { return calendar::hourBranchText(pillars); }

std::string LegalChart::eightCharacters() const { return calendar::eightCharacters(pillars); }

LegalChart computeLegalChart(const CompanyForm& form) {
  chart::BirthChart birth;
  birth.birthMoment = form.birthMoment;
  chart::fillChart(birth);

  LegalChart chart;
  chart.birthMoment = birth.birthMoment;
  if (const auto lunar = calendar::solarToLunar(form.birthMoment.date())) {
    chart.lunarText = calendar::lunarText(*lunar, calendar::LeapMarker::Show);
  }
  chart.pillars = birth.pillars;
  chart.zodiac = birth.zodiacAnimal;
  chart.starSign = birth.starSign;
  chart.elements = birth.pillarElements;
  chart.missingElements = chart::missingElementsOf(birth.pillarElements);
  const auto nayin = chart::chartNayin(birth);
  chart.nayin = nayin[0] + "；"_gbk + nayin[1] + "；"_gbk + nayin[2] + "；"_gbk + nayin[3];
  chart.favourable = chart::elementStrength(birth.birthMoment).favourable.text();
  return chart;
}

profile::LegalPersonProfile legalPersonProfileOf(const CompanyForm& form, const LegalChart& chart) {
  profile::LegalPersonProfile profile;
  profile.surname = form.surname;
  profile.givenName = form.givenName;
  profile.regionPrefix = form.prefix;
  profile.tradeSuffix = form.suffix;
  profile.solarBirth = calendar::dateTimeText(chart.birthMoment);
  profile.lunarBirth = chart.lunarText;
  profile.hourText = std::to_string(form.birthMoment.hour);
  profile.minuteText = std::to_string(form.birthMoment.minute);
  profile.hourBranch = chart.hourBranch();
  profile.zodiac = chart.zodiac;
  profile.pillars = calendar::pillarsWithUnits(chart.pillars);
  profile.eightCharacters = chart.eightCharacters();
  profile.elements = chart.elements;
  profile.nayin = chart.nayin;
  profile.favourable = chart.favourable;
  profile.missingElements = chart.missingElements.text();
  return profile;
}

std::string chartSummary(const LegalChart& chart, std::string_view storedNayin) {
  const std::string year = chart.pillars.year.text();
  const std::string month = chart.pillars.month.text();
  const std::string day = chart.pillars.day.text();
  const std::string hour = chart.pillars.hour.text();
  const std::string branch = chart.hourBranch();
  std::string out = "法人生辰八字信息\r\n\r\n"_gbk;
  auto line = [&](const std::string& label, const std::string& value) {
    out += '\t';
    out += label;
    out += value;
    out += "\r\n";
  };
  line("农历："_gbk, chart.lunarText + "　时辰："_gbk + branch + "（"_gbk +
                         std::string(dictionary::pinyinOf(branch)) + "）"_gbk);
  line("属相："_gbk, chart.zodiac);
  line("星座："_gbk, chart.starSign);
  line("四柱："_gbk, year + "年，"_gbk + month + "月，"_gbk + day + "日，"_gbk + hour + "时"_gbk);
  line("八字："_gbk, year + " " + month + " " + day + " " + hour);
  line("五行："_gbk, chart.elements);
  line("纳音："_gbk, std::string(storedNayin));
  return out;
}

}  // namespace zeruda::generation
