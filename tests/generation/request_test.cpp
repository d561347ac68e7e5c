#include "generation/request.h"

#include "chart/element_strength.h"
#include "profile/profile.h"
#include "support/program_sandbox.h"
#include "support/text_support.h"

#include <gtest/gtest.h>
#include <filesystem>

namespace zeruda::generation {
namespace {

using test::gbk;
using test::utf8;

// 张三, born 1985-06-15 at 8:30: pillars 乙丑 壬午 乙酉 庚辰 (the day by its
// sixty-day count, the month after 芒种, the hour 辰 from an 乙 day), lunar date
// 1985-4-27.
CompanyForm zhangSan() {
  CompanyForm form = defaultCompanyForm();
  form.surname = gbk("张");
  form.givenName = gbk("三");
  form.birthMoment = {1985, 6, 15, 8, 30, 0};
  return form;
}

class GenerationRequest : public testing::Test {
 protected:
  RequestOutcome request(CompanyForm form) {
    return runGenerationRequest(std::move(form), sandbox_.session().tables(), profileFile());
  }
  std::filesystem::path profileFile() { return sandbox_.session().profile().path(); }
  bool profileWritten() { return std::filesystem::exists(profileFile()); }

  test::ProgramSandbox sandbox_;
};

TEST_F(GenerationRequest, APassingRequestWritesTheProfileAndSaysHowToStart) {
  const RequestOutcome outcome = request(zhangSan());
  ASSERT_TRUE(outcome.start.ok()) << utf8(outcome.start.error());
  ASSERT_TRUE(outcome.start.ok());
  EXPECT_EQ(utf8(outcome.start.value().chartSummary),
            "法人生辰八字信息\r\n\r\n"
            "\t农历：1985年4月27日　时辰：辰（chen）\r\n"
            "\t属相：牛\r\n"
            "\t星座：双子座\r\n"
            "\t四柱：乙丑年，壬午月，乙酉日，庚辰时\r\n"
            "\t八字：乙丑 壬午 乙酉 庚辰\r\n"
            "\t五行：木土 水火 木金 金土\r\n"
            "\t纳音：海中金；杨柳木；泉中水；白蜡金\r\n");
  EXPECT_EQ(utf8(outcome.start.value().waitMessage.text),
            "正在生成名字，请稍侯.......点击确定后，将停止生成名字");
  EXPECT_EQ(utf8(outcome.start.value().waitMessage.caption), "特别提示");
  EXPECT_EQ(outcome.start.value().waitMessage.icon, MessageIcon::Information);
  EXPECT_EQ(outcome.start.value().settings.bodyLength, 2);
  EXPECT_EQ(utf8(outcome.start.value().settings.prefix), "成都");
}

TEST_F(GenerationRequest, TheProfileHoldsTheChartAndTheBaseScore) {
  ASSERT_TRUE(request(zhangSan()).start.ok());
  const profile::LegalPersonProfile stored = profile::readLegalPersonProfile(profileFile());
  EXPECT_EQ(utf8(stored.surname), "张");
  EXPECT_EQ(utf8(stored.givenName), "三");
  EXPECT_EQ(utf8(stored.regionPrefix), "成都");
  EXPECT_EQ(utf8(stored.tradeSuffix), "科技有限公司");
  EXPECT_EQ(utf8(stored.solarBirth), "1985年6月15日8时30分");
  EXPECT_EQ(utf8(stored.lunarBirth), "1985年4月27日");
  EXPECT_EQ(stored.hourText, "8");
  EXPECT_EQ(stored.minuteText, "30");
  EXPECT_EQ(utf8(stored.hourBranch), "辰");
  EXPECT_EQ(utf8(stored.zodiac), "牛");
  EXPECT_EQ(utf8(stored.pillars), "乙丑年壬午月乙酉日庚辰时");
  EXPECT_EQ(utf8(stored.eightCharacters), "乙丑壬午乙酉庚辰");
  EXPECT_EQ(utf8(stored.elements), "木土 水火 木金 金土");
  EXPECT_EQ(utf8(stored.nayin), "海中金；杨柳木；泉中水；白蜡金");
  EXPECT_EQ(utf8(stored.missingElements), "");
  EXPECT_EQ(stored.baseScore, "5");  // nothing missing
  EXPECT_EQ(stored.favourable, chart::elementStrength({1985, 6, 15, 8, 30, 0}).favourable.text());
}

TEST_F(GenerationRequest, MissingElementsLowerTheBaseScore) {
  // 2000-01-01 0:00: 己卯 丙子 戊午 壬子, elements 土木 火水 土火 水水: 金 missing.
  CompanyForm form = zhangSan();
  form.birthMoment = {2000, 1, 1, 0, 0, 0};
  const RequestOutcome outcome = request(form);
  ASSERT_TRUE(outcome.start.ok());
  const profile::LegalPersonProfile stored = profile::readLegalPersonProfile(profileFile());
  EXPECT_EQ(utf8(stored.missingElements), "金");
  EXPECT_EQ(stored.baseScore, "4");
  EXPECT_EQ(utf8(stored.solarBirth), "2000年1月1日");
  EXPECT_EQ(outcome.start.value().baseScore, 4);  // the engine rates on the number stored
}

TEST_F(GenerationRequest, ALeapMonthIsMarkedInTheLunarDate) {
  CompanyForm form = zhangSan();
  form.birthMoment = {2020, 5, 27, 8, 30, 0};  // 闰四月初一 fell on 23 May 2020
  ASSERT_TRUE(request(form).start.ok());
  EXPECT_EQ(utf8(profile::readLegalPersonProfile(profileFile()).lunarBirth), "2020年闰4月5日");
}

TEST_F(GenerationRequest, TooManyElementsStopBeforeAnythingIsWritten) {
  CompanyForm form = zhangSan();
  form.wantedElements = {calendar::Element::Metal, calendar::Element::Water,
                         calendar::Element::Fire};
  const RequestOutcome outcome = request(form);
  ASSERT_FALSE(outcome.start.ok());
  EXPECT_EQ(utf8(outcome.start.error()), "可包含五行个数超过中间字总个数，请重新选择！");
  EXPECT_FALSE(outcome.start.ok());
  EXPECT_FALSE(profileWritten());
}

TEST_F(GenerationRequest, ARunNoBodyCouldPassStopsBeforeAnythingIsWritten) {
  CompanyForm form = zhangSan();
  form.fixed[0] = gbk("华");
  form.wantedElements = {calendar::Element::Wood, calendar::Element::Fire};
  const RequestOutcome outcome = request(form);
  ASSERT_FALSE(outcome.start.ok());
  EXPECT_EQ(utf8(outcome.start.error()),
            "包含五行的要求无法满足：除固定字外只剩1个字，却还需要包含2种五行。");
  EXPECT_FALSE(outcome.start.ok());
  EXPECT_FALSE(profileWritten());
}

TEST_F(GenerationRequest, ALatinSurnameFailsTheFirstStage) {
  CompanyForm form = zhangSan();
  form.surname = "Zhang";
  const RequestOutcome outcome = request(form);
  ASSERT_FALSE(outcome.start.ok());
  EXPECT_EQ(utf8(outcome.start.error()), "请填写公司法人姓,只可输入中文！");
  EXPECT_EQ(outcome.start.failure().field, Field::LegalSurname);
  EXPECT_EQ(outcome.form.surname, "Zhang");  // the first stage changes no text
  EXPECT_FALSE(profileWritten());
}

TEST_F(GenerationRequest, AShopWithoutSurnameFailsTheSecondStageWithTextsFiltered) {
  CompanyForm form = zhangSan();
  form.shopName = true;
  form.surname = "";
  form.prefix = gbk("成都ab");
  const RequestOutcome outcome = request(form);
  ASSERT_FALSE(outcome.start.ok());
  EXPECT_EQ(utf8(outcome.start.error()), "请填写公司法人代表的姓氏！");
  EXPECT_EQ(utf8(outcome.form.prefix), "成都");
  EXPECT_FALSE(profileWritten());
}

TEST_F(GenerationRequest, AShopNeedsNeitherPrefixNorSuffix) {
  CompanyForm form = zhangSan();
  form.shopName = true;
  form.prefix = "";
  form.suffix = "";
  const RequestOutcome outcome = request(form);
  ASSERT_TRUE(outcome.start.ok());
  EXPECT_EQ(outcome.start.value().settings.prefix, "");
  EXPECT_EQ(outcome.start.value().settings.suffix, "");
}

TEST_F(GenerationRequest, APrefixWithLatinLettersKeepsItsChinesePart) {
  CompanyForm form = zhangSan();
  form.prefix = gbk("成都ab");
  form.fixed[0] = gbk("华x");
  const RequestOutcome outcome = request(form);
  ASSERT_TRUE(outcome.start.ok());
  EXPECT_EQ(utf8(outcome.form.prefix), "成都");
  EXPECT_EQ(utf8(outcome.start.value().settings.prefix), "成都");
  EXPECT_EQ(utf8(outcome.start.value().settings.fixed[0]), "华");
  EXPECT_EQ(utf8(profile::readLegalPersonProfile(profileFile()).regionPrefix), "成都");
}

TEST_F(GenerationRequest, AutoMatchReplacesTheTickedElements) {
  CompanyForm form = zhangSan();
  form.bodyLength = 4;
  form.autoElements = true;
  form.wantedElements = {calendar::Element::Wood, calendar::Element::Fire};
  const RequestOutcome outcome = request(form);
  const calendar::ElementSet favourable =
      chart::elementStrength({1985, 6, 15, 8, 30, 0}).favourable;
  ASSERT_FALSE(favourable.empty());
  EXPECT_EQ(outcome.form.wantedElements, favourable);
  ASSERT_TRUE(outcome.start.ok());
  EXPECT_EQ(outcome.start.value().settings.required, outcome.form.wantedElements);
}

TEST_F(GenerationRequest, AutoMatchStaysEvenWhenALaterCheckFails) {
  CompanyForm form = zhangSan();
  form.autoElements = true;
  form.surname = "";
  form.bodyLength = 4;
  const RequestOutcome outcome = request(form);
  ASSERT_FALSE(outcome.start.ok());
  EXPECT_NE(outcome.form.wantedElements, (ElementSet{}));
}

TEST_F(GenerationRequest, ACharacterTableThatCannotBeOpenedStopsTheRequestByName) {
  const auto zk = sandbox_.workingFile("zk.dat");
  std::filesystem::remove(zk);
  std::filesystem::create_directory(zk);  // and cannot be written again
  const RequestOutcome outcome = request(zhangSan());
  ASSERT_FALSE(outcome.start.ok());
  EXPECT_EQ(utf8(outcome.start.error()), "无法写入文件：zk.dat（不是普通文件）");
  EXPECT_FALSE(outcome.start.ok());
  EXPECT_FALSE(profileWritten());
}

TEST_F(GenerationRequest, AProfileThatCannotBeWrittenStopsTheRequest) {
  // A folder where the file should be: no write can replace it.
  std::filesystem::create_directories(profileFile());
  const RequestOutcome outcome = request(zhangSan());
  ASSERT_FALSE(outcome.start.ok());
  EXPECT_EQ(utf8(outcome.start.error()).rfind("法人资料保存失败：", 0), 0u)
      << utf8(outcome.start.error());
  EXPECT_EQ(outcome.start.failure().icon, MessageIcon::Warning);
  EXPECT_FALSE(outcome.start.ok());
}

}  // namespace
}  // namespace zeruda::generation
