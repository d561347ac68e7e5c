#pragma once

#include "profile/profile.h"
#include "support/text_support.h"

namespace zeruda::test {

// The legal representative the tests save, as a generation request saves him:
// 王建国, born 1985-06-15 at 8:30 (lunar 1985-4-27), for a company 成都…科技有限公司.
// His chart lacks no element, so the file gives 吉数 5; a test that wants another
// base score sets missingElements.
inline profile::LegalPersonProfile sampleLegalPerson() {
  profile::LegalPersonProfile saved;
  saved.surname = gbk("王");
  saved.givenName = gbk("建国");
  saved.regionPrefix = gbk("成都");
  saved.tradeSuffix = gbk("科技有限公司");
  saved.solarBirth = gbk("1985年6月15日8时30分");
  saved.lunarBirth = gbk("1985年4月27日");
  saved.hourText = "8";
  saved.minuteText = "30";
  saved.hourBranch = gbk("辰");
  saved.zodiac = gbk("牛");
  saved.pillars = gbk("乙丑年壬午月乙酉日庚辰时");
  saved.eightCharacters = gbk("乙丑壬午乙酉庚辰");
  saved.elements = gbk("木土 水火 木金 金土");
  saved.nayin = gbk("海中金；杨柳木；泉中水；白蜡金");
  saved.favourable = gbk("水");
  return saved;
}

}  // namespace zeruda::test
