#include "personal/request.h"

#include "profile/profile.h"
#include "support/program_sandbox.h"
#include "support/text_support.h"

#include <gtest/gtest.h>
#include <filesystem>

namespace zeruda::personal {
namespace {

using test::gbk;
using test::utf8;

// 王, a boy born 2024-03-01 at 8:00: lunar 2024-1-21 (the new year fell on 10
// February); pillars 甲辰 (after 立春), 丙寅 (before 惊蛰), 甲子 (453 sixty-day cycles
// after 1949-10-01, a 甲子 day), 戊辰 (the 辰 hour of a 甲 day);
// elements 木土 火木 木水 土土, so 金 is missing.
PersonalForm wangBoy() {
  PersonalForm form;
  form.surname = gbk("王");
  form.birthMoment = {2024, 3, 1, 8, 0, 0};
  return form;
}

class PersonalRequest : public testing::Test {
 protected:
  Result<NamingStart> request(const PersonalForm& form) {
    return runPersonalRequest(form, sandbox_.session().tables(), profileFile());
  }
  std::filesystem::path profileFile() { return sandbox_.session().profile().path(); }

  test::ProgramSandbox sandbox_;
};

TEST_F(PersonalRequest, RefusalsComeInTheirOrderAndWriteNothing) {
  struct Case {
    const char* name;
    const char* surname;
    int length;
    const char* fixed;  // nullptr: nothing fixed
    const char* text;
    const char* caption;
    Field focus;
  };
  const Case cases[] = {
      {"compound surname first", "欧阳", 3, "x", "复姓不可以使用三个字的名字！", "特别提示",
       Field::None},
      {"empty surname", "  ", 2, nullptr, "您未输入合法内容！", "提示", Field::PersonSurname},
      {"latin surname", "Wang", 2, nullptr, "您未输入合法内容！", "提示", Field::PersonSurname},
      {"middle not a character", "王x王", 2, nullptr, "您未输入合法内容！", "提示",
       Field::PersonSurname},
      {"three surname characters", "欧阳王", 2, nullptr, "您未输入合法内容！", "提示",
       Field::PersonSurname},
      {"empty fixed box", "王", 2, "", "您未输入合法内容！", "提示", Field::PersonFixedCharacter},
      {"two fixed characters", "王", 2, "明亮", "您未输入合法内容！", "提示",
       Field::PersonFixedCharacter},
  };
  for (const Case& c : cases) {
    PersonalForm form = wangBoy();
    form.surname = gbk(c.surname);
    form.givenLength = c.length;
    if (c.fixed) form.fixed = FixedCharacter{1, gbk(c.fixed)};
    const Result<NamingStart> outcome = request(form);
    ASSERT_FALSE(outcome.ok()) << c.name;
    EXPECT_EQ(utf8(outcome.error()), c.text) << c.name;
    EXPECT_EQ(utf8(outcome.failure().caption), c.caption) << c.name;
    EXPECT_EQ(outcome.failure().icon, MessageIcon::Warning) << c.name;
    EXPECT_EQ(outcome.failure().field, c.focus) << c.name;
  }
  EXPECT_FALSE(std::filesystem::exists(profileFile()));
}

TEST_F(PersonalRequest, WritesThePersonsChartAndEmptiesTheScratchTable) {
  auto scratch = sandbox_.session().tables().open("xm");
  ASSERT_TRUE(scratch.ok());
  ASSERT_TRUE(scratch.value().append({"x", "1", "2", "3", "4", "5", "6", "7", "8", "1"}).ok());

  const Result<NamingStart> outcome = request(wangBoy());
  ASSERT_TRUE(outcome.ok()) << utf8(outcome.error());
  const profile::PersonalChartProfile stored = profile::readPersonalChartProfile(profileFile());
  EXPECT_EQ(utf8(stored.surname), "王");
  EXPECT_EQ(utf8(stored.gender), "男");
  EXPECT_EQ(utf8(stored.solarBirth), "2024年3月1日8时");
  EXPECT_EQ(utf8(stored.lunarBirth), "2024年1月21日");
  EXPECT_EQ(utf8(stored.hourBranch), "辰");
  EXPECT_EQ(utf8(stored.pillars), "甲辰年丙寅月甲子日戊辰时");
  EXPECT_EQ(utf8(stored.eightCharacters), "甲辰丙寅甲子戊辰");
  EXPECT_EQ(utf8(stored.elements), "木土 火木 木水 土土");
  EXPECT_EQ(utf8(stored.favourable), "金");
  EXPECT_EQ(stored.baseScore, "4");
  EXPECT_EQ(scratch.value().recordCount(), 0);

  const WorkerSettings& settings = outcome.value().settings;
  EXPECT_EQ(settings.baseScore, 4);
  EXPECT_EQ(utf8(settings.soughtElements.text()), "金");
  ASSERT_EQ(settings.surnameEntries.size(), 1u);
  EXPECT_EQ(settings.surnameEntries[0].strokes, 4);
  EXPECT_EQ(settings.fixedPosition, -1);
  EXPECT_EQ(settings.wantedLevel, 4);
  EXPECT_EQ(utf8(outcome.value().waitMessage.text), "正在取名，点击[确定]可停止　　");
}

// The user would lose the saved chart without being told.
TEST_F(PersonalRequest, AProfileThatCannotBeWrittenStopsTheRequest) {
  std::filesystem::create_directory(profileFile());  // in the file's way
  const Result<NamingStart> outcome = request(wangBoy());
  ASSERT_FALSE(outcome.ok());
  EXPECT_EQ(utf8(outcome.error()).rfind("先天八字保存失败：", 0), 0u) << utf8(outcome.error());
}

TEST_F(PersonalRequest, AFixedPositionPastTheNameMovesToItsLastCharacter) {
  PersonalForm form = wangBoy();
  form.surname = gbk("欧阳");
  form.givenLength = 1;
  form.fixed = FixedCharacter{3, gbk("明")};
  const Result<NamingStart> outcome = request(form);
  ASSERT_TRUE(outcome.ok());
  EXPECT_EQ(outcome.value().settings.fixedPosition, 1);
  EXPECT_EQ(outcome.value().settings.fixedEntry.strokes, 8);
  ASSERT_EQ(outcome.value().settings.surnameEntries.size(), 2u);
  EXPECT_EQ(outcome.value().settings.surnameEntries[1].strokes, 17);  // 陽
}

}  // namespace
}  // namespace zeruda::personal
