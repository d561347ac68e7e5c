#pragma once

#include "text/result.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zeruda::text {

// The most characters each name field takes, on every front end. A person's names
// are short; a region is a province, city and district at most; a trade suffix is
// an industry and a company form; a fixed character is one.
inline constexpr std::size_t kMaxSurnameCharacters = 4;
inline constexpr std::size_t kMaxGivenNameCharacters = 4;
inline constexpr std::size_t kMaxPrefixCharacters = 10;
inline constexpr std::size_t kMaxSuffixCharacters = 20;
inline constexpr std::size_t kMaxFixedCharacters = 1;

// Characters of a GBK text: a two-byte character counts one, as a one-byte one does.
std::size_t characterCount(std::string_view gbk);

// Whether the text holds a control character (a tab, a line break, an escape): none
// belongs in a name, and each would reach the profile, the exports and the terminal.
bool hasControlCharacter(std::string_view gbk);

// The check of one name field: a refusal about `field`, with `caption` (GBK), when
// its text holds a control character or more than `maxCharacters` characters.
// `label` names the field in the message (GBK).
Check fieldTextCheck(std::string_view gbk, std::string_view label, std::size_t maxCharacters,
                     Field field, std::string_view caption);

}  // namespace zeruda::text
