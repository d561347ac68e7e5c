#pragma once

#include "calendar/date_time.h"
#include "text/result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zeruda::profile {

// Section "法人资料": the legal representative as last entered for a company name,
// with the chart computed for that person. All values are GBK text, as stored.
struct LegalPersonProfile {
  std::string surname;          // 法人姓
  std::string givenName;        // 法人名
  std::string regionPrefix;     // 公司地域前缀
  std::string tradeSuffix;      // 公司后缀
  std::string solarBirth;       // 公历, in the form of calendar::dateTimeText
  std::string lunarBirth;       // 农历
  std::string hourText;         // 法人时, the hour item as shown ("0" … "23")
  std::string minuteText;       // 法人分, the minute item as shown ("0" … "59")
  std::string hourBranch;       // 时辰, the hour's earthly branch
  std::string zodiac;           // 属相
  std::string pillars;          // 四柱
  std::string eightCharacters;  // 八字
  std::string elements;         // 五行
  std::string nayin;            // 纳音
  std::string favourable;       // 喜用神
  std::string missingElements;  // 五行缺失
  // 吉数: when writing, always computed from what the file gives back for 五行缺失;
  // when reading, what the file holds.
  std::string baseScore;
};

// Section "先天八字": the chart of the person named on the personal-naming page.
struct PersonalChartProfile {
  std::string surname;          // 姓氏
  std::string gender;           // 性别
  std::string solarBirth;       // 公历
  std::string lunarBirth;       // 农历
  std::string hourBranch;       // 时辰
  std::string zodiac;           // 属相
  std::string pillars;          // 四柱
  std::string eightCharacters;  // 八字
  std::string elements;         // 五行
  std::string nayin;            // 纳音
  std::string favourable;       // 喜用神 (this chart's missing elements)
  std::string baseScore;        // 吉数, as for LegalPersonProfile
};

// Section names and their keys in the order they are written (GBK).
const std::string& legalPersonSection();
const std::string& personalChartSection();
const std::vector<std::string>& legalPersonKeys();
const std::vector<std::string>& personalChartKeys();

// Writes the whole section in one replacement of the file, keys in their order,
// "吉数" last. Other sections are left as they are.
Result<Done> writeLegalPersonProfile(const std::filesystem::path& file,
                                     const LegalPersonProfile& profile);
Result<Done> writePersonalChartProfile(const std::filesystem::path& file,
                                       const PersonalChartProfile& profile);

// Missing values read as empty texts.
LegalPersonProfile readLegalPersonProfile(const std::filesystem::path& file);
PersonalChartProfile readPersonalChartProfile(const std::filesystem::path& file);

// "吉数": 5 less the number of missing elements (a text of element characters).
int baseScoreOf(std::string_view missingElements);

// A profile value as a number, the way a form field converts its text: leading
// blanks, an optional sign and the digits that follow; 0 when there are none.
int profileNumber(std::string_view text);

// The highest base score a chart gives: five elements, none missing.
inline constexpr int kHighestBaseScore = 5;

// A stored "吉数" as the base of a rating: 0 to kHighestBaseScore as stored; a value
// outside that range is no base this program wrote, and reads as a missing one (0)
// rather than being carried into the ratings.
int profileBaseScore(std::string_view text);

}  // namespace zeruda::profile
