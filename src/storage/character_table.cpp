#include "storage/character_table.h"

#include "text/gbk_literal.h"

namespace zeruda::storage {

using namespace text::literals;

Result<std::optional<std::string>> tableElement(TableSet& tables, std::string_view character) {
  auto table = tables.open("zk");
  if (!table.ok()) return table.failure();
  return table.value().lookup("汉字"_gbk, character, "五行"_gbk);
}

}  // namespace zeruda::storage
