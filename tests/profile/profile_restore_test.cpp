#include "profile/profile_restore.h"

#include "storage/ini_file.h"
#include "support/temp_folder.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::profile {
namespace {

using calendar::DateTime;
using test::gbk;
using test::utf8;

class Restore : public testing::Test {
 protected:
  std::filesystem::path file() const { return folder_ / "shengchen.ini"; }
  void store(const char* utf8Text) { test::writeFile(file(), gbk(utf8Text)); }
  test::TempFolder folder_;
};

TEST_F(Restore, OnFirstStartFieldsAreEmptySelectorsAtZeroAndTheBoxHasLabelsOnly) {
  StartupRestore restored = restoreOnStartup(file());
  EXPECT_EQ(restored.surname, "");
  EXPECT_EQ(restored.givenName, "");
  EXPECT_EQ(restored.regionPrefix, "");
  EXPECT_EQ(restored.tradeSuffix, "");
  EXPECT_EQ(restored.hour, 0);
  EXPECT_EQ(restored.minute, 0);
  EXPECT_EQ(restored.birth, (DateTime{2000, 1, 1, 0, 0, 0}));
  EXPECT_EQ(utf8(restored.chartSummary),
            "\r\n\r\n\r\n\r\n     法人生辰八字信息\r\n\r\n"
            "\t公历：\r\n\t农历：\r\n\t时辰：（）\r\n\t属相：\r\n"
            "\t四柱：\r\n\t八字：\r\n\t五行：\r\n\t纳音：\r\n");
}

TEST_F(Restore, ASavedProfileFillsTheFormAndTheChartBox) {
  store(
      "[法人资料]\r\n法人姓=张\r\n法人名=三丰\r\n公司地域前缀=成都\r\n公司后缀=科技有限公司\r\n"
      "公历=1985年6月15日23时30分\r\n农历=1985年4月27日\r\n法人时=23\r\n法人分=30\r\n"
      "时辰=子\r\n属相=牛\r\n四柱=乙丑年壬午月丙寅日庚子时\r\n八字=乙丑壬午丙寅庚子\r\n"
      "五行=木土水火火木金水\r\n纳音=海中金；杨柳木；炉中火；壁上土\r\n");
  StartupRestore restored = restoreOnStartup(file());
  EXPECT_EQ(utf8(restored.surname), "张");
  EXPECT_EQ(utf8(restored.givenName), "三丰");
  EXPECT_EQ(utf8(restored.regionPrefix), "成都");
  EXPECT_EQ(utf8(restored.tradeSuffix), "科技有限公司");
  EXPECT_EQ(restored.birth, (DateTime{1985, 6, 15, 23, 30, 0}));
  EXPECT_EQ(restored.hour, 23);
  EXPECT_EQ(restored.minute, 30);
  EXPECT_EQ(utf8(restored.chartSummary),
            "\r\n\r\n\r\n\r\n     法人生辰八字信息\r\n\r\n"
            "\t公历：1985年6月15日23时30分\r\n"
            "\t农历：1985年4月27日\r\n"
            "\t时辰：子（zi）\r\n"
            "\t属相：牛\r\n"
            "\t四柱：乙丑年壬午月丙寅日庚子时\r\n"
            "\t八字：乙丑壬午丙寅庚子\r\n"
            "\t五行：木土水火火木金水\r\n"
            "\t纳音：海中金；杨柳木；炉中火；壁上土\r\n");
}

TEST_F(Restore, HourAndMinuteComeFromTheirOwnKeysNotFromTheDateText) {
  store("[法人资料]\r\n公历=1990年3月1日8时30分\r\n法人时=9\r\n法人分=45\r\n");
  StartupRestore restored = restoreOnStartup(file());
  EXPECT_EQ(restored.birth.date(), (calendar::Date{1990, 3, 1}));
  EXPECT_EQ(restored.hour, 9);
  EXPECT_EQ(restored.minute, 45);
}

struct ClockCase {
  const char* name;
  const char* storedHour;
  const char* storedMinute;
  int hour;
  int minute;
};

class RestoreClock : public Restore, public testing::WithParamInterface<ClockCase> {};

TEST_P(RestoreClock, AlwaysGivesARealHourAndMinute) {
  store(("[法人资料]\r\n法人时=" + std::string(GetParam().storedHour) +
         "\r\n法人分=" + GetParam().storedMinute + "\r\n")
            .c_str());
  EvaluationRestore restored = restoreIntoEvaluation(file());
  EXPECT_EQ(restored.hour, GetParam().hour);
  EXPECT_EQ(restored.minute, GetParam().minute);
}

INSTANTIATE_TEST_SUITE_P(Values, RestoreClock,
                         testing::Values(ClockCase{"Last", "23", "59", 23, 59},
                                         ClockCase{"Empty", "", "", 0, 0},
                                         ClockCase{"HourTooLarge", "24", "60", 0, 0},
                                         ClockCase{"Negative", "-1", "-5", 0, 0},
                                         ClockCase{"Text", "八", "半", 0, 0},
                                         ClockCase{"NumberThenText", "8时", "30分", 8, 30}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Restore, TheEvaluationWindowGetsTheSameLegalPerson) {
  store(
      "[法人资料]\r\n法人姓=李\r\n法人名=四\r\n公司地域前缀=北京\r\n公司后缀=贸易有限公司\r\n"
      "公历=2001年10月1日\r\n法人时=0\r\n法人分=5\r\n");
  EvaluationRestore restored = restoreIntoEvaluation(file());
  EXPECT_EQ(utf8(restored.surname), "李");
  EXPECT_EQ(utf8(restored.givenName), "四");
  EXPECT_EQ(utf8(restored.regionPrefix), "北京");
  EXPECT_EQ(utf8(restored.tradeSuffix), "贸易有限公司");
  EXPECT_EQ(restored.birth, (DateTime{2001, 10, 1, 0, 0, 0}));
  EXPECT_EQ(restored.minute, 5);
}

TEST_F(Restore, AMalformedDateStillGivesAUsableDate) {
  store("[法人资料]\r\n公历=一九八五年\r\n");
  EXPECT_EQ(restoreOnStartup(file()).birth, (DateTime{2000, 1, 1, 0, 0, 0}));
}

}  // namespace
}  // namespace zeruda::profile
