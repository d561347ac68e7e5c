#pragma once

#include "text/result.h"

#include <optional>
#include <string>
#include <string_view>

namespace zeruda::storage {

// The element of a character from the character table "zk": the "五行" field of
// the first record whose "汉字" is exactly `character`, nothing when no record has
// it, the table's error ("数据文件已损坏：zk.dat") when it cannot be opened. This is
// the dictionary's CharacterTable as the program provides it.
Result<std::optional<std::string>> tableElement(std::string_view character);

}  // namespace zeruda::storage
