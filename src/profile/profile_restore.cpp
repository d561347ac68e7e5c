#include "profile/profile_restore.h"

#include "dictionary/pinyin.h"
#include "profile/birth_text.h"
#include "text/gbk_literal.h"

namespace zeruda::profile {
namespace {

using namespace text::literals;

// A stored hour or minute, 0 when it is not one of the `count` values from 0.
int clockValue(std::string_view text, int count) {
  const int value = profileNumber(text);
  return value >= 0 && value < count ? value : 0;
}

std::string line(const std::string& label, std::string_view value) {
  return "\t" + label + std::string(value) + "\r\n";
}

}  // namespace

std::string chartSummaryText(const LegalPersonProfile& p) {
  std::string box = "\r\n\r\n\r\n\r\n     法人生辰八字信息\r\n\r\n"_gbk;
  box += line("公历："_gbk, p.solarBirth);
  box += line("农历："_gbk, p.lunarBirth);
  box += line("时辰："_gbk,
              p.hourBranch + "（"_gbk + std::string(dictionary::pinyinOf(p.hourBranch)) + "）"_gbk);
  box += line("属相："_gbk, p.zodiac);
  box += line("四柱："_gbk, p.pillars);
  box += line("八字："_gbk, p.eightCharacters);
  box += line("五行："_gbk, p.elements);
  box += line("纳音："_gbk, p.nayin);
  return box;
}

StartupRestore restoreOnStartup(const std::filesystem::path& profile) {
  LegalPersonProfile p = readLegalPersonProfile(profile);
  return {p.surname,
          p.givenName,
          p.regionPrefix,
          p.tradeSuffix,
          birthFromProfile(p.solarBirth),
          clockValue(p.hourText, 24),
          clockValue(p.minuteText, 60),
          chartSummaryText(p)};
}

EvaluationRestore restoreIntoEvaluation(const std::filesystem::path& profile) {
  LegalPersonProfile p = readLegalPersonProfile(profile);
  return {p.surname,
          p.givenName,
          p.regionPrefix,
          p.tradeSuffix,
          birthFromProfile(p.solarBirth),
          clockValue(p.hourText, 24),
          clockValue(p.minuteText, 60)};
}

}  // namespace zeruda::profile
