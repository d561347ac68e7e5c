#pragma once

#include "registration/text_index.h"

#include <bitset>
#include <string>
#include <string_view>
#include <vector>

namespace zeruda::registration {

// A well-known trade name, the enterprise whose registered name carries it and the
// industry words that enterprise is known for (汽车, 家电 …).
struct FamousName {
  std::string tradeName;
  std::string enterprise;
  std::vector<std::string> industries;
};

// Trade names of well-known enterprises (data/registration/famous.tsv: trade name,
// enterprise, industry words, tab-separated, as the build embeds it without the
// file's fourth column, the list a row comes from): a name that takes one of them
// invites confusion with that enterprise.
class FamousNames {
 public:
  static const FamousNames& builtIn();

  explicit FamousNames(std::string_view table);

  // The enterprises using exactly this trade name; empty when none.
  std::vector<const FamousName*> withTradeName(std::string_view tradeName) const;

  // The longest well-known trade name that `text` begins with; empty when none.
  std::string_view longestAtStart(std::string_view text) const;

  std::size_t size() const { return names_.size(); }

 private:
  std::vector<FamousName> names_;
  TextMap<std::vector<std::size_t>> byTradeName_;
  // A bit for each trade name's hash: most names asked about are none of them, and
  // one bit answers that without walking the map's nodes.
  std::bitset<1 << 16> maybe_;
  std::size_t longest_ = 0;
};

}  // namespace zeruda::registration
