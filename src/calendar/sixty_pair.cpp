#include "calendar/sixty_pair.h"

#include <array>
#include <cstddef>

namespace zeruda::calendar {

Pair Pair::fromText(std::string_view gbk) {
  // Every stem and branch character is two GBK bytes.
  if (gbk.size() != 4) return {};
  const auto stem = stemFromText(gbk.substr(0, 2));
  const auto branch = branchFromText(gbk.substr(2, 2));
  if (!stem || !branch) return {};
  return of(*stem, *branch);
}

std::string Pair::text() const {
  // Whole calendars ask for pair texts by the thousand; build the sixty once.
  static const std::array<std::string, kPairCount + 1> texts = [] {
    std::array<std::string, kPairCount + 1> all;
    for (int n = 1; n <= kPairCount; ++n) {
      const Pair pair(n);
      all[static_cast<std::size_t>(n)] =
          std::string(stemText(pair.stem())) + std::string(branchText(pair.branch()));
    }
    return all;
  }();
  return texts[number_];
}

}  // namespace zeruda::calendar
