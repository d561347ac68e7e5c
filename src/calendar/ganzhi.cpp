#include "calendar/ganzhi.h"

#include "text/gbk.h"

#include <array>
#include <cstddef>

namespace zeruda::calendar {
namespace {

// The characters as written in the tradition, one table per kind; the core reads them
// as GBK, converted once on first use.
constexpr std::array<std::string_view, kStemCount> kStemCharacters = {"甲", "乙", "丙", "丁", "戊",
                                                                      "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, kBranchCount> kBranchCharacters = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
constexpr std::array<std::string_view, kElementCount> kElementCharacters = {"金", "木", "水", "火",
                                                                            "土"};
// The animal of each branch, 子 the rat first.
constexpr std::array<std::string_view, kBranchCount> kZodiacAnimals = {
    "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};

template <std::size_t N>
std::array<std::string, N> toGbkTable(const std::array<std::string_view, N>& utf8) {
  std::array<std::string, N> out;
  for (std::size_t i = 0; i < N; ++i) out[i] = text::toGbk(utf8[i]);
  return out;
}

const std::array<std::string, kStemCount>& stems() {
  static const auto table = toGbkTable(kStemCharacters);
  return table;
}
const std::array<std::string, kBranchCount>& branches() {
  static const auto table = toGbkTable(kBranchCharacters);
  return table;
}
const std::array<std::string, kElementCount>& elements() {
  static const auto table = toGbkTable(kElementCharacters);
  return table;
}

template <typename Enum, std::size_t N>
std::optional<Enum> findIn(const std::array<std::string, N>& table, std::string_view gbk) {
  for (std::size_t i = 0; i < N; ++i) {
    if (table[i] == gbk) return static_cast<Enum>(i);
  }
  return std::nullopt;
}

}  // namespace

std::string_view stemText(Stem stem) { return stems()[static_cast<std::size_t>(stem)]; }
std::string_view branchText(Branch branch) { return branches()[static_cast<std::size_t>(branch)]; }
std::string_view elementText(Element element) {
  return elements()[static_cast<std::size_t>(element)];
}
std::string_view zodiacAnimalText(Branch branch) {
  static const auto table = toGbkTable(kZodiacAnimals);
  return table[static_cast<std::size_t>(branch)];
}

std::optional<Stem> stemFromText(std::string_view gbk) { return findIn<Stem>(stems(), gbk); }
std::optional<Branch> branchFromText(std::string_view gbk) {
  return findIn<Branch>(branches(), gbk);
}
std::optional<Element> elementFromText(std::string_view gbk) {
  return findIn<Element>(elements(), gbk);
}

std::string stemBranchElement(std::string_view character) {
  if (auto stem = stemFromText(character)) return std::string(elementText(elementOf(*stem)));
  if (auto branch = branchFromText(character)) {
    return std::string(elementText(elementOf(*branch)));
  }
  return {};
}

}  // namespace zeruda::calendar
