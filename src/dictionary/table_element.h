#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "text/result.h"
#include "text/user_message.h"

namespace zeruda::dictionary {

// The character table "zk" as the dictionary reads it: the "五行" field of the first
// record whose "汉字" is exactly `character`; nothing when no record has it; an
// error naming the table file when the table cannot be read. The program hands in
// the one of the storage room (storage/table_lookups.h).
using CharacterTable =
    std::function<Result<std::optional<std::string>>(std::string_view character)>;

// What the character lookup window shows for its input: the element text for its
// result label, empty when the whole input matches no record; or a refusal (the
// input is not a character of the table, or the table cannot be read).
Result<std::string> queryElement(std::string_view input, const CharacterTable& table);

// The entry check of the lookup window and the personal page: the input without
// spaces is not empty, its first two bytes are a character of the table, and so
// are its last two when it is three bytes or longer. The table's error when it
// cannot be read.
Result<bool> isTableCharacterEntry(std::string_view input, const CharacterTable& table);

}  // namespace zeruda::dictionary
