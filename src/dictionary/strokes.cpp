#include "dictionary/strokes.h"

#include "dictionary/data_lines.h"
#include "dictionary/gbk_code.h"
#include "dictionary/traditional.h"
#include "embedded/kStrokeCounts.h"
#include "text/characters.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <vector>

namespace zeruda::dictionary {
namespace {

struct StrokeIndex {
  std::vector<std::uint8_t> written = std::vector<std::uint8_t>(kGbkCodeCount, 0);
  std::vector<std::uint8_t> kangxi = std::vector<std::uint8_t>(kGbkCodeCount, 0);
};

// stroke_counts.txt (tools/chardata/pack_strokes.py): a line of 191 counts for each
// lead byte, the written counts' lines first, then the Kangxi counts'; count N is the
// byte 0x30 + N. One byte a code rather than the two texts it is packed from, which a
// first visit to the browser edition would fetch at seven times the size.
void readPackedCounts(std::string_view packed, StrokeIndex& index) {
  std::size_t line = 0;
  while (!packed.empty() && line < 2 * kGbkLeadCount) {
    const auto end = packed.find('\n');
    const std::string_view counts = packed.substr(0, std::min(end, kGbkTrailCount));
    packed = end == std::string_view::npos ? std::string_view{} : packed.substr(end + 1);
    auto& table = line < kGbkLeadCount ? index.written : index.kangxi;
    const std::size_t first = (line % kGbkLeadCount) * kGbkTrailCount;
    for (std::size_t k = 0; k < counts.size(); ++k) {
      const auto byte = static_cast<unsigned char>(counts[k]);
      table[first + k] = byte > 0x30 ? static_cast<std::uint8_t>(byte - 0x30) : 0;
    }
    ++line;
  }
}

// A unit in no group counts as its traditional form is written. Every GBK Chinese
// character has a group, so this answers only for units the groups do not list.
void fillFromTraditional(StrokeIndex& index) {
  for (std::size_t slot = 0; slot < kGbkCodeCount; ++slot) {
    if (index.kangxi[slot] != 0) continue;
    const auto traditional = gbkSlot(toTraditional(gbkCharacter(slot)));
    if (traditional) index.kangxi[slot] = index.written[*traditional];
  }
}

const StrokeIndex& strokeIndex() {
  static const StrokeIndex index = [] {
    StrokeIndex built;
    readPackedCounts(data::kStrokeCounts, built);
    fillFromTraditional(built);
    return built;
  }();
  return index;
}

template <typename Count>
std::string joinedCounts(std::string_view text, Count count) {
  // Written straight into the text: every listed row carries two of these.
  std::string joined;
  text::forEachUnit(text, [&](std::string_view unit) {
    char digits[12];
    const char* end = std::to_chars(digits, digits + sizeof digits, count(unit)).ptr;
    if (!joined.empty()) joined += '-';
    joined.append(digits, static_cast<std::size_t>(end - digits));
  });
  return joined;
}

}  // namespace

int writtenStrokes(std::string_view unit) {
  const auto slot = gbkSlot(unit);
  return slot ? strokeIndex().written[*slot] : 0;
}

int kangxiStrokes(std::string_view unit) {
  const auto slot = gbkSlot(unit);
  return slot ? strokeIndex().kangxi[*slot] : 0;
}

std::string writtenStrokeText(std::string_view text) { return joinedCounts(text, writtenStrokes); }

std::string kangxiStrokeText(std::string_view text) { return joinedCounts(text, kangxiStrokes); }

}  // namespace zeruda::dictionary
