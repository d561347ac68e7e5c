#include "chart/element_strength.h"

#include "calendar/pillars.h"

#include <cstdio>

namespace zeruda::chart {

using namespace calendar;
namespace {

// Seasonal weight of each stem by the month branch, from the traditional scoring
// tables. Rows in month order 寅 卯 … 亥 子 丑, columns 甲 … 癸.
constexpr std::array<float, 12 * kStemCount> kStemSeasonTable = {
    /* 寅 */ 1.14f, 1.14f, 1.20f, 1.20f, 1.06f, 1.06f, 1.00f, 1.00f, 1.00f, 1.00f,
    /* 卯 */ 1.20f, 1.20f, 1.20f, 1.20f, 1.00f, 1.00f, 1.00f, 1.00f, 1.00f, 1.00f,
    /* 辰 */ 1.10f, 1.10f, 1.06f, 1.06f, 1.10f, 1.10f, 1.10f, 1.10f, 1.04f, 1.04f,
    /* 巳 */ 1.00f, 1.00f, 1.14f, 1.14f, 1.14f, 1.14f, 1.06f, 1.06f, 1.06f, 1.06f,
    /* 午 */ 1.00f, 1.00f, 1.20f, 1.20f, 1.20f, 1.20f, 1.00f, 1.00f, 1.00f, 1.00f,
    /* 未 */ 1.04f, 1.04f, 1.10f, 1.10f, 1.16f, 1.16f, 1.10f, 1.10f, 1.00f, 1.00f,
    /* 申 */ 1.06f, 1.06f, 1.00f, 1.00f, 1.00f, 1.00f, 1.14f, 1.14f, 1.20f, 1.20f,
    /* 酉 */ 1.00f, 1.00f, 1.00f, 1.00f, 1.00f, 1.00f, 1.20f, 1.20f, 1.20f, 1.20f,
    /* 戌 */ 1.00f, 1.00f, 1.04f, 1.04f, 1.14f, 1.14f, 1.16f, 1.16f, 1.06f, 1.06f,
    /* 亥 */ 1.20f, 1.20f, 1.00f, 1.00f, 1.00f, 1.00f, 1.00f, 1.00f, 1.14f, 1.14f,
    /* 子 */ 1.20f, 1.20f, 1.00f, 1.00f, 1.00f, 1.00f, 1.00f, 1.00f, 1.20f, 1.20f,
    /* 丑 */ 1.06f, 1.06f, 1.00f, 1.00f, 1.10f, 1.10f, 1.14f, 1.14f, 1.10f, 1.10f,
};

// The hidden stems (藏干) of each branch, as columns of kHiddenStemTable.
struct HiddenStem {
  Stem stem;
  int column;
};
struct HiddenStems {
  std::array<HiddenStem, 3> stems;
  int count;
};
constexpr std::array<HiddenStems, kBranchCount> kHiddenStems = {{
    /* 子 */ {{{{Stem::Gui, 0}}}, 1},
    /* 丑 */ {{{{Stem::Gui, 1}, {Stem::Xin, 2}, {Stem::Ji, 3}}}, 3},
    /* 寅 */ {{{{Stem::Bing, 4}, {Stem::Jia, 5}}}, 2},
    /* 卯 */ {{{{Stem::Yi, 6}}}, 1},
    /* 辰 */ {{{{Stem::Yi, 7}, {Stem::Gui, 8}, {Stem::Wu, 9}}}, 3},
    /* 巳 */ {{{{Stem::Geng, 10}, {Stem::Bing, 11}}}, 2},
    /* 午 */ {{{{Stem::Ding, 12}}}, 1},
    /* 未 */ {{{{Stem::Ding, 13}, {Stem::Yi, 14}, {Stem::Ji, 15}}}, 3},
    /* 申 */ {{{{Stem::Ren, 16}, {Stem::Geng, 17}}}, 2},
    /* 酉 */ {{{{Stem::Xin, 18}}}, 1},
    /* 戌 */ {{{{Stem::Xin, 19}, {Stem::Ding, 20}, {Stem::Wu, 21}}}, 3},
    /* 亥 */ {{{{Stem::Jia, 22}, {Stem::Ren, 23}}}, 2},
}};
constexpr int kHiddenStemColumns = 24;

// Weight of each hidden stem by the month branch, from the same traditional tables.
// Rows in month order 寅 … 丑; columns 子癸 丑癸 丑辛 丑己 寅丙 寅甲 卯乙 辰乙 辰癸 辰戊
// 巳庚 巳丙 午丁 未丁 未乙 未己 申壬 申庚 酉辛 戌辛 戌丁 戌戊 亥甲 亥壬.
constexpr std::array<float, 12 * kHiddenStemColumns> kHiddenStemTable = {
    /* 寅 */ 1.000f, 0.300f, 0.200f, 0.530f, 0.360f, 0.798f, 1.140f, 0.342f,
    0.200f,          0.530f, 0.300f, 0.840f, 1.200f, 0.360f, 0.228f, 0.530f,
    0.300f,          0.700f, 1.000f, 0.300f, 0.240f, 0.530f, 0.342f, 0.700f,
    /* 卯 */ 1.000f, 0.300f, 0.200f, 0.500f, 0.360f, 0.840f, 1.200f, 0.360f,
    0.200f,          0.500f, 0.300f, 0.840f, 1.200f, 0.360f, 0.240f, 0.500f,
    0.300f,          0.700f, 1.000f, 0.300f, 0.240f, 0.500f, 0.360f, 0.700f,
    /* 辰 */ 1.040f, 0.312f, 0.230f, 0.550f, 0.318f, 0.770f, 1.100f, 0.330f,
    0.208f,          0.550f, 0.330f, 0.742f, 1.060f, 0.318f, 0.220f, 0.550f,
    0.312f,          0.770f, 1.100f, 0.330f, 0.212f, 0.550f, 0.330f, 0.728f,
    /* 巳 */ 1.060f, 0.318f, 0.212f, 0.570f, 0.342f, 0.700f, 1.000f, 0.300f,
    0.200f,          0.600f, 0.300f, 0.840f, 1.140f, 0.342f, 0.200f, 0.570f,
    0.318f,          0.742f, 1.060f, 0.318f, 0.228f, 0.570f, 0.300f, 0.742f,
    /* 午 */ 1.000f, 0.300f, 0.200f, 0.600f, 0.360f, 0.700f, 1.000f, 0.300f,
    0.200f,          0.600f, 0.300f, 0.840f, 1.200f, 0.360f, 0.200f, 0.600f,
    0.300f,          0.700f, 1.000f, 0.300f, 0.240f, 0.600f, 0.300f, 0.700f,
    /* 未 */ 1.000f, 0.300f, 0.220f, 0.580f, 0.330f, 0.728f, 1.040f, 0.312f,
    0.200f,          0.580f, 0.330f, 0.798f, 1.100f, 0.330f, 0.208f, 0.580f,
    0.300f,          0.770f, 1.100f, 0.330f, 0.220f, 0.580f, 0.312f, 0.700f,
    /* 申 */ 1.200f, 0.360f, 0.228f, 0.500f, 0.300f, 0.742f, 1.060f, 0.318f,
    0.240f,          0.500f, 0.342f, 0.700f, 1.000f, 0.300f, 0.212f, 0.500f,
    0.360f,          0.798f, 1.140f, 0.342f, 0.200f, 0.500f, 0.318f, 0.840f,
    /* 酉 */ 1.200f, 0.360f, 0.248f, 0.500f, 0.300f, 0.700f, 1.000f, 0.300f,
    0.240f,          0.500f, 0.360f, 0.700f, 1.000f, 0.300f, 0.200f, 0.500f,
    0.360f,          0.840f, 1.200f, 0.360f, 0.200f, 0.500f, 0.300f, 0.840f,
    /* 戌 */ 1.060f, 0.318f, 0.232f, 0.570f, 0.342f, 0.700f, 1.000f, 0.300f,
    0.212f,          0.570f, 0.348f, 0.728f, 1.040f, 0.312f, 0.200f, 0.570f,
    0.318f,          0.812f, 1.160f, 0.348f, 0.208f, 0.570f, 0.300f, 0.724f,
    /* 亥 */ 1.140f, 0.342f, 0.200f, 0.500f, 0.318f, 0.840f, 1.200f, 0.360f,
    0.228f,          0.500f, 0.300f, 0.742f, 1.060f, 0.318f, 0.240f, 0.500f,
    0.342f,          0.700f, 1.000f, 0.300f, 0.212f, 0.500f, 0.360f, 0.798f,
    /* 子 */ 1.200f, 0.360f, 0.200f, 0.500f, 0.300f, 0.840f, 1.200f, 0.360f,
    0.240f,          0.500f, 0.300f, 0.700f, 1.000f, 0.300f, 0.240f, 0.500f,
    0.360f,          0.700f, 1.000f, 0.300f, 0.200f, 0.500f, 0.360f, 0.840f,
    /* 丑 */ 1.100f, 0.330f, 0.228f, 0.550f, 0.300f, 0.742f, 1.060f, 0.318f,
    0.220f,          0.550f, 0.342f, 0.700f, 1.000f, 0.300f, 0.212f, 0.550f,
    0.330f,          0.798f, 1.140f, 0.342f, 0.200f, 0.550f, 0.318f, 0.770f,
};

// The tables' rows start at the 寅 month.
std::size_t seasonRow(Branch monthBranch) {
  return static_cast<std::size_t>(
      (static_cast<int>(monthBranch) - static_cast<int>(Branch::Yin) + kBranchCount) %
      kBranchCount);
}

// Each addition is done in double precision and stored back as float.
void add(ElementTotals& totals, Element element, float value) {
  float& total = totals[static_cast<std::size_t>(element)];
  total = static_cast<float>(static_cast<double>(total) + static_cast<double>(value));
}

ElementTotals totalsOf(const FourPillars& n) {
  ElementTotals totals{};
  if (!n.month.valid()) return totals;
  const std::size_t row = seasonRow(n.month.branch());
  const std::array<Pair, 4> pillars = {n.year, n.month, n.day, n.hour};
  for (Pair pillar : pillars) {
    const Stem stem = pillar.stem();
    add(totals, elementOf(stem),
        kStemSeasonTable[row * kStemCount + static_cast<std::size_t>(stem)]);
  }
  for (Pair pillar : pillars) {
    const auto& hidden = kHiddenStems[static_cast<std::size_t>(pillar.branch())];
    for (int i = 0; i < hidden.count; ++i) {
      const HiddenStem& h = hidden.stems[static_cast<std::size_t>(i)];
      add(totals, elementOf(h.stem),
          kHiddenStemTable[row * kHiddenStemColumns + static_cast<std::size_t>(h.column)]);
    }
  }
  return totals;
}

}  // namespace

ElementStrength elementStrength(const DateTime& birthMoment) {
  const FourPillars n = fourPillars(birthMoment);
  const std::optional<Stem> dayStem =
      n.day.valid() ? std::optional<Stem>(n.day.stem()) : std::nullopt;
  return judgeTotals(totalsOf(n), dayStem);
}

std::string scoreText(float score) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.6g", static_cast<double>(score));
  return buffer;
}

}  // namespace zeruda::chart
