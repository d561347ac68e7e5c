#include "gui/result_columns.h"

#include <algorithm>

namespace zeruda::gui {
namespace {

// Shares of the 864-pixel page the list was laid out on.
constexpr int kDesignWidth = 864;
constexpr std::array<int, generation::kColumnCount> kColumnShares = {45, 240, 78, 95, 105, 110, 95};

}  // namespace

const std::array<QString, generation::kColumnCount>& resultColumnCaptions() {
  static const std::array<QString, generation::kColumnCount> captions = {
      QStringLiteral("编号"),      QStringLiteral("            全名"), QStringLiteral(" 主体名"),
      QStringLiteral(" 简体笔画"), QStringLiteral(" 康熙笔画"),        QStringLiteral("   五行"),
      QStringLiteral("   星级")};
  return captions;
}

std::array<int, generation::kColumnCount> resultColumnWidths(int pageWidth) {
  const long long width = std::max(pageWidth, 0);
  std::array<int, generation::kColumnCount> widths{};
  for (std::size_t i = 0; i < generation::kColumnCount; ++i) {
    widths[i] = static_cast<int>(width * kColumnShares[i] / kDesignWidth);
  }
  return widths;
}

int resultListWidth(int pageWidth) { return std::max(pageWidth - 20, 0); }

QColor resultRowBackground(int rowNumber) {
  return rowNumber % 2 != 0 ? QColor(0xEC, 0xEC, 0xEC) : QColor(0xFF, 0xFF, 0xFF);
}

}  // namespace zeruda::gui
