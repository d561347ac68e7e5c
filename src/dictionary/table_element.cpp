#include "dictionary/table_element.h"

#include "storage/data_table.h"
#include "text/characters.h"
#include "text/gbk_literal.h"

namespace zeruda::dictionary {
namespace {

using namespace text::literals;

bool inTable(std::string_view character) { return tableElement(character).has_value(); }

}  // namespace

std::optional<std::string> tableElement(std::string_view character) {
  auto table = storage::openDataTable("zk");
  if (!table.ok()) return std::nullopt;
  auto found = table.value().lookup("汉字"_gbk, character, "五行"_gbk);
  if (!found.ok()) return std::nullopt;
  return std::move(found).value();
}

bool isTableCharacterEntry(std::string_view input) {
  if (text::removeSpaces(input).empty()) return false;
  if (!inTable(input.substr(0, 2))) return false;
  return input.size() < 3 || inTable(input.substr(input.size() - 2));
}

ElementQuery queryElement(std::string_view input) {
  if (!isTableCharacterEntry(input)) {
    return {
        UserMessage{"您未输入合法内容！"_gbk, "提示"_gbk, MessageIcon::Warning, "编辑框输入"_gbk},
        {}};
  }
  return {std::nullopt, tableElement(input).value_or(std::string())};
}

}  // namespace zeruda::dictionary
