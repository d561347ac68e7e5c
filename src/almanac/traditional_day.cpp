#include "almanac/traditional_day.h"

#include "almanac/almanac_tables.h"
#include "text/gbk_literal.h"

namespace zeruda::almanac {

using namespace calendar;
namespace {

using namespace text::literals;

std::vector<std::string> copied(const std::vector<std::string_view>& words) {
  return {words.begin(), words.end()};
}

bool isYellow(const DutyGod& god) { return god.road == "黄道"_gbk; }

std::string wordsText(const std::vector<std::string>& words) {
  std::string text;
  for (std::size_t i = 0; i < words.size(); ++i) text += (i ? " " : "") + words[i];
  return words.empty() ? "无"_gbk : text;
}

}  // namespace

Pair hourPillar(Pair dayPair, Branch hour) {
  if (!dayPair.valid()) return {};
  // The 子 hour's stem steps by two for each day stem and wraps every five.
  const Stem first = static_cast<Stem>(static_cast<int>(dayPair.stem()) % 5 * 2);
  return Pair::of(nextStem(first, static_cast<int>(hour)), hour);
}

std::optional<TraditionalDay> traditionalDay(Pair monthPair, Pair dayPair) {
  if (!monthPair.valid() || !dayPair.valid()) return std::nullopt;
  const Branch month = monthPair.branch();
  const Branch dayBranch = dayPair.branch();
  const Stem dayStem = dayPair.stem();
  TraditionalDay day;
  const DayActivities activities = dayActivities(month, dayPair);
  day.favourable = copied(activities.favourable);
  day.unfavourable = copied(activities.unfavourable);
  const DaySpirits spirits = daySpirits(month, dayPair);
  day.luckyGods = copied(spirits.lucky);
  day.fiends = copied(spirits.fiends);

  const Branch clash = clashBranch(dayBranch);
  day.clashAnimal = zodiacAnimalText(clash);
  day.clashPillar = Pair::of(clashStem(dayStem), clash);
  day.sha = shaDirection(dayBranch);
  day.pengzu = {std::string(pengzuSaying(dayStem)), std::string(pengzuSaying(dayBranch))};

  const DutyGod god = dutyGod(month, dayBranch);
  day.dayGod = god.name;
  day.yellowRoad = isYellow(god);
  for (int i = 0; i < kBranchCount; ++i) {
    const auto branch = static_cast<Branch>(i);
    const DutyGod hourGod = dutyGod(dayBranch, branch);
    day.hours[static_cast<std::size_t>(i)] = {branch, hourPillar(dayPair, branch),
                                              std::string(hourGod.name), isYellow(hourGod)};
  }
  return day;
}

TraditionalTexts traditionalTexts(const TraditionalDay& day) {
  return {
      .favourable = wordsText(day.favourable),
      .unfavourable = wordsText(day.unfavourable),
      .clash =
          "冲"_gbk + day.clashAnimal + "("_gbk + day.clashPillar.text() + ")　煞"_gbk + day.sha,
      .pengzu = day.pengzu[0] + "　"_gbk + day.pengzu[1],
      .luckyGods = wordsText(day.luckyGods),
      .fiends = wordsText(day.fiends),
      .dayGod = day.dayGod + "（"_gbk + roadText(day.yellowRoad) + "）"_gbk,
  };
}

std::string traditionalLines(const TraditionalDay& day) {
  const TraditionalTexts texts = traditionalTexts(day);
  std::string lines = "宜："_gbk + texts.favourable + "\n忌："_gbk + texts.unfavourable + "\n";
  lines += texts.clash + "\n彭祖百忌："_gbk + texts.pengzu + "\n";
  lines += "吉神宜趋："_gbk + texts.luckyGods + "\n凶煞宜忌："_gbk + texts.fiends + "\n";
  lines += "值神："_gbk + texts.dayGod + "\n";
  for (const AlmanacHour& hour : day.hours) {
    lines += std::string(branchText(hour.branch)) + "时　"_gbk + hour.pillar.text() + "　"_gbk +
             hour.god + "　"_gbk + luckText(hour.lucky) + "\n";
  }
  return lines;
}

std::string roadText(bool yellowRoad) { return yellowRoad ? "黄道"_gbk : "黑道"_gbk; }

std::string luckText(bool lucky) { return lucky ? "吉"_gbk : "凶"_gbk; }

}  // namespace zeruda::almanac
