#include "actions/character_actions.h"

#include "actions/inputs.h"
#include "dictionary/elements.h"
#include "dictionary/table_element.h"
#include "storage/character_table.h"
#include "text/characters.h"

namespace zeruda::actions {

Result<std::vector<std::string>> characterUnits(std::string_view text) {
  if (auto given = requireText(text, Field::Characters); !given.ok()) return given.failure();
  return text::splitCharacters(text);
}

Result<TextElements> textElements(std::string_view text, Context& context) {
  const auto units = characterUnits(text);
  if (!units.ok()) return units.failure();
  TextElements answer;
  for (const std::string& unit : units.value()) {
    auto element = storage::tableElement(context.tables, unit);
    if (!element.ok()) return element.failure();
    answer.units.push_back(
        {unit, std::string(dictionary::listElement(unit)), element.value().value_or("")});
  }
  answer.elements = dictionary::elementText(text);
  return answer;
}

Result<std::string> lookUpElement(std::string_view input, Context& context) {
  return dictionary::queryElement(input, storage::characterTable(context.tables));
}

}  // namespace zeruda::actions
