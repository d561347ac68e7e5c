#include "actions/company_actions.h"
#include "actions/personal_actions.h"
#include "support/program_sandbox.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace zeruda::actions {
namespace {

using test::gbk;

GenerateRequest wangJianguo() {
  GenerateRequest request;
  request.surname = gbk("王");
  request.givenName = gbk("建国");
  request.birthDate = "1985-06-15";
  request.birthTime = "08:30";
  request.count = "30";
  request.seed = "7";
  return request;
}

std::vector<generation::CandidateRow> rowsOf(const GenerateStart& start, Context& context) {
  std::vector<generation::CandidateRow> rows;
  run::StopFlag stop;
  runGenerate(
      start, context,
      [&](std::span<const generation::CandidateRow> batch) {
        rows.insert(rows.end(), batch.begin(), batch.end());
      },
      stop);
  return rows;
}

// The base is computed from the chart, not read back from the profile; the profile is
// written all the same where the context has one, and it holds the same number.
TEST(GenerateAction, RatesOnTheChartsBaseAndWritesTheProfileOnlyWhereThereIsOne) {
  test::ProgramSandbox sandbox;
  Context withProfile{sandbox.session().tables(), &sandbox.session().profile()};
  const auto written = checkGenerate(wangJianguo(), withProfile).start;
  ASSERT_TRUE(written.ok()) << written.error();
  EXPECT_EQ(written.value().engine.baseScore, sandbox.session().profile().baseScore());

  std::filesystem::remove(sandbox.session().profile().path());
  Context browser{sandbox.session().tables(), nullptr};
  const auto unwritten = checkGenerate(wangJianguo(), browser).start;
  ASSERT_TRUE(unwritten.ok()) << unwritten.error();
  EXPECT_EQ(unwritten.value().engine.baseScore, written.value().engine.baseScore);
  EXPECT_FALSE(std::filesystem::exists(sandbox.session().profile().path()));

  // The same seed gives the same rows, counted to the count.
  const auto first = rowsOf(written.value(), withProfile);
  const auto second = rowsOf(unwritten.value(), browser);
  ASSERT_EQ(first.size(), 30u);
  EXPECT_EQ(first.back().cells[0], "30");
  for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(first[i].cells, second[i].cells);
}

TEST(PersonalAction, RunsToItsCountAndNoFurther) {
  test::ProgramSandbox sandbox;
  Context context{sandbox.session().tables(), nullptr};
  PersonalRequest request;
  request.surname = gbk("李");
  request.gender = gbk("女");
  request.birthDate = gbk("2024年3月8日");
  request.birthTime = "10:15";
  request.givenLength = "2";
  request.count = "25";
  request.seed = "3";
  const auto start = checkPersonal(request, context);
  ASSERT_TRUE(start.ok()) << start.error();
  std::size_t names = 0;
  run::StopFlag stop;
  const RunEnd end = runPersonal(
      start.value(), context,
      [&](std::span<const personal::NameRow> batch) { names += batch.size(); }, stop);
  EXPECT_EQ(names, 25u);
  EXPECT_EQ(end.rows, 25);
  EXPECT_FALSE(end.capped);
}

}  // namespace
}  // namespace zeruda::actions
