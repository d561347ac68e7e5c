#include "dictionary/pinyin.h"

#include "dictionary/data_lines.h"
#include "dictionary/gbk_code.h"
#include "embedded/kPinyinTable.h"

#include <cstdint>
#include <vector>

namespace zeruda::dictionary {
namespace {

// Where each character's reading lies inside the embedded table.
struct Reading {
  std::uint32_t offset = 0;
  std::uint8_t length = 0;
};

const std::vector<Reading>& readings() {
  static const std::vector<Reading> index = [] {
    std::vector<Reading> built(kGbkCodeCount);
    const std::string_view table = data::kPinyinTable;
    forEachTabbedLine(table, [&](std::string_view character, std::string_view reading) {
      const auto slot = gbkSlot(character);
      if (!slot || character.size() != 2 || reading.size() > 255) return;
      built[*slot] = {static_cast<std::uint32_t>(reading.data() - table.data()),
                      static_cast<std::uint8_t>(reading.size())};
    });
    return built;
  }();
  return index;
}

}  // namespace

std::string_view pinyinOf(std::string_view unit) {
  const auto slot = gbkSlot(unit);
  if (!slot) return {};
  const Reading& reading = readings()[*slot];
  return data::kPinyinTable.substr(reading.offset, reading.length);
}

}  // namespace zeruda::dictionary
