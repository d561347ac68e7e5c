#include "actions/inputs.h"
#include "actions/field_names.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::actions {
namespace {

using test::gbk;

// Every form a date box takes is read alike by every front end.
TEST(ReadDate, TakesEveryFormTheDateBoxesTake) {
  const calendar::Date expected{1985, 6, 15};
  for (const char* typed : {"1985-06-15", "1985-6-15", "1985/6/15", "1985.06.15", "19850615",
                            "1985年6月15日", "１９８５－０６－１５", " 1985-06-15 "}) {
    const auto date = readDate(gbk(typed), Field::BirthDate);
    ASSERT_TRUE(date.ok()) << typed << ": " << date.error();
    EXPECT_EQ(date.value(), expected) << typed;
  }
}

struct RefusedInput {
  const char* name;
  Result<Done> (*check)();
  const char* message;
  Field field;
};

Result<Done> done(const auto& result) {
  if (!result.ok()) return result.failure();
  return Done{};
}

// Each refusal names its field as the user knows it, and carries the field.
TEST(Inputs, RefuseNamingTheirField) {
  const RefusedInput cases[] = {
      {"blank date", [] { return done(readDate(" ", Field::FromDate)); }, "起始日期不能为空",
       Field::FromDate},
      {"lunar leap mark", [] { return done(readDate(gbk("2023年闰2月10日"), Field::Day)); },
       "日期：公历没有闰月", Field::Day},
      {"minute 60", [] { return done(readTime("12:60", Field::Time)); },
       "时间：没有这个时刻（00:00至23:59）", Field::Time},
      {"hour only", [] { return done(readTime("12", Field::BirthTime)); },
       "出生时间：请按时、分的次序输入时刻，如08:30", Field::BirthTime},
      {"a fraction", [] { return done(readNumber("2.5", Field::BodyLength, 2, 4)); },
       "中间字数应是整数", Field::BodyLength},
      {"past int", [] { return done(readNumber("99999999999", Field::NameCount, 1, 2001)); },
       "名字个数应在1到2001之间", Field::NameCount},
      {"missing", [] { return done(readNumber(std::nullopt, Field::GivenLength, 1, 3)); },
       "名字字数不能为空", Field::GivenLength},
      {"not GBK", [] { return done(gbkText("华\xF0\x9F\x98\x80", Field::NameBody)); },
       "名字主体中有GBK字符集以外的字符", Field::NameBody},
      {"a blank inside",
       [] { return done(requireDictionaryCharacters(gbk("华 为"), Field::NameBody)); },
       "名字主体中的“ ”不是字库里的汉字", Field::NameBody},
  };
  for (const RefusedInput& refused : cases) {
    const Result<Done> result = refused.check();
    ASSERT_FALSE(result.ok()) << refused.name;
    EXPECT_EQ(result.error(), gbk(refused.message)) << refused.name;
    EXPECT_EQ(result.failure().field, refused.field) << refused.name;
  }
}

TEST(ReadNumber, TakesFullWidthDigitsSignsAndBlanks) {
  EXPECT_EQ(readNumber(gbk("１２"), Field::NameCount, 1, 2001).value(), 12);
  EXPECT_EQ(readNumber(" +3 ", Field::BaseScore, 0, 5).value(), 3);
  EXPECT_FALSE(readOptionalNumber(" ", Field::Seed, 0, 9).value().has_value());
}

TEST(FieldNames, EveryFieldHasOneAndAMessageNamesItOnce) {
  for (int f = static_cast<int>(Field::LegalSurname); f <= static_cast<int>(Field::ArticleId);
       ++f) {
    EXPECT_FALSE(fieldName(static_cast<Field>(f)).empty()) << f;
  }
  EXPECT_EQ(namedMessage({gbk("您未输入合法内容！"), Field::PersonSurname}),
            gbk("姓氏：您未输入合法内容！"));
  EXPECT_EQ(namedMessage({gbk("名字个数应是整数"), Field::NameCount}), gbk("名字个数应是整数"));
  EXPECT_EQ(namedMessage({gbk("复姓不可以使用三个字的名字！")}),
            gbk("复姓不可以使用三个字的名字！"));
}

}  // namespace
}  // namespace zeruda::actions
