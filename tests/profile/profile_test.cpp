#include "profile/profile.h"

#include "profile/interface_settings.h"
#include "storage/ini_file.h"
#include "support/sample_profile.h"
#include "support/temp_folder.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace zeruda::profile {
namespace {

using test::gbk;
using test::readFile;
using test::utf8;

// The tests' sample legal representative, `missing` his missing elements.
LegalPersonProfile sampleLegalPerson(const char* missing) {
  LegalPersonProfile p = test::sampleLegalPerson();
  p.missingElements = gbk(missing);
  p.baseScore = "99";  // never written as given
  return p;
}

PersonalChartProfile samplePersonalChart(const char* favourable) {
  PersonalChartProfile p;
  p.surname = gbk("李");
  p.gender = gbk("男");
  p.solarBirth = gbk("2020年1月1日");
  p.lunarBirth = gbk("2019年12月7日");
  p.hourBranch = gbk("子");
  p.zodiac = gbk("猪");
  p.pillars = gbk("己亥年丙子月辛酉日戊子时");
  p.eightCharacters = gbk("己亥丙子辛酉戊子");
  p.elements = gbk("土水火水金金土水");
  p.nayin = gbk("平地木；涧下水；石榴木；霹雳火");
  p.favourable = gbk(favourable);
  return p;
}

class Profile : public testing::Test {
 protected:
  std::filesystem::path file() const { return folder_ / "shengchen.ini"; }
  test::TempFolder folder_;
};

TEST_F(Profile, TheLegalPersonSectionIsWrittenKeyByKeyInItsOrder) {
  ASSERT_TRUE(writeLegalPersonProfile(file(), sampleLegalPerson("金")).ok());
  EXPECT_EQ(utf8(readFile(file())),
            "[法人资料]\r\n"
            "法人姓=王\r\n"
            "法人名=建国\r\n"
            "公司地域前缀=成都\r\n"
            "公司后缀=科技有限公司\r\n"
            "公历=1985年6月15日8时30分\r\n"
            "农历=1985年4月27日\r\n"
            "法人时=8\r\n"
            "法人分=30\r\n"
            "时辰=辰\r\n"
            "属相=牛\r\n"
            "四柱=乙丑年壬午月乙酉日庚辰时\r\n"
            "八字=乙丑壬午乙酉庚辰\r\n"
            "五行=木土 水火 木金 金土\r\n"
            "纳音=海中金；杨柳木；泉中水；白蜡金\r\n"
            "喜用神=水\r\n"
            "五行缺失=金\r\n"
            "吉数=4\r\n");
}

struct ScoreCase {
  const char* name;
  const char* missing;
  const char* score;
};

class BaseScore : public Profile, public testing::WithParamInterface<ScoreCase> {};

TEST_P(BaseScore, IsFiveLessTheMissingElementsAsTheFileGivesThemBack) {
  writeLegalPersonProfile(file(), sampleLegalPerson(GetParam().missing));
  EXPECT_EQ(readLegalPersonProfile(file()).baseScore, GetParam().score);
}

INSTANTIATE_TEST_SUITE_P(
    Missing, BaseScore,
    testing::Values(ScoreCase{"NoneMissing", "", "5"}, ScoreCase{"OneMissing", "金", "4"},
                    ScoreCase{"TwoMissing", "木火", "3"},
                    ScoreCase{"AllFiveMissing", "木火土金水", "0"},
                    // Blanks and quotes come back from the file as written, so they count.
                    ScoreCase{"BlanksAround", " 金 ", "2"}, ScoreCase{"Quoted", "'木'", "2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Profile, ThePersonalChartSectionIsWrittenInItsOrder) {
  ASSERT_TRUE(writePersonalChartProfile(file(), samplePersonalChart("木")).ok());
  EXPECT_EQ(utf8(readFile(file())),
            "[先天八字]\r\n"
            "姓氏=李\r\n"
            "性别=男\r\n"
            "公历=2020年1月1日\r\n"
            "农历=2019年12月7日\r\n"
            "时辰=子\r\n"
            "属相=猪\r\n"
            "四柱=己亥年丙子月辛酉日戊子时\r\n"
            "八字=己亥丙子辛酉戊子\r\n"
            "五行=土水火水金金土水\r\n"
            "纳音=平地木；涧下水；石榴木；霹雳火\r\n"
            "喜用神=木\r\n"
            "吉数=4\r\n");
}

TEST_F(Profile, WritingOneSectionNeverTouchesTheOther) {
  writeLegalPersonProfile(file(), sampleLegalPerson("金"));
  writePersonalChartProfile(file(), samplePersonalChart("木火"));
  writeLegalPersonProfile(file(), sampleLegalPerson(""));
  EXPECT_EQ(readLegalPersonProfile(file()).baseScore, "5");
  EXPECT_EQ(utf8(readLegalPersonProfile(file()).favourable), "水");
  EXPECT_EQ(utf8(readPersonalChartProfile(file()).favourable), "木火");
  EXPECT_EQ(readPersonalChartProfile(file()).baseScore, "3");
}

TEST_F(Profile, RewritingReplacesValuesInsteadOfAddingLines) {
  writeLegalPersonProfile(file(), sampleLegalPerson("金"));
  const auto size = readFile(file()).size();
  auto changed = sampleLegalPerson("水");
  changed.surname = gbk("张");
  writeLegalPersonProfile(file(), changed);
  EXPECT_EQ(readFile(file()).size(), size);
  EXPECT_EQ(utf8(readLegalPersonProfile(file()).surname), "张");
}

TEST_F(Profile, AMissingFileReadsAsEmptyValues) {
  LegalPersonProfile read = readLegalPersonProfile(file());
  EXPECT_EQ(read.surname, "");
  EXPECT_EQ(read.solarBirth, "");
  EXPECT_EQ(read.baseScore, "");
}

TEST_F(Profile, AValueWithALineBreakIsRefusedAndTheFileKept) {
  writeLegalPersonProfile(file(), sampleLegalPerson("金"));
  const std::string before = readFile(file());
  auto broken = sampleLegalPerson("金");
  broken.givenName = gbk("三\r\n[先天八字]\r\n吉数=5");
  EXPECT_FALSE(writeLegalPersonProfile(file(), broken).ok());
  EXPECT_EQ(readFile(file()), before);
}

// What the reader would change (surrounding blanks, surrounding quotes) comes back
// as it was written, under every key of both sections and the export folder's.
TEST_F(Profile, EveryKeyReadsBackExactlyWhatWasWritten) {
  const std::string awkward[] = {" a ", "'a'", "\"a\"", gbk(" 成都\t")};
  for (const std::string& value : awkward) {
    LegalPersonProfile legal;
    for (std::string* field :
         {&legal.surname, &legal.givenName, &legal.regionPrefix, &legal.tradeSuffix,
          &legal.solarBirth, &legal.lunarBirth, &legal.hourText, &legal.minuteText,
          &legal.hourBranch, &legal.zodiac, &legal.pillars, &legal.eightCharacters, &legal.elements,
          &legal.nayin, &legal.favourable, &legal.missingElements}) {
      *field = value;
    }
    PersonalChartProfile personal;
    for (std::string* field :
         {&personal.surname, &personal.gender, &personal.solarBirth, &personal.lunarBirth,
          &personal.hourBranch, &personal.zodiac, &personal.pillars, &personal.eightCharacters,
          &personal.elements, &personal.nayin, &personal.favourable}) {
      *field = value;
    }
    ASSERT_TRUE(writeLegalPersonProfile(file(), legal).ok());
    ASSERT_TRUE(writePersonalChartProfile(file(), personal).ok());
    LegalPersonProfile legalRead = readLegalPersonProfile(file());
    PersonalChartProfile personalRead = readPersonalChartProfile(file());
    legal.baseScore = legalRead.baseScore;  // computed, never as given
    personal.baseScore = personalRead.baseScore;
    EXPECT_EQ(
        std::tie(legalRead.surname, legalRead.givenName, legalRead.regionPrefix,
                 legalRead.tradeSuffix, legalRead.solarBirth, legalRead.lunarBirth,
                 legalRead.hourText, legalRead.minuteText, legalRead.hourBranch, legalRead.zodiac,
                 legalRead.pillars, legalRead.eightCharacters, legalRead.elements, legalRead.nayin,
                 legalRead.favourable, legalRead.missingElements),
        std::tie(legal.surname, legal.givenName, legal.regionPrefix, legal.tradeSuffix,
                 legal.solarBirth, legal.lunarBirth, legal.hourText, legal.minuteText,
                 legal.hourBranch, legal.zodiac, legal.pillars, legal.eightCharacters,
                 legal.elements, legal.nayin, legal.favourable, legal.missingElements))
        << utf8(value);
    EXPECT_EQ(
        std::tie(personalRead.surname, personalRead.gender, personalRead.solarBirth,
                 personalRead.lunarBirth, personalRead.hourBranch, personalRead.zodiac,
                 personalRead.pillars, personalRead.eightCharacters, personalRead.elements,
                 personalRead.nayin, personalRead.favourable),
        std::tie(personal.surname, personal.gender, personal.solarBirth, personal.lunarBirth,
                 personal.hourBranch, personal.zodiac, personal.pillars, personal.eightCharacters,
                 personal.elements, personal.nayin, personal.favourable))
        << utf8(value);
  }
  for (const char* folder : {"/home/u/ends in a blank ", "/home/u/'quoted'", "/home/u/\"q\""}) {
    ASSERT_TRUE(writeExportFolder(file(), folder).ok());
    EXPECT_EQ(readExportFolder(file()), folder);
  }
}

TEST(ProfileKeys, AreListedInTheOrderTheyAreWritten) {
  std::string keys;
  for (const auto& key : legalPersonKeys()) keys += utf8(key) + " ";
  EXPECT_EQ(keys,
            "法人姓 法人名 公司地域前缀 公司后缀 公历 农历 法人时 法人分 时辰 属相 四柱 八字 "
            "五行 纳音 喜用神 五行缺失 吉数 ");
  keys.clear();
  for (const auto& key : personalChartKeys()) keys += utf8(key) + " ";
  EXPECT_EQ(keys, "姓氏 性别 公历 农历 时辰 属相 四柱 八字 五行 纳音 喜用神 吉数 ");
}

struct NumberCase {
  const char* name;
  const char* text;
  int expected;
};

class ProfileNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(ProfileNumber, TakesTheLeadingWholeNumberOrZero) {
  EXPECT_EQ(profileNumber(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ProfileNumber,
    testing::Values(NumberCase{"Digit", "5", 5}, NumberCase{"Empty", "", 0},
                    NumberCase{"LeadingBlanks", "  23", 23}, NumberCase{"Negative", "-2", -2},
                    NumberCase{"Plus", "+7", 7}, NumberCase{"TrailingText", "8时", 8},
                    NumberCase{"NoDigits", "abc", 0}, NumberCase{"Decimal", "3.5", 3},
                    NumberCase{"Huge", "99999999999999999999", INT_MAX}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeruda::profile
