#include "app/session.h"
#include "cli_support.h"
#include "dictionary/strokes.h"
#include "numerology/number_luck.h"
#include "numerology/rating.h"
#include "profile/profile.h"
#include "storage/character_table.h"
#include "support/temp_folder.h"
#include "support/text_support.h"
#include "text/characters.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zeruda::cli {
namespace {

using test::gbk;

struct Listing {
  std::vector<std::string> rows;
  std::vector<std::string> recommended;
};

// Rows, an empty line, the recommendation list.
Listing listingOf(const std::string& out) {
  Listing listing;
  std::istringstream in(out);
  auto* part = &listing.rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty()) {
      part = &listing.recommended;
      continue;
    }
    part->push_back(line);
  }
  return listing;
}

// A row: "王" + two characters + "[" + one to five "☆" + "]" (UTF-8, three bytes a
// character); its given name and its stars.
bool splitRow(const std::string& row, std::string& given, int& stars) {
  static const std::regex pattern(R"(^王(.{6})\[((☆){1,5})\]$)");
  std::smatch match;
  if (!std::regex_match(row, match, pattern)) return false;
  given = match[1];
  stars = static_cast<int>(match[2].length() / 3);
  return true;
}

// The score of a name, worked out here from the counts of its characters and what
// the profile says of the chart.
int expectedStars(const std::string& givenUtf8, double base, const std::string& missing,
                  storage::TableSet& tables) {
  numerology::NameGrids name;
  name.surnamePart = {{gbk("王"), 4}};
  for (const std::string& c : text::splitCharacters(gbk(givenUtf8))) {
    name.givenPart.push_back({c, dictionary::kangxiStrokes(c)});
  }
  name.grids = numerology::computeGrids(name.surnamePart, name.givenPart);
  name.soughtElements = missing;
  double score = base + numerology::threeTalentsLuck(numerology::threeTalents(name.grids));
  for (int k = 0; k < 5; ++k) score += numerology::numberLuck(name.grids[k]);
  score += numerology::soughtElementCount(name, storage::characterTable(tables));
  return numerology::starsForScore(static_cast<double>(numerology::roundHalfAway(score)));
}

