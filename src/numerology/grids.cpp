#include "numerology/grids.h"

#include <algorithm>
#include <numeric>
#include <optional>

#include "dictionary/strokes.h"
#include "text/characters.h"
#include "text/gbk_literal.h"

namespace zeruda::numerology {
namespace {

using namespace text::literals;

// The stroke count of the character's first unit, as its stroke text begins.
int strokesOf(std::string_view character) {
  return dictionary::kangxiStrokes(character.substr(0, text::unitLength(character, 0)));
}

CharStroke charAt(std::string_view body, std::size_t index) {
  std::string character(body.substr(index * 2, 2));
  int strokes = strokesOf(character);
  return {std::move(character), strokes};
}

int sum(const std::vector<CharStroke>& part) {
  return std::accumulate(part.begin(), part.end(), 0,
                         [](int total, const CharStroke& c) { return total + c.strokes; });
}

int talentDigit(int grid) {
  int digit = grid % 10;
  return digit == 0 ? 10 : digit;
}

// Combinations of 天才 人才 地才 by their luck, from the traditional three-talent table.
constexpr std::array<std::string_view, 25> kLuckyTalents = {
    "木木木", "木木火", "木木土", "木火木", "木火土", "木水木", "火木木", "火木火", "火木土",
    "火火木", "火土火", "火土土", "土火木", "土火土", "土土火", "土土土", "土土金", "土金土",
    "土金金", "金土土", "金土金", "金金土", "金水金", "水木土", "水金土"};
constexpr std::array<std::string_view, 9> kFairTalents = {
    "木火火", "木土火", "木水水", "火火火", "火土木", "土木木", "土火火", "金土火", "水木火"};

template <std::size_t N>
std::array<std::string, N> inGbk(const std::array<std::string_view, N>& utf8List) {
  std::array<std::string, N> out;
  std::transform(utf8List.begin(), utf8List.end(), out.begin(),
                 [](std::string_view s) { return text::toGbk(s); });
  return out;
}

// The place of three GBK element names in the 125 combinations; nothing for any other
// text.
std::optional<std::size_t> talentsIndex(std::string_view combination) {
  static const auto elements = inGbk(std::array<std::string_view, 5>{"木", "火", "土", "金", "水"});
  if (combination.size() != 6) return std::nullopt;
  std::size_t index = 0;
  for (std::size_t k = 0; k < 3; ++k) {
    const auto unit = combination.substr(k * 2, 2);
    const auto at = std::find(elements.begin(), elements.end(), unit);
    if (at == elements.end()) return std::nullopt;
    index = index * 5 + static_cast<std::size_t>(at - elements.begin());
  }
  return index;
}

}  // namespace

void loadNameParts(NameGrids& record, std::string_view body) {
  const std::string clean = text::removeSpaces(body);
  record.surnamePart.clear();
  record.givenPart.clear();
  switch (clean.size()) {
    case 4:
      record.surnamePart = {charAt(clean, 0)};
      record.givenPart = {charAt(clean, 1)};
      break;
    case 6:
      record.surnamePart = {charAt(clean, 0)};
      record.givenPart = {charAt(clean, 1), charAt(clean, 2)};
      break;
    case 8:
      record.surnamePart = {charAt(clean, 0), charAt(clean, 1)};
      record.givenPart = {charAt(clean, 2), charAt(clean, 3)};
      break;
    default:
      break;  // a body mixed with one-byte characters has no reading
  }
}

GridNumbers computeGrids(const std::vector<CharStroke>& surnamePart,
                         const std::vector<CharStroke>& givenPart) {
  GridNumbers grids{};
  if (surnamePart.empty() || givenPart.empty()) return grids;
  const bool singleSurname = surnamePart.size() == 1;
  const bool singleGiven = givenPart.size() == 1;
  const int surnameSum = sum(surnamePart);
  const int givenSum = sum(givenPart);
  grids[0] = surnameSum + (singleSurname ? 1 : 0);
  grids[1] = surnamePart.back().strokes + givenPart.front().strokes;
  grids[2] = givenSum + (singleGiven ? 1 : 0);
  grids[3] = surnameSum + givenSum;
  grids[4] = grids[3] - grids[1] + ((singleSurname || singleGiven) ? 1 : 0);
  for (int k = 0; k < 3; ++k) grids[5 + k] = talentDigit(grids[k]);
  return grids;
}

std::string_view gridElement(int n) {
  if (n <= 0) return {};
  switch (n % 10) {
    case 1:
    case 2:
      return "木"_gbk;
    case 3:
    case 4:
      return "火"_gbk;
    case 5:
    case 6:
      return "土"_gbk;
    case 7:
    case 8:
      return "金"_gbk;
    default:
      return "水"_gbk;
  }
}

std::string threeTalents(const GridNumbers& grids) {
  std::string combination(gridElement(gridValue(grids, Grid::HeavenTalent)));
  combination += gridElement(gridValue(grids, Grid::PersonTalent));
  combination += gridElement(gridValue(grids, Grid::EarthTalent));
  return combination;
}

double threeTalentsLuck(std::string_view combination) {
  // The lists as a table by the three elements' places in 木火土金水, built once in GBK:
  // every name rated asks, so a lookup rather than a search of the lists.
  static const auto luck = [] {
    std::array<double, 125> table{};
    for (const auto& lucky : inGbk(kLuckyTalents)) table[*talentsIndex(lucky)] = 1.0;
    for (const auto& fair : inGbk(kFairTalents)) table[*talentsIndex(fair)] = 0.5;
    return table;
  }();
  const auto index = talentsIndex(combination);
  return index ? luck[*index] : 0.0;
}

}  // namespace zeruda::numerology
