#include "chart/element_strength.h"

#include "text/characters.h"
#include "text/gbk_literal.h"

#include <string>

namespace zeruda::chart {

using namespace text::literals;

std::string missingElementsOf(std::string_view elements) {
  // Eight characters is a whole chart; anything beyond is not looked at.
  constexpr std::size_t kChartCharacters = 8;
  const std::vector<std::string> present = text::splitCharacters(text::removeSpaces(elements));
  std::vector<std::string> remaining = text::splitCharacters("木火土金水"_gbk);
  for (std::size_t i = 0; i < present.size() && i < kChartCharacters && !remaining.empty(); ++i) {
    std::erase(remaining, present[i]);
  }
  std::string out;
  for (const auto& element : remaining) out += element;
  return out;
}

}  // namespace zeruda::chart
