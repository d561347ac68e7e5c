#include "almanac/almanac_tables.h"

#include "embedded/kAlmanacClashBranches.h"
#include "embedded/kAlmanacClashStems.h"
#include "embedded/kAlmanacDaySpirits.h"
#include "embedded/kAlmanacDayYiJi.h"
#include "embedded/kAlmanacDutyGodKinds.h"
#include "embedded/kAlmanacDutyGods.h"
#include "embedded/kAlmanacPengzu.h"

#include <algorithm>
#include <array>

namespace zeruda::almanac {

using namespace calendar;
namespace {

using Row = std::vector<std::string_view>;

// The pieces of `text` cut at `separator`, empty pieces kept.
Row split(std::string_view text, char separator) {
  Row pieces;
  while (true) {
    const std::size_t end = text.find(separator);
    pieces.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return pieces;
    text.remove_prefix(end + 1);
  }
}

// The rows of a table: lines that are neither blank nor "#" comments, cut at tabs.
// No GBK trail byte is a tab, newline or space, so cutting bytes is safe.
std::vector<Row> rowsOf(std::string_view table) {
  std::vector<Row> rows;
  for (std::string_view line : split(table, '\n')) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    rows.push_back(split(line, '\t'));
  }
  return rows;
}

std::vector<std::string_view> wordsOf(std::string_view column) {
  std::vector<std::string_view> words;
  for (std::string_view word : split(column, ' ')) {
    if (!word.empty()) words.push_back(word);
  }
  return words;
}

template <typename E>
std::size_t at(E value) {
  return static_cast<std::size_t>(value);
}

// Two list columns for each month branch and day pair (pair - 1).
using PairLists = std::array<std::array<std::array<std::string_view, 2>, kPairCount>, kBranchCount>;

PairLists pairListsOf(std::string_view table) {
  PairLists lists{};
  for (const Row& row : rowsOf(table)) {
    const auto month = row.size() == 4 ? branchFromText(row[0]) : std::nullopt;
    const Pair pair = row.size() == 4 ? Pair::fromText(row[1]) : Pair();
    if (month && pair.valid())
      lists[at(*month)][static_cast<std::size_t>(pair.number() - 1)] = {row[2], row[3]};
  }
  return lists;
}

struct Tables {
  PairLists activities{};
  PairLists spirits{};
  std::array<std::array<std::string_view, kBranchCount>, kBranchCount> gods{};
  std::vector<Row> godKinds;
  std::array<Branch, kBranchCount> clash{};
  std::array<std::string_view, kBranchCount> sha{};
  std::array<Stem, kStemCount> clashStem{};
  std::array<std::string_view, kStemCount> stemSayings{};
  std::array<std::string_view, kBranchCount> branchSayings{};
  std::vector<std::string_view> activityWords;
};

void readGods(Tables& t) {
  for (const Row& row : rowsOf(data::kAlmanacDutyGods)) {
    const auto ruling = branchFromText(row[0]);
    if (!ruling || row.size() != kBranchCount + 1) continue;
    std::copy(row.begin() + 1, row.end(), t.gods[at(*ruling)].begin());
  }
  for (Row& row : rowsOf(data::kAlmanacDutyGodKinds)) {
    if (row.size() == 3) t.godKinds.push_back(std::move(row));
  }
}

void readClashes(Tables& t) {
  for (const Row& row : rowsOf(data::kAlmanacClashBranches)) {
    const auto day = branchFromText(row[0]);
    const auto other = row.size() == 3 ? branchFromText(row[1]) : std::nullopt;
    if (!day || !other) continue;
    t.clash[at(*day)] = *other;
    t.sha[at(*day)] = row[2];
  }
  for (const Row& row : rowsOf(data::kAlmanacClashStems)) {
    const auto day = stemFromText(row[0]);
    const auto other = row.size() == 2 ? stemFromText(row[1]) : std::nullopt;
    if (day && other) t.clashStem[at(*day)] = *other;
  }
}

void readSayings(Tables& t) {
  for (const Row& row : rowsOf(data::kAlmanacPengzu)) {
    if (row.size() != 2) continue;
    if (const auto stem = stemFromText(row[0])) t.stemSayings[at(*stem)] = row[1];
    if (const auto branch = branchFromText(row[0])) t.branchSayings[at(*branch)] = row[1];
  }
}

void collectActivityWords(Tables& t) {
  for (const auto& month : t.activities) {
    for (const auto& columns : month) {
      for (std::string_view column : columns) {
        for (std::string_view word : wordsOf(column)) {
          if (std::find(t.activityWords.begin(), t.activityWords.end(), word) ==
              t.activityWords.end()) {
            t.activityWords.push_back(word);
          }
        }
      }
    }
  }
}

const Tables& tables() {
  static const Tables built = [] {
    Tables t;
    t.activities = pairListsOf(data::kAlmanacDayYiJi);
    t.spirits = pairListsOf(data::kAlmanacDaySpirits);
    readGods(t);
    readClashes(t);
    readSayings(t);
    collectActivityWords(t);
    return t;
  }();
  return built;
}

const std::array<std::string_view, 2>& listsOf(const PairLists& lists, Branch month, Pair dayPair) {
  static const std::array<std::string_view, 2> none{};
  if (!dayPair.valid()) return none;
  return lists[at(month)][static_cast<std::size_t>(dayPair.number() - 1)];
}

}  // namespace

DayActivities dayActivities(Branch month, Pair dayPair) {
  const auto& columns = listsOf(tables().activities, month, dayPair);
  return {wordsOf(columns[0]), wordsOf(columns[1])};
}

DaySpirits daySpirits(Branch month, Pair dayPair) {
  const auto& columns = listsOf(tables().spirits, month, dayPair);
  return {wordsOf(columns[0]), wordsOf(columns[1])};
}

DutyGod dutyGod(Branch ruling, Branch turn) {
  const std::string_view name = tables().gods[at(ruling)][at(turn)];
  for (const Row& kind : tables().godKinds) {
    if (kind[0] == name) return {name, kind[1], kind[2]};
  }
  return {name, {}, {}};
}

Branch clashBranch(Branch day) { return tables().clash[at(day)]; }

std::string_view shaDirection(Branch day) { return tables().sha[at(day)]; }

Stem clashStem(Stem day) { return tables().clashStem[at(day)]; }

std::string_view pengzuSaying(Stem stem) { return tables().stemSayings[at(stem)]; }

std::string_view pengzuSaying(Branch branch) { return tables().branchSayings[at(branch)]; }

const std::vector<std::string_view>& traditionalActivities() { return tables().activityWords; }

}  // namespace zeruda::almanac
