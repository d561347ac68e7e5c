#include "generation/request_checks.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace zeruda::generation {
namespace {

// The refusal of a check, or nothing when it passes.
std::optional<Error> refusalOf(const Check& check) {
  if (check) return std::nullopt;
  return check.failure();
}

using test::gbk;
using test::utf8;

CompanyForm filledForm() {
  CompanyForm form = defaultCompanyForm();
  form.surname = gbk("张");
  form.givenName = gbk("三");
  return form;
}

void want(CompanyForm& form, std::initializer_list<calendar::Element> elements) {
  for (auto element : elements) form.wantedElements.insert(element);
}

TEST(DefaultCompanyForm, OpensWithChengduTechnologyAndTwoCharacters) {
  const CompanyForm form = defaultCompanyForm();
  EXPECT_EQ(utf8(form.prefix), "成都");
  EXPECT_EQ(utf8(form.suffix), "科技有限公司");
  EXPECT_EQ(form.bodyLength, 2);
}

TEST(ElementCountCheck, MoreElementsThanCharactersAreRefused) {
  CompanyForm form = filledForm();
  want(form, {calendar::Element::Metal, calendar::Element::Water, calendar::Element::Fire});
  auto message = refusalOf(elementCountCheck(form));
  ASSERT_TRUE(message);
  EXPECT_EQ(utf8(message->message), "可包含五行个数超过中间字总个数，请重新选择！");
  EXPECT_EQ(message->icon, MessageIcon::None);
  EXPECT_EQ(message->caption, "");
  EXPECT_EQ(message->field, Field::None);
}

TEST(ElementCountCheck, AsManyElementsAsCharactersPass) {
  CompanyForm form = filledForm();
  want(form, {calendar::Element::Metal, calendar::Element::Water, calendar::Element::Fire});
  form.bodyLength = 3;
  EXPECT_FALSE(refusalOf(elementCountCheck(form)));
  form.bodyLength = 4;
  want(form, {calendar::Element::Wood, calendar::Element::Earth});
  EXPECT_TRUE(refusalOf(elementCountCheck(form)));
}

struct StageCase {
  const char* name;
  const char* surname;
  const char* givenName;
  const char* prefix;
  const char* suffix;
  bool shop;
  bool raw;
  const char* message;  // empty: the check passes
  Field focus;
};

CompanyForm formOf(const StageCase& c) {
  CompanyForm form = defaultCompanyForm();
  form.surname = gbk(c.surname);
  form.givenName = gbk(c.givenName);
  form.prefix = gbk(c.prefix);
  form.suffix = gbk(c.suffix);
  form.shopName = c.shop;
  form.takeAsTyped = c.raw;
  return form;
}

void expectStage(const StageCase& c, const std::optional<Error>& message) {
  if (*c.message == '\0') {
    EXPECT_FALSE(message) << c.name << ": " << utf8(message->message);
    return;
  }
  ASSERT_TRUE(message) << c.name;
  EXPECT_EQ(utf8(message->message), c.message) << c.name;
  EXPECT_EQ(utf8(message->caption), "系统提示") << c.name;
  EXPECT_EQ(message->icon, MessageIcon::Warning) << c.name;
  EXPECT_EQ(message->field, c.focus) << c.name;
}

TEST(FirstCheck, JudgesTheChinesePartOfEachField) {
  const StageCase cases[] = {
      {"all filled", "张", "三", "成都", "科技有限公司", false, false, "", Field::None},
      {"surname in Latin letters only", "Zhang", "三", "成都", "科技有限公司", false, false,
       "请填写公司法人姓,只可输入中文！", Field::LegalSurname},
      {"Latin surname taken as typed", "Zhang", "三", "成都", "科技有限公司", false, true, "",
       Field::None},
      {"given name of digits and blanks", "张", " 12 ", "成都", "科技有限公司", false, false,
       "请填写公司法人名,只可输入中文！", Field::LegalGivenName},
      {"empty prefix", "张", "三", "", "科技有限公司", false, false,
       "请填写公司名称的地域前缀,只可输入中文！没有地域前缀时勾选 [取店铺、品牌名]",
       Field::RegionPrefix},
      {"suffix in Latin letters", "张", "三", "成都", "ltd", false, false,
       "请填写公司名称的行业后缀,只可输入中文！没有行业后缀时勾选 [取店铺、品牌名]",
       Field::TradeSuffix},
      {"the surname is reported before the suffix", "", "三", "成都", "", false, false,
       "请填写公司法人姓,只可输入中文！", Field::LegalSurname},
      {"a shop passes with everything empty", "", "", "", "", true, false, "", Field::None},
  };
  for (const auto& c : cases) expectStage(c, refusalOf(firstCheck(formOf(c))));
}

TEST(SecondCheck, AlwaysWantsTheNameAndForCompaniesPrefixAndSuffix) {
  const StageCase cases[] = {
      {"all filled", "张", "三", "成都", "科技有限公司", false, false, "", Field::None},
      {"shop with an empty surname", "", "三", "", "", true, false, "请填写公司法人代表的姓氏！",
       Field::LegalSurname},
      {"shop with an empty given name", "张", "", "", "", true, false, "请填写公司法人代表的名字！",
       Field::LegalGivenName},
      {"shop without prefix and suffix", "张", "三", "", "", true, false, "", Field::None},
      {"company without prefix", "张", "三", "", "科技有限公司", false, false,
       "请填写公司名称的地域前缀！没有地域前缀时勾选 [取店铺、品牌名]", Field::RegionPrefix},
      {"company without suffix", "张", "三", "成都", "", false, false,
       "请填写公司所属行业！取店铺、品牌名时请勾选 [取店铺、品牌名]", Field::TradeSuffix},
  };
  for (const auto& c : cases) expectStage(c, refusalOf(secondCheck(formOf(c))));
}

TEST(FieldLimitCheck, RefusesControlCharactersAndOverlongFieldsNamingTheField) {
  const struct {
    const char* name;
    std::function<void(CompanyForm&)> change;
    const char* message;  // empty: passes
    Field field;
  } cases[] = {
      {"every field at its limit",
       [](CompanyForm& f) {
         f.surname = gbk("欧阳上官");
         f.givenName = gbk("一二三四");
         f.prefix = gbk("一二三四五六七八九十");
         f.suffix = gbk("一二三四五六七八九十一二三四五六七八九十");
         f.fixed = {gbk("华"), gbk("通")};
       },
       "", Field::None},
      {"a tab in the surname", [](CompanyForm& f) { f.surname = gbk("\t张"); },
       "法人姓不能含有制表符、换行符等控制字符！", Field::LegalSurname},
      {"an escape in the given name", [](CompanyForm& f) { f.givenName = gbk("三\x1b"); },
       "法人名不能含有制表符、换行符等控制字符！", Field::LegalGivenName},
      {"a surname of five", [](CompanyForm& f) { f.surname = gbk("一二三四五"); },
       "法人姓最多4个字！", Field::LegalSurname},
      {"a prefix of eleven", [](CompanyForm& f) { f.prefix = gbk("一二三四五六七八九十一"); },
       "地域前缀最多10个字！", Field::RegionPrefix},
      {"a suffix of twenty-one",
       [](CompanyForm& f) { f.suffix = gbk("一二三四五六七八九十一二三四五六七八九十一"); },
       "行业后缀最多20个字！", Field::TradeSuffix},
      {"two characters fixed in one place", [](CompanyForm& f) { f.fixed[1] = gbk("华通"); },
       "固定字2最多1个字！", Field::FixedCharacter2},
      {"a box beyond the body", [](CompanyForm& f) { f.fixed[2] = gbk("华通"); }, "", Field::None},
  };
  for (const auto& c : cases) {
    CompanyForm form = filledForm();
    c.change(form);
    const auto message = refusalOf(fieldLimitCheck(form));
    if (*c.message == '\0') {
      EXPECT_FALSE(message) << c.name;
      continue;
    }
    ASSERT_TRUE(message) << c.name;
    EXPECT_EQ(utf8(message->message), c.message) << c.name;
    EXPECT_EQ(message->field, c.field) << c.name;
    EXPECT_EQ(utf8(message->caption), "系统提示") << c.name;
  }
}

TEST(NormaliseTexts, KeepsOnlyTheChinesePartOfEveryTextBox) {
  CompanyForm form = filledForm();
  form.prefix = gbk("成都ab");
  form.suffix = gbk(" 科技 有限公司 ");
  form.surname = gbk("张 ");
  form.givenName = gbk("San三");
  form.fixed = {gbk("华1"), gbk("x"), gbk("　通"), ""};
  normaliseTexts(form);
  EXPECT_EQ(utf8(form.prefix), "成都");
  EXPECT_EQ(utf8(form.suffix), "科技有限公司");
  EXPECT_EQ(utf8(form.surname), "张");
  EXPECT_EQ(utf8(form.givenName), "三");
  EXPECT_EQ(utf8(form.fixed[0]), "华");
  EXPECT_EQ(form.fixed[1], "");
  EXPECT_EQ(utf8(form.fixed[2]), "　通");  // a full-width blank is not ASCII: it stays
}

TEST(NormaliseTexts, LeavesTextsAsTypedWhenAskedTo) {
  CompanyForm form = filledForm();
  form.takeAsTyped = true;
  form.prefix = gbk("成都ab");
  form.fixed[0] = "x";
  normaliseTexts(form);
  EXPECT_EQ(utf8(form.prefix), "成都ab");
  EXPECT_EQ(form.fixed[0], "x");
}

TEST(ChooseFavourableElements, ReplacesTheUsersChoiceByTheFavourableElements) {
  CompanyForm form = filledForm();
  want(form, {calendar::Element::Wood, calendar::Element::Fire});
  chooseFavourableElements(form, {calendar::Element::Metal, calendar::Element::Water});
  EXPECT_EQ(form.wantedElements, (ElementSet{calendar::Element::Water, calendar::Element::Metal}));
  chooseFavourableElements(form, {});
  EXPECT_EQ(form.wantedElements, (ElementSet{}));
}

TEST(AutoPickToggled, WarnsOnlyWhenTicked) {
  auto message = autoPickToggled(true);
  ASSERT_TRUE(message);
  EXPECT_EQ(utf8(message->text), "自动挑选功能启用后，生成名字速度会变慢！");
  EXPECT_EQ(utf8(message->caption), "系统提示");
  EXPECT_EQ(message->icon, MessageIcon::Warning);
  EXPECT_FALSE(autoPickToggled(false));
}

struct RunCheckCase {
  const char* name;
  int length;
  std::array<const char*, 4> fixed;
  std::array<bool, 5> required;  // 金 木 水 火 土
  const char* refusal;           // "" when the run may start
};

class RunCheck : public testing::TestWithParam<RunCheckCase> {};

// 华 is of 水 and 通 of 火 in the element lists of name books.
TEST_P(RunCheck, RefusesARunNoBodyCouldPass) {
  const RunCheckCase& c = GetParam();
  EngineSettings settings;
  settings.bodyLength = c.length;
  for (std::size_t i = 0; i < 4; ++i) settings.fixed[i] = gbk(c.fixed[i]);
  for (std::size_t e = 0; e < c.required.size(); ++e) {
    if (c.required[e]) settings.required.insert(static_cast<calendar::Element>(e));
  }
  const auto message = refusalOf(runCheck(settings));
  EXPECT_EQ(message ? utf8(message->message) : "", c.refusal);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, RunCheck,
    testing::Values(
        RunCheckCase{"HuaFixedWithWoodAndFire",
                     2,
                     {"华", "", "", ""},
                     {false, true, false, true, false},
                     "包含五行的要求无法满足：除固定字外只剩1个字，却还需要包含2种五行。"},
        RunCheckCase{
            "HuaBringsItsOwnWater", 2, {"华", "", "", ""}, {false, true, true, false, false}, ""},
        RunCheckCase{"TwoFixedLeaveOnePlaceForTwo",
                     3,
                     {"华", "通", "", ""},
                     {true, true, false, true, false},
                     "包含五行的要求无法满足：除固定字外只剩1个字，却还需要包含2种五行。"},
        RunCheckCase{"ABoxBeyondTheBodyTakesNoPlace",
                     3,
                     {"", "", "", "华"},
                     {true, true, false, true, false},
                     ""},
        RunCheckCase{"NoPlaceLeft",
                     2,
                     {"华", "通", "木", ""},
                     {true, false, false, false, false},
                     "包含五行的要求无法满足：除固定字外只剩0个字，却还需要包含1种五行。"},
        RunCheckCase{
            "AsManyFixedAsCharacters",
            2,
            {"", "", "华", "通"},
            {false, false, false, false, false},
            "名字中间字个数与限定字个数一样了，软件将不生成名字，请减少限定字后，重新开始"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunCheck, TheElementRefusalWarnsAboutTheWantedElements) {
  EngineSettings settings;
  settings.fixed[0] = gbk("华");
  settings.required = {calendar::Element::Metal, calendar::Element::Wood};
  const auto message = refusalOf(runCheck(settings));
  ASSERT_TRUE(message);
  EXPECT_EQ(utf8(message->caption), "特别提示");
  EXPECT_EQ(message->icon, MessageIcon::Warning);
  EXPECT_EQ(message->field, Field::WantedElements);
}

}  // namespace
}  // namespace zeruda::generation
