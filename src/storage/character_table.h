#pragma once

#include "storage/data_table.h"
#include "text/result.h"

#include <optional>
#include <string>
#include <string_view>

namespace zeruda::storage {

// The element of a character from the character table "zk" of `tables`: the "五行"
// field of the first record whose "汉字" is exactly `character`, nothing when no
// record has it, the table's error ("数据文件已损坏：zk.dat") when it cannot be opened.
Result<std::optional<std::string>> tableElement(TableSet& tables, std::string_view character);

// The same as the dictionary's CharacterTable, a function of the character alone.
// The set must outlive the function.
inline auto characterTable(TableSet& tables) {
  return [&tables](std::string_view character) { return tableElement(tables, character); };
}

}  // namespace zeruda::storage
