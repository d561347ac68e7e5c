#pragma once

#include "actions/context.h"
#include "numerology/rating.h"
#include "shortlist/shortlist.h"
#include "text/result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zeruda::actions {

// No name is this long; a longer line is a mistake (a pasted document, a binary file),
// refused on its own while the other lines are scored.
inline constexpr std::size_t kMaxShortlistLineCharacters = 100;
// And bytes: as many as those characters can take in UTF-8.
inline constexpr std::size_t kMaxShortlistLineBytes = 4 * kMaxShortlistLineCharacters;

// A whole list is held to a size that is scored in seconds and kept in little
// memory; 20,000 names of 30 characters stay well within it. Beyond it the list is
// refused as a whole: bytes with their line ends, and names.
inline constexpr std::size_t kMaxShortlistBytes = 2'000'000;
inline constexpr std::size_t kMaxShortlistNames = 30'000;

// The names of a shortlist as its lines come, each line checked on its own: one that
// cannot be scored is refused naming its line ("第3行…") and left out, the others are
// kept. A long list is kept as one text and where each name ends: a few bytes a name,
// where a string each would cost dozens.
class ShortlistLines {
 public:
  // The next line (UTF-8, without its line end; the first without a byte-order mark).
  // `cutShort` says that the reader kept only its start, the line being longer than
  // any name; `inputBytes`, what the whole line took, its line end included (when not
  // given: the line and one byte). Once the list is over its size, lines are only
  // counted.
  std::optional<Error> add(std::string_view utf8Line, bool cutShort = false,
                           std::optional<std::size_t> inputBytes = std::nullopt);
  // Every line of a pasted text, in order; the refusals of the lines refused.
  std::vector<Error> addText(std::string_view utf8Text);

  // The list's refusal once it is over its size: then nothing more need be read.
  const std::optional<Error>& tooLarge() const { return tooLarge_; }

  std::size_t size() const { return ends_.size(); }
  std::string operator[](std::size_t i) const;  // GBK, spaces left out

 private:
  std::size_t lineNumber_ = 0;
  std::size_t inputBytes_ = 0;
  std::optional<Error> tooLarge_;
  std::string text_;
  std::vector<std::uint64_t> ends_;
};

// A shortlist judged and ranked. A long list keeps only what its order rests on; each
// name is judged again when its turn comes.
class RankedShortlist {
 public:
  RankedShortlist(const ShortlistLines& names, double base, numerology::ElementLookup elementOf);
  std::size_t size() const { return order_.size(); }
  // The name at `rank` (from 0), best first.
  shortlist::ScoredName at(std::size_t rank) const;

 private:
  const ShortlistLines& names_;
  double base_;
  numerology::ElementLookup elementOf_;
  std::vector<std::size_t> order_;
};

// Rates and checks every name on the base given (0-5), else the saved one.
Result<RankedShortlist> rankShortlist(const ShortlistLines& names,
                                      const std::optional<std::string>& base, Context& context);

}  // namespace zeruda::actions
