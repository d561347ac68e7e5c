#include "pictures/grid_diagram.h"

#include "numerology/number_luck.h"
#include "pictures/drawing.h"
#include "pictures/palette.h"
#include "text/gbk_literal.h"

#include <string>
#include <vector>

namespace zeruda::pictures {
namespace {

using namespace text::literals;
using numerology::Grid;

// Layout in picture units. The character column stands in the middle, the grid
// cards beside it: 天格 人格 地格 on the right, 外格 on the left.
constexpr double kWidth = 362;
constexpr double kRowTop = 48;
constexpr double kRowPitch = 62;
constexpr double kCellWidth = 60;
constexpr double kCellHeight = 54;
constexpr double kCellLeft = (kWidth - kCellWidth) / 2;
constexpr double kCentre = kWidth / 2;
constexpr double kCardWidth = 112;
constexpr double kCardHeight = 46;
constexpr double kMargin = 9;
constexpr double kBracketReach = 12;  // from a tick's end to the bracket's spine
constexpr double kBracketGap = 6;     // between a cell and its ticks

// One row of the character column: a character with its count, or the "1" a
// one-character part adds.
struct Row {
  std::string character;
  int strokes = 0;
  bool added = false;
};

std::vector<Row> columnRows(const numerology::NameGrids& name) {
  std::vector<Row> rows;
  const Row added{"1", 1, true};
  if (name.surnamePart.size() == 1) rows.push_back(added);
  for (const auto& c : name.surnamePart) rows.push_back({c.character, c.strokes, false});
  for (const auto& c : name.givenPart) rows.push_back({c.character, c.strokes, false});
  if (name.givenPart.size() == 1) rows.push_back(added);
  return rows;
}

double rowTop(std::size_t row) { return kRowTop + kRowPitch * static_cast<double>(row); }
double rowMiddle(std::size_t row) { return rowTop(row) + kCellHeight / 2; }

void addRow(Picture& picture, std::size_t index, const Row& row) {
  const double top = rowTop(index);
  if (row.added) {
    picture.boxes.push_back(
        boxAt(kCellLeft, top, kCellWidth, kCellHeight, 6).outlined(kFaintInk, 1, true));
    addText(picture, kCentre, centredBaseline(top, kCellHeight, 22), "1", 22, kFaintInk,
            Anchor::Middle);
    return;
  }
  picture.boxes.push_back(
      boxAt(kCellLeft, top, kCellWidth, kCellHeight, 6).filled(kWhite).outlined(kRule, 1.2));
  addText(picture, kCentre, top + 31, row.character, 26, kInk, Anchor::Middle, true);
  addText(picture, kCentre, top + 48, std::to_string(row.strokes), 12, kMutedInk, Anchor::Middle);
}

// A bracket from the middle of row `from` to the middle of row `to`, on the side the
// sign says (+1 right, -1 left), with a stub pointing at the card; gives the y of
// the stub.
double addBracket(Picture& picture, std::size_t from, std::size_t to, int side) {
  const double cellEdge = side > 0 ? kCellLeft + kCellWidth : kCellLeft;
  const double tick = cellEdge + side * kBracketGap;
  const double spine = tick + side * kBracketReach;
  // Neighbouring brackets share a row; a small inset keeps them apart.
  const double top = rowMiddle(from) + 3;
  const double bottom = rowMiddle(to) - 3;
  const double middle = (top + bottom) / 2;
  addLine(picture, tick, top, spine, top, kFaintInk, 1.2);
  addLine(picture, spine, top, spine, bottom, kFaintInk, 1.2);
  addLine(picture, tick, bottom, spine, bottom, kFaintInk, 1.2);
  addLine(picture, spine, middle, spine + side * 4, middle, kFaintInk, 1.2);
  return middle;
}

// A grid's card: its name and number on the first line, its element and its luck
// (word on a coloured badge) on the second.
void addGridCard(Picture& picture, double left, double middle, const std::string& label,
                 int number) {
  const double top = middle - kCardHeight / 2;
  const double right = left + kCardWidth;
  picture.boxes.push_back(
      boxAt(left, top, kCardWidth, kCardHeight, 6).filled(kCard).outlined(kRule));
  addText(picture, left + 10, top + 19, label, 13, kMutedInk);
  addText(picture, right - 10, top + 20, std::to_string(number), 19, kInk, Anchor::End, true);

  const std::string element(numerology::gridElement(number));
  if (!element.empty()) {
    const ElementColours colours = elementColours(element);
    picture.boxes.push_back(
        boxAt(left + 10, top + 25, 20, 16, 3).filled(colours.pale).outlined(colours.strong));
    addText(picture, left + 20, centredBaseline(top + 25, 16, 12), element, 12, colours.ink,
            Anchor::Middle, true);
  }
  const double luck = numerology::numberLuck(number);
  const std::string& word = luckWord(luck);
  addBadge(picture, right - 10 - badgeWidth(word), top + 25, word, luckColour(luck));
}

// One talent: its name above, its digit and element below, on its element's tint.
void addTalentChip(Picture& picture, double left, double top, const std::string& label, int digit) {
  const std::string element(numerology::gridElement(digit));
  const ElementColours colours = elementColours(element);
  const double width = 84;
  const double middle = left + width / 2;
  picture.boxes.push_back(
      boxAt(left, top, width, 44, 6).filled(colours.pale).outlined(colours.strong));
  addText(picture, middle, top + 17, label, 12, kMutedInk, Anchor::Middle);
  addText(picture, middle - 3, top + 37, std::to_string(digit), 16, kInk, Anchor::End, true);
  addText(picture, middle + 3, top + 37, element, 16, colours.ink, Anchor::Start, true);
}

// "三才配置" with the combination's elements in their colours, then the verdict.
void addTalentVerdict(Picture& picture, double baseline, const numerology::GridNumbers& grids) {
  const std::string combination = numerology::threeTalents(grids);
  const double luck = numerology::threeTalentsLuck(combination);
  const std::string& label = "三才配置"_gbk;
  const std::string& word = luckWord(luck);
  const double width =
      textWidth(label, 13) + 8 + textWidth(combination, 15) + 10 + badgeWidth(word);
  double x = kCentre - width / 2;
  addText(picture, x, baseline, label, 13, kMutedInk);
  x += textWidth(label, 13) + 8;
  for (std::size_t pos = 0; pos + 2 <= combination.size(); pos += 2) {
    const std::string element = combination.substr(pos, 2);
    addText(picture, x, baseline, element, 15, elementColours(element).ink, Anchor::Start, true);
    x += 15;
  }
  addBadge(picture, x + 10, baseline - 13, word, luckColour(luck));
}

}  // namespace

Picture gridDiagram(const numerology::NameGrids& name) {
  Picture picture;
  picture.width = kWidth;
  if (name.surnamePart.empty() || name.givenPart.empty()) return picture;

  std::string body;
  for (const auto& c : name.surnamePart) body += c.character;
  for (const auto& c : name.givenPart) body += c.character;
  addText(picture, kCentre, 30, body + "　五格剖象"_gbk, 17, kInk, Anchor::Middle, true);

  const std::vector<Row> rows = columnRows(name);
  for (std::size_t i = 0; i < rows.size(); ++i) addRow(picture, i, rows[i]);

  // 天格 takes the surname rows (with an added 1), 人格 the last surname and the first
  // given row, 地格 the given rows (with an added 1), 外格 the first and last rows.
  // The surname always fills rows 0 and 1: its two characters, or the added 1 and
  // its one character.
  const std::size_t lastSurname = 1;
  const std::size_t last = rows.size() - 1;
  const numerology::GridNumbers& grids = name.grids;
  const double cardRight = kWidth - kMargin - kCardWidth;
  struct Span {
    std::size_t from, to;
    const std::string& label;
    Grid grid;
  };
  const Span right[] = {{0, lastSurname, "天格"_gbk, Grid::Heaven},
                        {lastSurname, lastSurname + 1, "人格"_gbk, Grid::Person},
                        {lastSurname + 1, last, "地格"_gbk, Grid::Earth}};
  for (const Span& span : right) {
    const double middle = addBracket(picture, span.from, span.to, +1);
    addGridCard(picture, cardRight, middle, span.label, numerology::gridValue(grids, span.grid));
  }
  const double outer = addBracket(picture, 0, last, -1);
  addGridCard(picture, kMargin, outer, "外格"_gbk, numerology::gridValue(grids, Grid::Outer));

  const double columnBottom = rowTop(last) + kCellHeight;
  addGridCard(picture, kCentre - kCardWidth / 2, columnBottom + 14 + kCardHeight / 2, "总格"_gbk,
              numerology::gridValue(grids, Grid::Total));

  const double talentsTop = columnBottom + 14 + kCardHeight + 22;
  const Grid talents[] = {Grid::HeavenTalent, Grid::PersonTalent, Grid::EarthTalent};
  const std::string* labels[] = {&"天才"_gbk, &"人才"_gbk, &"地才"_gbk};
  for (int k = 0; k < 3; ++k) {
    const double left = kCentre - 42 + (k - 1) * 112.0;
    if (k > 0) addText(picture, left - 14, talentsTop + 28, "→"_gbk, 16, kMutedInk, Anchor::Middle);
    addTalentChip(picture, left, talentsTop, *labels[k], numerology::gridValue(grids, talents[k]));
  }
  addTalentVerdict(picture, talentsTop + 44 + 30, grids);
  picture.height = talentsTop + 44 + 46;
  return picture;
}

}  // namespace zeruda::pictures
