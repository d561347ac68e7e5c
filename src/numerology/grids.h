#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zeruda::numerology {

// One character of a name part with its Kangxi stroke count.
struct CharStroke {
  std::string character;  // one GBK unit
  int strokes = 0;
};

// The eight numbers of an evaluated name, numbered 1-8 as the tradition counts them.
enum class Grid {
  Heaven = 1,        // 天格
  Person = 2,        // 人格
  Earth = 3,         // 地格
  Total = 4,         // 总格
  Outer = 5,         // 外格
  HeavenTalent = 6,  // 天才: digit of 天格
  PersonTalent = 7,  // 人才: digit of 人格
  EarthTalent = 8,   // 地才: digit of 地格
};

using GridNumbers = std::array<int, 8>;

inline int gridValue(const GridNumbers& grids, Grid which) {
  return grids[static_cast<int>(which) - 1];
}

// A name body read like a personal name: its surname part, its given part and the
// grids computed from their strokes.
struct NameGrids {
  std::vector<CharStroke> surnamePart;
  std::vector<CharStroke> givenPart;
  GridNumbers grids{};
  std::string soughtElements;  // element characters the rating looks for; empty for companies
};

// Fills both parts from the body with its spaces removed: 2 characters split 1+1,
// 3 split 1+2, 4 split 2+2 (two-byte slices). Any other byte length fills neither.
void loadNameParts(NameGrids& record, std::string_view body);

// The eight grid numbers of the two parts; all zero when either part is empty.
GridNumbers computeGrids(const std::vector<CharStroke>& surnamePart,
                         const std::vector<CharStroke>& givenPart);

// The element of a grid number by its last digit (1-2 木, 3-4 火, 5-6 土, 7-8 金,
// 9-0 水); empty for 0 or less.
std::string_view gridElement(int n);

// The three-talent combination of computed grids: the elements of grids 6, 7, 8.
std::string threeTalents(const GridNumbers& grids);

// Luck of a three-talent combination (天才 人才 地才): 1, 0.5 or 0.
double threeTalentsLuck(std::string_view combination);

}  // namespace zeruda::numerology
