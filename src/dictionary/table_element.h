#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/user_message.h"

namespace zeruda::dictionary {

// The "五行" field of the first record of the character table "zk" whose "汉字" is
// exactly `character`; nothing when the table has no such record or cannot be
// opened. Callers then use no element for the character.
std::optional<std::string> tableElement(std::string_view character);

// What the character lookup window shows for its input: either a message (the
// input is not a character of the table) or the element text for its result label,
// empty when the whole input matches no record.
struct ElementQuery {
  std::optional<UserMessage> refusal;
  std::string element;
};
ElementQuery queryElement(std::string_view input);

// The entry check of the lookup window and the personal page: the input without
// spaces is not empty, its first two bytes are a character of the table, and so
// are its last two when it is three bytes or longer.
bool isTableCharacterEntry(std::string_view input);

}  // namespace zeruda::dictionary
