#include "chart/element_strength.h"

#include "text/characters.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace zeruda::chart {

calendar::ElementSet missingElementsOf(std::string_view elements) {
  using calendar::Element;
  // Eight characters is a whole chart; anything beyond is not looked at.
  constexpr std::size_t kChartCharacters = 8;
  const std::vector<std::string> present = text::splitCharacters(text::removeSpaces(elements));
  const std::vector<std::string> counted(
      present.begin(), present.begin() + static_cast<std::ptrdiff_t>(
                                             std::min(present.size(), kChartCharacters)));
  const calendar::ElementSet there = calendar::ElementSet::inText(
      std::accumulate(counted.begin(), counted.end(), std::string()));
  calendar::ElementSet missing;
  for (Element element :
       {Element::Wood, Element::Fire, Element::Earth, Element::Metal, Element::Water}) {
    if (!there.contains(element)) missing.insert(element);
  }
  return missing;
}

}  // namespace zeruda::chart
