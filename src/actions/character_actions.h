#pragma once

#include "actions/context.h"
#include "text/result.h"

#include <string>
#include <string_view>
#include <vector>

namespace zeruda::actions {

// The units of a text whose strokes, forms and readings are looked up (GBK).
Result<std::vector<std::string>> characterUnits(std::string_view text);

// Each unit's element from the built-in lists and from the character table, and the
// elements of the whole text.
struct UnitElement {
  std::string unit;
  std::string listed;  // from the lists; empty when they lack it
  std::string tabled;  // from the table; empty when it lacks it
};
struct TextElements {
  std::vector<UnitElement> units;
  std::string elements;  // dictionary::elementText of the whole text
};
Result<TextElements> textElements(std::string_view text, Context& context);

// The lookup window's query: the element of a character the table has.
Result<std::string> lookUpElement(std::string_view input, Context& context);

}  // namespace zeruda::actions
