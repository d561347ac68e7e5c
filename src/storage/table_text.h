#pragma once

#include "storage/table_source.h"
#include "text/result.h"

#include <string>
#include <string_view>
#include <vector>

namespace zeruda::storage {

// A table read from its readable source (data/tables/<alias>.tsv as the build embeds
// it: GBK, the first line's comment left out): the tab-separated field names, then
// one record per line; a field name ending in ":integer" holds whole numbers. Gives
// what the table's file built from the same source holds: whole numbers in their
// plain decimal form, empty lines left out. Anything else is "数据文件已损坏：" and
// `fileName`. For builds without the record store's library (the browser edition).
struct TableText {
  std::vector<TableField> fields;
  std::vector<TableRecord> records;
};
Result<TableText> readTableText(std::string_view gbk, const std::string& fileName);

// A whole number's plain decimal text ("-007" → "-7"), or nothing for any other text.
std::optional<std::string> wholeNumberText(std::string_view text);

}  // namespace zeruda::storage
