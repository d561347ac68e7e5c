#include "actions/field_names.h"

#include "text/characters.h"
#include "text/gbk.h"

namespace zeruda::actions {
namespace {

// A switch without a default: a field added to the enumeration without a name here
// fails to compile.
const char* utf8Name(Field field) {
  switch (field) {
    case Field::None:
      return "";
    case Field::LegalSurname:
      return "法人姓";
    case Field::LegalGivenName:
      return "法人名";
    case Field::RegionPrefix:
      return "地域前缀";
    case Field::TradeSuffix:
      return "行业后缀";
    case Field::FixedCharacter1:
      return "固定字1";
    case Field::FixedCharacter2:
      return "固定字2";
    case Field::FixedCharacter3:
      return "固定字3";
    case Field::FixedCharacter4:
      return "固定字4";
    case Field::WantedElements:
      return "包含五行";
    case Field::NameBody:
      return "名字主体";
    case Field::PersonSurname:
      return "姓氏";
    case Field::PersonFixedCharacter:
      return "固定字";
    case Field::PersonGivenName:
      return "名字";
    case Field::LookupCharacter:
      return "要查的字";
    case Field::ShortlistNames:
      return "名单";
    case Field::BirthDate:
      return "出生日期";
    case Field::BirthTime:
      return "出生时间";
    case Field::BodyLength:
      return "中间字数";
    case Field::MinimumStars:
      return "最低星级";
    case Field::NameCount:
      return "名字个数";
    case Field::Seed:
      return "随机种子";
    case Field::BaseScore:
      return "吉数";
    case Field::ReportPrefix:
      return "地域前缀";
    case Field::ReportSuffix:
      return "行业后缀";
    case Field::PersonGender:
      return "性别";
    case Field::GivenLength:
      return "名字字数";
    case Field::FixedPosition:
      return "固定字位置";
    case Field::StarLevel:
      return "星级";
    case Field::Day:
      return "日期";
    case Field::Time:
      return "时间";
    case Field::FromDate:
      return "起始日期";
    case Field::ToDate:
      return "结束日期";
    case Field::DayCount:
      return "天数";
    case Field::Activity:
      return "事项";
    case Field::Month:
      return "月份";
    case Field::Year:
      return "年份";
    case Field::Characters:
      return "汉字";
    case Field::ExportRows:
      return "导出的行";
    case Field::ArticleId:
      return "文章";
    case Field::NamingRoad:
      return "取名方式";
  }
  return "";
}

// The page's names: lower_snake_case, stable, one for each field.
const char* keyOf(Field field) {
  switch (field) {
    case Field::None:
      return "";
    case Field::LegalSurname:
      return "legal_surname";
    case Field::LegalGivenName:
      return "legal_given_name";
    case Field::RegionPrefix:
      return "region_prefix";
    case Field::TradeSuffix:
      return "trade_suffix";
    case Field::FixedCharacter1:
      return "fixed_character_1";
    case Field::FixedCharacter2:
      return "fixed_character_2";
    case Field::FixedCharacter3:
      return "fixed_character_3";
    case Field::FixedCharacter4:
      return "fixed_character_4";
    case Field::WantedElements:
      return "wanted_elements";
    case Field::NameBody:
      return "name_body";
    case Field::PersonSurname:
      return "person_surname";
    case Field::PersonGivenName:
      return "person_given_name";
    case Field::PersonFixedCharacter:
      return "person_fixed_character";
    case Field::LookupCharacter:
      return "lookup_character";
    case Field::ShortlistNames:
      return "shortlist_names";
    case Field::BirthDate:
      return "birth_date";
    case Field::BirthTime:
      return "birth_time";
    case Field::BodyLength:
      return "body_length";
    case Field::MinimumStars:
      return "minimum_stars";
    case Field::NameCount:
      return "name_count";
    case Field::Seed:
      return "seed";
    case Field::BaseScore:
      return "base_score";
    case Field::ReportPrefix:
      return "report_prefix";
    case Field::ReportSuffix:
      return "report_suffix";
    case Field::PersonGender:
      return "person_gender";
    case Field::GivenLength:
      return "given_length";
    case Field::FixedPosition:
      return "fixed_position";
    case Field::StarLevel:
      return "star_level";
    case Field::Day:
      return "day";
    case Field::Time:
      return "time";
    case Field::FromDate:
      return "from_date";
    case Field::ToDate:
      return "to_date";
    case Field::DayCount:
      return "day_count";
    case Field::Activity:
      return "activity";
    case Field::Month:
      return "month";
    case Field::Year:
      return "year";
    case Field::Characters:
      return "characters";
    case Field::ExportRows:
      return "export_rows";
    case Field::ArticleId:
      return "article_id";
    case Field::NamingRoad:
      return "naming_road";
  }
  return "";
}

}  // namespace

std::string fieldName(Field field) { return text::toGbk(utf8Name(field)); }

std::string fieldKey(Field field) { return keyOf(field); }

std::string namedMessage(const Error& error) {
  const std::string name = fieldName(error.field);
  if (name.empty() || text::findCharacterAware(error.message, name) != std::string::npos) {
    return error.message;
  }
  return name + text::toGbk("：") + error.message;
}

}  // namespace zeruda::actions
