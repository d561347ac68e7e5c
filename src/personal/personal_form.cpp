#include "personal/personal_form.h"

#include "text/gbk_literal.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zeruda::personal {

using namespace text::literals;

namespace {

constexpr int kDefaultWantedLevel = 4;

struct RoadName {
  NamingRoad road;
  std::string_view word;  // the command line's
};

constexpr std::array<RoadName, 3> kRoadWords{{
    {NamingRoad::Verse, "verse"},
    {NamingRoad::Pairs, "pairs"},
    {NamingRoad::Strokes, "strokes"},
}};

const std::string& roadLabel(NamingRoad road) {
  switch (road) {
    case NamingRoad::Verse:
      return "诗词典籍"_gbk;
    case NamingRoad::Pairs:
      return "佳字组合"_gbk;
    case NamingRoad::Strokes:
      return "按笔画随机"_gbk;
  }
  return "诗词典籍"_gbk;
}

}  // namespace

const std::string& genderText(Gender gender) {
  return gender == Gender::Female ? "女"_gbk : "男"_gbk;
}

std::optional<NamingRoad> namingRoadOf(std::string_view typed) {
  for (const auto& [road, word] : kRoadWords) {
    if (typed == word || typed == roadLabel(road)) return road;
  }
  return std::nullopt;
}

int wantedLevelOf(const PersonalForm& form) {
  return form.wantedStars.value_or(kDefaultWantedLevel);
}

int fixedPositionFor(int givenLength, int position) {
  return std::clamp(position, 1, std::max(givenLength, 1));
}

}  // namespace zeruda::personal
