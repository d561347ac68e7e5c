#include "storage/character_table.h"

#include "storage/data_table.h"
#include "text/gbk_literal.h"

namespace zeruda::storage {

using namespace text::literals;

Result<std::optional<std::string>> tableElement(std::string_view character) {
  auto table = openDataTable("zk");
  if (!table.ok()) return Error{table.error()};
  return table.value().lookup("汉字"_gbk, character, "五行"_gbk);
}

}  // namespace zeruda::storage
