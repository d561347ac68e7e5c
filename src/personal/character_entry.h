#pragma once

#include "numerology/grids.h"
#include "storage/data_table.h"
#include "text/result.h"

#include <optional>
#include <string>
#include <string_view>

namespace zeruda::personal {

// The "笔画" of the character's record in the character table "zk" of `tables`: its
// Kangxi count. Nothing when the table lacks the character or cannot be opened.
std::optional<int> tableStrokes(storage::TableSet& tables, std::string_view character);

// The Chinese-entry check of the page's name boxes: the text without its leading and
// trailing blanks must not be empty, and its first character, and its last when it
// has more than one, must be characters of the table "zk". A failure is
// "您未输入合法内容！" (caption "提示") about `field`.
Check chineseEntryCheck(storage::TableSet& tables, std::string_view text, Field field);

// The text as the checks above see it: without leading and trailing blanks.
std::string_view checkedEntry(std::string_view text);

// The entries of a checked text: every two-byte character with its "笔画", or
// nothing when the text holds anything else or more than `maxCharacters` of them.
// The check above looks at the ends only; a name is built from every character.
std::optional<std::vector<numerology::CharStroke>> tableEntries(storage::TableSet& tables,
                                                                std::string_view text,
                                                                std::size_t maxCharacters);

// "您未输入合法内容！" about `field`.
Error invalidEntryMessage(Field field);

}  // namespace zeruda::personal
