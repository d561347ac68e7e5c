#include "generation/candidate_row.h"

#include "text/gbk_literal.h"

#include <algorithm>

namespace zeruda::generation {

using namespace text::literals;

namespace {

// Shares of the 864-pixel page the list was laid out on.
constexpr int kDesignWidth = 864;
constexpr std::array<int, kColumnCount> kColumnShares = {45, 240, 78, 95, 105, 110, 95};

constexpr std::uint32_t kOddRowColour = 0xECECEC;
constexpr std::uint32_t kEvenRowColour = 0xFFFFFF;

}  // namespace

const std::array<std::string, kColumnCount>& columnCaptions() {
  static const std::array<std::string, kColumnCount> captions = {
      "编号"_gbk,      "            全名"_gbk, " 主体名"_gbk, " 简体笔画"_gbk,
      " 康熙笔画"_gbk, "   五行"_gbk,          "   星级"_gbk};
  return captions;
}

std::array<int, kColumnCount> columnWidths(int pageWidth) {
  const long long width = std::max(pageWidth, 0);
  std::array<int, kColumnCount> widths{};
  for (std::size_t i = 0; i < kColumnCount; ++i) {
    widths[i] = static_cast<int>(width * kColumnShares[i] / kDesignWidth);
  }
  return widths;
}

int resultListWidth(int pageWidth) { return std::max(pageWidth - 20, 0); }

std::uint32_t rowBackground(int rowNumber) {
  return rowNumber % 2 != 0 ? kOddRowColour : kEvenRowColour;
}

}  // namespace zeruda::generation
