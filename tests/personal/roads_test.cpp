#include "personal/worker.h"

#include "dictionary/strokes.h"
#include "naming/character_facts.h"
#include "naming/verse_names.h"
#include "naming/verses.h"
#include "support/avoid_check.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace zeruda::personal {
namespace {

using test::gbk;
using test::utf8;

struct CountingRecorder final : NameRecorder {
  int count = 0;
  Result<int> record(const NameRecord&) override { return ++count; }
  Result<Done> flush() override { return Done{}; }
};

WorkerSettings settingsFor(const char* surname, Gender gender, int givenLength, NamingRoad road) {
  WorkerSettings s;
  s.surname = gbk(surname);
  s.surnameEntries = {{s.surname, dictionary::kangxiStrokes(s.surname)}};
  s.gender = gender;
  s.givenLength = givenLength;
  s.road = road;
  return s;
}

void fix(WorkerSettings& s, int position, const char* character) {
  s.fixedPosition = position;
  s.fixedEntry = {gbk(character), dictionary::kangxiStrokes(gbk(character))};
}

// A whole run to the cap, on seed `seed`.
std::vector<NameRow> runToCap(const WorkerSettings& settings, std::uint32_t seed) {
  WorkerServices services{
      run::SeededDraw(seed),
      [](std::string_view) { return Result<std::optional<std::string>>(std::nullopt); },
      std::make_unique<CountingRecorder>()};
  std::vector<NameRow> rows;
  run::StopFlag stop;
  const WorkerOutcome outcome =
      runNamingWorker(settings, stop, services, [&](const NameRow& row) { rows.push_back(row); });
  EXPECT_FALSE(outcome.failure) << utf8(outcome.failure->message);
  return rows;
}

// 100,000 names of the default road (and 20,000 of the pairs road), both genders, one
// to three characters, surnames that meet words to avoid (杜 子 is 肚子, 史 and 范 too):
// none holds a word to avoid or is heard as one with the surname.
TEST(NamingRoads, ListNoNameHoldingOrHeardAsAWordToAvoid) {
  const test::AvoidCheck check;
  const char* surnames[] = {"李", "杜", "史", "范", "朱"};
  int names = 0;
  for (const NamingRoad road : {NamingRoad::Verse, NamingRoad::Pairs}) {
    const int runs = road == NamingRoad::Verse ? 50 : 10;
    for (int run = 0; run < runs; ++run) {
      const Gender gender = run % 2 ? Gender::Female : Gender::Male;
      WorkerSettings s = settingsFor(surnames[run % 5], gender, 1 + run % 3, road);
      if (run % 7 == 6 && s.givenLength > 1) fix(s, 1 + run % s.givenLength, "子");
      for (const NameRow& row : runToCap(s, static_cast<std::uint32_t>(run + 1))) {
        ASSERT_EQ(check.found(s.surname + row.given), "") << utf8(s.surname + row.given);
        ++names;
      }
    }
  }
  EXPECT_EQ(names, 120000);
}

// A verse name of two characters is a pair of the classics kept as a name of the
// gender, none given twice before every such pair was given once; a pairs name takes
// common characters that fit the gender.
TEST(NamingRoads, DrawFromTheirSources) {
  for (const Gender gender : {Gender::Male, Gender::Female}) {
    const auto other = gender == Gender::Male ? naming::Leaning::Female : naming::Leaning::Male;
    const auto verseRows = runToCap(settingsFor("李", gender, 2, NamingRoad::Verse), 5);
    std::set<std::string> firstRound;
    for (const NameRow& row : verseRows) {
      EXPECT_FALSE(naming::versesOf(row.given).empty()) << utf8(row.given);
      const auto leaning = naming::verseNameLeaning(row.given);
      ASSERT_TRUE(leaning.has_value()) << utf8(row.given);
      EXPECT_NE(*leaning, other) << utf8(row.given);
      if (!firstRound.insert(row.given).second) break;
    }
    EXPECT_GE(firstRound.size(), 30u);  // a first page of names without a repeat
    for (const NameRow& row : runToCap(settingsFor("李", gender, 2, NamingRoad::Pairs), 5)) {
      for (std::size_t at = 0; at < row.given.size(); at += 2) {
        const auto character = std::string_view(row.given).substr(at, 2);
        EXPECT_GE(naming::levelOf(character), 1) << utf8(row.given);
        EXPECT_LE(naming::levelOf(character), 2) << utf8(row.given);
        EXPECT_NE(naming::genderOf(character), other) << utf8(row.given);
      }
      EXPECT_NE(row.given.substr(0, 2), row.given.substr(2, 2)) << utf8(row.given);
    }
  }
}

// A fixed character keeps its place; on the verse road the pairs that hold it there are
// drawn, and a character no verse holds (鑫) is drawn around as the pairs road does.
TEST(NamingRoads, KeepTheFixedCharacter) {
  WorkerSettings clear = settingsFor("王", Gender::Male, 2, NamingRoad::Verse);
  fix(clear, 1, "清");
  for (const NameRow& row : runToCap(clear, 3)) {
    EXPECT_EQ(utf8(row.given.substr(0, 2)), "清");
    EXPECT_FALSE(naming::versesOf(row.given).empty()) << utf8(row.given);
  }
  WorkerSettings rare = settingsFor("王", Gender::Male, 3, NamingRoad::Verse);
  fix(rare, 2, "鑫");
  const auto rows = runToCap(rare, 3);
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kNameCap));
  for (const NameRow& row : rows) EXPECT_EQ(utf8(row.given.substr(2, 2)), "鑫");
}

// The same seed gives the same names on the default road; another seed others.
TEST(NamingRoads, DefaultRoadIsSeeded) {
  const WorkerSettings s = settingsFor("李", Gender::Female, 2, WorkerSettings{}.road);
  ASSERT_EQ(s.road, NamingRoad::Verse);
  const auto first = runToCap(s, 11);
  const auto again = runToCap(s, 11);
  const auto other = runToCap(s, 12);
  ASSERT_EQ(first.size(), again.size());
  for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(first[i].text, again[i].text);
  EXPECT_NE(first[0].text + first[1].text, other[0].text + other[1].text);
}

}  // namespace
}  // namespace zeruda::personal
