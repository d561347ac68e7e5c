#pragma once

#include <string>
#include <string_view>

namespace zeruda::dictionary {

// Stroke counts of one character unit (as splitCharacters cuts a text). Only the
// unit's first character counts. ASCII, spaces, incomplete characters and
// characters the dictionary lacks count 0.

// Strokes of the character as printed (simplified characters by their own form).
int writtenStrokes(std::string_view unit);

// Strokes of the character's traditional form by dictionary convention, the count
// every name grid is built on. Characters in several Kangxi groups take the greatest.
int kangxiStrokes(std::string_view unit);

// The count of every unit of `text`, joined by "-": 华 通 gives 6-0-10 and 14-0-14.
// A text of spaces only gives an empty text.
std::string writtenStrokeText(std::string_view text);
std::string kangxiStrokeText(std::string_view text);

}  // namespace zeruda::dictionary
