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

// A judgement reads every character with a tone and gives each character of the given
// name or 字号 a meaning.
void expectReadAndExplained(const naming::NameJudgement* judged, std::size_t characters,
                            std::size_t explained, const std::string& name) {
  ASSERT_NE(judged, nullptr) << test::utf8(name);
  ASSERT_EQ(judged->tones.size(), characters) << test::utf8(name);
  for (const int tone : judged->tones) EXPECT_TRUE(tone >= 1 && tone <= 4) << test::utf8(name);
  ASSERT_EQ(judged->meanings.size(), explained) << test::utf8(name);
  for (const auto meaning : judged->meanings) EXPECT_FALSE(meaning.empty()) << test::utf8(name);
}

// Every name of every road comes with its reading and meanings, over a whole run each
// (bodies of two to four characters, given names of one to three).
TEST(RunActions, EveryRoadsNamesAreReadAndExplained) {
  test::ProgramSandbox sandbox;
  Context context{sandbox.session().tables(), nullptr};
  for (const char* road : {"words", "pool"}) {
    for (const char* length : {"2", "3", "4"}) {
      GenerateRequest request = wangJianguo();
      request.road = road;
      request.bodyLength = length;
      request.count = "2000";
      const auto start = checkGenerate(request, context).start;
      ASSERT_TRUE(start.ok()) << start.error();
      const auto rows = rowsOf(start.value(), context);
      EXPECT_EQ(rows.size(), 2000u) << road << length;
      for (const auto& row : rows) {
        const std::string& body = row.cell(generation::Column::Body);
        expectReadAndExplained(row.judgement.get(), body.size() / 2, body.size() / 2, body);
      }
    }
  }
  for (const char* road : {"verse", "pairs", "strokes"}) {
    for (const char* length : {"1", "2", "3"}) {
      PersonalRequest request;
      request.surname = gbk("李");
      request.gender = gbk(length[0] == '2' ? "男" : "女");
      request.birthDate = "2024-03-08";
      request.birthTime = "10:15";
      request.givenLength = length;
      request.count = "2000";
      request.seed = "5";
      request.road = road;
      const auto start = checkPersonal(request, context);
      ASSERT_TRUE(start.ok()) << start.error();
      run::StopFlag stop;
      std::size_t names = 0;
      runPersonal(
          start.value(), context,
          [&](std::span<const personal::NameRow> batch) {
            names += batch.size();
            for (const auto& row : batch) {
              expectReadAndExplained(row.judgement.get(), 1 + row.given.size() / 2,
                                     row.given.size() / 2, row.given);
            }
          },
          stop);
      EXPECT_EQ(names, 2000u) << road << length;
    }
  }
}

}  // namespace
}  // namespace zeruda::actions
