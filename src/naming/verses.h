#pragma once

#include <span>
#include <string_view>

namespace zeruda::naming {

// A pair of name characters standing side by side in a clause of the classics or
// poems (诗经, 楚辞, 论语, 唐诗三百首, 宋词三百首). Texts GBK, valid for the life of
// the program.
struct Verse {
  std::string_view pair;  // four bytes: the two characters in the clause's order
  std::string_view clause;
  std::string_view title;  // a 词's title is its 词牌
  std::string_view author;
  std::string_view dynasty;
  std::string_view book;
};

// Every verse pair, by pair; one pair's verses in the books' order (诗经 first).
std::span<const Verse> allVerses();

// The verses of one ordered pair (four GBK bytes); empty when it stands in none.
std::span<const Verse> versesOf(std::string_view pair);

}  // namespace zeruda::naming
