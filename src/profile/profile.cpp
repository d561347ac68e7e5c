#include "profile/profile.h"

#include "storage/ini_file.h"
#include "text/characters.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

#include <array>
#include <climits>

namespace zeruda::profile {
namespace {

using namespace text::literals;

template <typename Record>
struct KeyField {
  std::string_view key;  // UTF-8 here, GBK in the file
  std::string Record::*member;
};

// The keys of "法人资料" in the order they are written; "吉数" is always last.
constexpr std::array<KeyField<LegalPersonProfile>, 17> kLegalPersonFields = {{
    {"法人姓", &LegalPersonProfile::surname},
    {"法人名", &LegalPersonProfile::givenName},
    {"公司地域前缀", &LegalPersonProfile::regionPrefix},
    {"公司后缀", &LegalPersonProfile::tradeSuffix},
    {"公历", &LegalPersonProfile::solarBirth},
    {"农历", &LegalPersonProfile::lunarBirth},
    {"法人时", &LegalPersonProfile::hourText},
    {"法人分", &LegalPersonProfile::minuteText},
    {"时辰", &LegalPersonProfile::hourBranch},
    {"属相", &LegalPersonProfile::zodiac},
    {"四柱", &LegalPersonProfile::pillars},
    {"八字", &LegalPersonProfile::eightCharacters},
    {"五行", &LegalPersonProfile::elements},
    {"纳音", &LegalPersonProfile::nayin},
    {"喜用神", &LegalPersonProfile::favourable},
    {"五行缺失", &LegalPersonProfile::missingElements},
    {"吉数", &LegalPersonProfile::baseScore},
}};

// The keys of "先天八字" in the order they are written; "吉数" is always last.
constexpr std::array<KeyField<PersonalChartProfile>, 12> kPersonalChartFields = {{
    {"姓氏", &PersonalChartProfile::surname},
    {"性别", &PersonalChartProfile::gender},
    {"公历", &PersonalChartProfile::solarBirth},
    {"农历", &PersonalChartProfile::lunarBirth},
    {"时辰", &PersonalChartProfile::hourBranch},
    {"属相", &PersonalChartProfile::zodiac},
    {"四柱", &PersonalChartProfile::pillars},
    {"八字", &PersonalChartProfile::eightCharacters},
    {"五行", &PersonalChartProfile::elements},
    {"纳音", &PersonalChartProfile::nayin},
    {"喜用神", &PersonalChartProfile::favourable},
    {"吉数", &PersonalChartProfile::baseScore},
}};

template <typename Fields>
std::vector<std::string> gbkKeys(const Fields& fields) {
  std::vector<std::string> keys;
  for (const auto& field : fields) keys.push_back(text::toGbk(field.key));
  return keys;
}

std::size_t characterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); i += text::charLength(text, i)) ++count;
  return count;
}

// Writes every key but the last in order, then "吉数" from the value that the
// file will give back for `missingKey` (what a reader gets, after trimming and
// the length limit), all in one replacement of the file.
template <typename Record, typename Fields>
Result<Done> writeSection(const std::filesystem::path& file, const std::string& section,
                          const Fields& fields, const Record& record, std::string_view missingKey) {
  return storage::updateIniFile(file, [&](storage::IniDocument& document) -> Result<Done> {
    for (std::size_t i = 0; i + 1 < fields.size(); ++i) {
      auto written = document.set(section, text::toGbk(fields[i].key), record.*fields[i].member);
      if (!written.ok()) return written;
    }
    const std::string missing = document.get(section, text::toGbk(missingKey));
    return document.set(section, text::toGbk(fields.back().key),
                        std::to_string(baseScoreOf(missing)));
  });
}

template <typename Record, typename Fields>
Record readSection(const std::filesystem::path& file, const std::string& section,
                   const Fields& fields) {
  storage::IniDocument document = storage::loadIniFile(file);
  Record record;
  for (const auto& field : fields) {
    record.*field.member = document.get(section, text::toGbk(field.key));
  }
  return record;
}

}  // namespace

const std::string& legalPersonSection() { return "法人资料"_gbk; }
const std::string& personalChartSection() { return "先天八字"_gbk; }

const std::vector<std::string>& legalPersonKeys() {
  static const std::vector<std::string> keys = gbkKeys(kLegalPersonFields);
  return keys;
}

const std::vector<std::string>& personalChartKeys() {
  static const std::vector<std::string> keys = gbkKeys(kPersonalChartFields);
  return keys;
}

Result<Done> writeLegalPersonProfile(const std::filesystem::path& file,
                                     const LegalPersonProfile& profile) {
  return writeSection(file, legalPersonSection(), kLegalPersonFields, profile, "五行缺失");
}

Result<Done> writePersonalChartProfile(const std::filesystem::path& file,
                                       const PersonalChartProfile& profile) {
  return writeSection(file, personalChartSection(), kPersonalChartFields, profile, "喜用神");
}

LegalPersonProfile readLegalPersonProfile(const std::filesystem::path& file) {
  return readSection<LegalPersonProfile>(file, legalPersonSection(), kLegalPersonFields);
}

PersonalChartProfile readPersonalChartProfile(const std::filesystem::path& file) {
  return readSection<PersonalChartProfile>(file, personalChartSection(), kPersonalChartFields);
}

int baseScoreOf(std::string_view missingElements) {
  return 5 - static_cast<int>(characterCount(missingElements));
}

int profileNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) value = INT_MAX;  // clamped rather than wrapped
  }
  return static_cast<int>(negative ? -value : value);
}

int profileBaseScore(std::string_view text) {
  const int value = profileNumber(text);
  return value >= 0 && value <= kHighestBaseScore ? value : 0;
}

}  // namespace zeruda::profile
