#include "pictures/element_chart.h"

#include "calendar/ganzhi.h"
#include "chart/birth_chart.h"
#include "pictures/drawing.h"
#include "pictures/palette.h"
#include "text/characters.h"
#include "text/gbk_literal.h"

#include <algorithm>
#include <array>
#include <string>

namespace zeruda::pictures {
namespace {

using namespace text::literals;
using calendar::Element;

constexpr double kWidth = 362;
constexpr double kCentre = kWidth / 2;

// The pillar grid: four columns (year to hour), stems above branches.
constexpr double kCellWidth = 66;
constexpr double kCellHeight = 50;
constexpr double kCellGap = 8;
constexpr double kGridLeft = (kWidth - 4 * kCellWidth - 3 * kCellGap) / 2;
constexpr double kGridTop = 58;

// The bars, in the order the tradition recites the elements.
constexpr std::array<Element, 5> kBarOrder = {Element::Wood, Element::Fire, Element::Earth,
                                              Element::Metal, Element::Water};
constexpr double kColumnWidth = 52;
constexpr double kColumnPitch = 66;
constexpr double kBarsLeft = (kWidth - 4 * kColumnPitch - kColumnWidth) / 2;
constexpr double kBarWidth = 34;
constexpr double kBarsTop = 200;
constexpr double kBaseline = 330;
constexpr double kTallestBar = 108;

constexpr Rgb kFavourableBand{0xff, 0xf3, 0xc4};
constexpr Rgb kFavourableTag{0xd9, 0x8c, 0x00};
constexpr Rgb kSameKind{0x5a, 0x6e, 0x8c};
constexpr Rgb kOtherKind{0xc9, 0xce, 0xd6};

// The stem (index 0) or branch (1) of a pillar, and its element; empty for none.
std::string characterOf(calendar::Pair pillar, std::size_t index) {
  if (!pillar.valid()) return {};
  return std::string(index == 0 ? calendar::stemText(pillar.stem())
                                : calendar::branchText(pillar.branch()));
}
std::string elementOfCharacter(calendar::Pair pillar, std::size_t index) {
  if (!pillar.valid()) return {};
  const Element element =
      index == 0 ? calendar::elementOf(pillar.stem()) : calendar::elementOf(pillar.branch());
  return std::string(calendar::elementText(element));
}

void addPillarCell(Picture& picture, double left, double top, calendar::Pair pillar,
                   std::size_t index, bool dayMaster) {
  const std::string character = characterOf(pillar, index);
  const std::string element = elementOfCharacter(pillar, index);
  if (character.empty()) {
    picture.boxes.push_back(
        boxAt(left, top, kCellWidth, kCellHeight, 6).outlined(kFaintInk, 1, true));
    return;
  }
  const ElementColours colours = elementColours(element);
  picture.boxes.push_back(boxAt(left, top, kCellWidth, kCellHeight, 6)
                              .filled(colours.pale)
                              .outlined(dayMaster ? kInk : colours.strong, dayMaster ? 2.4 : 1.2));
  addText(picture, left + 26, centredBaseline(top, kCellHeight, 26), character, 26, colours.ink,
          Anchor::Middle, true);
  addText(picture, left + kCellWidth - 8, top + kCellHeight - 9, element, 12, colours.ink,
          Anchor::End);
  if (dayMaster)
    addText(picture, left + kCellWidth - 8, top + 15, "日主"_gbk, 10, kInk, Anchor::End);
}

void addPillarGrid(Picture& picture, const calendar::FourPillars& pillars) {
  const std::array<calendar::Pair, 4> texts = {pillars.year, pillars.month, pillars.day,
                                               pillars.hour};
  const std::array<const std::string*, 4> labels = {&"年柱"_gbk, &"月柱"_gbk, &"日柱"_gbk,
                                                    &"时柱"_gbk};
  for (std::size_t column = 0; column < 4; ++column) {
    const double left = kGridLeft + static_cast<double>(column) * (kCellWidth + kCellGap);
    addText(picture, left + kCellWidth / 2, kGridTop - 8, *labels[column], 12, kMutedInk,
            Anchor::Middle);
    for (std::size_t row = 0; row < 2; ++row) {
      const double top = kGridTop + static_cast<double>(row) * (kCellHeight + 6);
      addPillarCell(picture, left, top, texts[column], row, column == 2 && row == 0);
    }
  }
}

// The tags under a bar, stacked: 日主, 喜用, 缺.
void addTags(Picture& picture, double middle, bool dayMaster, bool favourable, bool missing) {
  double top = kBaseline + 38;
  auto tag = [&](const std::string& word, Rgb fill) {
    addBadge(picture, middle - badgeWidth(word, 11) / 2, top, word, fill, 11);
    top += 20;
  };
  if (dayMaster) tag("日主"_gbk, kInk);
  if (favourable) tag("喜用"_gbk, kFavourableTag);
  if (missing) tag("缺"_gbk, kFaintInk);
}

void addBars(Picture& picture, const chart::ElementStrength& strength,
             const calendar::ElementSet& missing) {
  float highest = 0;
  for (float score : strength.scores) highest = std::max(highest, score);
  addText(picture, kBarsLeft - 4, kBarsTop - 10, "五行得分"_gbk, 13, kMutedInk);

  for (std::size_t k = 0; k < kBarOrder.size(); ++k) {
    const Element element = kBarOrder[k];
    const std::string name(calendar::elementText(element));
    const ElementColours colours = elementColours(name);
    const double left = kBarsLeft + static_cast<double>(k) * kColumnPitch;
    const double middle = left + kColumnWidth / 2;
    const bool favourable = strength.favourable.contains(element);
    const bool isMissing = missing.contains(element);
    const bool dayMaster = strength.dayMaster == name;
    if (favourable) {
      picture.boxes.push_back(boxAt(left, kBarsTop, kColumnWidth, kBaseline + 78 - kBarsTop, 6)
                                  .filled(kFavourableBand));
    }
    const float score = strength.score(element);
    const double height = highest > 0 ? kTallestBar * score / highest : 0;
    if (height > 0) {
      Box bar = boxAt(middle - kBarWidth / 2, kBaseline - height, kBarWidth, height, 3);
      // An element missing from the eight characters stands empty: its score comes
      // from hidden stems alone.
      picture.boxes.push_back(isMissing ? bar.outlined(colours.strong, 1.5, true)
                                        : bar.filled(colours.strong));
    }
    addText(picture, middle, kBaseline - height - 6, chart::scoreText(score), 12, kInk,
            Anchor::Middle);
    picture.boxes.push_back(
        boxAt(middle - 14, kBaseline + 6, 28, 26, 4).filled(colours.pale).outlined(colours.strong));
    addText(picture, middle, centredBaseline(kBaseline + 6, 26, 16), name, 16, colours.ink,
            Anchor::Middle, true);
    addTags(picture, middle, dayMaster, favourable, isMissing);
  }
  addLine(picture, kBarsLeft - 4, kBaseline, kWidth - kBarsLeft + 4, kBaseline, kRule, 1.2);
}

// The two kinds as one split bar with their sums, then the verdict.
void addKinds(Picture& picture, const chart::ElementStrength& strength, double top) {
  const double left = kBarsLeft;
  const double width = kWidth - 2 * kBarsLeft;
  addText(picture, left, top,
          "同类 "_gbk + strength.sameKind.text() + " " + chart::scoreText(strength.sameScore), 13,
          kInk);
  addText(picture, left + width, top,
          "异类 "_gbk + strength.otherKind.text() + " " + chart::scoreText(strength.otherScore), 13,
          kInk, Anchor::End);
  const double barTop = top + 8;
  const double total = static_cast<double>(strength.sameScore) + strength.otherScore;
  const double same = total > 0 ? width * strength.sameScore / total : 0;
  if (total > 0) {
    picture.boxes.push_back(boxAt(left, barTop, same, 12).filled(kSameKind));
    picture.boxes.push_back(boxAt(left + same, barTop, width - same, 12).filled(kOtherKind));
  } else {
    picture.boxes.push_back(boxAt(left, barTop, width, 12).outlined(kRule, 1, true));
  }
  std::string summary = strength.verdict;
  if (!strength.favourable.empty()) summary += "　喜用神："_gbk + strength.favourable.text();
  addText(picture, kCentre, barTop + 40, summary, 15, kInk, Anchor::Middle, true);
}

}  // namespace

Picture elementChart(const calendar::FourPillars& pillars, const chart::ElementStrength& strength) {
  Picture picture;
  picture.width = kWidth;
  addText(picture, kCentre, 28, "八字五行"_gbk, 17, kInk, Anchor::Middle, true);
  addPillarGrid(picture, pillars);

  std::string elements;
  for (calendar::Pair pillar : {pillars.year, pillars.month, pillars.day, pillars.hour}) {
    elements += elementOfCharacter(pillar, 0) + elementOfCharacter(pillar, 1);
  }
  addBars(picture, strength, chart::missingElementsOf(elements));
  addKinds(picture, strength, kBaseline + 96);
  picture.height = kBaseline + 96 + 58;
  return picture;
}

}  // namespace zeruda::pictures
