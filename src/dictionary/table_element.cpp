#include "dictionary/table_element.h"

#include "text/characters.h"
#include "text/gbk_literal.h"

namespace zeruda::dictionary {
namespace {

using namespace text::literals;

Error refusal(std::string text) {
  return Error{std::move(text), Field::LookupCharacter, "提示"_gbk, MessageIcon::Warning};
}

}  // namespace

Result<bool> isTableCharacterEntry(std::string_view input, const CharacterTable& table) {
  if (text::removeSpaces(input).empty()) return false;
  auto first = table(input.substr(0, 2));
  if (!first.ok()) return first.failure();
  if (!first.value() || input.size() < 3) return first.value().has_value();
  auto last = table(input.substr(input.size() - 2));
  if (!last.ok()) return last.failure();
  return last.value().has_value();
}

Result<std::string> queryElement(std::string_view input, const CharacterTable& table) {
  auto entry = isTableCharacterEntry(input, table);
  if (!entry.ok()) return refusal(entry.error());
  if (!entry.value()) return refusal("您未输入合法内容！"_gbk);
  auto element = table(input);
  if (!element.ok()) return refusal(element.error());
  return element.value().value_or(std::string());
}

}  // namespace zeruda::dictionary
