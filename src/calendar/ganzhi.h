#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zeruda::calendar {

// The ten heavenly stems, in their traditional order (甲 first).
enum class Stem : std::uint8_t { Jia, Yi, Bing, Ding, Wu, Ji, Geng, Xin, Ren, Gui };

// The twelve earthly branches, in their traditional order (子 first).
enum class Branch : std::uint8_t { Zi, Chou, Yin, Mao, Chen, Si, Wu, Wei, Shen, You, Xu, Hai };

// The five elements, in the order of the element boxes and the profile: 金 木 水 火 土.
enum class Element : std::uint8_t { Metal, Wood, Water, Fire, Earth };

inline constexpr int kStemCount = 10;
inline constexpr int kBranchCount = 12;
inline constexpr int kElementCount = 5;
inline constexpr int kPairCount = 60;

// Pairs of the sexagenary cycle are numbered 1-60 from 甲子; 0 stands for none.
// (calendar::Pair in sixty_pair.h is the value pillars hold.)
constexpr bool isPairNumber(int pair) { return pair >= 1 && pair <= kPairCount; }

// The number 1-60 of the pair with this stem and branch; 0 when no pair has both
// (a stem and a branch of different parity never meet in the cycle).
constexpr int pairNumberOf(Stem stem, Branch branch) {
  const int s = static_cast<int>(stem);
  const int b = static_cast<int>(branch);
  if ((s - b) % 2 != 0) return 0;
  // 6s - 5b is s modulo 10 and b modulo 12 when s and b share parity.
  return ((6 * s - 5 * b) % kPairCount + kPairCount) % kPairCount + 1;
}

// Moves a stem or branch forward by `steps` (negative steps go back).
constexpr Stem nextStem(Stem stem, int steps) {
  return static_cast<Stem>(((static_cast<int>(stem) + steps) % kStemCount + kStemCount) %
                           kStemCount);
}
constexpr Branch nextBranch(Branch branch, int steps) {
  return static_cast<Branch>(((static_cast<int>(branch) + steps) % kBranchCount + kBranchCount) %
                             kBranchCount);
}

constexpr Element elementOf(Stem stem) {
  constexpr Element kByStem[] = {Element::Wood,  Element::Wood,  Element::Fire,  Element::Fire,
                                 Element::Earth, Element::Earth, Element::Metal, Element::Metal,
                                 Element::Water, Element::Water};
  return kByStem[static_cast<int>(stem)];
}
constexpr Element elementOf(Branch branch) {
  constexpr Element kByBranch[] = {Element::Water, Element::Earth, Element::Wood,  Element::Wood,
                                   Element::Earth, Element::Fire,  Element::Fire,  Element::Earth,
                                   Element::Metal, Element::Metal, Element::Earth, Element::Water};
  return kByBranch[static_cast<int>(branch)];
}

// GBK characters of stems, branches, elements and zodiac animals.
std::string_view stemText(Stem stem);
std::string_view branchText(Branch branch);
std::string_view elementText(Element element);
std::string_view zodiacAnimalText(Branch branch);

// Reading single GBK characters back; nullopt for anything else.
std::optional<Stem> stemFromText(std::string_view gbk);
std::optional<Branch> branchFromText(std::string_view gbk);
std::optional<Element> elementFromText(std::string_view gbk);

// The element (GBK character) of a stem or branch character; empty for anything else.
std::string stemBranchElement(std::string_view character);

}  // namespace zeruda::calendar
