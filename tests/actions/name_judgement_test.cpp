#include "actions/name_judgement.h"

#include "actions/personal_actions.h"
#include "support/program_sandbox.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace zeruda::actions {
namespace {

using test::gbk;
using test::utf8;

// Every name the 取名 page draws for a child, judged on that child's birth, has the
// stars and score the page gave it, and its parts add up to that score.
TEST(NameJudgementAction, CountsTheStarsThePersonalPageGives) {
  test::ProgramSandbox sandbox;
  Context context{sandbox.session().tables(), nullptr};
  PersonalRequest drawn;
  drawn.surname = gbk("李");
  drawn.gender = gbk("女");
  drawn.birthDate = "2024-03-10";
  drawn.birthTime = "10:00";
  drawn.givenLength = "2";
  drawn.count = "60";
  drawn.seed = "11";
  const auto start = checkPersonal(drawn, context);
  ASSERT_TRUE(start.ok()) << start.error();
  std::vector<personal::NameRow> rows;
  run::StopFlag stop;
  runPersonal(
      start.value(), context,
      [&](std::span<const personal::NameRow> batch) {
        rows.insert(rows.end(), batch.begin(), batch.end());
      },
      stop);
  ASSERT_EQ(rows.size(), 60u);
  for (const personal::NameRow& row : rows) {
    const auto judged = judgeName(
        {drawn.surname, row.given, drawn.gender, drawn.birthDate, drawn.birthTime}, context);
    ASSERT_TRUE(judged.ok()) << judged.error();
    const auto& answer = judged.value();
    ASSERT_TRUE(answer.stars.has_value());
    EXPECT_EQ(answer.stars->stars, row.stars) << utf8(row.given);
    EXPECT_EQ(answer.stars->rounded, row.score) << utf8(row.given);
    EXPECT_EQ(answer.record.grids, row.grids) << utf8(row.given);
    EXPECT_NEAR(answer.stars->parts.sum(), static_cast<double>(row.score), 0.5 + 1e-9);
    if (row.stars > 1) {
      EXPECT_GT(answer.stars->rounded, *answer.stars->threshold);
    }
  }
}

TEST(NameJudgementAction, GivesNoStarsWithoutABirth) {
  test::ProgramSandbox sandbox;
  Context context{sandbox.session().tables(), nullptr};
  const auto judged = judgeName({gbk("杜"), gbk("子腾"), {}, {}, {}}, context);
  ASSERT_TRUE(judged.ok()) << judged.error();
  EXPECT_FALSE(judged.value().stars.has_value());
  EXPECT_EQ(judged.value().record.grids[0], 8);  // 天格: 杜 7 strokes + 1
  ASSERT_FALSE(judged.value().judgement.warnings.empty());
  EXPECT_NE(utf8(judged.value().judgement.warnings.front()).find("肚子疼"), std::string::npos);
}

}  // namespace
}  // namespace zeruda::actions