std::vector<std::string> wangBoy(const std::vector<std::string>& more) {
  std::vector<std::string> args = {"personal", "--surname",  "王",     "--gender", "男",
                                   "--birth",  "2024-03-01", "--time", "08:00"};
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

class PersonalCommand : public testing::Test {
 protected:
  test::SandboxedRoots roots_;
};

TEST_F(PersonalCommand, TwoHundredRatedNamesAgainWithTheSameSeed) {
  const auto args = wangBoy({"--length", "2", "--count", "200", "--seed", "7"});
  const auto run = test::runCli(args);
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(test::runCli(args).out, run.out);
  const Listing listing = listingOf(run.out);
  ASSERT_EQ(listing.rows.size(), 200u);

  app::Session session;  // the command's
  const auto stored = profile::readPersonalChartProfile(session.profile().path());
  const double base = profile::profileNumber(stored.baseScore);
  std::set<std::string> rows(listing.rows.begin(), listing.rows.end());
  for (const std::string& row : listing.rows) {
    std::string given;
    int stars = 0;
    ASSERT_TRUE(splitRow(row, given, stars)) << row;
    EXPECT_EQ(stars, expectedStars(given, base, stored.favourable, session.tables())) << row;
  }
  std::set<std::string> recommended;
  for (const std::string& name : listing.recommended) {
    EXPECT_TRUE(recommended.insert(name).second) << "twice: " << name;
    EXPECT_TRUE(rows.contains(name)) << name;
    EXPECT_NE(name.find("[☆☆☆☆]"), std::string::npos) << name;
  }
}

// The verse road is the default; each road gives its own names, the same again on the
// same seed.
TEST_F(PersonalCommand, DrawsOnTheRoadAsked) {
  const auto byDefault = test::runCli(wangBoy({"--length", "2", "--count", "20", "--seed", "4"}));
  ASSERT_EQ(byDefault.code, 0) << byDefault.err;
  std::set<std::string> outputs;
  for (const char* road : {"verse", "pairs", "strokes"}) {
    const auto args = wangBoy({"--length", "2", "--count", "20", "--seed", "4", "--road", road});
    const auto run = test::runCli(args);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(test::runCli(args).out, run.out) << road;
    EXPECT_EQ(listingOf(run.out).rows.size(), 20u) << road;
    outputs.insert(run.out);
    if (std::string_view(road) == "verse") {
      EXPECT_EQ(run.out, byDefault.out);
    }
  }
  EXPECT_EQ(outputs.size(), 3u);
}

TEST_F(PersonalCommand, AFixedCharacterStandsAtItsPlaceInEveryName) {
  const auto run = test::runCli(wangBoy(
      {"--length", "2", "--fixed-pos", "2", "--fixed", "明", "--count", "50", "--seed", "3"}));
  ASSERT_EQ(run.code, 0) << run.err;
  const Listing listing = listingOf(run.out);
  ASSERT_EQ(listing.rows.size(), 50u);
  for (const std::string& row : listing.rows) {
    std::string given;
    int stars = 0;
    ASSERT_TRUE(splitRow(row, given, stars)) << row;
    EXPECT_EQ(given.substr(3), "明") << row;
  }
}

// The compound-surname refusal comes before the check of the fixed character.
TEST_F(PersonalCommand, ARefusalGoesToStandardError) {
  const auto run =
      test::runCli({"personal", "--surname", "欧阳", "--gender", "女", "--birth", "2024-03-01",
                    "--time", "08:00", "--length", "3", "--fixed-pos", "1", "--fixed", "A"});
  EXPECT_EQ(run.code, kExitRefused);
  EXPECT_EQ(run.err, "zeruda-cli personal: 复姓不可以使用三个字的名字！\n");
  EXPECT_EQ(run.out, "");
}

TEST_F(PersonalCommand, JsonGivesTheChartAndEachNamesFigures) {
  const auto run = test::runCli(
      wangBoy({"--length", "1", "--count", "3", "--seed", "7", "--level", "1", "--json"}));
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string head =
      R"({"chart":{"pillars":["甲辰","丙寅","甲子","戊辰"],"missing":"金","base":4},)"
      R"("rows":[{"name":"王)";
  EXPECT_EQ(run.out.rfind(head, 0), 0u) << run.out;
  // Each row with its reading and how its stars were counted.
  auto count = [&](std::string_view key) {
    std::size_t found = 0;
    for (std::size_t at = 0; (at = run.out.find(key, at)) != std::string::npos; ++at) ++found;
    return found;
  };
  EXPECT_EQ(count("{\"name\":\"王"), 3u);
  EXPECT_EQ(count("\"pinyin\":\"wáng "), 3u) << run.out;
  EXPECT_EQ(count("\"star_parts\":{\"base\":4,"), 3u) << run.out;
  EXPECT_NE(run.out.find("],\"recommended\":["), std::string::npos);
  EXPECT_NE(run.out.find(",\"notes\":[]}"), std::string::npos) << run.out;
}

// 龘 lies outside the table of standard characters: said, not refused.
TEST_F(PersonalCommand, ACharacterOutsideTheStandardTableIsNotedButNamed) {
  for (const bool json : {false, true}) {
    std::vector<std::string> args = {"--length", "2",       "--fixed-pos", "2",      "--fixed",
                                     "龘",       "--count", "5",           "--seed", "1"};
    if (json) args.push_back("--json");
    const auto run = test::runCli(wangBoy(args));
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err.rfind("提示：“龘”不在《通用规范汉字表》", 0), 0u) << run.err;
    EXPECT_EQ(json, run.out.find("\"notes\":[\"提示：“龘”") != std::string::npos) << run.out;
    EXPECT_NE(run.out.find("龘"), std::string::npos);
  }
}

}  // namespace
}  // namespace zeruda::cli
